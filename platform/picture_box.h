// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLabel>
#include <QPixmap>

namespace platform {

// A picture from the resources, for a screen with the given number of device
// pixels per logical pixel. It keeps its natural size in logical pixels.
// Where the ratio is above 1 it is made from the sharpest "<name>@<N>x.<ext>"
// variant there is (N from the ratio rounded up, down to 2; the named file
// itself when there is none) and, unless N is the ratio itself, scaled
// smoothly to the ratio, so that every picture pixel falls on one device
// pixel: painting resamples a picture of another ratio pixel by pixel, which
// breaks up fine lines and small lettering. Plain QPixmap loading never
// looks for the variants. A picture whose texts the interface's language
// writes otherwise is its unlettered copy with them drawn for those device
// pixels (artwork_lettering.h).
QPixmap loadPicture(const QString &resource, qreal devicePixelRatio);
// The same for the screen the widget is shown on (before it is shown: the
// screen it will open on), and drawn at zoom times its natural size.
QPixmap loadPicture(const QString &resource, const QWidget *forWidget, qreal zoom = 1);

// A picture drawn at its natural size from the top-left corner, either with
// a 2-pixel sunken border (a box sized to its picture) or without a border.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    enum class Border { None, Sunken };

    PictureBox(const QString &resource, Border border, QWidget *parent = nullptr);

    // Shows the picture at this multiple of its natural size.
    void setZoom(qreal factor);

protected:
    // A picture the interface's language letters otherwise is lettered when
    // the box is first shown: the tabs not yet opened cost nothing at
    // start-up. Until then the box holds the picture as a run before kept it
    // lettered, or else as it is, of the same size.
    void showEvent(QShowEvent *event) override;

private:
    void load();

    QString m_resource;
    qreal m_zoom = 1;
    bool m_shown = false;
    bool m_lettered = false; // what the box holds is lettered in the language
};

} // namespace platform
