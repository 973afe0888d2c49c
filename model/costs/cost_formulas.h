// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/cost_tables.h"
#include "model/costs/input_table.h"
#include "model/costs/results.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace model {

// The arithmetic of every cost row, written once. The program's values
// (computeCurrentCost() and the tables after it) and the workbook's formulas
// (costFormulaText()) both come from here, step for step in the same order,
// so that a spreadsheet recomputing the workbook rounds every step as the
// program does. The customer report's note ("How these figures are
// computed") writes these rows in words from the same steps
// (costFormulaProse()): a change here changes the note too, and a new
// figure needs its formulaName in input_table.h.

// One step of a current-cost row: the value so far times, or divided by,
// a figure or a constant.
struct FormulaStep {
    enum Operation : char { Times = '*', DividedBy = '/' };
    Operation operation = Times;
    std::optional<Input> input; // nothing: the constant
    double constant = 0;
};

constexpr FormulaStep times(Input input) { return {FormulaStep::Times, input, 0}; }
constexpr FormulaStep times(double constant) { return {FormulaStep::Times, std::nullopt, constant}; }
constexpr FormulaStep dividedBy(double constant) { return {FormulaStep::DividedBy, std::nullopt, constant}; }

inline constexpr int kMaxFormulaSteps = 5;

// A current-cost row: its first figure, then each step in turn.
struct CostFormula {
    Input first;
    int stepCount;
    std::array<FormulaStep, kMaxFormulaSteps> steps;
};

template <typename... Steps>
constexpr CostFormula formula(Input first, Steps... steps)
{
    static_assert(sizeof...(Steps) <= kMaxFormulaSteps);
    return {first, int(sizeof...(Steps)), {steps...}};
}

// Rows 1 to 5 of the current cost, in the order of factors that decides the
// results' last bits.
inline constexpr std::array<CostFormula, kReducedRowCount> kCostFormulas{{
    // points × minutes per point ÷ 60 × labour rate × times per month × 12
    formula(Input::LubricationPoints, times(Input::MinutesPerPoint), dividedBy(60), times(Input::LubricationLabourRate),
            times(Input::LubricationsPerMonth), times(12)),
    // price per pound × pounds per year
    formula(Input::LubricantPrice, times(Input::LubricantQuantity)),
    // bearing price × failures
    formula(Input::BearingPrice, times(Input::BearingFailures)),
    // failures × hours × replacement rate
    formula(Input::BearingFailures, times(Input::HoursPerReplacement), times(Input::ReplacementLabourRate)),
    // failures × hours × production value
    formula(Input::BearingFailures, times(Input::HoursPerReplacement), times(Input::ProductionRate)),
}};

// Row 6 of the current and the Velmor cost: rows 1 to 5 added left to right
// in this order. The savings total is the difference of the totals instead.
inline constexpr std::array<int, kReducedRowCount> kTotalOrder{2, 1, 3, 4, 5};

// A row divides only by constants, so a row that is no finite figure is an
// overflow or an invalid operation, never a division by zero.
constexpr bool dividesOnlyByConstants()
{
    for (const CostFormula &row : kCostFormulas) {
        for (int s = 0; s < row.stepCount; ++s) {
            if (row.steps[std::size_t(s)].operation == FormulaStep::DividedBy && row.steps[std::size_t(s)].input)
                return false;
        }
    }
    return true;
}
static_assert(dividesOnlyByConstants());

// Row k (1 to 5) of the current cost.
double currentCostRow(int k, const InputValues &values);
// Row 6 of the current or Velmor cost from its rows 1 to 5.
double totalRow(const CostTable &table);
// Row k (1 to 5) of the Velmor cost: the current row times what remains
// of it, Assumptions::remainingFactor().
double velmorCostRow(int k, double currentRow, const Assumptions &assumptions);
// Row k (1 to 6) of the savings.
double savingsRow(double currentRow, double velmorRow);

// Where a workbook keeps what the formulas name.
struct FormulaCells {
    std::function<QString(Input)> input;
    std::function<QString(int k)> reduction; // row k's reduction, in per cent
    std::function<QString(Table table, int k)> cost;
    std::function<QString(StopFigure)> stop; // the lost-production rule's figures, where one is given
};

// The spreadsheet formula of row k (1 to 6) of a table: the same steps as
// the values above, in the same order, row 5 by the lost-production rule
// where one is given.
QString costFormulaText(Table table, int k, const FormulaCells &cells, const LostProductionRule &lostProduction = {});

} // namespace model
