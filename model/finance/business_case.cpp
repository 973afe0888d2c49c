// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/business_case.h"

#include "model/costs/results.h"
#include "model/finance/capital_inputs.h"
#include "model/finance/cash_flow.h"
#include "model/text/message_text.h"
#include "model/text/money_text.h"
#include "model/text/numeric_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace model {
namespace {

bool allFinite(const BusinessCase &measures)
{
    const auto finite = [](const std::optional<double> &value) { return !value || std::isfinite(*value); };
    return std::isfinite(measures.initial) && std::isfinite(measures.yearlyNet) && std::isfinite(measures.npv)
           && finite(measures.paybackMonths) && finite(measures.roi) && finite(measures.irr)
           && finite(measures.discountedPaybackYears) && finite(measures.annualisedRoi)
           && finite(measures.profitabilityIndex)
           && std::all_of(measures.cumulativeCashFlow.begin(), measures.cumulativeCashFlow.end(),
                          [](double value) { return std::isfinite(value); });
}

CostTable savingsTableOf(const InputValues &values, const Assumptions &assumptions, bool *computed)
{
    const Results results = computeResults(values, assumptions);
    *computed = results.complete();
    return results.table(Table::Savings);
}

// The savings with a figure or a reduction moved by factor.
CostTable movedSavingsTable(const InputValues &values, const Assumptions &assumptions, const SensitivityBar &bar,
                            double factor, bool *computed)
{
    if (!bar.isReduction) {
        InputValues moved = values;
        moved[std::size_t(bar.index)] = values[std::size_t(bar.index)] * factor;
        return savingsTableOf(moved, assumptions, computed);
    }
    Assumptions moved = assumptions;
    double &reduction = moved.reductionPercent[std::size_t(bar.index - 1)];
    reduction = std::clamp(reduction * factor, kMinReductionPercent, kMaxReductionPercent);
    return savingsTableOf(values, moved, computed);
}

// The NPV with one input of a bar moved by a factor. An input of the
// investment leaves the cost tables as they are: only the cash flows are
// computed again, from the savings table of the unmoved figures.
class NpvMover {
public:
    NpvMover(const InputValues &values, const Assumptions &assumptions, const Investment &investment,
             const CapitalInputs &capital)
        : m_values(values), m_assumptions(assumptions), m_investment(investment), m_capital(capital),
          m_savings(savingsTableOf(values, assumptions, &m_computed))
    {
    }

    // The input's value, or none when the bar moves a figure or a reduction.
    std::optional<double> valueOf(InvestmentInput input) const
    {
        Investment investment = m_investment;
        CapitalInputs capital = m_capital;
        if (const Slot slot = slotOf(input, investment, capital); slot.value)
            return *slot.value;
        return std::nullopt;
    }

    // None when the moved case does not compute or its NPV is no figure.
    std::optional<double> npvAt(const SensitivityBar &bar, double factor) const
    {
        double npv = 0;
        if (bar.input == InvestmentInput::None) {
            bool computed = false;
            const CostTable savings = movedSavingsTable(m_values, m_assumptions, bar, factor, &computed);
            if (!computed)
                return std::nullopt;
            npv = cashFlowTableOf(savings, m_investment, m_capital).npv();
        } else {
            if (!m_computed)
                return std::nullopt;
            Investment investment = m_investment;
            CapitalInputs capital = m_capital;
            const Slot slot = slotOf(bar.input, investment, capital);
            *slot.value = std::clamp(*slot.value * factor, slot.lo, slot.hi);
            npv = cashFlowTableOf(m_savings, investment, capital).npv();
        }
        return std::isfinite(npv) ? std::optional(npv) : std::nullopt;
    }

private:
    // Where an input is held and the range it is read in, which a move
    // keeps to: a rate of −99 % lowered by a fifth would pass −100 %, where
    // the discounted flows make no sense, and a tax rate stays a share.
    struct Slot {
        double *value = nullptr;
        double lo = 0;
        double hi = 0;
    };
    static Slot slotOf(InvestmentInput input, Investment &investment, CapitalInputs &capital)
    {
        constexpr double money = std::numeric_limits<double>::max();
        switch (input) {
        case InvestmentInput::None:
            break;
        case InvestmentInput::SystemPrice:
            return {&investment.systemPrice, 0, money};
        case InvestmentInput::InstallationCost:
            return {&investment.installationCost, 0, money};
        case InvestmentInput::YearlyUpkeep:
            return {&investment.yearlyUpkeep, 0, money};
        case InvestmentInput::DiscountRate:
            return {&investment.discountRatePercent, kMinDiscountRatePercent, kMaxDiscountRatePercent};
        case InvestmentInput::LabourEscalation:
            return {&capital.labourEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent};
        case InvestmentInput::LubricantEscalation:
            return {&capital.lubricantEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent};
        case InvestmentInput::BearingEscalation:
            return {&capital.bearingEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent};
        case InvestmentInput::ProductionValueEscalation:
            return {&capital.productionValueEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent};
        case InvestmentInput::UpkeepEscalation:
            return {&capital.upkeepEscalationPercent, kMinEscalationPercent, kMaxEscalationPercent};
        case InvestmentInput::TaxRate:
            return {&capital.taxRatePercent, 0, 100};
        }
        return {};
    }

    const InputValues &m_values;
    const Assumptions &m_assumptions;
    const Investment &m_investment;
    const CapitalInputs &m_capital;
    bool m_computed = false;
    CostTable m_savings;
};

void sortByEffect(std::vector<SensitivityBar> &bars)
{
    std::stable_sort(bars.begin(), bars.end(),
                     [](const SensitivityBar &a, const SensitivityBar &b) { return a.effect() > b.effect(); });
}

} // namespace

// Rounding rather than refusing more decimals keeps the files and texts read
// before (a price of 1234.567) readable, and the sum computed with is then the
// one every output shows.
MoneyReading readInvestmentMoney(const QString &text, const QLocale &locale, double &value)
{
    if (text.trimmed().isEmpty()) {
        value = 0;
        return MoneyReading::Read;
    }
    const std::optional<double> figure = readFigure(text, locale);
    if (!figure || !(*figure >= 0) || !std::isfinite(*figure))
        return MoneyReading::NoSum;
    if (*figure > kMaxInvestmentMoney)
        return MoneyReading::TooLarge;
    value = roundedToCents(*figure);
    return MoneyReading::Read;
}

QString readingProblemText(const char *field, const QString &text, const QString &why)
{
    return QCoreApplication::translate("BusinessCase", "The %1 %2 %3.")
        .arg(QCoreApplication::translate("BusinessCase", field), quotedForMessage(text), why);
}

InvestmentReading readInvestment(const InvestmentTexts &texts, const QLocale &locale)
{
    InvestmentReading reading;
    Investment investment;
    const auto problem = [&](InvestmentField field, const char *what, const QString &text, const QString &why) {
        reading.problemField = field;
        reading.problem = readingProblemText(what, text, why);
        return reading;
    };
    const auto why = [](const char *reason) { return QCoreApplication::translate("BusinessCase", reason); };
    const struct {
        InvestmentField field;
        const char *what;
        const QString &text;
        double &value;
    } sums[] = {
        {InvestmentField::SystemPrice, QT_TRANSLATE_NOOP("BusinessCase", "installed system price"), texts.systemPrice,
         investment.systemPrice},
        {InvestmentField::InstallationCost, QT_TRANSLATE_NOOP("BusinessCase", "installation cost"),
         texts.installationCost, investment.installationCost},
        {InvestmentField::YearlyUpkeep, QT_TRANSLATE_NOOP("BusinessCase", "annual upkeep"), texts.yearlyUpkeep,
         investment.yearlyUpkeep},
    };
    for (const auto &sum : sums) {
        switch (readInvestmentMoney(sum.text, locale, sum.value)) {
        case MoneyReading::Read:
            break;
        case MoneyReading::NoSum:
            return problem(sum.field, sum.what, sum.text,
                           why(QT_TRANSLATE_NOOP("BusinessCase", "is not a sum of money")));
        case MoneyReading::TooLarge:
            return problem(sum.field, sum.what, sum.text,
                           why(QT_TRANSLATE_NOOP("BusinessCase", "is more than %1"))
                               .arg(locale.toString(kMaxInvestmentMoney, 'f', 0)));
        }
    }
    if (!texts.years.trimmed().isEmpty()) {
        const std::optional<double> years = readFigure(texts.years, locale);
        if (!years || !(*years >= 1 && *years <= kMaxYears) || *years != std::floor(*years))
            return problem(InvestmentField::Years, QT_TRANSLATE_NOOP("BusinessCase", "evaluation period"), texts.years,
                           why(QT_TRANSLATE_NOOP("BusinessCase", "is not a whole number of years from 1 to 50")));
        investment.years = int(*years);
    }
    if (!texts.discountRate.trimmed().isEmpty()) {
        const std::optional<double> rate = readFigure(texts.discountRate, locale);
        if (!rate || !(*rate >= kMinDiscountRatePercent && *rate <= kMaxDiscountRatePercent))
            return problem(
                InvestmentField::DiscountRate, QT_TRANSLATE_NOOP("BusinessCase", "discount rate"), texts.discountRate,
                why(QT_TRANSLATE_NOOP("BusinessCase", "is not a percentage from %1 to %2"))
                    .arg(locale.toString(kMinDiscountRatePercent), locale.toString(kMaxDiscountRatePercent)));
        investment.discountRatePercent = *rate;
    }
    if (!texts.systemPrice.trimmed().isEmpty())
        reading.investment = investment;
    else if (investment.installationCost != 0 || investment.yearlyUpkeep != 0)
        reading.unpriced = investment;
    return reading;
}

QString priceNeededText()
{
    return QCoreApplication::translate("BusinessCase",
                                       "An installed system price is needed: without it the installation cost and "
                                       "the annual upkeep are not evaluated.");
}

BusinessCase businessCaseOf(const CostTable &savings, const Investment &investment, const CapitalInputs &capital)
{
    BusinessCase result;
    result.cashFlow = cashFlowTableOf(savings, investment, capital);
    const CashFlowTable &table = result.cashFlow;
    const CashFlowMeasures measures = measuresOf(table);
    result.initial = table.initial;
    result.yearlyNet = table.years[1].savings - table.years[1].upkeep;
    if (measures.simplePayback) {
        result.paybackMonths = measures.simplePayback->time;
        result.paybackState = measures.simplePayback->state;
    }
    result.roi = measures.roi;
    result.annualisedRoi = measures.annualisedRoi;
    result.profitabilityIndex = measures.profitabilityIndex;
    result.npv = measures.npv;
    result.irr = measures.irr;
    result.irrUnclear = measures.irrUnclear;
    if (measures.discountedPayback) {
        result.discountedPaybackYears = measures.discountedPayback->time;
        result.discountedPaybackState = measures.discountedPayback->state;
    }
    // Paid back in the first year whose running payback is set; below zero
    // again in the first year after it whose cumulative is.
    const auto belowZeroAgain = [&](std::optional<double> CashFlowYear::*paidBack,
                                    double CashFlowYear::*cumulative) -> std::optional<int> {
        const auto paid = std::find_if(table.years.begin(), table.years.end(),
                                       [&](const CashFlowYear &year) { return (year.*paidBack).has_value(); });
        const auto again =
            std::find_if(paid, table.years.end(), [&](const CashFlowYear &year) { return year.*cumulative < 0; });
        return again == table.years.end() ? std::nullopt : std::optional(again->year);
    };
    if (result.paybackState == PaybackState::Within)
        result.belowZeroAgainFrom = belowZeroAgain(&CashFlowYear::paidBackMonths, &CashFlowYear::cumulative);
    if (result.discountedPaybackState == PaybackState::Within)
        result.discountedBelowZeroAgainFrom =
            belowZeroAgain(&CashFlowYear::paidBackYears, &CashFlowYear::cumulativeDiscounted);
    result.capitalGiven = capital.flowRules() != CapitalInputs();
    result.cumulativeCashFlow.reserve(table.years.size());
    for (const CashFlowYear &year : table.years)
        result.cumulativeCashFlow.push_back(year.cumulative);
    if (!allFinite(result))
        result.fault = ArithmeticFault::Overflow;
    return result;
}

BusinessCase businessCaseOf(double annualSavings, const Investment &investment)
{
    CostTable savings;
    savings.row(kRowCount) = annualSavings;
    return businessCaseOf(savings, investment);
}

std::vector<SensitivityBar> sensitivityOf(const InputValues &values, const Assumptions &assumptions, double stepPercent)
{
    std::vector<SensitivityBar> bars;
    bars.reserve(kInputCount + kReducedRowCount);
    const auto add = [&](SensitivityBar bar) {
        bool lowComputed = false;
        bool highComputed = false;
        bar.low = movedSavingsTable(values, assumptions, bar, 1 - stepPercent / 100, &lowComputed).row(kRowCount);
        bar.high = movedSavingsTable(values, assumptions, bar, 1 + stepPercent / 100, &highComputed).row(kRowCount);
        if (lowComputed && highComputed)
            bars.push_back(bar);
    };
    for (int i = 0; i < kInputCount; ++i)
        add({false, i});
    for (int k = 1; k <= kReducedRowCount; ++k)
        add({true, k});
    sortByEffect(bars);
    return bars;
}

std::vector<SensitivityBar> npvSensitivityOf(const InputValues &values, const Assumptions &assumptions,
                                             const Investment &investment, const CapitalInputs &capital,
                                             double stepPercent)
{
    const NpvMover mover(values, assumptions, investment, capital);
    std::vector<SensitivityBar> bars;
    bars.reserve(kInputCount + kReducedRowCount + kInvestmentInputCount);
    const auto add = [&](SensitivityBar bar) {
        const std::optional<double> low = mover.npvAt(bar, 1 - stepPercent / 100);
        const std::optional<double> high = mover.npvAt(bar, 1 + stepPercent / 100);
        if (low && high) {
            bar.low = *low;
            bar.high = *high;
            bars.push_back(bar);
        }
    };
    for (int i = 0; i < kInputCount; ++i)
        add({false, i});
    for (int k = 1; k <= kReducedRowCount; ++k)
        add({true, k});
    for (int n = 1; n <= kInvestmentInputCount; ++n) {
        SensitivityBar bar;
        bar.input = InvestmentInput(n);
        if (mover.valueOf(bar.input) != 0.0)
            add(bar);
    }
    sortByEffect(bars);
    return bars;
}

std::vector<SpiderLine> npvSpiderOf(const InputValues &values, const Assumptions &assumptions,
                                    const Investment &investment, const CapitalInputs &capital,
                                    const std::vector<SensitivityBar> &npvBars)
{
    const NpvMover mover(values, assumptions, investment, capital);
    std::vector<SpiderLine> lines;
    for (const SensitivityBar &bar : npvBars) {
        if (int(lines.size()) == kSpiderLineCount)
            break;
        SpiderLine line{bar};
        bool computed = true;
        for (std::size_t p = 0; p < kSpiderStepsPercent.size() && computed; ++p) {
            const std::optional<double> npv = mover.npvAt(bar, 1 + kSpiderStepsPercent[p] / 100);
            computed = npv.has_value();
            line.npv[p] = npv.value_or(0);
        }
        if (computed)
            lines.push_back(line);
    }
    return lines;
}

Assumptions scenarioAssumptions(Scenario scenario, const Assumptions &assumed)
{
    Assumptions result = assumed;
    for (double &reduction : result.reductionPercent) {
        if (scenario == Scenario::Conservative)
            reduction = reduction / 2;
        else if (scenario == Scenario::Optimistic)
            reduction = reduction + (100 - reduction) / 2;
    }
    return result;
}

BusinessCaseStudy studyOf(const InputValues &values, const Assumptions &assumptions,
                          const std::optional<Investment> &given, double stepPercent, const CapitalInputs &capital)
{
    const Investment investment = given.value_or(Investment());
    BusinessCaseStudy study;
    study.investment = investment;
    study.capital = capital;
    study.stepPercent = stepPercent;
    for (int c = 0; c < kScenarioCount; ++c) {
        CaseSummary &summary = study.cases[std::size_t(c)];
        summary.scenario = Scenario(c);
        summary.assumptions = scenarioAssumptions(summary.scenario, assumptions);
        const CostTable savings = savingsTableOf(values, summary.assumptions, &summary.computed);
        summary.annualSavings = savings.row(kRowCount);
        if (summary.computed)
            summary.measures = businessCaseOf(savings, investment, capital);
    }
    for (const CaseSummary &summary : study.cases) {
        if (summary.computed && summary.measures.fault && !study.fault)
            study.fault = summary.measures.fault;
    }
    const CaseSummary &assumed = study.cases[std::size_t(Scenario::Assumed)];
    study.annualSavings = assumed.annualSavings;
    study.measures = assumed.measures;
    study.sensitivity = sensitivityOf(values, assumptions, stepPercent);
    if (assumed.computed && !assumed.measures.fault)
        study.breakEven = breakEvenOf(values, assumptions, investment, capital);
    if (given && assumed.computed && !assumed.measures.fault) {
        study.npvSensitivity = npvSensitivityOf(values, assumptions, investment, capital, stepPercent);
        study.npvSpider = npvSpiderOf(values, assumptions, investment, capital, study.npvSensitivity);
    }
    return study;
}

} // namespace model
