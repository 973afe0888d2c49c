// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/business_case_text.h"

#include "model/costs/cost_rows.h"
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

// A figure with one decimal, grouped, or "—" for one too large to write.
QString decimal(double value, const QLocale &locale, int decimals = 1)
{
    return std::isfinite(value) ? locale.toString(value, 'f', decimals) : QStringLiteral("\u2014");
}

QString money(double value, const QLocale &locale, QStringView symbol)
{
    const QString text = currencyText(value, locale, symbol);
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
        return BusinessCaseText::tr("none");
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

QStringList measureLines(const BusinessCase &measures, const Investment &investment, const QLocale &locale,
                         QStringView symbol)
{
    const QString years = locale.toString(investment.years);
    QStringList lines;
    lines << BusinessCaseText::tr("Initial investment (price and installation): %1")
                 .arg(money(measures.initial, locale, symbol));
    if (investment.yearlyUpkeep != 0) {
        lines << BusinessCaseText::tr("Yearly upkeep of the system: %1")
                     .arg(money(investment.yearlyUpkeep, locale, symbol))
              << BusinessCaseText::tr("Yearly savings after upkeep: %1").arg(money(measures.yearlyNet, locale, symbol));
    }
    if (measures.paybackMonths && measures.paybackState == PaybackState::NotWithinPeriod)
        lines << BusinessCaseText::tr("Simple payback: not within the %n year(s) evaluated (%1 months at the last "
                                      "year's pace)",
                                      "", investment.years)
                     .arg(decimal(*measures.paybackMonths, locale));
    else
        lines << (measures.paybackMonths ? BusinessCaseText::tr("Simple payback: %1").arg(paybackText(measures, locale))
                  : measures.initial == 0
                      ? BusinessCaseText::tr("Simple payback: none, nothing is invested")
                      : BusinessCaseText::tr("Simple payback: none, the yearly savings do not exceed the upkeep"));
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
        lines << BusinessCaseText::tr("Internal rate of return: none, the cash flows change sign more than once; "
                                      "the net present value at other rates: %1")
                     .arg(npvProfileText(measures.cashFlow, locale, symbol));
    else
        lines << BusinessCaseText::tr("Internal rate of return: none, the cash flows never change sign");
    lines << (measures.discountedPaybackYears ? BusinessCaseText::tr("Discounted payback: %1 years")
                                                    .arg(decimal(*measures.discountedPaybackYears, locale, 2))
              : measures.initial == 0
                  ? BusinessCaseText::tr("Discounted payback: none, nothing is invested")
                  : BusinessCaseText::tr("Discounted payback: not within the %1 year(s)", "", investment.years)
                        .arg(years));
    return lines;
}

QStringList breakEvenLines(const BreakEven &breakEven, const QLocale &locale, QStringView symbol)
{
    QStringList lines;
    if (const std::optional<double> &price = breakEven.systemPrice)
        lines << (*price >= 0 ? BusinessCaseText::tr("Break-even system price: %1").arg(money(*price, locale, symbol))
                              : BusinessCaseText::tr("Break-even system price: none, even a free system does not pay "
                                                     "back within the period"));
    if (const std::optional<double> &share = breakEven.reductionShare) {
        if (*share < 0)
            lines << BusinessCaseText::tr("The case holds even without any reduction.");
        else if (*share <= 1)
            lines << BusinessCaseText::tr("The case holds down to %1 of the assumed reductions.")
                         .arg(percentOf(*share, locale));
        else
            lines << BusinessCaseText::tr("The case needs %1 of the assumed reductions to break even.")
                         .arg(percentOf(*share, locale));
    }
    if (const std::optional<double> &failures = breakEven.bearingFailures)
        lines << (*failures >= 0
                      ? BusinessCaseText::tr("Break-even bearing failures: %1 a year").arg(decimal(*failures, locale))
                      : BusinessCaseText::tr(
                          "Break-even bearing failures: none, the case holds even without failures"));
    return lines;
}

QString npvProfileText(const CashFlowTable &table, const QLocale &locale, QStringView symbol)
{
    QStringList points;
    for (const double rate : kNpvProfileRates)
        points << BusinessCaseText::tr("%1 at %2")
                      .arg(money(npvAt(table, rate), locale, symbol), percentageText(rate, locale));
    return points.join(QStringLiteral(", "));
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

QString measuresNote(const Investment &investment, const QLocale &locale, bool capitalInputs)
{
    QString note =
        BusinessCaseText::tr(
            "How the measures are computed. The investment is the system's price plus its installation, paid "
            "at the start; the yearly net is the annual savings less the yearly upkeep, received at the end "
            "of each year over the %1 year(s) evaluated. Simple payback = investment \u00F7 (yearly net \u00F7 12) "
            "months. Return on investment = (savings \u00D7 years \u2212 upkeep \u00D7 years \u2212 investment) "
            "\u00F7 investment. Net present value = \u2212investment + \u03A3 yearly net \u00F7 (1 + rate)^t for "
            "t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net "
            "present value is zero. Discounted payback is the time until the discounted yearly nets cover "
            "the investment. The conservative case halves every assumed reduction; the optimistic case "
            "takes every reduction halfway to 100%.",
            "", investment.years)
            .arg(locale.toString(investment.years))
            .arg(percentageText(investment.discountRatePercent, locale));
    note += u' '
            + BusinessCaseText::tr("The profitability index is the net present value \u00F7 investment + 1; "
                                   "the annual return is the one that, compounded over the years, gives the "
                                   "return on investment.");
    if (capitalInputs)
        note += u' '
                + BusinessCaseText::tr("With the escalation, tax, residual value, first-year share or timing stated "
                                       "above, each year's net is that year's savings less its upkeep and tax (and "
                                       "in the last year plus the residual value after tax), as the cash-flow table "
                                       "shows, and every measure is taken from those nets.");
    // The formulas' own figures (12, 1, 100%) in the same digits as the rest.
    return regionalDigits(note, locale);
}

} // namespace model
