// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QStringView>

#include <functional>
#include <optional>

namespace model {

// The value of a formula text made of numbers, cell names ("B4",
// "Figures!$B$3", "'Business Case'!B2"), + - * /, signs and parentheses,
// computed as a spreadsheet computes it: each operation once, in double,
// left to right within * and / and then within + and -. cellValue gives
// the value of a cell name. Nothing when the text is no such formula or
// names a cell cellValue does not know. It lets the formulas a workbook is
// given be checked against the program's own values without a spreadsheet.
using CellValue = std::function<std::optional<double>(QStringView cell)>;
std::optional<double> formulaValue(QStringView text, const CellValue &cellValue);

} // namespace model
