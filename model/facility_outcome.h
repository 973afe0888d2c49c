// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// What a facility comes to, composed in one place: the document, the
// workbook, the summary of many files and the Business Case window all take
// it from outcomeOf(), so that the same facts give the same figures
// everywhere and the texts are read once per change.

#include "model/costs/results.h"
#include "model/facility/facility_file.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace model {

// How far the business case is taken beyond the measures.
enum class StudyReach {
    None,           // the measures alone (a workbook, a summary row)
    WithInvestment, // the whole study, where a price is given (the document)
    Always,         // the whole study, of nothing invested without a price (the Business Case window)
};

struct OutcomeRequest {
    // Figures opened as no number in the settings they were saved in: they
    // count as no number whatever these settings make of them.
    std::array<bool, kInputCount> heldAsNoNumber{};
    double stepPercent = kDefaultSensitivityStepPercent;
    StudyReach study = StudyReach::None;
};

struct FacilityOutcome {
    // The first field that is no number (held ones included), or the tables.
    Results results;
    // The investment as read; it carries the capital inputs' problem as its
    // own when it has none (then without an investment and no field of its
    // own), so that whatever stops at an investment that does not read stops
    // at either.
    InvestmentReading investment;
    CapitalReading capital;
    // The assumed case's measures: the tables complete, a price given and
    // the capital inputs read.
    std::optional<BusinessCase> measures;
    // As the request reaches; its measures are the ones above where both are.
    std::optional<BusinessCaseStudy> study;
    // The measures on the hard savings alone (model::hardSavingsOf()), where
    // the facts split the savings and the measures are there.
    std::optional<BusinessCase> hardMeasures;
};

FacilityOutcome outcomeOf(const FacilityFigures &facts, const QLocale &locale, const OutcomeRequest &request = {});

// The first thing that stops the figures, in the order the outcome is
// composed: a field that is no number, the tables' overflow, an investment
// or capital text that does not read, the measures' overflow. Each output
// words it in its own sentence.
struct OutcomeFault {
    std::optional<int> field;
    std::optional<ArithmeticFault> arithmetic;
    QString problem; // a text's reading problem, as its reading says it
};
std::optional<OutcomeFault> firstFault(const FacilityOutcome &outcome);

} // namespace model
