// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility_outcome.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace model {

// Doing nothing, or one option of a facility's case, and what it comes to.
struct AlternativeRow {
    QString name;
    bool doNothing = false;
    bool selected = false;
    std::optional<int> other; // the option's place in the facts' otherOptions
    double annualSavings = 0; // the savings table's total with the option's reductions
    // None for doing nothing, and for an option without a price or whose
    // texts do not read (problem says why).
    std::optional<BusinessCase> measures;
    std::optional<BusinessCase> hardMeasures; // where the savings are split
    QString problem;
    // The row it is set against: the one before it among those with measures,
    // the next cheaper, doing nothing for the first. The increment's measures
    // are those of its flows less that row's (model::incrementalTable()); none
    // where the two differ in period, rate or timing.
    std::optional<int> comparedWith;
    std::optional<CashFlowMeasures> increment;

    double outlay() const { return measures ? measures->initial : 0; }
    double npv() const { return measures ? measures->npv : 0; }
};

struct AlternativesComparison {
    // Doing nothing, then the options with measures by outlay (the one
    // selected first among equals), then those without.
    std::vector<AlternativeRow> rows;
    // The row with the highest NPV; doing nothing (0) when none is above zero.
    int highestNpv = 0;
    bool hard = false; // the savings are split: each row has its hard NPV
};

// Every option of the facility with its figures and plant facts; no rows
// where the facility weighs no option beside the selected one.
AlternativesComparison compareAlternatives(const FacilityFigures &facts, const QLocale &locale,
                                           const std::array<bool, kInputCount> &heldAsNoNumber = {});

// The row of doing nothing's name, "Do nothing".
QString doNothingName();
// The name the selected option goes by while it has none of its own.
QString selectedOptionName(const FacilityFigures &facts);

// The table as every output shows it, in two parts: the measures of each
// row (its name first), and what each option adds to the one it is set
// against (that one's name, the added outlay, the incremental NPV and IRR).
enum class AlternativesPart { Measures, Increments };
QStringList alternativesHeadings(const AlternativesComparison &comparison, AlternativesPart part);
QStringList alternativeCells(const AlternativesComparison &comparison, int row, AlternativesPart part,
                             const QLocale &locale, QStringView symbol);
// What the table says: which option has the highest NPV, which the other
// pages show, how each is set against the next cheaper, and why a row has no
// figures.
QStringList alternativesSentences(const AlternativesComparison &comparison, const QLocale &locale, QStringView symbol);

} // namespace model
