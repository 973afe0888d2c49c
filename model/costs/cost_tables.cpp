// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/cost_tables.h"

#include "model/costs/cost_formulas.h"

#include <cmath>

namespace model {
namespace {

// The row is tested as stored: GCC may move arithmetic across a read of the
// floating-point flags, but not across a test of the value itself. The rows
// divide only by constants (kCostFormulas), so an infinity is an overflow.
void store(CostTable &table, int k, double value)
{
    table.row(k) = value;
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticFault::InvalidOperation, k);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticFault::Overflow, k);
}

} // namespace

ArithmeticError::ArithmeticError(ArithmeticFault fault, int row)
    : std::runtime_error(faultName(fault)), m_fault(fault), m_row(row)
{
}

// English source texts; model::faultText() gives them in the interface language.
const char *faultName(ArithmeticFault fault)
{
    switch (fault) {
    case ArithmeticFault::Overflow:
        return QT_TRANSLATE_NOOP("ArithmeticFault", "Overflow");
    case ArithmeticFault::DivisionByZero:
        return QT_TRANSLATE_NOOP("ArithmeticFault", "Division by zero");
    case ArithmeticFault::InvalidOperation:
        break;
    }
    return QT_TRANSLATE_NOOP("ArithmeticFault", "Invalid operation");
}

void computeCurrentCost(const InputValues &v, CostTable &c, const LostProductionRule &lostProduction)
{
    for (int k = 1; k <= kReducedRowCount; ++k) {
        const bool ruled = k == kLostProductionRow && !lostProduction.isEmpty();
        store(c, k, ruled ? lostProductionRow(v, lostProduction) : currentCostRow(k, v));
    }
    store(c, kRowCount, totalRow(c));
}

void computeVelmorCost(const CostTable &c, CostTable &t, const Assumptions &assumptions)
{
    for (int k = 1; k <= kReducedRowCount; ++k)
        store(t, k, velmorCostRow(k, c.row(k), assumptions));
    store(t, kRowCount, totalRow(t));
}

void computeSavings(const CostTable &c, const CostTable &t, CostTable &s)
{
    // The total is the difference of the totals, not a sum of savings rows.
    for (int k = 1; k <= kRowCount; ++k)
        store(s, k, savingsRow(c.row(k), t.row(k)));
}

} // namespace model
