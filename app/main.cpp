// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "app/application_setup.h"
#include "app/command_line.h"
#include "app/display_connection.h"
#include "language/language.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/recovery.h"
#include "outputs/command_line_outputs.h"
#include "platform/console_output.h"
#include "version.h"

#include <QApplication>

#include <csignal>

int main(int argc, char *argv[])
{
    // Past a file size limit, a write then fails and is told like a full
    // disk, instead of the signal ending the program in the middle of it.
    // Windows has no such signal: a write past a limit fails there anyway.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Before anything reads or writes a figure.
    language::setUpRegionalSettings();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    app::CommandLine line = app::parseCommandLine(arguments, QLatin1StringView(app::kVersion));
    if (line.action == app::CommandLine::Action::PrintText || line.action == app::CommandLine::Action::Refuse) {
        // Help and refusals in the interface's language: read once more with
        // its catalogue installed, which needs an application object (but
        // no display).
        QCoreApplication core(argc, argv);
        language::setUpLanguage(line.language);
        line = app::parseCommandLine(arguments, QLatin1StringView(app::kVersion));
    }

    if (line.action != app::CommandLine::Action::ShowWindow)
        platform::useStartingConsole();
    switch (line.action) {
    case app::CommandLine::Action::PrintText:
        platform::writeText(stdout, line.text);
        return 0;
    case app::CommandLine::Action::Refuse:
        platform::writeLine(stderr, line.text);
        return 2;
    case app::CommandLine::Action::WriteReport:
    case app::CommandLine::Action::WriteWorkbook:
    case app::CommandLine::Action::WriteSummary:
    case app::CommandLine::Action::PrintRecords: {
        // These files (and the records' evidence) need no window, so no
        // display either; and standard error carries only the one line a
        // failure is told in.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtFatalMsg)
                platform::writeLine(stderr, QStringLiteral("velmor-calculator: ") + message);
        });
        QApplication app(argc, argv);
        app::setUpApplication();
        language::setUpLanguage(line.language);
        if (line.action == app::CommandLine::Action::PrintRecords)
            return outputs::printRecordsFromCommandLine(line.records, line.figuresFile);
        if (line.action == app::CommandLine::Action::WriteWorkbook)
            return outputs::writeWorkbookFromCommandLine(line.reportFile, line.figuresFile, line.records);
        if (line.action == app::CommandLine::Action::WriteSummary)
            return outputs::writeSummaryFromCommandLine(line.reportFile, line.summaryFiles);
        return outputs::writeReportFromCommandLine(line.reportFile, line.figuresFile, line.records);
    }
    case app::CommandLine::Action::ShowWindow:
        break;
    }

    app::DisplayConnection display(argc, argv);
    QApplication app(argc, argv);
    display.connected();
    app::setUpApplication();
    language::setUpLanguage(line.language);

    Form1 window;
    window.show();
    // Changes a run that ended without saving left behind are offered first;
    // figures given back stand in place of a file named on the command line.
    Recovery recovery(*window.document());
    if (!recovery.offer(&window) && !line.figuresFile.isEmpty())
        window.figureCommands()->openFigures(line.figuresFile);
    return app.exec();
}
