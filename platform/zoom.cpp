// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/zoom.h"

#include "platform/chart_control.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"

#include <QFont>
#include <QGroupBox>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The drawn layout, kept on each control the first time its window zooms.
constexpr char kDesignGeometry[] = "platform.designGeometry";
constexpr char kDesignFont[] = "platform.designFont";

QFont zoomedFont(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    return font;
}

// Fonts set on the window itself and on single controls (the figures' bold
// face, say); every other control takes its window's.
void zoomFont(QWidget *widget, qreal factor)
{
    QVariant design = widget->property(kDesignFont);
    if (!design.isValid()) {
        if (!widget->isWindow() && !widget->testAttribute(Qt::WA_SetFont))
            return;
        design = widget->font();
        widget->setProperty(kDesignFont, design);
    }
    widget->setFont(zoomedFont(design.value<QFont>(), factor));
}

// The window places its own children and what stands in its frames at fixed
// places; the tab control places what stands on its tabs, and Qt lays out
// the rest (tab headings, pages, the chart's drawing surface).
bool placedAtFixedPlace(const QWidget *widget, const QWidget *window)
{
    const QWidget *parent = widget->parentWidget();
    return parent == window || qobject_cast<const QGroupBox *>(parent) != nullptr;
}

void zoomGeometry(QWidget *widget, qreal factor)
{
    QVariant design = widget->property(kDesignGeometry);
    if (!design.isValid()) {
        design = widget->geometry();
        widget->setProperty(kDesignGeometry, design);
    }
    widget->setGeometry(zoomed(design.toRect(), factor));
}

} // namespace

int nextZoomStep(int percent, int direction)
{
    if (direction > 0) {
        const auto up = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
        return up == kZoomSteps.end() ? kZoomSteps.back() : *up;
    }
    const auto down = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return down == kZoomSteps.begin() ? kZoomSteps.front() : *(down - 1);
}

int largestFittingZoom(QSize designSize, QMargins frame, QSize available)
{
    int largest = kZoomSteps.front();
    for (const int step : kZoomSteps) {
        const QSize size = zoomed(designSize, step / 100.0).grownBy(frame);
        if (size.width() <= available.width() && size.height() <= available.height())
            largest = step;
    }
    return largest;
}

QRect zoomed(const QRect &designRect, qreal factor)
{
    const int left = qRound(designRect.left() * factor);
    const int top = qRound(designRect.top() * factor);
    const int right = qRound((designRect.left() + designRect.width()) * factor);
    const int bottom = qRound((designRect.top() + designRect.height()) * factor);
    // A control one pixel high (a rule) stays at least one pixel high.
    return QRect(left, top, std::max(right - left, designRect.width() > 0 ? 1 : 0),
                 std::max(bottom - top, designRect.height() > 0 ? 1 : 0));
}

QSize zoomed(QSize designSize, qreal factor) { return zoomed(QRect(QPoint(0, 0), designSize), factor).size(); }

void zoomControls(QWidget *window, qreal factor)
{
    zoomFont(window, factor);
    // Parents come before their children here, so a tab control knows the
    // factor before its new size places its tabs' controls.
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control->window() != window)
            continue; // another window (a dialog, a menu) zooms itself
        zoomFont(control, factor);
        if (auto *tabs = qobject_cast<TabControl *>(control))
            tabs->setZoom(factor);
        else if (auto *picture = qobject_cast<PictureBox *>(control))
            picture->setZoom(factor);
        else if (auto *chart = qobject_cast<ChartControl *>(control))
            chart->setZoom(factor);
        if (placedAtFixedPlace(control, window))
            zoomGeometry(control, factor);
    }
}

} // namespace platform
