// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"
#include "model/finance/cash_flow.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace model {

// A low, likely and high value, drawn from the PERT distribution: a beta
// distribution over low to high whose mode is likely, with the shapes
// 1 + 4 (likely − low) ÷ (high − low) and 1 + 4 (high − likely) ÷ (high − low).
struct PertRange {
    double low = 0;
    double likely = 0;
    double high = 0;
    friend bool operator==(const PertRange &, const PertRange &) = default;
};

// A gamma distribution of shape and scale (mean shape × scale), for an input
// whose uncertainty the records measure (withRecordsRanges()): it has no
// highest value, as the data set none.
struct GammaDraw {
    double shape = 1;
    double scale = 1;

    // The p-quantile, p from 0 to 1.
    double quantile(double p) const;
    friend bool operator==(const GammaDraw &, const GammaDraw &) = default;
};

// The inputs a plant is least sure of: the five reductions, the bearing
// failures a year, the hours to replace a bearing and the value of an hour's
// production.
enum class RiskInput {
    LabourReduction,
    LubricantReduction,
    BearingsReduction,
    ReplacementLabourReduction,
    LostProductionReduction,
    BearingFailures,
    HoursPerReplacement,
    ProductionRate,
};
inline constexpr int kRiskInputCount = 8;

inline constexpr int kDefaultRiskRuns = 10000;
// How many runs' drawn inputs are kept for the workbook.
inline constexpr int kKeptRiskRuns = 1000;

// Which inputs vary, and how; an input with neither a range nor a draw keeps
// its value. The same seed draws the same runs, so the same file gives the
// same figures.
struct RiskRanges {
    std::array<std::optional<PertRange>, kRiskInputCount> ranges{};
    // Drawn from a gamma distribution instead of a range (its range none).
    std::array<std::optional<GammaDraw>, kRiskInputCount> draws{};
    // The inputs that follow the records applied (withRecordsRanges()):
    // their range or draw is the records', whatever these ranges held when
    // they were set.
    std::array<bool, kRiskInputCount> fromRecords{};
    std::uint64_t seed = 1;
    int runs = kDefaultRiskRuns;

    friend bool operator==(const RiskRanges &, const RiskRanges &) = default;
};

// The input's value without a range: the assumed reduction or the figure.
double riskInputValue(RiskInput input, const InputValues &values, const Assumptions &assumptions);

// The reductions from the conservative to the optimistic case, the assumed
// value most likely; the figures fixed.
RiskRanges defaultRiskRanges(const Assumptions &assumptions);

struct Quantiles {
    double p10 = 0;
    double p50 = 0;
    double p90 = 0;
};

// One run: the inputs drawn (in RiskInput order; the fixed ones at their
// value) and what they came to. A payback that never comes is infinite.
struct RiskRun {
    std::array<double, kRiskInputCount> inputs{};
    double savings = 0;
    double npv = 0;
    double paybackMonths = 0;
};

struct RiskSummary {
    int runs = 0;       // that computed
    int failedRuns = 0; // whose arithmetic overflowed, left out
    Quantiles savings;
    double meanSavings = 0;
    // With an investment only.
    std::optional<Quantiles> npv;
    double meanNpv = 0;
    // P10 the unfavourable end: the 90th percentile of the months. A
    // quantile may be infinite: not paid back. None when nothing is invested.
    std::optional<Quantiles> paybackMonths;
    std::optional<double> npvBelowZero; // the share of runs
    std::vector<RiskRun> keptRuns;      // the first kKeptRiskRuns
    std::vector<double> sortedSavings;  // every run's, for the histogram and the S-curve
    std::vector<double> sortedNpvs;
};

// The first input whose range lets a run's arithmetic overflow, so that
// the runs left out would bias what the others come to; none when every run
// computes. Asked before simulating: the ranges are refused, naming it.
std::optional<RiskInput> overflowingRiskInput(const InputValues &values, const Assumptions &assumptions,
                                              const std::optional<Investment> &investment, const CapitalInputs &capital,
                                              const RiskRanges &ranges);

// The Monte Carlo simulation of the figures with the ranges drawn; none when
// no run computes or when a range lets one overflow (overflowingRiskInput()).
std::optional<RiskSummary> simulateRisk(const InputValues &values, const Assumptions &assumptions,
                                        const std::optional<Investment> &investment, const CapitalInputs &capital,
                                        const RiskRanges &ranges);

} // namespace model
