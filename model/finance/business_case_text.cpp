// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/business_case_text.h"

#include "model/costs/cost_rows.h"
#include "model/finance/cash_flow_columns.h"
#include "model/text/list_text.h"
#include "model/text/money_text.h"
#include "model/text/percentage_text.h"
#include "model/text/regional_digits.h"

#include <QCoreApplication>

#include <cmath>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct BusinessCaseText {
    Q_DECLARE_TR_FUNCTIONS(BusinessCaseText)
};

// A figure with one decimal, grouped, or "—" for one too large to write;
// one that rounds to zero without a sign ("0.0%", never "-0.0%").
QString decimal(double value, const QLocale &locale, int decimals = 1)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return std::isfinite(value) ? locale.toString(value, 'f', decimals) : QStringLiteral("\u2014");
}

QString money(double value, const QLocale &locale, QStringView symbol)
{
    const QString text = moneyText(value, locale, symbol);
    return text.isEmpty() ? QStringLiteral("\u2014") : text;
}

} // namespace

QString percentOf(double fraction, const QLocale &locale)
{
    return withPercentSign(decimal(fraction * 100, locale), locale);
}

QString paybackText(const BusinessCase &measures, const QLocale &locale)
{
    if (!measures.paybackMonths)
        return measures.initial > 0 && measures.paybackState == PaybackState::Never ? BusinessCaseText::tr("never")
                                                                                    : BusinessCaseText::tr("none");
    if (measures.paybackState == PaybackState::NotWithinPeriod) {
        const int years = measures.cashFlow.period();
        return BusinessCaseText::tr("not within %n year(s)", "", years);
    }
    return BusinessCaseText::tr("%1 months").arg(decimal(*measures.paybackMonths, locale));
}

QString npvText(const BusinessCase &measures, const QLocale &locale, QStringView symbol)
{
    return money(measures.npv, locale, symbol);
}

namespace {

// The payback lines. Why the outlay is never paid back: with level flows the
// savings do not exceed the upkeep; otherwise each year's net after its
// upkeep (and tax, where one is given) does not recover it.
QString simplePaybackLine(const BusinessCase &measures, const QLocale &locale)
{
    const CashFlowTable &table = measures.cashFlow;
    if (measures.paybackMonths && measures.paybackState == PaybackState::NotWithinPeriod) {
        // The pace beyond the period leaves out the depreciation's tax credit,
        // which ends with the write-off; say so where there was one.
        const bool withoutCredit = paceBeyondPeriod(table) != table.years.back().operatingNet();
        return (withoutCredit ? BusinessCaseText::tr("Simple payback: not within the %n year(s) evaluated (%1 months "
                                                     "at the last year's pace without its depreciation's tax credit)",
                                                     "", table.period())
                              : BusinessCaseText::tr("Simple payback: not within the %n year(s) evaluated (%1 months "
                                                     "at the last year's pace)",
                                                     "", table.period()))
            .arg(decimal(*measures.paybackMonths, locale));
    }
    if (measures.paybackMonths && measures.belowZeroAgainFrom)
        return BusinessCaseText::tr("Simple payback: %1, but the cumulative net is below zero again from year %2")
            .arg(paybackText(measures, locale), locale.toString(*measures.belowZeroAgainFrom));
    if (measures.paybackMonths)
        return BusinessCaseText::tr("Simple payback: %1").arg(paybackText(measures, locale));
    if (measures.initial == 0)
        return BusinessCaseText::tr("Simple payback: none, nothing is invested");
    if (!measures.capitalGiven)
        return BusinessCaseText::tr("Simple payback: none, the annual savings do not exceed the upkeep");
    return table.taxRatePercent != 0
               ? BusinessCaseText::tr("Simple payback: never, the annual nets after upkeep and tax do not recover "
                                      "the outlay")
               : BusinessCaseText::tr("Simple payback: never, the annual nets after upkeep do not recover the outlay");
}

QString discountedPaybackLine(const BusinessCase &measures, const QLocale &locale)
{
    if (const std::optional<double> &years = measures.discountedPaybackYears) {
        if (const std::optional<int> &again = measures.discountedBelowZeroAgainFrom)
            return BusinessCaseText::tr("Discounted payback: %1 years, but the discounted cumulative net is below "
                                        "zero again from year %2")
                .arg(decimal(*years, locale, 2), locale.toString(*again));
        return BusinessCaseText::tr("Discounted payback: %1 years").arg(decimal(*years, locale, 2));
    }
    if (measures.initial == 0)
        return BusinessCaseText::tr("Discounted payback: none, nothing is invested");
    const int period = measures.cashFlow.period();
    if (measures.discountedPaybackState == PaybackState::NotWithinPeriod)
        return BusinessCaseText::tr("Discounted payback: not within the %1 year(s)", "", period)
            .arg(locale.toString(period));
    if (!measures.capitalGiven)
        return BusinessCaseText::tr("Discounted payback: none, the annual savings do not exceed the upkeep");
    return measures.cashFlow.taxRatePercent != 0
               ? BusinessCaseText::tr("Discounted payback: never, the annual nets after upkeep and tax do not "
                                      "recover the outlay")
               : BusinessCaseText::tr("Discounted payback: never, the annual nets after upkeep do not recover the "
                                      "outlay");
}

} // namespace

bool meetsHurdle(const BusinessCase &measures, double hurdleRatePercent)
{
    if (measures.irr)
        return *measures.irr * 100 >= hurdleRatePercent;
    return npvAt(measures.cashFlow, hurdleRatePercent) >= 0;
}

QString hurdleLine(const BusinessCase &measures, double hurdleRatePercent, const QLocale &locale, QStringView symbol)
{
    const QString hurdle = percentageText(hurdleRatePercent, locale);
    const QString npv = money(npvAt(measures.cashFlow, hurdleRatePercent), locale, symbol);
    const bool meets = meetsHurdle(measures, hurdleRatePercent);
    if (measures.irr)
        return (meets ? BusinessCaseText::tr("Against the hurdle rate of %1: the internal rate of return of %2 meets "
                                             "it; the net present value at %1 is %3.")
                      : BusinessCaseText::tr("Against the hurdle rate of %1: the internal rate of return of %2 falls "
                                             "short of it; the net present value at %1 is %3."))
            .arg(hurdle, percentOf(*measures.irr, locale), npv);
    return (meets ? BusinessCaseText::tr("Against the hurdle rate of %1: no single rate of return, but the net present "
                                         "value at %1 is %2, so the case meets it.")
                  : BusinessCaseText::tr("Against the hurdle rate of %1: no single rate of return, and the net "
                                         "present value at %1 is %2, so the case falls short of it."))
        .arg(hurdle, npv);
}

QStringList measureLines(const BusinessCase &measures, const Investment &investment, const QLocale &locale,
                         QStringView symbol, const CapitalInputs &capital)
{
    const QString years = locale.toString(investment.years);
    QStringList lines;
    if (!capital.oneOffs.empty() && oneOffsAtStart(capital.oneOffs) != 0)
        lines << BusinessCaseText::tr("Initial outlay, with the one-off items at the start: %1")
                     .arg(money(measures.initial, locale, symbol));
    else if (capital.contingencyPercent != 0)
        lines << BusinessCaseText::tr("Initial investment (price, installation and %1 contingency): %2")
                     .arg(percentageText(capital.contingencyPercent, locale), money(measures.initial, locale, symbol));
    else
        lines << BusinessCaseText::tr("Initial investment (price and installation): %1")
                     .arg(money(measures.initial, locale, symbol));
    if (capital.accuracyBelowPercent || capital.accuracyAbovePercent) {
        const double below = capital.accuracyBelowPercent.value_or(0);
        const double above = capital.accuracyAbovePercent.value_or(0);
        lines << BusinessCaseText::tr("Estimate accuracy %1 / +%2: an outlay of %3 to %4")
                     .arg(withPercentSign(QStringLiteral("\u2212") + percentText(below, locale), locale),
                          percentageText(above, locale), money(measures.initial * (1 - below / 100), locale, symbol),
                          money(measures.initial * (1 + above / 100), locale, symbol));
    }
    if (investment.yearlyUpkeep != 0) {
        lines << BusinessCaseText::tr("Annual upkeep of the system: %1")
                     .arg(money(investment.yearlyUpkeep, locale, symbol))
              << (measures.capitalGiven ? BusinessCaseText::tr("Net of year 1, before tax: %1")
                                        : BusinessCaseText::tr("Annual savings after upkeep: %1"))
                     .arg(money(measures.yearlyNet, locale, symbol));
    }
    lines << simplePaybackLine(measures, locale);
    if (!measures.roi)
        lines << BusinessCaseText::tr("Return on investment over %1 year(s): none, nothing is invested", "",
                                      investment.years)
                     .arg(years);
    else if (measures.annualisedRoi)
        lines << BusinessCaseText::tr("Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)", "",
                                      investment.years)
                     .arg(years, percentOf(*measures.roi, locale), percentOf(*measures.annualisedRoi, locale));
    else
        lines << BusinessCaseText::tr("Return on investment, undiscounted, over %1 year(s): %2", "", investment.years)
                     .arg(years, percentOf(*measures.roi, locale));
    lines << BusinessCaseText::tr("Net present value at %1: %2")
                 .arg(percentageText(investment.discountRatePercent, locale), npvText(measures, locale, symbol));
    if (measures.profitabilityIndex)
        lines << BusinessCaseText::tr("Profitability index: %1").arg(decimal(*measures.profitabilityIndex, locale, 2));
    if (measures.irr)
        lines << BusinessCaseText::tr("Internal rate of return: %1").arg(percentOf(*measures.irr, locale));
    else if (measures.irrUnclear)
        // Two lines: the profile alone is as long as a page is wide.
        lines << BusinessCaseText::tr("Internal rate of return: none, the cash flows change sign more than once")
              << BusinessCaseText::tr("Net present value at other rates: %1")
                     .arg(npvProfileText(measures.cashFlow, locale, symbol));
    else
        lines << BusinessCaseText::tr("Internal rate of return: none, the cash flows never change sign");
    if (capital.hurdleRatePercent)
        lines << hurdleLine(measures, *capital.hurdleRatePercent, locale, symbol);
    lines << discountedPaybackLine(measures, locale);
    return lines;
}

QString hardSavingsLine(const BusinessCase &hard, const QLocale &locale, QStringView symbol)
{
    const CashFlowTable &table = hard.cashFlow;
    const double savings = table.years.size() > 1 ? table.years[1].savings : 0;
    const QString irr = hard.irr ? percentOf(*hard.irr, locale) : BusinessCaseText::tr("none");
    return BusinessCaseText::tr("On hard savings alone (%1 in year 1): net present value %2, internal rate of return "
                                "%3, simple payback %4")
        .arg(money(savings, locale, symbol), npvText(hard, locale, symbol), irr, paybackText(hard, locale));
}

BreakEven towardsTheCase(const BreakEven &breakEven)
{
    // A hair of tolerance, so that a figure already on the mark stays there.
    constexpr double kHair = 1e-9;
    BreakEven rounded = breakEven;
    if (rounded.systemPrice) // holds at that price and below
        rounded.systemPrice = std::floor(*rounded.systemPrice * 100 + kHair) / 100;
    if (rounded.reductionShare) // holds at that share and above
        rounded.reductionShare = std::ceil(*rounded.reductionShare * 1000 - kHair) / 1000;
    if (rounded.bearingFailures) // holds at that count and above
        rounded.bearingFailures = std::ceil(*rounded.bearingFailures * 10 - kHair) / 10;
    return rounded;
}

QStringList breakEvenLines(const BreakEven &exact, const QLocale &locale, QStringView symbol)
{
    const BreakEven breakEven = towardsTheCase(exact);
    QStringList lines;
    if (const std::optional<double> &price = breakEven.systemPrice)
        lines << (*price >= 0 ? BusinessCaseText::tr("Break-even system price: %1").arg(money(*price, locale, symbol))
                              : BusinessCaseText::tr("Break-even system price: none, even a free system has a "
                                                     "negative net present value"));
    if (const std::optional<double> &share = breakEven.reductionShare) {
        if (*share < 0)
            lines << BusinessCaseText::tr("The case holds even without any reduction.");
        else if (*share <= 1)
            lines << BusinessCaseText::tr("The case holds down to %1 of the assumed reductions.")
                         .arg(percentOf(*share, locale));
        else if (*share * breakEven.largestReductionPercent > 100)
            lines << BusinessCaseText::tr("The case needs %1 of the assumed reductions to break even, which no plant "
                                          "reaches: the largest reduction would be %2.")
                         .arg(percentOf(*share, locale),
                              percentOf(*share * breakEven.largestReductionPercent / 100, locale));
        else
            lines << BusinessCaseText::tr("The case needs %1 of the assumed reductions to break even.")
                         .arg(percentOf(*share, locale));
    }
    if (const std::optional<double> &failures = breakEven.bearingFailures)
        lines << (*failures >= 0
                      ? BusinessCaseText::tr("Break-even bearing failures: %1 a year").arg(decimal(*failures, locale))
                      : BusinessCaseText::tr(
                          "Break-even bearing failures: none, the case holds even without failures"));
    // At a tax rate of 100 % the savings are taxed away whatever they are.
    if (breakEven.systemPrice && !breakEven.reductionShare && !breakEven.bearingFailures)
        lines << BusinessCaseText::tr("No break-even reduction or failure count: the savings do not change the net "
                                      "present value.");
    return lines;
}

QString npvProfileText(const CashFlowTable &table, const QLocale &locale, QStringView symbol)
{
    QStringList points;
    for (const double rate : kNpvProfileRates)
        points << BusinessCaseText::tr("%1 at %2")
                      .arg(money(npvAt(table, rate), locale, symbol), percentageText(rate, locale));
    return listText(points);
}

QString scenarioName(Scenario scenario)
{
    switch (scenario) {
    case Scenario::Conservative:
        return BusinessCaseText::tr("Conservative");
    case Scenario::Assumed:
        return BusinessCaseText::tr("Assumed");
    case Scenario::Optimistic:
        return BusinessCaseText::tr("Optimistic");
    }
    return QString();
}

QString measuresNote(const Investment &investment, const QLocale &locale, const CapitalInputs &capital)
{
    const QString years = locale.toString(investment.years);
    const QString rate = percentageText(investment.discountRatePercent, locale);
    QString note;
    if (capital.flowRules() == CapitalInputs()) {
        note = BusinessCaseText::tr(
                   "How the measures are computed. The investment is the system's price plus its installation, paid "
                   "at the start; the annual net is the annual savings less the annual upkeep, received at the end "
                   "of each year over the %1 year(s) evaluated. Simple payback = investment \u00F7 (annual net "
                   "\u00F7 12) months. Return on investment = (savings \u00D7 years \u2212 upkeep \u00D7 years "
                   "\u2212 investment) \u00F7 investment. Net present value = \u2212investment + \u03A3 annual net "
                   "\u00F7 (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is "
                   "the rate at which the net present value is zero. Discounted payback is the time until the "
                   "discounted annual nets cover the investment. The conservative case halves every assumed "
                   "reduction; the optimistic case takes every reduction halfway to 100%.",
                   "", investment.years)
                   .arg(years, rate);
    } else {
        // The rules the capital inputs' flows were computed with, as the
        // cash-flow table and its columns apply them.
        const QString discounting =
            capital.timing == CashFlowTiming::MidYear
                ? BusinessCaseText::tr("each year's savings, upkeep and tax spread over the year and discounted by "
                                       "1 \u00F7 (1 + rate)^(t \u2212 \u00BD), the residual value at the period's "
                                       "end by 1 \u00F7 (1 + rate)^t")
                : BusinessCaseText::tr("each year's net received at the year's end and discounted by 1 \u00F7 (1 + "
                                       "rate)^t");
        note = BusinessCaseText::tr(
                   "How the measures are computed. The investment is the system's price plus its installation, paid "
                   "at the start. Each year's net is that year's savings less its upkeep and tax, and in the last "
                   "of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. "
                   "Simple payback is the months until the cumulative net reaches zero, in proportion within the "
                   "year that reaches it, and beyond the period at the last year's pace without its "
                   "depreciation's tax credit. Return on investment = (\u03A3 savings \u2212 \u03A3 upkeep "
                   "\u2212 \u03A3 tax + residual value after tax \u2212 investment) \u00F7 investment. Net "
                   "present value = \u2212investment + \u03A3 of the nets at a discount rate of %2, %3. The "
                   "internal rate of return is the rate at which the net present value is zero. Discounted "
                   "payback is the time until the discounted nets cover the investment. The conservative case "
                   "halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.",
                   "", investment.years)
                   .arg(years, rate, discounting);
    }
    QStringList sentences{note};
    if (capital.contingencyPercent != 0)
        sentences << BusinessCaseText::tr("The investment includes a contingency of %1 on the price and installation.")
                         .arg(percentageText(capital.contingencyPercent, locale));
    sentences << BusinessCaseText::tr("The profitability index is the net present value \u00F7 investment + 1; "
                                      "the annual return is the one that, compounded over the years, gives the "
                                      "return on investment.");
    note = sentencesText(sentences);
    // The formulas' own figures (12, 1, 100%) in the same digits as the rest.
    return regionalDigits(note, locale);
}

} // namespace model
