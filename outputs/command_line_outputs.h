// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/records_request.h"

#include <QString>
#include <QStringList>

namespace outputs {

// What the command line writes without a window. Each returns the program's
// exit status: 0 when the file is written; otherwise 1, after one line on
// standard error saying why, with OUT left as it was.

// `--report OUT [FILE]`: the customer report of a facility file or, with no
// file, of the default figures, as a PDF. With `--records EXPORT`, the
// export's records applied to the figures first.
int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile,
                               const model::RecordsRequest &records = {});

// `--workbook OUT [FILE]`: the same figures as a workbook whose costs compute.
int writeWorkbookFromCommandLine(const QString &workbookFile, const QString &figuresFile,
                                 const model::RecordsRequest &records = {});

// `--records EXPORT [FILE]`: what a work-order export comes to, its evidence
// lines on standard output. The columns are guessed from the header (or
// taken as FILE's records were read), the order of day and month from the
// dates; dates that leave it open are refused, as is an export that does
// not read, naming it and the line.
int printRecordsFromCommandLine(const model::RecordsRequest &records, const QString &figuresFile);

// `--summary OUT FILE...`: one row a facility file and a total row, as CSV or
// a workbook by OUT's suffix. A file that cannot be summed up is named and
// nothing is written.
int writeSummaryFromCommandLine(const QString &summaryFile, const QStringList &figuresFiles);

} // namespace outputs
