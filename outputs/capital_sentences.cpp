// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/capital_sentences.h"

#include "model/text/money_text.h"
#include "model/text/percentage_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct CapitalText {
    Q_DECLARE_TR_FUNCTIONS(CapitalText)
};

QString percent(double value, const QLocale &locale) { return model::percentageText(value, locale); }

QString escalationSentence(const model::CapitalInputs &capital, const QLocale &locale)
{
    return CapitalText::tr("Annual escalation from year 2: labor rates %1, lubricant %2, bearings %3, production "
                           "value %4, upkeep %5.")
        .arg(percent(capital.labourEscalationPercent, locale), percent(capital.lubricantEscalationPercent, locale),
             percent(capital.bearingEscalationPercent, locale),
             percent(capital.productionValueEscalationPercent, locale),
             percent(capital.upkeepEscalationPercent, locale));
}

QString taxSentence(const model::CapitalInputs &capital, const QLocale &locale)
{
    const QString tax = CapitalText::tr("Income tax at %1 on the savings less the upkeep and the depreciation; a "
                                        "year's loss is credited against the plant's other profits.")
                            .arg(percent(capital.taxRatePercent, locale));
    switch (capital.depreciation) {
    case model::Depreciation::None:
        return tax + u' '
               + CapitalText::tr("The investment is not depreciated during the period and is written off at its end, "
                                 "the tax credit on it shown with the residual value.");
    case model::Depreciation::StraightLine:
        return tax + u' '
               + CapitalText::tr("The investment is depreciated straight-line over %n year(s).", "",
                                 capital.depreciationYears);
    case model::Depreciation::DecliningBalance:
        return tax + u' '
               + CapitalText::tr("The investment is depreciated by declining balance at %1 of its book value a year; "
                                 "what is left is written off at the period's end, the tax credit on it shown with the "
                                 "residual value.")
                     .arg(percent(capital.decliningRatePercent, locale));
    }
    return tax;
}

} // namespace

QStringList capitalSentences(const model::CapitalInputs &capital, const model::Investment &investment,
                             const QLocale &locale, QStringView symbol)
{
    const model::CapitalInputs defaults;
    const bool escalated = capital.labourEscalationPercent != 0 || capital.lubricantEscalationPercent != 0
                           || capital.bearingEscalationPercent != 0 || capital.productionValueEscalationPercent != 0
                           || capital.upkeepEscalationPercent != 0;
    const bool taxed = capital.taxRatePercent != 0;
    // A yearly saving beyond the cost rows escalates on its own, as its
    // sentence below says: the prices are then not today's every year.
    const bool itemsEscalate =
        std::any_of(capital.otherSavings.begin(), capital.otherSavings.end(),
                    [](const model::OtherSaving &saving) { return saving.escalationPercent != 0; });
    QStringList sentences;
    if (!escalated && !taxed && !itemsEscalate && capital.timing == defaults.timing)
        sentences << CapitalText::tr("Before income tax, at today's prices every year, with the annual flows at "
                                     "each year's end.");
    else {
        sentences << (escalated       ? escalationSentence(capital, locale)
                      : itemsEscalate ? CapitalText::tr("The cost rows and the upkeep at today's prices every year.")
                                      : CapitalText::tr("No escalation: every year at today's prices."));
        sentences << (taxed ? taxSentence(capital, locale) : CapitalText::tr("Before income tax."));
        sentences << (capital.timing == model::CashFlowTiming::MidYear
                          ? CapitalText::tr("The annual flows are spread over each year and discounted from its "
                                            "middle; the outlay falls at the start, the residual value at the end.")
                          : CapitalText::tr("The annual flows fall at each year's end."));
    }
    if (capital.residualValue != 0)
        sentences << (taxed ? CapitalText::tr("A residual value of %1 at the end of year %2, taxed on its gain over "
                                              "the book value.")
                            : CapitalText::tr("A residual value of %1 at the end of year %2."))
                         .arg(model::currencyText(capital.residualValue, locale, symbol))
                         .arg(locale.toString(investment.years));
    if (capital.firstYearSharePercent != defaults.firstYearSharePercent)
        sentences << CapitalText::tr("Year 1 reaches %1 of the annual savings while the system is brought in.")
                         .arg(percent(capital.firstYearSharePercent, locale));
    for (const model::OtherSaving &saving : capital.otherSavings) {
        const QString amount = model::currencyText(saving.amount, locale, symbol);
        const QString caption = saving.caption.isEmpty() ? CapitalText::tr("A further saving") : saving.caption;
        sentences << (saving.escalationPercent != 0
                          ? (saving.hard ? CapitalText::tr("%1: %2 a year, escalating %3 a year, cash.")
                                         : CapitalText::tr("%1: %2 a year, escalating %3 a year, not cash."))
                                .arg(caption, amount, percent(saving.escalationPercent, locale))
                          : (saving.hard ? CapitalText::tr("%1: %2 a year, cash.")
                                         : CapitalText::tr("%1: %2 a year, not cash."))
                                .arg(caption, amount));
    }
    for (const model::OneOffItem &item : capital.oneOffs) {
        const QString caption = item.caption.isEmpty() ? CapitalText::tr("A one-off item") : item.caption;
        const QString amount = model::currencyText(item.amount, locale, symbol);
        if (item.every > 0)
            sentences << CapitalText::tr("%1: %2 in year %3 and every %4 years after, with the upkeep.")
                             .arg(caption, amount, locale.toString(item.year), locale.toString(item.every));
        else if (item.year == 0)
            sentences << CapitalText::tr("%1: %2 at the start, in the outlay.").arg(caption, amount);
        else
            sentences << CapitalText::tr("%1: %2 in year %3, with the upkeep.")
                             .arg(caption, amount, locale.toString(item.year));
    }
    if (capital.contingencyPercent != 0)
        sentences << CapitalText::tr("A contingency of %1 on the price and installation raises them to %2.")
                         .arg(percent(capital.contingencyPercent, locale),
                              model::currencyText(model::contingentOutlayOf(investment, capital), locale, symbol));
    if (capital.accuracyBelowPercent || capital.accuracyAbovePercent)
        sentences << CapitalText::tr("The estimate may be %1 below or %2 above; the measures are computed on the "
                                     "estimate itself.")
                         .arg(percent(capital.accuracyBelowPercent.value_or(0), locale),
                              percent(capital.accuracyAbovePercent.value_or(0), locale));
    if (capital.hurdleRatePercent)
        sentences << CapitalText::tr("The company's hurdle rate is %1. The discount rate of %2 is the plant's own "
                                     "choice: any premium for the project's risk is in it as chosen, not added here.")
                         .arg(percent(*capital.hurdleRatePercent, locale),
                              percent(investment.discountRatePercent, locale));
    return sentences;
}

} // namespace outputs
