// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/risk_simulation.h"

#include "model/costs/results.h"
#include "model/records/failure_rate.h"

#include <algorithm>
#include <boost/math/distributions/gamma.hpp>
#include <boost/random/gamma_distribution.hpp>
#include <boost/random/mersenne_twister.hpp>
#include <cmath>
#include <limits>

namespace model {
namespace {

// Boost's engine and distributions give the same draws on every system and
// compiler, which the standard library's distributions do not promise.
using Engine = boost::random::mt19937_64;

double drawPert(const PertRange &range, Engine &engine)
{
    const double span = range.high - range.low;
    if (!(span > 0))
        return range.likely;
    const double alpha = 1 + 4 * (range.likely - range.low) / span;
    const double beta = 1 + 4 * (range.high - range.likely) / span;
    const double x = boost::random::gamma_distribution<double>(alpha)(engine);
    const double y = boost::random::gamma_distribution<double>(beta)(engine);
    return range.low + span * (x / (x + y));
}

// A gamma has no highest value: its draws are kept within its quantiles at
// 2^-53 from either end, so that the corners of overflowingRiskInput() bound
// every run. A draw beyond them is less likely than one in 10^15.
constexpr double kGammaTail = 0x1p-53;

// The lowest and highest value an input's draws take; none for a fixed input.
struct DrawEnds {
    double low = 0;
    double high = 0;
};
std::optional<DrawEnds> drawEndsOf(const RiskRanges &ranges, int input)
{
    if (const std::optional<GammaDraw> &draw = ranges.draws[std::size_t(input)])
        return DrawEnds{draw->quantile(kGammaTail), draw->quantile(1 - kGammaTail)};
    if (const std::optional<PertRange> &range = ranges.ranges[std::size_t(input)])
        return DrawEnds{range->low, range->high};
    return std::nullopt;
}

// The figure or the reduction an input stands for, to read or to draw.
template <typename Values, typename Reductions>
auto &valueOf(RiskInput input, Values &values, Reductions &assumptions)
{
    switch (input) {
    case RiskInput::BearingFailures:
        return values[std::size_t(Input::BearingFailures)];
    case RiskInput::HoursPerReplacement:
        return values[std::size_t(Input::HoursPerReplacement)];
    case RiskInput::ProductionRate:
        return values[std::size_t(Input::ProductionRate)];
    default:
        return assumptions.reductionPercent[std::size_t(input)];
    }
}

Quantiles quantilesOf(const std::vector<double> &sorted)
{
    return {percentileOfSorted(sorted, 0.1), percentileOfSorted(sorted, 0.5), percentileOfSorted(sorted, 0.9)};
}

// The mean as the sum of each value's share: finite like the values, where
// their sum would overflow long before the last run.
double meanOf(const std::vector<double> &values)
{
    double mean = 0;
    for (const double value : values)
        mean += value / double(values.size());
    return mean;
}

// What one run's inputs come to, reductions kept within 0 to 100 %; none
// when its arithmetic overflows.
std::optional<RiskRun> runOf(const std::array<double, kRiskInputCount> &inputs, const InputValues &values,
                             const Assumptions &assumptions, const std::optional<Investment> &investment,
                             const CapitalInputs &capital, FlowPowers *powers = nullptr)
{
    InputValues drawn = values;
    Assumptions reduced = assumptions;
    RiskRun run;
    run.inputs = inputs;
    for (int i = 0; i < kRiskInputCount; ++i)
        valueOf(RiskInput(i), drawn, reduced) = inputs[std::size_t(i)];
    for (double &reduction : reduced.reductionPercent)
        reduction = std::clamp(reduction, kMinReductionPercent, kMaxReductionPercent);
    const Results results = computeResults(drawn, reduced);
    if (!results.complete())
        return std::nullopt;
    const CostTable &savings = results.table(Table::Savings);
    run.savings = savings.row(kRowCount);
    if (investment) {
        const CashFlowTable table = cashFlowTableOf(savings, *investment, capital, powers);
        run.npv = table.npv();
        if (!std::isfinite(run.npv))
            return std::nullopt;
        const PaybackTime payback = simplePaybackOf(table);
        run.paybackMonths = payback.state == PaybackState::Within && payback.time
                                ? *payback.time
                                : std::numeric_limits<double>::infinity();
    }
    return run;
}

} // namespace

double GammaDraw::quantile(double p) const
{
    return boost::math::quantile(boost::math::gamma_distribution<double>(shape, scale), p);
}

double riskInputValue(RiskInput input, const InputValues &values, const Assumptions &assumptions)
{
    return valueOf(input, values, assumptions);
}

RiskRanges defaultRiskRanges(const Assumptions &assumptions)
{
    RiskRanges ranges;
    for (int k = 0; k < kReducedRowCount; ++k) {
        const double assumed = assumptions.reductionPercent[std::size_t(k)];
        ranges.ranges[std::size_t(k)] = PertRange{assumed / 2, assumed, assumed + (100 - assumed) / 2};
    }
    return ranges;
}

std::optional<RiskInput> overflowingRiskInput(const InputValues &values, const Assumptions &assumptions,
                                              const std::optional<Investment> &investment, const CapitalInputs &capital,
                                              const RiskRanges &ranges)
{
    std::vector<int> ranged;
    std::vector<DrawEnds> ends;
    std::array<double, kRiskInputCount> fixed{};
    for (int i = 0; i < kRiskInputCount; ++i) {
        fixed[std::size_t(i)] = riskInputValue(RiskInput(i), values, assumptions);
        if (const std::optional<DrawEnds> drawn = drawEndsOf(ranges, i)) {
            ranged.push_back(i);
            ends.push_back(*drawn);
        }
    }
    // Figures that do not compute leave no range to blame.
    if (ranged.empty() || !runOf(fixed, values, assumptions, investment, capital))
        return std::nullopt;
    // Each step of the costs multiplies by an input at most once, and the
    // business case is linear in the savings: a value of a run lies between
    // its values at the corners of the ranges (every input at its lowest or
    // its highest draw), so a run overflows only where a corner does.
    for (std::uint32_t corner = 0; corner < (std::uint32_t(1) << ranged.size()); ++corner) {
        std::array<double, kRiskInputCount> inputs = fixed;
        for (std::size_t r = 0; r < ranged.size(); ++r)
            inputs[std::size_t(ranged[r])] = corner & (std::uint32_t(1) << r) ? ends[r].high : ends[r].low;
        if (runOf(inputs, values, assumptions, investment, capital))
            continue;
        // The inputs back at their figures one after the other: the one that
        // makes the corner compute is to blame. With all of them back it is
        // the figures themselves.
        for (const int i : ranged) {
            inputs[std::size_t(i)] = fixed[std::size_t(i)];
            if (runOf(inputs, values, assumptions, investment, capital))
                return RiskInput(i);
        }
        return RiskInput(ranged.back());
    }
    return std::nullopt;
}

std::optional<RiskSummary> simulateRisk(const InputValues &values, const Assumptions &assumptions,
                                        const std::optional<Investment> &investment, const CapitalInputs &capital,
                                        const RiskRanges &ranges)
{
    if (overflowingRiskInput(values, assumptions, investment, capital, ranges))
        return std::nullopt;
    Engine engine(ranges.seed);
    // Each gamma's ends once: its quantiles take longer than the runs.
    std::array<std::optional<DrawEnds>, kRiskInputCount> gammaEnds{};
    for (int i = 0; i < kRiskInputCount; ++i) {
        if (ranges.draws[std::size_t(i)])
            gammaEnds[std::size_t(i)] = drawEndsOf(ranges, i);
    }
    RiskSummary summary;
    std::vector<double> paybacks;
    const int runs = std::max(0, ranges.runs);
    summary.sortedSavings.reserve(std::size_t(runs));
    if (investment) {
        summary.sortedNpvs.reserve(std::size_t(runs));
        paybacks.reserve(std::size_t(runs));
    }
    FlowPowers powers; // the runs share the investment and so its powers
    for (int r = 0; r < runs; ++r) {
        std::array<double, kRiskInputCount> inputs{};
        for (int i = 0; i < kRiskInputCount; ++i) {
            const std::optional<GammaDraw> &draw = ranges.draws[std::size_t(i)];
            const std::optional<PertRange> &range = ranges.ranges[std::size_t(i)];
            if (draw) {
                // Drawn as the PERT's own gammas are: Boost's variate takes
                // a fifteenth of the time of the distribution's inverse,
                // which for two inputs would more than double the runs' time.
                const DrawEnds &ends = *gammaEnds[std::size_t(i)];
                const double x = boost::random::gamma_distribution<double>(draw->shape, draw->scale)(engine);
                inputs[std::size_t(i)] = std::clamp(x, ends.low, ends.high);
            } else {
                inputs[std::size_t(i)] =
                    range ? drawPert(*range, engine) : riskInputValue(RiskInput(i), values, assumptions);
            }
        }
        const std::optional<RiskRun> run = runOf(inputs, values, assumptions, investment, capital, &powers);
        if (!run) {
            ++summary.failedRuns;
            continue;
        }
        if (investment) {
            summary.sortedNpvs.push_back(run->npv);
            paybacks.push_back(run->paybackMonths);
        }
        summary.sortedSavings.push_back(run->savings);
        if (int(summary.keptRuns.size()) < kKeptRiskRuns)
            summary.keptRuns.push_back(*run);
    }
    summary.runs = int(summary.sortedSavings.size());
    if (summary.runs == 0)
        return std::nullopt;
    summary.meanSavings = meanOf(summary.sortedSavings);
    std::sort(summary.sortedSavings.begin(), summary.sortedSavings.end());
    summary.savings = quantilesOf(summary.sortedSavings);
    if (investment) {
        summary.meanNpv = meanOf(summary.sortedNpvs);
        std::sort(summary.sortedNpvs.begin(), summary.sortedNpvs.end());
        std::sort(paybacks.begin(), paybacks.end());
        summary.npv = quantilesOf(summary.sortedNpvs);
        // P10 is the unfavourable end of every measure: for the payback the
        // longest, reached within it in 90 % of the runs.
        // Nothing invested has no payback, as the business case says.
        const Quantiles months = quantilesOf(paybacks);
        if (investment->initial() > 0)
            summary.paybackMonths = Quantiles{months.p90, months.p50, months.p10};
        const auto below = std::lower_bound(summary.sortedNpvs.begin(), summary.sortedNpvs.end(), 0.0);
        summary.npvBelowZero = double(below - summary.sortedNpvs.begin()) / summary.runs;
    }
    return summary;
}

} // namespace model
