// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"
#include "model/finance/risk_simulation.h"

#include <QStringView>

#include <xlsxwriter.h>

namespace workbook {

// The formats of the workbook's other sheets the risk sheets write with.
struct RiskFormats {
    lxw_format *bold = nullptr;
    lxw_format *money = nullptr;
    lxw_format *percent = nullptr;
    lxw_format *tenths = nullptr;
};

// The names the sheets are found by, English in every language as the others'.
inline constexpr char kRiskSheet[] = "Risk";
inline constexpr char kRiskRunsSheet[] = "Risk runs";

// Rows and columns of the Risk sheet: the P10, P50, P90 and mean of each
// measure (columns B to E), then the chance of a negative NPV, the runs and
// the seed, and the ranges under a header (low, most likely, high in columns
// B to D; a fixed input only its figure, in C).
enum RiskSheetRow {
    RiskHeaderRow = 1,
    RiskSavingsRow,
    RiskNpvRow,
    RiskPaybackRow,
    RiskBelowZeroRow = 6,
    RiskRunsRow,
    RiskFailedRunsRow,
    RiskSeedRow,
    RiskRangesHeaderRow = 11,
    RiskFirstRangeRow,
};

// Two sheets: "Risk", the summary of the runs and the ranges they were
// drawn from, and "Risk runs", the drawn inputs and what they came to of the
// first model::kKeptRiskRuns runs, as values. Money is in the currency of
// symbol; a payback never reached is the text "none". Returns the first
// failure of the library.
lxw_error writeRiskSheets(lxw_workbook *book, const RiskFormats &formats, const model::RiskRanges &ranges,
                          const model::RiskSummary &summary, const model::InputValues &values,
                          const model::Assumptions &assumptions, QStringView symbol);

} // namespace workbook
