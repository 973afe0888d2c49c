// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/business_case.h"
#include "model/finance/cash_flow.h"
#include "workbook/sheet_layout.h"

namespace workbook {

// The Business Case sheet: the measures on top, over the cash-flow table of
// years 0 to 50 whose every cell is the formula model::flowFormula() gives,
// 0 after the period's end, so that a changed period in the Figures sheet is
// followed. Beside it the flows by half year the rate of return is found from.
// The outlay takes the capital inputs' contingency and the items at the
// start; the flows the items of Figures. With hardSavings, the same over the
// Costs sheet's hard savings and the savings beyond the cost rows that are cash.
void writeBusinessCase(Sheet &sheet, const Formats &formats, const model::BusinessCase &measures,
                       const model::CapitalInputs &capital, bool hardSavings = false);

} // namespace workbook
