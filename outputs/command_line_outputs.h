// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>
#include <QStringList>

namespace outputs {

// What the command line writes without a window. Each returns the program's
// exit status: 0 when the file is written; otherwise 1, after one line on
// standard error saying why, with OUT left as it was.

// `--report OUT [FILE]`: the customer report of a facility file or, with no
// file, of the default figures, as a PDF.
int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile);

// `--workbook OUT [FILE]`: the same figures as a workbook whose costs compute.
int writeWorkbookFromCommandLine(const QString &workbookFile, const QString &figuresFile);

// `--summary OUT FILE...`: one row a facility file and a total row, as CSV or
// a workbook by OUT's suffix. A file that cannot be summed up is named and
// nothing is written.
int writeSummaryFromCommandLine(const QString &summaryFile, const QStringList &figuresFiles);

} // namespace outputs
