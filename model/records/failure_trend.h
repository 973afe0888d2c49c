// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <optional>
#include <vector>

namespace model {

// Whether failures come more or less often over the records: the Laplace
// test of the failure times t₁ … tₙ within a window of length T,
//   U = (Σ tᵢ − n T ÷ 2) ÷ (T √(n ÷ 12)),
// with its two-sided p value from the normal distribution, and the shape of
// the power-law (Crow-AMSAA) process fitted by maximum likelihood to the
// time-truncated data, β = n ÷ Σ ln(T ÷ tᵢ): above 1 failures are rising,
// below 1 falling. With a trend (p below 0.10) the rate at the window's end,
// β n ÷ T, stands for the coming year rather than the average n ÷ T.
struct FailureTrend {
    double laplaceU = 0;
    double p = 1;
    double beta = 1;
    bool significant() const { return p < 0.10; }
    friend bool operator==(const FailureTrend &, const FailureTrend &) = default;
};

// Of at least three failures at times in (0, window]; none otherwise.
std::optional<FailureTrend> trendOf(const std::vector<double> &times, double window);

} // namespace model
