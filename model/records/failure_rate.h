// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <optional>
#include <vector>

namespace model {

// The exact (Garwood) interval of a Poisson count: the expected counts whose
// chance of giving at most, or at least, the count seen is (1 − confidence) ÷ 2
// each. For 0 failures the lower end is 0. From the chi-square quantiles:
// low = χ²((1 − c) ÷ 2; 2k) ÷ 2, high = χ²((1 + c) ÷ 2; 2k + 2) ÷ 2.
struct CountInterval {
    double low = 0;
    double high = 0;
    friend bool operator==(const CountInterval &, const CountInterval &) = default;
};
CountInterval poissonInterval(int count, double confidence = 0.9);

// Failures a year from a count over the years the records cover, with the
// count's interval over those years: 17 over 2 years is 8.5 a year, 90 %
// between 5.42 and 12.75. None when the records cover no time.
struct FailureRate {
    int count = 0;
    double years = 0;
    double perYear = 0;
    CountInterval interval;        // of the count over the years
    CountInterval perYearInterval; // the same a year
    friend bool operator==(const FailureRate &, const FailureRate &) = default;
};
std::optional<FailureRate> failureRateOf(int count, double years, double confidence = 0.9);
// The same for records that stop at a failure (failure-truncated): n/T would
// over-state the rate by n ÷ (n − 1), so the rate is (n − 1) ÷ T and the
// interval the exact one of such records, χ²(2n) ÷ 2T at both ends. From two
// failures; fewer as failureRateOf().
std::optional<FailureRate> failureTruncatedRateOf(int count, double years, double confidence = 0.9);

// The p-quantile (0 to 1) of values by linear interpolation between the
// order statistics, as spreadsheets' PERCENTILE.INC computes it: the median
// at 0.5. None for no values.
std::optional<double> percentileOf(std::vector<double> values, double p);
// The same of values sorted already, not empty.
double percentileOfSorted(const std::vector<double> &sorted, double p);

} // namespace model
