// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace dialogs {

// The window's font at the zoom chosen, which its children inherit.
inline void zoomFont(QWidget *window, qreal zoom)
{
    QFont zoomed = window->font();
    zoomed.setPointSizeF(zoomed.pointSizeF() * zoom);
    window->setFont(zoomed);
}

// The most a window may measure inside its frame: the screen's free area
// (its taskbar left out) less the frame the window system draws around it.
inline QSize roomOnScreen(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return screen->availableGeometry().size() - frame;
}

// Grows a window whose texts changed while it is up to the size its layout
// needs at its present width. The minimum size a layout gives its window
// counts a wrapped text as one line, so a note of several lines would
// otherwise squeeze the controls around it. Never shrinks what the user
// enlarged, never beyond the screen; a window not yet shown takes its
// contents' size when it is shown.
inline void growToContents(QWidget *window)
{
    QLayout *layout = window->layout();
    if (!layout || !window->isVisible())
        return;
    layout->activate();
    const int width = qMax(window->width(), layout->totalMinimumSize().width());
    int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->totalSizeHint().height();
    height = qMax(height, layout->totalMinimumSize().height());
    QSize needed = QSize(width, height).expandedTo(window->size());
    needed = needed.boundedTo(roomOnScreen(window));
    if (needed != window->size())
        window->resize(needed);
}

} // namespace dialogs
