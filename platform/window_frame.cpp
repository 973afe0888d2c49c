// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/window_frame.h"

#include <QScreen>
#include <QWidget>

namespace platform {

void setFixedDialogFrame(QWidget *window, QSize clientSize)
{
    window->setWindowFlags(window->windowFlags() | Qt::Window | Qt::CustomizeWindowHint
                           | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    window->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    window->setFixedSize(clientSize);
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
}

} // namespace platform
