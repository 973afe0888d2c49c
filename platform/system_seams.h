// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

#include <functional>

class QWidget;

// The few things the windows ask of the desktop: the beep, opening a web
// address, and telling the user about an error no handler expected. Each goes
// through a replaceable function so that tests can watch it.
namespace platform {

void beep();
using BeepHandler = std::function<void()>;
// Replaces the beep; an empty handler restores the system beep.
void setBeepHandler(BeepHandler handler);

// Hands the address to the user's default handler without waiting; whether it
// opened is not reported (QDesktopServices::setUrlHandler intercepts it).
void openWebAddress(const QString &address);

// Shows a modal warning over parent naming the fault; the program goes on.
void reportRuntimeError(QWidget *parent, const QString &message);
using RuntimeErrorReporter = std::function<void(QWidget *parent, const QString &message)>;
// Replaces the report; an empty reporter restores the message box.
void setRuntimeErrorReporter(RuntimeErrorReporter reporter);

} // namespace platform
