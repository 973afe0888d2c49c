// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility/case_options.h"

#include "model/facility/facility_file.h"

#include <utility>

namespace model {

CaseOption selectedOption(const FacilityFigures &facts)
{
    return {facts.optionName, facts.assumptions.reductionPercent, facts.investment, facts.capital};
}

FacilityFigures withOption(FacilityFigures facts, const CaseOption &option)
{
    facts.optionName = option.name;
    facts.assumptions.reductionPercent = option.reductionPercent;
    facts.investment = option.investment;
    facts.capital = option.capital;
    return facts;
}

void selectOption(FacilityFigures &facts, int k)
{
    CaseOption chosen = std::exchange(facts.otherOptions.at(std::size_t(k)), selectedOption(facts));
    facts = withOption(std::move(facts), chosen);
}

} // namespace model
