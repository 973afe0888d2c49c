// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/application_setup.h"
#include "main_window/command_line.h"
#include "main_window/command_line_outputs.h"
#include "main_window/display_connection.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/language.h"

#include "version.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Past a file size limit, a write then fails and is told like a full
    // disk, instead of the signal ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    // Before anything reads or writes a figure.
    main_window::setUpRegionalSettings();

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    main_window::CommandLine line = main_window::parseCommandLine(arguments, QLatin1StringView(app::kVersion));
    if (line.action == main_window::CommandLine::Action::PrintText
        || line.action == main_window::CommandLine::Action::Refuse) {
        // Help and refusals in the interface's language: read once more with
        // its catalogue installed, which needs an application object (but
        // no display).
        QCoreApplication core(argc, argv);
        main_window::setUpLanguage(line.language);
        line = main_window::parseCommandLine(arguments, QLatin1StringView(app::kVersion));
    }

    switch (line.action) {
    case main_window::CommandLine::Action::PrintText:
        std::fputs(qUtf8Printable(line.text), stdout);
        return 0;
    case main_window::CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", qUtf8Printable(line.text));
        return 2;
    case main_window::CommandLine::Action::WriteReport:
    case main_window::CommandLine::Action::WriteWorkbook:
    case main_window::CommandLine::Action::WriteSummary: {
        // These files need no window, so no display either; and standard
        // error carries only the one line a failure is told in.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtFatalMsg)
                std::fprintf(stderr, "velmor-calculator: %s\n", qUtf8Printable(message));
        });
        QApplication app(argc, argv);
        main_window::setUpApplication();
        main_window::setUpLanguage(line.language);
        if (line.action == main_window::CommandLine::Action::WriteWorkbook)
            return main_window::writeWorkbookFromCommandLine(line.reportFile, line.figuresFile);
        if (line.action == main_window::CommandLine::Action::WriteSummary)
            return main_window::writeSummaryFromCommandLine(line.reportFile, line.summaryFiles);
        return main_window::writeReportFromCommandLine(line.reportFile, line.figuresFile);
    }
    case main_window::CommandLine::Action::ShowWindow:
        break;
    }

    main_window::DisplayConnection display(argc, argv);
    QApplication app(argc, argv);
    display.connected();
    main_window::setUpApplication();
    main_window::setUpLanguage(line.language);

    Form1 window;
    window.show();
    if (!line.figuresFile.isEmpty())
        window.figureCommands()->openFigures(line.figuresFile);
    return app.exec();
}
