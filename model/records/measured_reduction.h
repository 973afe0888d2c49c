// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/records/savings_check.h"

#include <array>
#include <optional>

namespace model {

// The rows whose cost scales with the bearing failures: the replacement
// bearings, the labour to replace them and the lost production (k = 3 to 5).
// A measured fall in the failures stands for their reduction.
inline constexpr std::array<int, 3> kFailureDrivenRows{3, 4, 5};

// The reduction the check measured as a reduction field takes it: in per
// cent, to a tenth, no more than 100 (isReductionPercent()). None where the
// failures rose: a rise is no reduction to assume.
std::optional<double> measuredReductionPercent(const SavingsCheck &check);

// The assumptions with each failure-driven row's reduction set to percent.
Assumptions withFailureDrivenReduction(Assumptions assumptions, double percent);

} // namespace model
