// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/picture_box.h"

#include "platform/artwork_lettering.h"

#include <QGuiApplication>
#include <QImage>

#include <cmath>

namespace platform {
namespace {

// "images/logo.png" with n 2 is "images/logo@2x.png".
QString variantName(const QString &resource, int n)
{
    const qsizetype dot = resource.lastIndexOf(u'.');
    const qsizetype stemEnd = dot > resource.lastIndexOf(u'/') ? dot : resource.size();
    QString name = resource;
    name.insert(stemEnd, QStringLiteral("@%1x").arg(n));
    return name;
}

// The picture from its sharpest variant for the ratio, as it is stored.
QImage loadImage(const QString &resource, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 1))
        return QImage(resource);

    for (int n = int(std::ceil(devicePixelRatio)); n >= 1; --n) {
        QImage image;
        if (!image.load(n == 1 ? resource : variantName(resource, n)))
            continue; // no such variant (or unreadable): try the next coarser one
        if (n != devicePixelRatio) {
            const qreal factor = devicePixelRatio / n;
            const QSize device(qRound(image.width() * factor), qRound(image.height() * factor));
            // Smooth scaling of a palette image crashes Qt 6.4: scale true colour.
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        image.setDevicePixelRatio(devicePixelRatio);
        return image;
    }
    return QImage();
}

// The picture for the ratio, lettered in the interface's language or as it
// is stored.
QPixmap pictureFor(const QString &resource, qreal devicePixelRatio, bool lettering)
{
    // The artwork's texts in the interface's language are drawn over a copy
    // without them; where the language writes them as the picture does, the
    // picture is shown as it is.
    const LetteredPicture *lettered = lettering ? letteredPicture(resource) : nullptr;
    if (lettered && writesOtherwise(*lettered)) {
        QImage image = loadImage(lettered->unlettered.toString(), devicePixelRatio);
        if (!image.isNull()) {
            drawLettering(image, *lettered);
            return QPixmap::fromImage(std::move(image));
        }
    }
    return QPixmap::fromImage(loadImage(resource, devicePixelRatio));
}

// Zoomed, the picture is made for as many device pixels as it will cover,
// and keeps the screen's ratio so that it covers them.
QPixmap pictureFor(const QString &resource, const QWidget *forWidget, qreal zoom, bool lettering)
{
    const qreal screenRatio = forWidget ? forWidget->devicePixelRatioF() : qGuiApp->devicePixelRatio();
    QPixmap picture = pictureFor(resource, screenRatio * zoom, lettering);
    picture.setDevicePixelRatio(screenRatio);
    return picture;
}

} // namespace

QPixmap loadPicture(const QString &resource, qreal devicePixelRatio)
{
    return pictureFor(resource, devicePixelRatio, true);
}

QPixmap loadPicture(const QString &resource, const QWidget *forWidget, qreal zoom)
{
    return pictureFor(resource, forWidget, zoom, true);
}

PictureBox::PictureBox(const QString &resource, Border border, QWidget *parent) : QLabel(parent), m_resource(resource)
{
    if (border == Border::Sunken)
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    load();
}

void PictureBox::setZoom(qreal factor)
{
    m_zoom = factor;
    load();
}

void PictureBox::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        const LetteredPicture *lettered = letteredPicture(m_resource);
        if (lettered && writesOtherwise(*lettered))
            load();
    }
    QLabel::showEvent(event);
}

void PictureBox::load() { setPixmap(pictureFor(m_resource, this, m_zoom, m_shown)); }

} // namespace platform
