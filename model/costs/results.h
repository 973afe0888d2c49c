// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_tables.h"
#include "model/costs/input_table.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace model {

// The three tables of one computation, in the order they are computed.
enum class Table { Current, Velmor, Savings };
inline constexpr int kTableCount = 3;

// Everything the twelve figures of a facility come to.
struct Results {
    // The first field, 0 to 11, whose text is no number. Nothing is computed
    // then: finishedTables is 0 and the tables hold zeros.
    std::optional<int> failedField;
    // The figures read from the fields, when every one was a number.
    InputValues values{};
    // Indexed by Table. A table whose computation faulted holds the rows
    // stored before the faulting one and the faulting row's value.
    std::array<CostTable, kTableCount> tables{};
    // How many tables, counted in Table order, were computed in full.
    int finishedTables = 0;
    // Set when the arithmetic of the table after the finished ones faulted.
    std::optional<ArithmeticFault> fault;

    const CostTable &table(Table t) const { return tables[std::size_t(t)]; }
    bool complete() const { return finishedTables == kTableCount; }
};

// Reads the twelve field texts as figures in the given regional settings
// (readFigure()), each text once, and computes the current, Velmor and
// savings tables one after the other. Stops at the first text that is no
// number, or at the first arithmetic fault.
Results computeResults(const std::array<QString, kInputCount> &fieldTexts, const QLocale &locale,
                       const Assumptions &assumptions = Assumptions::designed());

// The same computation from figures already read.
Results computeResults(const InputValues &values, const Assumptions &assumptions = Assumptions::designed());

// What the savings chart shows: rows 1 to 5 of each table, [row - 1][table],
// as numbers. The window's chart and the report's take them from here.
using ChartFigures = std::array<std::array<double, kTableCount>, kReducedRowCount>;
ChartFigures chartFigures(const Results &results);

// The currency text of every row of every finished table, [table][row - 1];
// rows of tables not finished are empty. What the result labels show, in
// the currency of symbol.
using ResultTexts = std::array<std::array<QString, kRowCount>, kTableCount>;
ResultTexts resultTexts(const Results &results, const QLocale &locale, QStringView symbol = u"$");

} // namespace model
