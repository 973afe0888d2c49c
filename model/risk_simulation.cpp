// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/risk_simulation.h"

#include "model/failure_rate.h"
#include "model/results.h"

#include <algorithm>
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

} // namespace

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

std::optional<RiskSummary> simulateRisk(const InputValues &values, const Assumptions &assumptions,
                                        const std::optional<Investment> &investment, const CapitalInputs &capital,
                                        const RiskRanges &ranges)
{
    Engine engine(ranges.seed);
    RiskSummary summary;
    std::vector<double> paybacks;
    const int runs = std::max(0, ranges.runs);
    summary.sortedSavings.reserve(std::size_t(runs));
    if (investment) {
        summary.sortedNpvs.reserve(std::size_t(runs));
        paybacks.reserve(std::size_t(runs));
    }
    double total = 0;
    for (int r = 0; r < runs; ++r) {
        InputValues drawn = values;
        Assumptions reduced = assumptions;
        RiskRun run;
        for (int i = 0; i < kRiskInputCount; ++i) {
            double &value = valueOf(RiskInput(i), drawn, reduced);
            if (const std::optional<PertRange> &range = ranges.ranges[std::size_t(i)])
                value = drawPert(*range, engine);
            run.inputs[std::size_t(i)] = value;
        }
        for (double &reduction : reduced.reductionPercent)
            reduction = std::clamp(reduction, kMinReductionPercent, kMaxReductionPercent);
        const Results results = computeResults(drawn, reduced);
        if (!results.complete()) {
            ++summary.failedRuns;
            continue;
        }
        const CostTable &savings = results.table(Table::Savings);
        run.savings = savings.row(kRowCount);
        if (investment) {
            const CashFlowTable table = cashFlowTableOf(savings, *investment, capital);
            run.npv = table.npv();
            const PaybackTime payback = simplePaybackOf(table);
            run.paybackMonths = payback.state == PaybackState::Within && payback.time
                                    ? *payback.time
                                    : std::numeric_limits<double>::infinity();
            if (!std::isfinite(run.npv)) {
                ++summary.failedRuns;
                continue;
            }
            summary.sortedNpvs.push_back(run.npv);
            paybacks.push_back(run.paybackMonths);
        }
        total += run.savings;
        summary.sortedSavings.push_back(run.savings);
        if (int(summary.keptRuns.size()) < kKeptRiskRuns)
            summary.keptRuns.push_back(run);
    }
    summary.runs = int(summary.sortedSavings.size());
    if (summary.runs == 0)
        return std::nullopt;
    std::sort(summary.sortedSavings.begin(), summary.sortedSavings.end());
    summary.savings = quantilesOf(summary.sortedSavings);
    summary.meanSavings = total / summary.runs;
    if (investment) {
        std::sort(summary.sortedNpvs.begin(), summary.sortedNpvs.end());
        std::sort(paybacks.begin(), paybacks.end());
        summary.npv = quantilesOf(summary.sortedNpvs);
        summary.paybackMonths = quantilesOf(paybacks);
        const auto below = std::lower_bound(summary.sortedNpvs.begin(), summary.sortedNpvs.end(), 0.0);
        summary.npvBelowZero = double(below - summary.sortedNpvs.begin()) / summary.runs;
    }
    return summary;
}

} // namespace model
