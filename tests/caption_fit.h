// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// Whether every caption of a window fits the box the design gives it, in
// whatever language is installed: caption labels, buttons, frame titles
// and tab headings. Each misfit is one line naming the control and its text.

#include "platform/caption_label.h"
#include "window_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

// A push button needs a few pixels of its frame on either side, a frame
// title its indent on the left.
inline constexpr int kButtonFrame = 8, kFrameTitleIndent = 16;

inline QString controlName(const QWidget *control)
{
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

// wrapsByDesign: the labels whose text wraps by design (held to their
// height only). extraButtonTexts: further captions a button shows in turn.
inline QStringList captionMisfits(const QWidget *window, const QStringList &wrapsByDesign = {},
                                  const std::function<QStringList(const QPushButton *)> &extraButtonTexts = {})
{
    QStringList misfits;
    const auto tooWide = [&](const QWidget *control, const QString &text, int needed, int room) {
        if (needed > room)
            misfits
                << QStringLiteral("%1: \"%2\" needs %3 px of %4").arg(controlName(control), text).arg(needed).arg(room);
    };
    for (const auto *label : window->findChildren<platform::CaptionLabel *>()) {
        const QString misfit =
            captionMisfit(label, wrapsByDesign.contains(label->objectName()) ? Wrapping::ByDesign : Wrapping::None);
        if (!misfit.isEmpty())
            misfits << QStringLiteral("%1: %2").arg(controlName(label), misfit);
    }
    for (const auto *button : window->findChildren<QPushButton *>()) {
        QStringList texts{button->text()};
        if (extraButtonTexts)
            texts << extraButtonTexts(button);
        for (const QString &text : std::as_const(texts))
            tooWide(button, text, button->fontMetrics().horizontalAdvance(text) + kButtonFrame, button->width());
    }
    for (const auto *frame : window->findChildren<QGroupBox *>())
        tooWide(frame, frame->title(), frame->fontMetrics().horizontalAdvance(frame->title()) + kFrameTitleIndent,
                frame->width());
    for (const auto *bar : window->findChildren<QTabBar *>()) {
        for (int t = 0; t < bar->count(); ++t) {
            tooWide(bar, bar->tabText(t), bar->fontMetrics().horizontalAdvance(bar->tabText(t)) + 1,
                    bar->tabRect(t).width());
            if (bar->tabRect(t).top() != bar->tabRect(0).top())
                misfits << QStringLiteral("%1: \"%2\" stands in a second row").arg(controlName(bar), bar->tabText(t));
        }
        // One row, without scroll buttons, inside its tab control.
        const QRect last = bar->tabRect(bar->count() - 1);
        if (bar->count() > 0 && last.right() >= bar->parentWidget()->width())
            misfits << QStringLiteral("%1: the tabs need %2 px of %3")
                           .arg(controlName(bar))
                           .arg(last.right() + 1)
                           .arg(bar->parentWidget()->width());
        // A button beside the headings (the main window's Menu) must not
        // cover the last of them.
        for (const auto *beside : window->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
            const QRect headings(bar->mapTo(window, last.topLeft()), last.size());
            if (beside->isVisibleTo(window) && beside->geometry().intersects(headings))
                misfits << QStringLiteral("%1: \"%2\" covers the tab \"%3\"")
                               .arg(controlName(beside), beside->text(), bar->tabText(bar->count() - 1));
        }
    }
    return misfits;
}

// Every text of a dialog whole: each shown label, radio button and check box
// at least as large as its text needs (a wrapped text held to its height at
// its width), the buttons as captionMisfits() holds them, and every control
// inside the window.
inline QStringList dialogMisfits(const QWidget *dialog)
{
    QStringList misfits = captionMisfits(dialog);
    const auto tooSmall = [&](const QWidget *control, const QString &text, QSize needed) {
        if (needed.width() > control->width() || needed.height() > control->height())
            misfits << QStringLiteral("%1: \"%2\" needs %3 x %4 px of %5 x %6")
                           .arg(controlName(control), text.left(40))
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(control->width())
                           .arg(control->height());
    };
    for (const auto *control : dialog->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(dialog))
            continue;
        // Inside contents that scroll, a control lies within the contents:
        // scrolling brings it into the window.
        const QWidget *within = dialog;
        for (const QWidget *w = control->parentWidget(); w && w != dialog; w = w->parentWidget()) {
            const QWidget *viewport = w->parentWidget();
            const auto *area = viewport ? qobject_cast<const QScrollArea *>(viewport->parentWidget()) : nullptr;
            if (area && area->widget() == w)
                within = w;
        }
        const QRect place(control->mapTo(within, QPoint(0, 0)), control->size());
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *button = qobject_cast<const QAbstractButton *>(control);
        if ((label || button) && !within->rect().contains(place))
            misfits << QStringLiteral("%1: lies outside the window").arg(controlName(control));
        if (label && !label->text().isEmpty() && !qobject_cast<const platform::CaptionLabel *>(label)) {
            tooSmall(label, label->text(),
                     label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->minimumSizeHint());
        } else if (qobject_cast<const QRadioButton *>(control) || qobject_cast<const QCheckBox *>(control)) {
            tooSmall(button, button->text(), button->sizeHint());
        }
    }
    return misfits;
}
