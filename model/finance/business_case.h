// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/cost_tables.h"
#include "model/costs/input_table.h"
#include "model/finance/cash_flow.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace model {

// The investment in a system as the user typed it; every text may be empty.
struct InvestmentTexts {
    QString systemPrice;      // the installed system's price
    QString installationCost; // installing it, once
    QString yearlyUpkeep;     // keeping it running, each year
    QString years;            // the evaluation period; empty: 5
    QString discountRate;     // in per cent a year; empty: 10

    bool isEmpty() const { return *this == InvestmentTexts(); }
    friend bool operator==(const InvestmentTexts &, const InvestmentTexts &) = default;
};

inline constexpr int kMaxYears = 50;
// The discount rates accepted, in per cent. Below −99 % the discount factor
// of fifty years, (1 + rate)^−50, would pass 10^100 and soon overflow; no
// business case is evaluated at such a rate.
inline constexpr double kMinDiscountRatePercent = -99;
inline constexpr double kMaxDiscountRatePercent = 1000;
// No plant pays more than this for a price, an installation or a year's
// upkeep. With the years and rates above, every measure of an investment
// within it stays below 10^115 for annual savings up to 10^14; larger
// savings may overflow, which BusinessCase::fault reports.
inline constexpr double kMaxInvestmentMoney = 1e12;

// The investment read in the regional settings, or nothing when no price is
// given (the measures are shown only then). Money is read to the cent: a
// figure is rounded to the cent as its currency text rounds it, so that
// what is computed with is the sum the report shows (0.001 is nothing
// invested, not an ROI of billions of per cent). A text that is no number,
// below zero, or out of range (money up to 10^12, years 1 to 50, a rate
// from −99 % to 1,000 %) gives a problem naming it instead.
enum class InvestmentField { SystemPrice, InstallationCost, YearlyUpkeep, Years, DiscountRate };
inline constexpr int kInvestmentFieldCount = 5;
struct InvestmentReading {
    std::optional<Investment> investment;
    QString problem; // one sentence, empty when the texts are fine
    std::optional<InvestmentField> problemField;
    // An installation cost or a yearly upkeep given without a price: read,
    // but not evaluated; the dialogs and the report say a price is needed.
    std::optional<Investment> unpriced;
};
InvestmentReading readInvestment(const InvestmentTexts &texts, const QLocale &locale);

// A money text of an investment as readInvestment() reads its sums: empty is
// zero, otherwise a figure from 0 to kMaxInvestmentMoney, rounded to the cent.
enum class MoneyReading { Read, NoSum, TooLarge };
MoneyReading readInvestmentMoney(const QString &text, const QLocale &locale, double &value);

// The sentence a text of the investment that does not read gives: "The
// <field> “<text>” <why>.", the field's name untranslated (a
// QT_TRANSLATE_NOOP in "BusinessCase"), the reason translated.
QString readingProblemText(const char *field, const QString &text, const QString &why);

// What the user is told when an installation or upkeep is given without a price.
QString priceNeededText();

// How an investment pays back, every measure taken from its cash-flow table
// (model/cash_flow.h), where each is defined once; the report's note states
// the same formulas. With the capital inputs at their defaults (no tax, no
// escalation, year ends) the flows are level and the measures come to the
// closed forms written beside them.
struct BusinessCase {
    double initial = 0;   // price + installation
    double yearlyNet = 0; // year 1's savings − upkeep; with level flows every year's
    // The simple payback's months (initial ÷ (net ÷ 12) with level flows),
    // also when not within the period; none when it never pays back or
    // nothing is invested.
    std::optional<double> paybackMonths;
    PaybackState paybackState = PaybackState::Never;
    // (savings − upkeep − tax + residual after tax − initial) ÷ initial, over
    // the period and undiscounted (pre-tax and level: savings × years −
    // upkeep × years − initial, over initial); none when nothing is invested.
    std::optional<double> roi;
    std::optional<double> annualisedRoi;      // (1 + roi)^(1 ÷ years) − 1
    std::optional<double> profitabilityIndex; // npv ÷ initial + 1
    // The table's discounted nets summed; with level flows at year ends
    // −initial + Σ yearly net ÷ (1 + rate)^t over t = 1 to years.
    double npv = 0;
    // The rate at which it is zero; none when the cash flows never
    // change sign, or when they change sign more than once (irrUnclear).
    std::optional<double> irr;
    bool irrUnclear = false;
    // When the discounted cash flow first covers the initial outlay,
    // between year ends in proportion; none when not within the period or
    // nothing is invested.
    std::optional<double> discountedPaybackYears;
    PaybackState discountedPaybackState = PaybackState::Never;
    // The first year after a payback within the period whose cumulative net
    // (undiscounted or discounted) is below zero again, as when an upkeep
    // outgrows the savings; none while it stays paid back.
    std::optional<int> belowZeroAgainFrom;
    std::optional<int> discountedBelowZeroAgainFrom;
    // Some capital input is given: the flows need not be level, and year 1's
    // net is not every year's.
    bool capitalGiven = false;
    // Undiscounted, at the end of years 0 to years (the table's cumulative
    // column; with level flows −initial + t × net).
    std::vector<double> cumulativeCashFlow;
    CashFlowTable cashFlow;
    // Set when a measure is not a finite figure (savings so large that a
    // discounted or summed flow overflows): no output shows these measures.
    std::optional<ArithmeticFault> fault;
};
// The savings are a model::Results savings table (rows 1 to 5 for the
// escalations, row 6 their total).
BusinessCase businessCaseOf(const CostTable &savings, const Investment &investment, const CapitalInputs &capital = {});
// A flat-price, pre-tax case saving annualSavings a year.
BusinessCase businessCaseOf(double annualSavings, const Investment &investment);

// The inputs of the investment and the capital request that the NPV's
// sensitivity moves besides the figures and reductions.
enum class InvestmentInput {
    None, // the bar moves a figure or a reduction
    SystemPrice,
    InstallationCost,
    YearlyUpkeep,
    DiscountRate,
    LabourEscalation,
    LubricantEscalation,
    BearingEscalation,
    ProductionValueEscalation,
    UpkeepEscalation,
    TaxRate,
};
inline constexpr int kInvestmentInputCount = 10;

// The annual savings (or the NPV) when one of the twelve figures or five
// reductions, or an input of the investment, is moved down and up by a step
// (in per cent of its value; a reduction stays within 0 to 100 %, a rate
// within the range it is read in).
struct SensitivityBar {
    bool isReduction = false;
    int index = 0;   // figure 0 to 11, or row 1 to 5 of a reduction
    double low = 0;  // savings with the value lowered by the step
    double high = 0; // with it raised
    InvestmentInput input = InvestmentInput::None;
    double effect() const { return high > low ? high - low : low - high; }
};
// The bars sorted by effect, largest first (ties in figure, then row order);
// a move whose arithmetic overflows is left out.
std::vector<SensitivityBar> sensitivityOf(const InputValues &values, const Assumptions &assumptions,
                                          double stepPercent);

// The NPV's bars: the figures and reductions as above, then the price, the
// installation, the upkeep, the discount rate, the five escalations and the
// tax rate, each moved by the step in per cent of its value like every other
// bar, so that "±20 %" means the same on each. An input at zero gives no
// bar: a share of nothing moves nothing, and an empty bar would read as an
// input that does not matter (an escalation or tax rate of 0 % is not moved
// by percentage points). Sorted and left out as sensitivityOf() does.
std::vector<SensitivityBar> npvSensitivityOf(const InputValues &values, const Assumptions &assumptions,
                                             const Investment &investment, const CapitalInputs &capital,
                                             double stepPercent);

// The NPV with the inputs of the strongest NPV bars moved by −30 % to +30 %
// of their value (the same moves and limits as the bars'), one line each.
inline constexpr std::array<double, 7> kSpiderStepsPercent{-30, -20, -10, 0, 10, 20, 30};
inline constexpr int kSpiderLineCount = 5;
struct SpiderLine {
    SensitivityBar bar; // the input, as its NPV bar moves it
    std::array<double, kSpiderStepsPercent.size()> npv{};
};
// Lines for the first kSpiderLineCount of npvBars (sorted as
// npvSensitivityOf() gives them) whose every move computes.
std::vector<SpiderLine> npvSpiderOf(const InputValues &values, const Assumptions &assumptions,
                                    const Investment &investment, const CapitalInputs &capital,
                                    const std::vector<SensitivityBar> &npvBars);

// The assumed case and two beside it: every reduction at half its assumed
// value, and every reduction halfway to 100 %.
enum class Scenario { Conservative, Assumed, Optimistic };
Assumptions scenarioAssumptions(Scenario scenario, const Assumptions &assumed);
inline constexpr int kScenarioCount = 3;

inline constexpr double kDefaultSensitivityStepPercent = 20;

// One case: its reductions, the annual savings they give and the measures.
struct CaseSummary {
    Scenario scenario = Scenario::Assumed;
    Assumptions assumptions;
    bool computed = false; // false when its arithmetic overflowed
    double annualSavings = 0;
    BusinessCase measures;
};

// Everything the Business Case window and the report's second page show,
// computed once from the figures, the assumptions and the investment.
struct BusinessCaseStudy {
    Investment investment;
    CapitalInputs capital;
    double stepPercent = kDefaultSensitivityStepPercent;
    double annualSavings = 0;
    BusinessCase measures;
    std::vector<SensitivityBar> sensitivity;
    // Only when an investment is given and its measures compute.
    std::vector<SensitivityBar> npvSensitivity;
    std::vector<SpiderLine> npvSpider;
    std::array<CaseSummary, kScenarioCount> cases; // in Scenario order
    BreakEven breakEven;                           // of the assumed case
    // The first fault of the measures of a case that computed, if any.
    std::optional<ArithmeticFault> fault;
};
// Without an investment the measures are those of nothing invested, and the
// NPV's sensitivity is not computed.
BusinessCaseStudy studyOf(const InputValues &values, const Assumptions &assumptions,
                          const std::optional<Investment> &investment,
                          double stepPercent = kDefaultSensitivityStepPercent, const CapitalInputs &capital = {});

} // namespace model
