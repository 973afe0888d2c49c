// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QStringView>

#include <functional>
#include <optional>

namespace model {

// A cell's or a formula's result: a number, or none for the empty text "".
using SheetValue = std::optional<double>;

// The value of a formula text made of numbers, cell names ("B4",
// "Figures!$B$3", "'Business Case'!B2"), the empty text, + - * / ^,
// comparisons, signs, parentheses and IF, AND and MAX, computed as a
// spreadsheet computes it: each operation once, in double, left to right
// within ^, then * and /, then + and -, a sign binding tighter than ^;
// TRUE and FALSE as 1 and 0. cellValue gives the value of a cell name, none
// for a name it does not know. Nothing when the text is no such formula,
// names an unknown cell or computes with a text. It lets the formulas a
// workbook is given be checked against the program's own values without a
// spreadsheet.
using CellValue = std::function<std::optional<SheetValue>(QStringView cell)>;
std::optional<SheetValue> formulaResult(QStringView text, const CellValue &cellValue);
// The same for a formula whose result is a number.
std::optional<double> formulaValue(QStringView text, const CellValue &cellValue);

} // namespace model
