// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/failure_trend.h"

#include <cmath>

namespace model {

std::optional<FailureTrend> trendOf(const std::vector<double> &times, double window)
{
    constexpr std::size_t kFewestFailures = 3;
    if (times.size() < kFewestFailures || !(window > 0))
        return std::nullopt;
    const double n = double(times.size());
    double sum = 0;
    double logs = 0;
    for (const double t : times) {
        if (!(t > 0 && t <= window))
            return std::nullopt;
        sum += t;
        logs += std::log(window / t);
    }
    FailureTrend trend;
    trend.laplaceU = (sum - n * window / 2) / (window * std::sqrt(n / 12));
    trend.p = std::erfc(std::abs(trend.laplaceU) / std::sqrt(2.0));
    // Every failure at the window's end leaves the shape unbounded.
    if (!(logs > 0))
        return std::nullopt;
    trend.beta = n / logs;
    return trend;
}

} // namespace model
