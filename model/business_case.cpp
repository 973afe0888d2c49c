// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/business_case.h"

#include "model/cash_flow.h"
#include "model/message_text.h"
#include "model/money_text.h"
#include "model/numeric_text.h"
#include "model/results.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace model {
namespace {

// A money text of the investment: empty is zero, otherwise a figure from 0
// to kMaxInvestmentMoney, rounded to the cent. Rounding rather than refusing
// more decimals keeps the files and texts read before (a price of 1234.567)
// readable, and the sum computed with is then the one every output shows.
enum class MoneyReading { Read, NoSum, TooLarge };
MoneyReading readMoney(const QString &text, const QLocale &locale, double &value)
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

double savingsOf(const InputValues &values, const Assumptions &assumptions, bool *computed)
{
    return savingsTableOf(values, assumptions, computed).row(kRowCount);
}

} // namespace

InvestmentReading readInvestment(const InvestmentTexts &texts, const QLocale &locale)
{
    InvestmentReading reading;
    Investment investment;
    const auto problem = [&](InvestmentField field, const char *what, const QString &text, const QString &why) {
        reading.problemField = field;
        reading.problem = QCoreApplication::translate("BusinessCase", "The %1 %2 %3.")
                              .arg(QCoreApplication::translate("BusinessCase", what), quotedForMessage(text), why);
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
        {InvestmentField::YearlyUpkeep, QT_TRANSLATE_NOOP("BusinessCase", "yearly upkeep"), texts.yearlyUpkeep,
         investment.yearlyUpkeep},
    };
    for (const auto &sum : sums) {
        switch (readMoney(sum.text, locale, sum.value)) {
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
                                       "the yearly upkeep are not evaluated.");
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
    const double down = 1 - stepPercent / 100;
    const double up = 1 + stepPercent / 100;
    std::vector<SensitivityBar> bars;
    bars.reserve(kInputCount + kReducedRowCount);
    for (int i = 0; i < kInputCount; ++i) {
        SensitivityBar bar{false, i};
        InputValues moved = values;
        bool lowComputed = false;
        bool highComputed = false;
        moved[std::size_t(i)] = values[std::size_t(i)] * down;
        bar.low = savingsOf(moved, assumptions, &lowComputed);
        moved[std::size_t(i)] = values[std::size_t(i)] * up;
        bar.high = savingsOf(moved, assumptions, &highComputed);
        if (lowComputed && highComputed)
            bars.push_back(bar);
    }
    for (int k = 1; k <= kReducedRowCount; ++k) {
        SensitivityBar bar{true, k};
        Assumptions moved = assumptions;
        double &reduction = moved.reductionPercent[std::size_t(k - 1)];
        const double assumed = reduction;
        bool lowComputed = false;
        bool highComputed = false;
        reduction = std::clamp(assumed * down, kMinReductionPercent, kMaxReductionPercent);
        bar.low = savingsOf(values, moved, &lowComputed);
        reduction = std::clamp(assumed * up, kMinReductionPercent, kMaxReductionPercent);
        bar.high = savingsOf(values, moved, &highComputed);
        if (lowComputed && highComputed)
            bars.push_back(bar);
    }
    std::stable_sort(bars.begin(), bars.end(),
                     [](const SensitivityBar &a, const SensitivityBar &b) { return a.effect() > b.effect(); });
    return bars;
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

BusinessCaseStudy studyOf(const InputValues &values, const Assumptions &assumptions, const Investment &investment,
                          double stepPercent, const CapitalInputs &capital)
{
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
    return study;
}

} // namespace model
