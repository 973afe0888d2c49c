// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"

#include <QString>

#include <array>

namespace model {

struct FacilityFigures;

// One option of a case: a way the plant may lubricate, with its own
// reductions, investment and capital inputs. The figures, the plant's facts,
// the lost-production rule and which savings are cash are the facility's, the
// same for every option. A facility's facts hold the selected option in
// their reductions, investment and capital inputs, and the others beside.
struct CaseOption {
    QString name;
    std::array<double, kReducedRowCount> reductionPercent{};
    InvestmentTexts investment;
    CapitalTexts capital;

    friend bool operator==(const CaseOption &, const CaseOption &) = default;
};

// Beside the selected one and doing nothing: enough for every way a plant
// weighs, few enough for one page.
inline constexpr int kMaxOtherOptions = 6;
inline constexpr qsizetype kMaxOptionNameLength = 60;

// The selected option, as the facts hold it.
CaseOption selectedOption(const FacilityFigures &facts);
// The facts with option as the selected one's reductions, investment and
// capital inputs; the other options as they were.
FacilityFigures withOption(FacilityFigures facts, const CaseOption &option);
// Makes other option k the selected one; the one selected until now takes its
// place among the others.
void selectOption(FacilityFigures &facts, int k);

} // namespace model
