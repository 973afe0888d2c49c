// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/input_table.h"
#include "model/records/work_orders.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

namespace model {

// What a plant's work-order export came to, as a facility file keeps it: the
// export it was read from (its name without the folder, the SHA-256 of its
// bytes, the workbook sheet), how it was read (the header name chosen for
// each column, the date form, the words that mark a bearing failure), what it
// came to, and whether the user applied it to the figures.
struct RecordsEvidence {
    QString fileName;
    QString sha256;                                     // 64 lower-case hexadecimal digits
    QString sheet;                                      // empty for a CSV export
    std::array<QString, kWorkOrderColumnCount> columns; // header names, empty where none is chosen
    DateForm dateForm = DateForm::Iso;
    QStringList failureWords;
    CountingRule counting; // the work types of failures (none: every order searched) and the rest
    RecordsSummary summary;
    bool applied = false;
    // Applying sets the stop per failure of the lost production to the mean
    // downtime, where the export has downtime hours, rather than leaving
    // the stop as long as the repair.
    bool stopsOnDowntime = false;

    friend bool operator==(const RecordsEvidence &, const RecordsEvidence &) = default;
};

// The most failure words a file keeps.
inline constexpr int kMaxFailureWords = 40;

// The evidence as sentences for the window, the report and the clipboard:
// "17 bearing failures from 2023-03-01 to 2025-03-01: 8.5 a year, 90 %
// between 5.4 and 12.7", then the repair hours and the downtime where the
// export has them, then where the figures came from.
QStringList evidenceLines(const RecordsEvidence &evidence, const QLocale &locale);

// The assets with the most failures as the command line lists them, one a
// line: "Pump P-1: 4 failures, 2.0 a year, 24% of all failures, median
// repair 4.1 hours, repeat failures".
QStringList worstAssetLines(const RecordsSummary &summary, const QLocale &locale);

// The failures a year the records stand for: the average, or with a trend
// the power-law's rate at the records' end (β times the average).
double ratePerYear(const RecordsSummary &summary);
// What the average is multiplied by for it: β with a trend, otherwise 1.
double trendFactor(const RecordsSummary &summary);

// Why records that count no failure are no evidence of failures: "No
// bearing failures found: no work order's type or description holds
// bearing, Lager.", or that no work type is chosen. Such records are not
// applied.
QString noFailuresFoundText(const RecordsEvidence &evidence);

// The figure texts the records give, typed in locale: the bearing failures a
// year and the hours to replace a bearing (the mean repair hours, as what the
// replacements cost; the median in files written before), each to
// one decimal as the evidence states it; the hours only where the export has
// them.
std::vector<std::pair<Input, QString>> recordsFigureTexts(const RecordsSummary &summary, const QLocale &locale);

// The stop per failure applying the records gives the lost production: the
// mean downtime to the tenth, where the records are to value stops on it and
// the export has downtime hours.
std::optional<double> recordsStopHours(const RecordsEvidence &evidence);

// The date forms as a file names them ("iso", "dd.mm.yyyy", "dd/mm/yyyy",
// "mm/dd/yyyy").
QLatin1StringView dateFormName(DateForm form);
std::optional<DateForm> dateFormNamed(QStringView name);
// The columns as a file and the command line name them: "date", "asset",
// "workType", "description", "repairHours", "downtimeHours".
QLatin1StringView columnKey(WorkOrderColumn column);

} // namespace model
