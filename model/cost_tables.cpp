// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/cost_tables.h"

#include <cmath>

namespace model {
namespace {

// The row is tested as stored: GCC may move arithmetic across a read of the
// floating-point flags, but not across a test of the value itself. The only
// division is by the constant 60, so an infinity here is an overflow.
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

const char *faultName(ArithmeticFault fault)
{
    switch (fault) {
    case ArithmeticFault::Overflow:
        return "Overflow";
    case ArithmeticFault::DivisionByZero:
        return "Division by zero";
    case ArithmeticFault::InvalidOperation:
        return "Invalid operation";
    }
    return "Invalid operation";
}

void computeCurrentCost(const InputValues &v, CostTable &c)
{
    // points × minutes per point ÷ 60 × labour rate × times per month × 12
    store(c, 1, v[2] * v[10] / 60 * v[8] * v[3] * 12);
    store(c, 2, v[6] * v[4]);          // price per pound × pounds per year
    store(c, 3, v[7] * v[1]);          // bearing price × failures
    store(c, 4, v[1] * v[11] * v[9]);  // failures × hours × replacement rate
    store(c, 5, v[1] * v[11] * v[5]);  // failures × hours × production value
    store(c, 6, c.row(2) + c.row(1) + c.row(3) + c.row(4) + c.row(5));
}

void computeVelmorCost(const CostTable &c, CostTable &t, const Assumptions &assumptions)
{
    for (int k = 1; k <= kReducedRowCount; ++k)
        store(t, k, c.row(k) * assumptions.remainingFactor(k));
    store(t, 6, t.row(2) + t.row(1) + t.row(3) + t.row(4) + t.row(5));
}

void computeSavings(const CostTable &c, const CostTable &t, CostTable &s)
{
    // The total is the difference of the totals, not a sum of savings rows.
    for (int k = 1; k <= 6; ++k)
        store(s, k, c.row(k) - t.row(k));
}

} // namespace model
