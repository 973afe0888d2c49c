// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/case_alternatives.h"
#include "workbook/sheet_layout.h"

namespace workbook {

inline constexpr char kAlternativesSheet[] = "Alternatives";

// The Alternatives sheet: doing nothing and each option, one row each, over
// their flows by half year. Each row's NPV and IRR are formulas of its
// flows, and each option's increment over the next cheaper a row of its
// flows less that one's, whose NPV and IRR are formulas too; the flows, the
// savings, outlays and paybacks are the program's figures.
void writeAlternatives(Sheet &sheet, const Formats &formats, const model::AlternativesComparison &comparison);

} // namespace workbook
