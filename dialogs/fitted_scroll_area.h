// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "dialogs/dialog_size.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace dialogs {

// A window's contents above its buttons, in an area that scrolls only when
// the screen has no room for them: it asks for its contents' whole size,
// where a plain scroll area asks for a fixed few lines, and lets the window
// be smaller than that, so that the window fits any screen at any zoom with
// its buttons in sight.
class FittedScrollArea : public QScrollArea {
public:
    explicit FittedScrollArea(QWidget *contents, QWidget *parent = nullptr) : QScrollArea(parent)
    {
        setWidget(contents);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }

    // The contents' size at their preferred width, wrapped texts counted at
    // their height there.
    QSize sizeHint() const override
    {
        const QWidget *contents = widget();
        QSize hint = contents->sizeHint().expandedTo(contents->minimumSizeHint());
        if (contents->hasHeightForWidth())
            hint.setHeight(std::max(hint.height(), contents->heightForWidth(hint.width())));
        const int frame = 2 * frameWidth();
        return hint + QSize(frame, frame);
    }

    // As wide as the contents would be, with room for the scroll bar, where
    // the screen has room: only their height scrolls. Narrower, wrapped
    // texts would need heights their layouts do not give them.
    QSize minimumSizeHint() const override
    {
        int width = widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
        if (const QScreen *shown = screen())
            width = std::min(width, shown->availableGeometry().width() * 9 / 10);
        return QSize(width, QScrollArea::minimumSizeHint().height());
    }

protected:
    // Once the window is up and its contents laid out, it grows by what they
    // lack, where the screen has room: it opened at their size before they
    // were laid out, which counts some wrapped texts short.
    void showEvent(QShowEvent *event) override
    {
        QScrollArea::showEvent(event);
        if (!m_grown)
            QTimer::singleShot(0, this, [this] { growWindow(); });
    }

    // As wide as the area shows them (narrower once its scroll bar shows),
    // the contents are as tall as their wrapped texts need there: a plain
    // scroll area would squeeze them to its own height.
    bool viewportEvent(QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            QWidget *contents = widget();
            if (contents->hasHeightForWidth())
                contents->setMinimumHeight(contents->heightForWidth(viewport()->width()));
        }
        return QScrollArea::viewportEvent(event);
    }

private:
    void growWindow()
    {
        m_grown = true;
        QWidget *shown = window();
        const QWidget *contents = widget();
        const int wider = std::max(0, contents->minimumSizeHint().width() - viewport()->width());
        const int taller = std::max(0, contents->minimumHeight() - viewport()->height());
        const QSize grown = (shown->size() + QSize(wider, taller)).boundedTo(roomOnScreen(shown));
        if (grown.width() > shown->width() || grown.height() > shown->height())
            shown->resize(grown.expandedTo(shown->size()));
    }

    bool m_grown = false;
};

// Lays the window out as its contents, scrolling where the screen is too
// small, above its buttons, which stay in sight.
inline void layOutAboveButtons(QWidget *window, QWidget *contents, QWidget *buttons)
{
    if (QLayout *inside = contents->layout())
        inside->setContentsMargins(0, 0, 0, 0);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(new FittedScrollArea(contents), 1);
    layout->addWidget(buttons);
}

} // namespace dialogs
