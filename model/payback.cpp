// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/payback.h"

#include <cmath>

namespace model {

std::optional<double> paybackMonths(double initial, double annualSavings, double yearlyUpkeep)
{
    const double yearlyNet = annualSavings - yearlyUpkeep;
    if (!(yearlyNet > 0))
        return std::nullopt;
    return initial / (yearlyNet / 12);
}

std::optional<Payback> paybackOf(double initial, double annualSavings, double yearlyUpkeep)
{
    const double yearlyNet = annualSavings - yearlyUpkeep;
    const std::optional<double> months = paybackMonths(initial, annualSavings, yearlyUpkeep);
    if (!months || !std::isfinite(yearlyNet) || !std::isfinite(initial))
        return std::nullopt;
    Payback payback;
    payback.months = *months;
    payback.netThreeYears = yearlyNet * 3 - initial;
    payback.netFiveYears = yearlyNet * 5 - initial;
    if (!std::isfinite(payback.months) || !std::isfinite(payback.netThreeYears) || !std::isfinite(payback.netFiveYears))
        return std::nullopt;
    return payback;
}

} // namespace model
