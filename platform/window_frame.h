// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QSize>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace platform {

// A fixed dialog frame: the client area keeps its size, the title bar keeps
// its system menu and close box but has no minimise or maximise button.
void setFixedDialogFrame(QWidget *window, QSize clientSize);

// Puts the window's frame, title bar included, in the middle of the
// available area of its screen. Works on a shown window as on one not yet
// shown (Qt leaves a new window at the screen's corner), and again after the
// window has changed size.
void centreOnScreen(QWidget *window);

// Puts the window's frame in the middle of another window's frame, kept on
// the screen.
void centreOver(QWidget *window, const QWidget *owner);

} // namespace platform
