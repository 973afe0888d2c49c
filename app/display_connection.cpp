// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "app/display_connection.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace app {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

QtMessageHandler &previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

[[noreturn]] void giveUp(const QString &reason)
{
    QString line = reason.simplified();
    std::fprintf(stderr, "cannot connect to a display: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    // Qt is half started: leave without running anything more of it.
    std::_Exit(1);
}

// The platform the program will ask Qt for, as Qt picks it: the command
// line's -platform, else QT_QPA_PLATFORM; empty for Qt's default.
QByteArray requestedPlatform(int argc, char **argv)
{
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            platform = argv[i + 1];
    }
    if (const qsizetype options = platform.indexOf(':'); options >= 0)
        platform.truncate(options);
    return platform;
}

bool namesXDisplay(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-display" || arg == "--display")
            return true;
    }
    return false;
}

// Whether Qt's default platform, where none is asked for, is X11 (outside a
// Wayland session): so on Linux and the like. Elsewhere it is the system's
// own, which is always there.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr bool kDefaultIsX11 = true;
#else
constexpr bool kDefaultIsX11 = false;
#endif

// Why no display can be had, where that is plain before Qt starts: the X11
// platform (Qt's default here outside a Wayland session) with no X display
// named. Empty when only Qt can tell.
QString reasonBeforeStart(int argc, char **argv)
{
    QByteArray platform = requestedPlatform(argc, argv);
    if (platform.isEmpty()) {
        const bool wayland =
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
        if (wayland || !kDefaultIsX11)
            return {};
        platform = "xcb";
    }
    if (platform == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY") && !namesXDisplay(argc, argv))
        return QStringLiteral("DISPLAY is not set");
    return {};
}

// Why Qt could not start its platform, from its fatal message and the
// messages it gave first: it names the plugin that failed, and the plugin
// may have said why.
QString reasonFromQt(const QString &fatal)
{
    static const QRegularExpression pluginLine(
        QStringLiteral(R"re(Could not (load|find) the Qt platform plugin "([^"]*)")re"));
    QString plugin;
    bool missing = false;
    QString detail;
    for (const HeldMessage &message : heldMessages()) {
        const QRegularExpressionMatch match = pluginLine.match(message.text);
        if (match.hasMatch()) {
            plugin = match.captured(2);
            missing = match.captured(1) == QLatin1StringView("find");
        } else if (detail.isEmpty() && message.type != QtDebugMsg && message.type != QtInfoMsg) {
            detail = message.text;
        }
    }
    if (plugin.isEmpty()) // a plugin gave up on its own
        return QStringLiteral("the Qt platform could not start (%1)").arg(fatal.section(u'\n', 0, 0));
    if (missing)
        return QStringLiteral("the Qt platform plugin \"%1\" is not installed").arg(plugin);
    if (plugin == QLatin1StringView("xcb")) {
        const QString display = qEnvironmentVariable("DISPLAY");
        return display.isEmpty() ? QStringLiteral("DISPLAY is not set")
                                 : QStringLiteral("the X display \"%1\" cannot be opened").arg(display);
    }
    if (plugin.startsWith(QLatin1StringView("wayland"))) {
        const QString socket = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        return QStringLiteral("no Wayland compositor at \"%1\"").arg(socket);
    }
    QString reason = QStringLiteral("the Qt platform plugin \"%1\" could not start").arg(plugin);
    if (!detail.isEmpty())
        reason += QStringLiteral(" (%1)").arg(detail);
    return reason;
}

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        giveUp(reasonFromQt(text));
    heldMessages().append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

DisplayConnection::DisplayConnection(int argc, char **argv)
{
    if (const QString reason = reasonBeforeStart(argc, argv); !reason.isEmpty())
        giveUp(reason);
    previousHandler() = qInstallMessageHandler(holdBack);
    m_guarding = true;
}

DisplayConnection::~DisplayConnection() { connected(); }

void DisplayConnection::connected()
{
    if (!m_guarding)
        return;
    m_guarding = false;
    qInstallMessageHandler(previousHandler());
    const QList<HeldMessage> messages = std::exchange(heldMessages(), {});
    for (const HeldMessage &m : messages) {
        const QMessageLogContext context(m.file.isEmpty() ? nullptr : m.file.constData(), m.line,
                                         m.function.isEmpty() ? nullptr : m.function.constData(),
                                         m.category.isEmpty() ? nullptr : m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

} // namespace app
