// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

#include <array>

class QWidget;

// Zooming a window laid out in fixed pixels: every control, font, picture
// and rule grows by the same factor, so the layout stays as it was drawn.
namespace platform {

// The zoom steps, in per cent of the drawn size.
inline constexpr std::array<int, 5> kZoomSteps{100, 125, 150, 175, 200};

// The next step up (direction > 0) or down from percent, kept within the steps.
int nextZoomStep(int percent, int direction);

// The largest step at which a window of designSize, with the window
// manager's frame around it, fits into the available area; at least 100.
int largestFittingZoom(QSize designSize, QMargins frame, QSize available);

// A rectangle laid out at 100 %, at the zoom factor. Edges are rounded, not
// sizes, so neighbours that touch at 100 % still touch.
QRect zoomed(const QRect &designRect, qreal factor);
QSize zoomed(QSize designSize, qreal factor);

// Lays out the window's controls again at the zoom factor: the controls it
// and its frames hold, the tab control's tabs, fonts set on any control,
// pictures and the chart. The first call remembers the drawn layout, so any
// factor can follow any other and 1 gives the drawn window back exactly.
// The window's own size and background are its own business.
void zoomControls(QWidget *window, qreal factor);

} // namespace platform
