// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/payback.h"

#include <cmath>

namespace model {

std::optional<Payback> paybackOf(double systemPrice, double annualSavings)
{
    if (!(annualSavings > 0) || !std::isfinite(annualSavings) || !std::isfinite(systemPrice))
        return std::nullopt;
    Payback payback;
    payback.months = systemPrice / (annualSavings / 12);
    payback.netThreeYears = annualSavings * 3 - systemPrice;
    payback.netFiveYears = annualSavings * 5 - systemPrice;
    if (!std::isfinite(payback.months) || !std::isfinite(payback.netThreeYears)
        || !std::isfinite(payback.netFiveYears))
        return std::nullopt;
    return payback;
}

} // namespace model
