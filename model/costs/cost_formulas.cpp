// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/cost_formulas.h"

#include <QStringList>

namespace model {
namespace {

const CostFormula &currentFormula(int k) { return kCostFormulas.at(std::size_t(k - 1)); }

// A constant as the formula writes it: "60", "12".
QString constantText(double constant) { return QString::number(constant, 'g', 17); }

} // namespace

double currentCostRow(int k, const InputValues &values)
{
    const CostFormula &row = currentFormula(k);
    double result = inputValue(values, row.first);
    for (int s = 0; s < row.stepCount; ++s) {
        const FormulaStep &step = row.steps[std::size_t(s)];
        const double operand = step.input ? inputValue(values, *step.input) : step.constant;
        result = step.operation == FormulaStep::Times ? result * operand : result / operand;
    }
    return result;
}

double totalRow(const CostTable &table)
{
    double total = table.row(kTotalOrder[0]);
    for (std::size_t i = 1; i < kTotalOrder.size(); ++i)
        total += table.row(kTotalOrder[i]);
    return total;
}

double velmorCostRow(int k, double currentRow, const Assumptions &assumptions)
{
    return currentRow * assumptions.remainingFactor(k);
}

double savingsRow(double currentRow, double velmorRow) { return currentRow - velmorRow; }

QString costFormulaText(Table table, int k, const FormulaCells &cells, const LostProductionRule &lostProduction)
{
    if (table == Table::Current && k == kLostProductionRow && !lostProduction.isEmpty())
        return lostProductionFormula(cells.input, cells.stop);
    if (k == kRowCount && table != Table::Savings) {
        QStringList terms;
        for (int row : kTotalOrder)
            terms << cells.cost(table, row);
        return terms.join(u'+');
    }
    switch (table) {
    case Table::Current: {
        const CostFormula &row = currentFormula(k);
        QString text = cells.input(row.first);
        for (int s = 0; s < row.stepCount; ++s) {
            const FormulaStep &step = row.steps[std::size_t(s)];
            text += QChar::fromLatin1(step.operation);
            text += step.input ? cells.input(*step.input) : constantText(step.constant);
        }
        return text;
    }
    case Table::Velmor: // what remains of the current cost: (100 − reduction) ÷ 100
        return QStringLiteral("%1*((100-%2)/100)").arg(cells.cost(Table::Current, k), cells.reduction(k));
    case Table::Savings:
        return QStringLiteral("%1-%2").arg(cells.cost(Table::Current, k), cells.cost(Table::Velmor, k));
    }
    return QString();
}

} // namespace model
