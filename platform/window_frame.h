// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QSize>

class QWidget;

namespace platform {

// A fixed dialog frame: the client area keeps its size, the title bar keeps
// its system menu and close box but has no minimise or maximise button.
void setFixedDialogFrame(QWidget *window, QSize clientSize);

// Qt leaves a new top-level window at the screen's corner; put it in the
// middle of the available area of its screen.
void centreOnScreen(QWidget *window);

} // namespace platform
