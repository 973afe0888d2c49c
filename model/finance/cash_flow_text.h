// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/cash_flow.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace model {

// The columns of the cash-flow table as the Business Case window, the report
// and the clipboard show it, in this order.
enum class CashFlowColumn {
    Year,
    Savings,
    Upkeep,
    Depreciation,
    Tax,
    Residual, // the residual value after tax, in the last year
    // The same column where it also holds the tax credit on writing off the
    // book value left at the period's end.
    ResidualAndWriteOff,
    Net,
    DiscountedNet,
    Cumulative,
    CumulativeDiscounted,
};

// The columns a table shows: depreciation, tax and the residual value only
// when some year has them, so that a pre-tax case shows no columns of zeros.
std::vector<CashFlowColumn> shownCashFlowColumns(const CashFlowTable &table);

// Residual or ResidualAndWriteOff: whether the table's last year, taxed,
// writes off a book value left.
CashFlowColumn residualColumnOf(const CashFlowTable &table);

// The column's heading, translated: "Savings", "Discounted net", ...
QString cashFlowHeading(CashFlowColumn column);

// The year's figure in the column: money, or the year's number; none where
// the year has nothing in it (year 0 holds only the outlay, in the net).
std::optional<double> cashFlowValue(const CashFlowYear &year, CashFlowColumn column);

// The figure as a table shows it: the year's number, or money in the
// regional settings and the currency of symbol; empty where there is none.
QString cashFlowCellText(const CashFlowYear &year, CashFlowColumn column, const QLocale &locale, QStringView symbol);

} // namespace model
