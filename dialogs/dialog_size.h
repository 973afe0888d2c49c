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
    if (const QScreen *screen = window->screen())
        needed = needed.boundedTo(screen->availableGeometry().size());
    if (needed != window->size())
        window->resize(needed);
}

} // namespace dialogs
