// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/records_evidence.h"

#include <QLocale>
#include <QString>

#include <xlsxwriter.h>

namespace workbook {

// The formats of the workbook's other sheets the records' sheets write with.
struct RecordsFormats {
    lxw_format *bold = nullptr;
    lxw_format *percent = nullptr;
    lxw_format *tenths = nullptr;
    lxw_format *date = nullptr;
};

// The names the sheets are found by, English in every language as the others'.
inline constexpr char kRecordsSheet[] = "Records";
inline constexpr char kSavingsCheckSheet[] = "Savings check";

// Records: the bearing failures, the records' years and the count from
// which an asset's failures are repeat failures in column B of rows 1 to 3;
// the table of the assets with the most failures under its headings, each
// asset's rate and share a formula of those cells; then what the records
// come to, a line of model::evidenceLines() each.
enum RecordsSheetRow {
    RecordsFailuresRow = 1,
    RecordsYearsRow,
    RecordsRepeatRow,
    RecordsAssetHeaderRow = 5,
    RecordsFirstAssetRow,
    RecordsEvidenceRow = RecordsFirstAssetRow + model::kWorstAssetsKept + 1,
};

// Savings check: the two periods a row each, their dates, years, failures,
// rate and its interval in columns B to H, the years, the rates and their
// bounds formulas of the dates and counts; under them the confidence, the
// bounds of the share of the failures that came after, and the measured
// reduction and its bounds, formulas of the cells above, and the assumed
// reduction taken from the Figures sheet.
enum SavingsCheckRow {
    CheckHeaderRow = 1,
    CheckBeforeRow,
    CheckAfterRow,
    CheckConfidenceRow = 5,
    CheckShareLowRow,
    CheckShareHighRow,
    CheckReductionRow,
    CheckReductionLowRow,
    CheckReductionHighRow,
    CheckAssumedRow,
    CheckComparisonRow = CheckAssumedRow + 2,
};
enum SavingsCheckColumn {
    CheckFromColumn = 1,
    CheckToColumn,
    CheckYearsColumn,
    CheckFailuresColumn,
    CheckPerYearColumn,
    CheckLowColumn,
    CheckHighColumn,
};

// The Records sheet, and with a check the Savings check sheet, whose
// assumed reduction is assumedPercentCell (the bearings' reduction in per
// cent on the Figures sheet). Texts in the interface's language, numbers
// in locale. Returns the first failure of the library.
lxw_error writeRecordsSheets(lxw_workbook *book, const RecordsFormats &formats, const model::RecordsEvidence &records,
                             double assumedPercent, const QString &assumedPercentCell, const QLocale &locale,
                             bool zeroCached);

} // namespace workbook
