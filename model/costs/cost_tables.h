// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"

#include <array>
#include <stdexcept>

namespace model {

// Six yearly dollar figures, rows 1 to 6 of kCostRows.
struct CostTable {
    std::array<double, kRowCount> rows{};

    double row(int k) const { return rows.at(std::size_t(k - 1)); }
    double &row(int k) { return rows.at(std::size_t(k - 1)); }
};

enum class ArithmeticFault { Overflow, DivisionByZero, InvalidOperation };

// Raised by the cost computation at the first row whose value is not a
// finite double. what() names the fault as the user is told it.
class ArithmeticError : public std::runtime_error {
public:
    ArithmeticError(ArithmeticFault fault, int row);

    ArithmeticFault fault() const { return m_fault; }
    int row() const { return m_row; }

private:
    ArithmeticFault m_fault;
    int m_row;
};

const char *faultName(ArithmeticFault fault);

// Each computation fills its table row by row, in the order and with the
// order of factors and terms that decide the results' last bits, and checks
// each stored row; rows stored before a fault keep their values.
// Row 5 follows the lost-production rule where one is given.
void computeCurrentCost(const InputValues &v, CostTable &current, const LostProductionRule &lostProduction = {});
// Each Velmor row is the current row times what remains of it after the
// assumed reduction.
void computeVelmorCost(const CostTable &current, CostTable &velmor,
                       const Assumptions &assumptions = Assumptions::designed());
void computeSavings(const CostTable &current, const CostTable &velmor, CostTable &savings);

} // namespace model
