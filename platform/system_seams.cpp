// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/system_seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QWindow>

namespace platform {
namespace {

BeepHandler &beepHandler()
{
    static BeepHandler handler;
    return handler;
}

RuntimeErrorReporter &errorReporter()
{
    static RuntimeErrorReporter reporter;
    return reporter;
}

} // namespace

void beep()
{
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void setBeepHandler(BeepHandler handler) { beepHandler() = std::move(handler); }

void openWebAddress(const QString &address)
{
    // Copy first: the caller's text stays as it is whatever the handler does.
    const QUrl url(QString(address), QUrl::StrictMode);
    (void)QDesktopServices::openUrl(url);
}

void reportRuntimeError(QWidget *parent, const QString &message)
{
    if (errorReporter()) {
        errorReporter()(parent, message);
        return;
    }
    // Titled as the program's main window, the window its windows belong to.
    const QWidget *owner = parent ? parent->window() : nullptr;
    while (owner && owner->parentWidget())
        owner = owner->parentWidget()->window();
    // As its title bar shows it: the changed mark placeholder "[*]" resolved.
    QString title = QApplication::applicationDisplayName();
    if (owner && owner->windowHandle())
        title = owner->windowHandle()->title();
    else if (owner)
        title = owner->windowTitle().remove(QStringLiteral("[*]"));
    QMessageBox::warning(parent, title, message);
}

void setRuntimeErrorReporter(RuntimeErrorReporter reporter) { errorReporter() = std::move(reporter); }

} // namespace platform
