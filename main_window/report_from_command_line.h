// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

namespace main_window {

// Writes the customer report of a facility file (or, with no file, of the
// default figures) to a PDF, as `--report OUT [FILE]` asks; no window opens.
// Returns the program's exit status: 0 when the report is written; otherwise
// 1, after one line on standard error saying why, with no OUT left behind.
int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile);

} // namespace main_window
