// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/records_request.h"

#include <QString>
#include <QStringList>

namespace app {

// What the program was asked to do on its command line:
//   velmor-calculator [FILE]                 the window, with FILE's figures
//   velmor-calculator --report OUT.pdf [FILE]  the report, without a window
//   velmor-calculator --workbook OUT.xlsx [FILE]  the figures as a workbook
//   velmor-calculator --summary OUT.csv|OUT.xlsx FILE...  one row a facility,
//                                            each file once
//   velmor-calculator --records EXPORT [FILE]  what a work-order export comes
//                                            to; with --report or --workbook,
//                                            applied to the figures written;
//                                            --sheet, --records-columns,
//                                            --records-words, --records-types,
//                                            --installed and --date-order
//                                            say how it is read
//   velmor-calculator --help | --version
// Each may add --language CODE (de, en, es, fr, pt_BR, zh_CN) for the
// interface and the report, over the one chosen in the Menu or the desktop's.
struct CommandLine {
    enum class Action { ShowWindow, WriteReport, WriteWorkbook, WriteSummary, PrintRecords, PrintText, Refuse };
    Action action = Action::ShowWindow;
    QString figuresFile;           // a facility file to open, or empty
    QStringList summaryFiles;      // the facility files --summary sums up
    QString reportFile;            // where --report, --workbook or --summary writes
    model::RecordsRequest records; // the work-order export --records reads (file empty: none), and how
    QString language;              // --language's code, or empty
    QString text;                  // what to print: help or version, or why the line is refused
};

// Reads the arguments, program name first. Decided before any application
// object exists, so that a report can run without a display.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

} // namespace app
