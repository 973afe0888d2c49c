// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/picture_box.h"

#include "platform/artwork_lettering.h"
#include "platform/lettering_cache.h"

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

// The files a picture for the ratio may come from, sharpest first.
QStringList variantsFor(const QString &resource, qreal devicePixelRatio)
{
    QStringList names;
    for (int n = devicePixelRatio > 1 ? int(std::ceil(devicePixelRatio)) : 1; n >= 1; --n)
        names << (n == 1 ? resource : variantName(resource, n));
    return names;
}

// The picture from its sharpest variant for the ratio, as it is stored.
QImage loadImage(const QString &resource, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 1))
        return QImage(resource);

    const QStringList variants = variantsFor(resource, devicePixelRatio);
    for (qsizetype i = 0; i < variants.size(); ++i) {
        const qsizetype n = variants.size() - i; // the variant's ratio
        QImage image;
        if (!image.load(variants[i]))
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

// How far a picture the interface's language writes otherwise is lettered.
enum class Lettering {
    None,   // shown as it is stored
    IfKept, // lettered where a run before kept it so, else as it is stored
    Now,    // lettered, from the kept picture or afresh
};

// The picture for the ratio, lettered in the interface's language or as it
// is stored; lettered says which it is.
QPixmap pictureFor(const QString &resource, qreal devicePixelRatio, Lettering lettering, bool *lettered)
{
    // The artwork's texts in the interface's language are drawn over a copy
    // without them; where the language writes them as the picture does, the
    // picture is shown as it is.
    const LetteredPicture *picture = lettering != Lettering::None ? letteredPicture(resource) : nullptr;
    if (picture && writesOtherwise(*picture)) {
        const QString unlettered = picture->unlettered.toString();
        const QByteArray key = letteringKey(*picture, variantsFor(unlettered, devicePixelRatio), devicePixelRatio);
        if (QImage kept = keptLettering(key, devicePixelRatio); !kept.isNull()) {
            *lettered = true;
            return QPixmap::fromImage(std::move(kept));
        }
        QImage image = lettering == Lettering::Now ? loadImage(unlettered, devicePixelRatio) : QImage();
        if (!image.isNull()) {
            drawLettering(image, *picture);
            keepLettering(key, image);
            *lettered = true;
            return QPixmap::fromImage(std::move(image));
        }
    }
    *lettered = false;
    return QPixmap::fromImage(loadImage(resource, devicePixelRatio));
}

// Zoomed, the picture is made for as many device pixels as it will cover,
// and keeps the screen's ratio so that it covers them.
QPixmap pictureFor(const QString &resource, const QWidget *forWidget, qreal zoom, Lettering lettering, bool *lettered)
{
    const qreal screenRatio = forWidget ? forWidget->devicePixelRatioF() : qGuiApp->devicePixelRatio();
    QPixmap picture = pictureFor(resource, screenRatio * zoom, lettering, lettered);
    picture.setDevicePixelRatio(screenRatio);
    return picture;
}

} // namespace

QPixmap loadPicture(const QString &resource, qreal devicePixelRatio)
{
    bool lettered = false;
    return pictureFor(resource, devicePixelRatio, Lettering::Now, &lettered);
}

QPixmap loadPicture(const QString &resource, const QWidget *forWidget, qreal zoom)
{
    bool lettered = false;
    return pictureFor(resource, forWidget, zoom, Lettering::Now, &lettered);
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
        if (!m_lettered && lettered && writesOtherwise(*lettered))
            load();
    }
    QLabel::showEvent(event);
}

void PictureBox::load()
{
    setPixmap(pictureFor(m_resource, this, m_zoom, m_shown ? Lettering::Now : Lettering::IfKept, &m_lettered));
}

} // namespace platform
