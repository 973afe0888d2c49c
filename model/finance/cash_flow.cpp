// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/cash_flow.h"

#include "model/costs/results.h"
#include "model/finance/cash_flow_columns.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace model {
namespace {

// The NPV at the growth factor g = 1 + rate, summed year by year as the
// table's cumulative discounted net is, so that at the table's own rate it
// is that figure to the last bit.
double presentValue(const CashFlowTable &table, double g)
{
    double value = table.years.front().net;
    for (std::size_t t = 1; t < table.years.size(); ++t)
        value += discountedNetAt(table.years[t], g, table.timing);
    return value;
}

// How often the flows, in the order they fall, change sign; zeros do not
// count. By Descartes' rule of signs the NPV, a polynomial in 1 ÷ g (or in
// 1 ÷ √g at mid-year), has at most that many roots above −100 %, and exactly
// one when the flows change sign once.
int signChanges(const CashFlowTable &table)
{
    int changes = 0;
    int sign = 0;
    const auto add = [&](double flow) {
        const int s = flow > 0 ? 1 : flow < 0 ? -1 : 0;
        if (s != 0 && sign != 0 && s != sign)
            ++changes;
        if (s != 0)
            sign = s;
    };
    for (const CashFlowYear &year : table.years) {
        if (table.timing == CashFlowTiming::MidYear && year.residualAfterTax != 0) {
            add(year.operatingNet());
            add(year.residualAfterTax);
        } else {
            add(year.net);
        }
    }
    return changes;
}

// The rate at which the present value of flows that change sign once is
// zero. The root may lie anywhere from just above −100 % to rates beyond any
// bound: it is bracketed by doubling or halving the growth factor, then
// bisected, geometrically while the bracket spans more than a factor of two.
// Only the present value's sign is used, which is that of the last flow below
// the root and of the first above it.
double internalRate(const CashFlowTable &table)
{
    const auto sign = [&](double g) { return presentValue(table, g) > 0 ? 1 : -1; };
    const int signAtLow = sign(std::numeric_limits<double>::min());
    double lo = 1;
    double hi = 1;
    if (sign(1) == signAtLow) {
        while (sign(hi) == signAtLow) {
            if (hi > 1e300) // a rate beyond any figure: an overflow, not "none"
                return std::numeric_limits<double>::infinity();
            lo = hi;
            hi *= 2;
        }
    } else {
        while (sign(lo) != signAtLow) {
            if (lo < 1e-300) // the root lies within 10^-300 of −100 %
                return lo - 1;
            hi = lo;
            lo /= 2;
        }
    }
    for (int step = 0; step < 4000 && hi - lo > 4 * std::numeric_limits<double>::epsilon() * hi; ++step) {
        const double mid = hi > 2 * lo ? std::sqrt(lo) * std::sqrt(hi) : lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        (sign(mid) == signAtLow ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2 - 1;
}

// Σ over years 1 to t of a column, as t times year 1's value plus what each
// year differs from it by: level flows sum to value × t, to the last bit.
template <typename Column>
double sumOverYears(const CashFlowTable &table, int t, Column column)
{
    const double first = column(table.years[1]);
    double differences = 0;
    for (int s = 1; s <= t; ++s)
        differences += column(table.years[std::size_t(s)]) - first;
    return first * t + differences;
}

// The x at which a line through (x0, y0) and (x1, y1) is zero.
std::optional<double> zeroOfLine(double x0, double y0, double x1, double y1)
{
    if (!(y0 != y1))
        return std::nullopt;
    const double x = x0 + (x1 - x0) * (y0 / (y0 - y1));
    return std::isfinite(x) ? std::optional(x) : std::nullopt;
}

} // namespace

double FlowPowers::power(int t, double base, double exponent)
{
    // A few powers a year: the escalations, the discount factor and the
    // year's end. Beyond those (another rate each time) nothing is kept.
    constexpr std::size_t kMostKept = 12;
    if (std::size_t(t) >= m_years.size())
        m_years.resize(std::size_t(t) + 1);
    std::vector<Taken> &taken = m_years[std::size_t(t)];
    for (const Taken &power : taken) {
        if (power.base == base && power.exponent == exponent)
            return power.value;
    }
    const double value = std::pow(base, exponent);
    if (taken.size() < kMostKept)
        taken.push_back({base, exponent, value});
    return value;
}

double contingentOutlayOf(const Investment &investment, const CapitalInputs &capital)
{
    if (capital.contingencyPercent == 0)
        return investment.initial();
    return investment.initial() * (1 + capital.contingencyPercent / 100);
}

double outlayOf(const Investment &investment, const CapitalInputs &capital)
{
    double outlay = contingentOutlayOf(investment, capital);
    if (!capital.oneOffs.empty())
        outlay = outlay + oneOffsAtStart(capital.oneOffs);
    return outlay;
}

CashFlowTable cashFlowTableOf(const CostTable &savings, const Investment &investment, const CapitalInputs &capital,
                              FlowPowers *powers)
{
    CashFlowTable table;
    table.initial = outlayOf(investment, capital);
    table.discountRatePercent = investment.discountRatePercent;
    table.taxRatePercent = capital.taxRatePercent;
    table.timing = capital.timing;
    const FlowInputs inputs = flowInputsOf(savings, investment, capital);
    const int period = int(inputs[FlowInput::Period]);
    table.years.reserve(std::size_t(period) + 1);
    for (int t = 0; t <= period; ++t)
        table.years.push_back(flowYearOf(table.years, t, inputs, powers));
    return table;
}

double npvAt(const CashFlowTable &table, double discountRatePercent)
{
    return presentValue(table, 1 + discountRatePercent / 100);
}

double halfYearFlow(const CashFlowTable &table, int j)
{
    const int t = (j + 1) / 2;
    if (t > table.period())
        return 0;
    const CashFlowYear &year = table.years[std::size_t(t)];
    const bool midYear = table.timing == CashFlowTiming::MidYear;
    if (j == 0)
        return year.net;
    if (j % 2 == 1)
        return midYear ? year.operatingNet() : 0;
    return midYear ? year.residualAfterTax : year.net;
}

std::optional<CashFlowTable> incrementalTable(const CashFlowTable &costlier, const CashFlowTable &cheaper)
{
    if (costlier.period() != cheaper.period() || costlier.discountRatePercent != cheaper.discountRatePercent
        || costlier.timing != cheaper.timing)
        return std::nullopt;
    CashFlowTable added = costlier;
    added.initial -= cheaper.initial;
    for (std::size_t t = 0; t < added.years.size(); ++t) {
        CashFlowYear &year = added.years[t];
        const CashFlowYear &less = cheaper.years[t];
        for (double CashFlowYear::*column :
             {&CashFlowYear::investment, &CashFlowYear::savings, &CashFlowYear::upkeep, &CashFlowYear::depreciation,
              &CashFlowYear::bookValue, &CashFlowYear::tax, &CashFlowYear::residualAfterTax, &CashFlowYear::net,
              &CashFlowYear::discountedNet, &CashFlowYear::netAboveFirst, &CashFlowYear::cumulative,
              &CashFlowYear::cumulativeDiscounted})
            year.*column -= less.*column;
        year.paidBackMonths.reset(); // a payback of the difference is no measure compared here
        year.paidBackYears.reset();
    }
    return added;
}

PaybackTime simplePaybackOf(const CashFlowTable &table)
{
    const CashFlowYear &last = table.years.back();
    if (last.paidBackMonths)
        return {PaybackState::Within, last.paidBackMonths};
    if (paceBeyondPeriod(table) > 0)
        return {PaybackState::NotWithinPeriod, monthsBeyondPeriod(table)};
    return {PaybackState::Never, std::nullopt};
}

PaybackTime discountedPaybackOf(const CashFlowTable &table)
{
    const CashFlowYear &last = table.years.back();
    if (last.paidBackYears)
        return {PaybackState::Within, last.paidBackYears};
    return {paceBeyondPeriod(table) > 0 ? PaybackState::NotWithinPeriod : PaybackState::Never, std::nullopt};
}

CashFlowMeasures measuresOf(const CashFlowTable &table)
{
    CashFlowMeasures measures;
    const double initial = table.initial;
    const int period = table.period();
    measures.npv = table.npv();
    const int changes = signChanges(table);
    if (changes == 1)
        measures.irr = internalRate(table);
    measures.irrUnclear = changes > 1;
    if (initial != 0) {
        const CashFlowYear &last = table.years.back();
        // Summed column by column, so that a pre-tax case without a residual
        // value is (savings × N − upkeep × N − initial) ÷ initial.
        double gain = sumOverYears(table, period, [](const CashFlowYear &year) { return year.savings; })
                      - sumOverYears(table, period, [](const CashFlowYear &year) { return year.upkeep; });
        if (std::any_of(table.years.begin(), table.years.end(), [](const CashFlowYear &year) { return year.tax != 0; }))
            gain -= sumOverYears(table, period, [](const CashFlowYear &year) { return year.tax; });
        if (last.residualAfterTax != 0)
            gain += last.residualAfterTax;
        measures.roi = (gain - initial) / initial;
        if (*measures.roi >= -1)
            measures.annualisedRoi = std::pow(1 + *measures.roi, 1.0 / period) - 1;
        measures.profitabilityIndex = measures.npv / initial + 1;
    }
    if (initial > 0) {
        measures.simplePayback = simplePaybackOf(table);
        measures.discountedPayback = discountedPaybackOf(table);
    }
    return measures;
}

BreakEven breakEvenOf(const InputValues &values, const Assumptions &assumptions, const Investment &investment,
                      const CapitalInputs &capital)
{
    // The tax is a fixed share of each year's taxable income, below zero a
    // credit, and the depreciation a fixed share of the outlay, so the NPV is
    // linear in the price, in a share of every saving and in the failures
    // (rows 3 to 5 are proportional to them): two points give each root.
    BreakEven breakEven;
    breakEven.largestReductionPercent =
        *std::max_element(assumptions.reductionPercent.begin(), assumptions.reductionPercent.end());
    const auto npvOf = [&](const InputValues &figures, const Investment &spent) -> std::optional<double> {
        const Results results = computeResults(figures, assumptions);
        if (!results.complete())
            return std::nullopt;
        return cashFlowTableOf(results.table(Table::Savings), spent, capital).npv();
    };
    const std::optional<double> npv = npvOf(values, investment);
    if (!npv)
        return breakEven;

    Investment dearer = investment;
    dearer.systemPrice += std::max(1.0, investment.systemPrice);
    if (const std::optional<double> dearerNpv = npvOf(values, dearer))
        breakEven.systemPrice = zeroOfLine(investment.systemPrice, *npv, dearer.systemPrice, *dearerNpv);

    breakEven.reductionShare = zeroOfLine(0, cashFlowTableOf(CostTable{}, investment, capital).npv(), 1, *npv);

    InputValues failures = values;
    failures[std::size_t(Input::BearingFailures)] = 0;
    const std::optional<double> none = npvOf(failures, investment);
    failures[std::size_t(Input::BearingFailures)] = 1;
    const std::optional<double> one = npvOf(failures, investment);
    if (none && one)
        breakEven.bearingFailures = zeroOfLine(0, *none, 1, *one);
    return breakEven;
}

} // namespace model
