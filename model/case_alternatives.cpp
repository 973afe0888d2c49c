// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/case_alternatives.h"

#include "model/facility/case_options.h"
#include "model/finance/business_case_text.h"
#include "model/text/message_text.h"
#include "model/text/money_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace model {
namespace {

struct AlternativesText {
    Q_DECLARE_TR_FUNCTIONS(AlternativesText)
};

const QString kNone = QStringLiteral("\u2014");

AlternativeRow rowOf(const FacilityFigures &facts, const CaseOption &option, bool selected, const QLocale &locale,
                     const std::array<bool, kInputCount> &held)
{
    const FacilityOutcome outcome = outcomeOf(withOption(facts, option), locale, {held});
    AlternativeRow row;
    row.name = selected ? selectedOptionName(facts) : option.name;
    row.selected = selected;
    if (outcome.results.complete() && !outcome.results.fault)
        row.annualSavings = outcome.results.table(Table::Savings).row(kRowCount);
    if (const std::optional<OutcomeFault> fault = firstFault(outcome); fault && !fault->problem.isEmpty())
        row.problem = fault->problem;
    else if (!outcome.investment.investment && outcome.results.complete())
        row.problem = AlternativesText::tr("No system price is given.");
    if (outcome.measures && !outcome.measures->fault) {
        row.measures = outcome.measures;
        row.hardMeasures = outcome.hardMeasures;
    }
    return row;
}

QString moneyOrNone(double value, const QLocale &locale, QStringView symbol)
{
    const QString text = moneyText(value, locale, symbol);
    return text.isEmpty() ? kNone : text;
}

QString rateOrNone(const std::optional<double> &rate, const QLocale &locale)
{
    return rate ? percentOf(*rate, locale) : kNone;
}

} // namespace

QString doNothingName() { return AlternativesText::tr("Do nothing"); }

QString selectedOptionName(const FacilityFigures &facts)
{
    return facts.optionName.isEmpty() ? AlternativesText::tr("Automatic lubrication") : facts.optionName;
}

AlternativesComparison compareAlternatives(const FacilityFigures &facts, const QLocale &locale,
                                           const std::array<bool, kInputCount> &heldAsNoNumber)
{
    AlternativesComparison comparison;
    if (facts.otherOptions.empty())
        return comparison;
    comparison.hard = facts.savingsKinds.has_value();
    AlternativeRow nothing;
    nothing.name = doNothingName();
    nothing.doNothing = true;
    std::vector<AlternativeRow> options{rowOf(facts, selectedOption(facts), true, locale, heldAsNoNumber)};
    for (std::size_t k = 0; k < facts.otherOptions.size(); ++k) {
        options.push_back(rowOf(facts, facts.otherOptions[k], false, locale, heldAsNoNumber));
        options.back().other = int(k);
    }
    std::stable_sort(options.begin(), options.end(), [](const AlternativeRow &a, const AlternativeRow &b) {
        if (a.measures.has_value() != b.measures.has_value())
            return a.measures.has_value();
        return a.outlay() < b.outlay();
    });
    comparison.rows.push_back(nothing);
    comparison.rows.insert(comparison.rows.end(), options.begin(), options.end());

    int cheaper = 0;
    for (int r = 1; r < int(comparison.rows.size()); ++r) {
        AlternativeRow &row = comparison.rows[std::size_t(r)];
        if (!row.measures)
            continue;
        row.comparedWith = cheaper;
        const AlternativeRow &before = comparison.rows[std::size_t(cheaper)];
        // Over doing nothing, the increment is the option itself.
        const std::optional<CashFlowTable> added =
            before.doNothing ? std::optional(row.measures->cashFlow)
                             : incrementalTable(row.measures->cashFlow, before.measures->cashFlow);
        if (added)
            row.increment = measuresOf(*added);
        if (row.npv() > comparison.rows[std::size_t(comparison.highestNpv)].npv())
            comparison.highestNpv = r;
        cheaper = r;
    }
    return comparison;
}

QStringList alternativesHeadings(const AlternativesComparison &comparison, AlternativesPart part)
{
    if (part == AlternativesPart::Increments)
        return {AlternativesText::tr("Set against"), AlternativesText::tr("Added outlay"),
                AlternativesText::tr("Incremental NPV"), AlternativesText::tr("Incremental IRR")};
    QStringList headings{AlternativesText::tr("Option"),
                         AlternativesText::tr("Annual savings"),
                         AlternativesText::tr("Outlay"),
                         AlternativesText::tr("Net present value"),
                         AlternativesText::tr("Internal rate of return"),
                         AlternativesText::tr("Payback")};
    if (comparison.hard)
        headings << AlternativesText::tr("NPV on hard savings");
    return headings;
}

QStringList alternativeCells(const AlternativesComparison &comparison, int r, AlternativesPart part,
                             const QLocale &locale, QStringView symbol)
{
    const AlternativeRow &row = comparison.rows.at(std::size_t(r));
    const qsizetype count = alternativesHeadings(comparison, part).size();
    QStringList cells;
    if (part == AlternativesPart::Increments) {
        if (row.comparedWith) {
            const AlternativeRow &before = comparison.rows[std::size_t(*row.comparedWith)];
            cells << before.name << moneyOrNone(row.outlay() - before.outlay(), locale, symbol);
            if (row.increment)
                cells << moneyOrNone(row.increment->npv, locale, symbol) << rateOrNone(row.increment->irr, locale);
        }
    } else if (row.doNothing) {
        cells << row.name << moneyOrNone(0, locale, symbol) << moneyOrNone(0, locale, symbol)
              << moneyOrNone(0, locale, symbol) << kNone << kNone;
        if (comparison.hard)
            cells << moneyOrNone(0, locale, symbol);
    } else {
        cells << row.name << moneyOrNone(row.annualSavings, locale, symbol);
        if (const std::optional<BusinessCase> &measures = row.measures) {
            cells << moneyOrNone(measures->initial, locale, symbol) << moneyOrNone(measures->npv, locale, symbol)
                  << rateOrNone(measures->irr, locale) << paybackText(*measures, locale);
            if (comparison.hard)
                cells << (row.hardMeasures ? moneyOrNone(row.hardMeasures->npv, locale, symbol) : kNone);
        }
    }
    while (cells.size() < count)
        cells << kNone;
    return cells;
}

QStringList alternativesSentences(const AlternativesComparison &comparison, const QLocale &locale, QStringView symbol)
{
    QStringList sentences;
    if (comparison.rows.empty())
        return sentences;
    const AlternativeRow &best = comparison.rows[std::size_t(comparison.highestNpv)];
    sentences << (best.doNothing
                      ? AlternativesText::tr("No option has a net present value above zero: doing nothing costs least.")
                      : AlternativesText::tr("Of the options considered, %1 has the highest net present value, %2.")
                            .arg(quotedForMessage(best.name), moneyOrNone(best.npv(), locale, symbol)));
    sentences << AlternativesText::tr(
        "Each option is set against the next cheaper one: its incremental net present value and rate of return are "
        "those of what it costs and saves beyond that one, and its added outlay pays where the incremental net "
        "present value is above zero.");
    for (const AlternativeRow &row : comparison.rows) {
        if (row.selected)
            sentences << AlternativesText::tr("The other pages show %1.").arg(quotedForMessage(row.name));
        if (!row.measures && !row.doNothing)
            sentences << AlternativesText::tr("%1 is not evaluated: %2")
                             .arg(quotedForMessage(row.name), asSentence(row.problem));
        else if (row.measures && !row.increment) {
            const AlternativeRow &before = comparison.rows[std::size_t(*row.comparedWith)];
            sentences << AlternativesText::tr("%1 is evaluated over another period, at another rate or timing than "
                                              "%2, so their flows are not set against each other.")
                             .arg(quotedForMessage(row.name), quotedForMessage(before.name));
        }
    }
    return sentences;
}

} // namespace model
