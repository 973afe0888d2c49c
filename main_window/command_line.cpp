// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace main_window {

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Compares the yearly cost of lubricating a facility by hand with the cost of a Velmor "
                "automatic lubrication system."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Shows this help and exits."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QCoreApplication::translate("main", "Shows the version and exits."));
    const QCommandLineOption report(
        QStringLiteral("report"),
        QCoreApplication::translate("main", "Writes the customer report of FILE, or of the default figures, "
                                            "to OUT as a one-page PDF, without opening a window."),
        QStringLiteral("OUT"));
    parser.addOption(help);
    parser.addOption(versionOption);
    parser.addOption(report);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A facility file (.velmor) to open."),
                                 QStringLiteral("[FILE]"));

    CommandLine line;
    // Named as it was started, without the folder it was started from.
    const QString started = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    const QString program = started.isEmpty() ? QStringLiteral("velmor-calculator") : started;
    const auto refuse = [&](const QString &why) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("%1: %2").arg(program, why);
        return line;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::PrintText;
        // Without an application object the parser does not know the
        // program's name and writes a placeholder in its usage line.
        line.text = parser.helpText();
        const QLatin1StringView placeholder("<executable_name>");
        const qsizetype at = line.text.indexOf(placeholder);
        if (at >= 0 && at < line.text.indexOf(u'\n'))
            line.text.replace(at, placeholder.size(), program);
        return line;
    }
    if (parser.isSet(versionOption)) {
        line.action = CommandLine::Action::PrintText;
        line.text = QStringLiteral("velmor-calculator %1\n").arg(version);
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QCoreApplication::translate("main", "one facility file at a time, not %1").arg(files.size()));
    line.figuresFile = files.value(0);
    if (parser.isSet(report)) {
        line.action = CommandLine::Action::WriteReport;
        line.reportFile = parser.value(report);
        if (line.reportFile.isEmpty())
            return refuse(QCoreApplication::translate("main", "--report needs the name of the PDF file to write"));
    }
    return line;
}

} // namespace main_window
