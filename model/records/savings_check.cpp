// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/savings_check.h"

#include <algorithm>
#include <boost/math/distributions/beta.hpp>
#include <cmath>
#include <limits>

namespace model {

std::optional<SavingsCheck> savingsCheckOf(const std::vector<QDate> &failures, const QDate &first, const QDate &last,
                                           const QDate &installed, double confidence)
{
    const auto after = std::count_if(failures.begin(), failures.end(), [&](const QDate &d) { return d >= installed; });
    return savingsCheckOf(int(failures.size() - std::size_t(after)), int(after), first, last, installed, confidence);
}

std::optional<SavingsCheck> savingsCheckOf(int before, int after, const QDate &first, const QDate &last,
                                           const QDate &installed, double confidence)
{
    if (!installed.isValid() || installed <= first || installed > last || before < 1 || after < 0)
        return std::nullopt;
    SavingsCheck check{installed, before, after, first.daysTo(installed) / 365.25, installed.daysTo(last) / 365.25};
    if (!(check.afterYears > 0))
        return std::nullopt;
    const double n = before + after;
    const double tail = (1 - confidence) / 2;
    // The share of the failures that came after, and its exact bounds.
    const double pLow = after == 0 ? 0 : boost::math::ibeta_inv(double(after), n - after + 1, tail);
    const double pHigh = after == n ? 1 : boost::math::ibeta_inv(double(after) + 1, n - after, 1 - tail);
    const auto reductionAt = [&](double p) {
        if (p >= 1)
            return -std::numeric_limits<double>::infinity();
        return 1 - p / (1 - p) * check.beforeYears / check.afterYears;
    };
    check.reduction = 1 - (after / check.afterYears) / (before / check.beforeYears);
    check.low = reductionAt(pHigh);
    check.high = reductionAt(pLow);
    return check;
}

} // namespace model
