// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/failure_rate.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

namespace model {

CountInterval poissonInterval(int count, double confidence)
{
    const double tail = (1 - confidence) / 2;
    CountInterval interval;
    if (count > 0)
        interval.low = boost::math::quantile(boost::math::chi_squared(2.0 * count), tail) / 2;
    interval.high = boost::math::quantile(boost::math::chi_squared(2.0 * count + 2), 1 - tail) / 2;
    return interval;
}

std::optional<FailureRate> failureRateOf(int count, double years, double confidence)
{
    if (!(years > 0) || count < 0)
        return std::nullopt;
    FailureRate rate;
    rate.count = count;
    rate.years = years;
    rate.perYear = count / years;
    rate.interval = poissonInterval(count, confidence);
    rate.perYearInterval = {rate.interval.low / years, rate.interval.high / years};
    return rate;
}

std::optional<FailureRate> failureTruncatedRateOf(int count, double years, double confidence)
{
    std::optional<FailureRate> rate = failureRateOf(count, years, confidence);
    if (!rate || count < 2)
        return rate;
    // The time to the n-th failure is gamma of shape n: 2λT is chi-square of
    // 2n degrees, whose quantiles are the Poisson bounds' of n and n − 1.
    rate->perYear = (count - 1) / years;
    rate->interval.high = poissonInterval(count - 1, confidence).high;
    rate->perYearInterval.high = rate->interval.high / years;
    return rate;
}

std::optional<double> percentileOf(std::vector<double> values, double p)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    return percentileOfSorted(values, p);
}

double percentileOfSorted(const std::vector<double> &sorted, double p)
{
    const double at = std::clamp(p, 0.0, 1.0) * double(sorted.size() - 1);
    const std::size_t below = std::size_t(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    // Equal neighbours as they are: infinite ones (a payback never reached)
    // would give no number.
    if (sorted[below] == sorted[above])
        return sorted[below];
    return sorted[below] + (sorted[above] - sorted[below]) * (at - double(below));
}

} // namespace model
