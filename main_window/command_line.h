// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>
#include <QStringList>

namespace main_window {

// What the program was asked to do on its command line:
//   velmor-calculator [FILE]                 the window, with FILE's figures
//   velmor-calculator --report OUT.pdf [FILE]  the report, without a window
//   velmor-calculator --help | --version
struct CommandLine {
    enum class Action { ShowWindow, WriteReport, PrintText, Refuse };
    Action action = Action::ShowWindow;
    QString figuresFile; // a facility file to open, or empty
    QString reportFile;  // where --report writes
    QString text;        // what to print: help or version, or why the line is refused
};

// Reads the arguments, program name first. Decided before any application
// object exists, so that a report can run without a display.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

} // namespace main_window
