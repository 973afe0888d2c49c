// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/input_table.h"
#include "model/costs/lost_production.h"
#include "workbook/xlsx_file.h"

#include <QCoreApplication>

namespace workbook {

// Where the workbook's sheets keep what their formulas name, shared by the
// files that write them.

// The context the translations of the sheets' texts are found under. The
// sheets' own names stay English: formulas and scripts name them.
struct WorkbookText {
    Q_DECLARE_TR_FUNCTIONS(WorkbookText)
};

inline constexpr char kFiguresSheet[] = "Figures";
inline constexpr char kCostsSheet[] = "Costs";
inline constexpr char kBusinessSheet[] = "Business Case";

// Figures: a header row, the twelve figures in rows 1 to 12, the reductions
// under a header in rows 15 to 19, the investment under one in rows 22 to 26
// the capital inputs under one in rows 29 to 40 (41 to 44 the approver's)
// and the lost-production rule under one in rows 47 to 51.
inline constexpr int kValueColumn = 1;
inline constexpr int kHardColumn = 3; // beside the reductions, where the savings are split
constexpr int figureRow(int index) { return 1 + index; }
constexpr int figureRow(model::Input input) { return figureRow(int(input)); }
constexpr int reductionRow(int k) { return 14 + k; }
enum InvestmentRow { PriceRow = 22, InstallationRow, UpkeepRow, YearsRow, RateRow };
enum CapitalRow {
    LabourEscalationRow = 29,
    LubricantEscalationRow,
    BearingEscalationRow,
    ProductionValueEscalationRow,
    UpkeepEscalationRow,
    TaxRateRow,
    DepreciationRow,
    DepreciationYearsRow,
    DecliningRateRow,
    ResidualValueRow,
    FirstYearShareRow,
    TimingRow,
    // Where one of the approver's inputs is given.
    ContingencyRow,
    AccuracyBelowRow,
    AccuracyAboveRow,
    HurdleRateRow,
};
// The lost-production rule under a header, in rows 47 to 51, where one is given.
constexpr int stopFigureRow(model::StopFigure figure) { return 47 + int(figure); }
// The savings beyond the cost rows under a header in rows 54 to 63 (caption,
// amount, escalation, cash 1 or 0), the one-off items under one in rows 66
// to 75 (caption, amount, year, every so many years or 0), where any.
constexpr int otherSavingRow(int j) { return 54 + j; }
constexpr int oneOffRow(int k) { return 66 + k; }

// Costs: each table a title row and six rows, a blank row between tables;
// where the savings are split, the hard savings a fourth block.
constexpr int costRow(int table, int k) { return table * 8 + k; }
inline constexpr int kHardSavingsBlock = 3;
inline constexpr char kHardBusinessSheet[] = "Hard Savings Case";

inline QString figuresCell(int row) { return cellName(row, kValueColumn, kFiguresSheet); }

struct Formats {
    lxw_format *bold;
    lxw_format *money;
    lxw_format *percent;
    lxw_format *tenths;
    lxw_format *factor;
    lxw_format *index;
    lxw_format *blank; // shows nothing: for the rows beyond the period
};

} // namespace workbook
