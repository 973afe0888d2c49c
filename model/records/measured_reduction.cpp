// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/measured_reduction.h"

#include <algorithm>
#include <cmath>

namespace model {

std::optional<double> measuredReductionPercent(const SavingsCheck &check)
{
    if (!(check.reduction >= 0))
        return std::nullopt;
    return std::clamp(std::round(check.reduction * 1000) / 10, kMinReductionPercent, kMaxReductionPercent);
}

Assumptions withFailureDrivenReduction(Assumptions assumptions, double percent)
{
    for (const int k : kFailureDrivenRows)
        assumptions.reductionPercent[std::size_t(k - 1)] = percent;
    return assumptions;
}

} // namespace model
