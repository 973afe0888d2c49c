// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/cash_flow.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace model {

// The arithmetic of every column of the cash-flow table and of the paybacks
// over it, written once (cash_flow_columns.cpp), as kCostFormulas is for the
// cost rows. The program's table (cashFlowTableOf()) and the workbook's
// Business Case formulas (flowFormula()) both come from it, step for step in
// the same order, so that a spreadsheet recomputing the workbook rounds every
// step as the program does. A new column is a FlowField here, its arithmetic
// in that file, its member of CashFlowYear, and its column in the sheet.

// The columns, in the order a year computes them: each from the years
// before it and the columns before it in its own year.
enum class FlowField {
    Savings,
    Upkeep,
    BookValue,
    Depreciation,
    Tax,
    Residual, // after tax, in the period's last year
    Net,
    Factor, // the discount factor of the year's savings, upkeep and tax
    Discounted,
    NetAboveFirst, // Σ of (net − year 1's net) so far: level flows sum exactly
    Cumulative,
    CumulativeDiscounted,
    PaidBackMonths, // once paid back, carried down; none before
    PaidBackYears,  // discounted
};
inline constexpr int kFlowFieldCount = int(FlowField::PaidBackYears) + 1;

// What the flows are computed from: in the program the investment, the
// capital inputs and the savings rows; in a workbook, the cells holding them.
enum class FlowInput {
    Period,
    Initial,
    Upkeep,
    DiscountRate,
    LabourEscalation,
    LubricantEscalation,
    BearingEscalation,
    ProductionValueEscalation,
    UpkeepEscalation,
    TaxRate,
    Depreciation, // 0 none, 1 straight-line, 2 declining balance
    DepreciationYears,
    DecliningRate,
    ResidualValue,
    FirstYearShare,
    Timing, // 0 year-end, 1 mid-year
};
inline constexpr int kFlowInputCount = int(FlowInput::Timing) + 1;

// The escalation that scales savings row k (1 to 5): the labour rates rows 1
// and 4, the lubricant price row 2, the bearing price row 3, the production
// value row 5.
FlowInput escalationOfRow(int k);

// What the formulas take of an item (case_items.h): a yearly saving's
// amount and escalation, a one-off item's amount, year and spacing.
enum class ItemField { Amount, Escalation, Year, Every };

// The values of the inputs: rows 1 to 6 of the savings, then each FlowInput,
// then the items.
struct FlowInputs {
    std::array<double, kRowCount> savingsRows{};
    std::array<double, kFlowInputCount> values{};
    std::vector<OtherSaving> otherSavings;
    std::vector<OneOffItem> oneOffs;

    double operator[](FlowInput input) const { return values[std::size_t(input)]; }
};
FlowInputs flowInputsOf(const CostTable &savings, const Investment &investment, const CapitalInputs &capital);

// A field's figure in a year; not the paybacks, which may be none.
double flowValue(const CashFlowYear &year, FlowField field);

// Year t (0 to the period) of the table, from the years before it.
// The powers it takes are kept in powers, when given, for the next table.
CashFlowYear flowYearOf(const std::vector<CashFlowYear> &before, int t, const FlowInputs &inputs,
                        FlowPowers *powers = nullptr);

// A year's discounted net at another growth factor 1 + rate: the NPV
// profile's terms, at the table's own rate its discountedNet to the last bit.
double discountedNetAt(const CashFlowYear &year, double growth, CashFlowTiming timing);

// The pace beyond the period: the last year's operating net without its
// depreciation's tax credit, which ends with the write-off.
double paceBeyondPeriod(const CashFlowTable &table);
// The months the outlay takes to be paid back at that pace when the period
// ends first.
double monthsBeyondPeriod(const CashFlowTable &table);

// Where a workbook keeps what the formulas name.
struct FlowCells {
    std::function<QString(FlowInput)> input;
    std::function<QString(int k)> savingsRow; // 1 to 6
    std::function<QString(int t)> year;       // the cell holding t
    std::function<QString(FlowField, int t)> column;
    std::function<QString(FlowField)> atPeriod; // the field in the period's last year
    // The items' cells, j and k from 0, and how many there are.
    std::function<QString(int j, ItemField)> otherSaving = {};
    std::function<QString(int k, ItemField)> oneOff = {};
    int otherSavingCount = 0;
    int oneOffCount = 0;
};

// The formula of a field in year t (0 to kMaxYears), for a period that may
// end before t: then every column but the paybacks is 0 and those carry down.
QString flowFormula(FlowField field, int t, const FlowCells &cells);

// paceBeyondPeriod() and monthsBeyondPeriod() as formulas, from the
// period's last year.
QString paceBeyondPeriodFormula(const FlowCells &cells);
QString monthsBeyondPeriodFormula(const FlowCells &cells);

} // namespace model
