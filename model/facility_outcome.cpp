// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility_outcome.h"

#include <algorithm>

namespace model {

FacilityOutcome outcomeOf(const FacilityFigures &facts, const QLocale &locale, const OutcomeRequest &request)
{
    FacilityOutcome outcome;
    outcome.results = computeResults(facts.figures, locale, facts.assumptions);
    const auto &held = request.heldAsNoNumber;
    if (const auto first = std::find(held.begin(), held.end(), true); first != held.end()) {
        const int field = int(first - held.begin());
        if (!outcome.results.failedField || field < *outcome.results.failedField) {
            outcome.results = Results();
            outcome.results.failedField = field;
        }
    }
    outcome.investment = readInvestment(facts.investment, locale);
    outcome.capital = readCapitalInputs(facts.capital, locale);
    if (outcome.investment.problem.isEmpty() && !outcome.capital.problem.isEmpty()) {
        outcome.investment = InvestmentReading();
        outcome.investment.problem = outcome.capital.problem;
    }

    const Results &results = outcome.results;
    if (!results.complete() || results.fault)
        return outcome;
    const std::optional<Investment> &investment = outcome.investment.investment;
    const bool priced = investment && outcome.capital.inputs;
    const CapitalInputs capital = outcome.capital.inputs.value_or(CapitalInputs());
    if (request.study == StudyReach::Always || (request.study == StudyReach::WithInvestment && priced))
        outcome.study = studyOf(results.values, facts.assumptions, investment, request.stepPercent, capital);
    if (priced)
        outcome.measures = outcome.study ? outcome.study->measures
                                         : businessCaseOf(results.table(Table::Savings), *investment, capital);
    if (outcome.measures && facts.savingsKinds) {
        // The savings beyond the cost rows that are not cash are left out too.
        CapitalInputs hardCapital = capital;
        std::erase_if(hardCapital.otherSavings, [](const OtherSaving &saving) { return !saving.hard; });
        outcome.hardMeasures =
            businessCaseOf(hardSavingsOf(results.table(Table::Savings), *facts.savingsKinds), *investment, hardCapital);
    }
    return outcome;
}

std::optional<OutcomeFault> firstFault(const FacilityOutcome &outcome)
{
    if (outcome.results.failedField)
        return OutcomeFault{outcome.results.failedField, std::nullopt, QString()};
    if (outcome.results.fault)
        return OutcomeFault{std::nullopt, outcome.results.fault, QString()};
    if (!outcome.investment.problem.isEmpty())
        return OutcomeFault{std::nullopt, std::nullopt, outcome.investment.problem};
    if (outcome.measures && outcome.measures->fault)
        return OutcomeFault{std::nullopt, outcome.measures->fault, QString()};
    return std::nullopt;
}

} // namespace model
