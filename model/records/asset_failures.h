// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/failure_events.h"

#include <QString>

#include <optional>
#include <vector>

namespace model {

// What one asset's failures come to, for the list of the worst actors a
// lubrication programme is aimed at first.
struct AssetFailures {
    QString asset;
    int failures = 0;
    std::optional<double> medianRepairHours;
    std::optional<double> medianDowntime;
    friend bool operator==(const AssetFailures &, const AssetFailures &) = default;
};

// An asset that failed this often within the records fails again and again.
inline constexpr int kRepeatFailures = 3;
inline constexpr int kWorstAssetsKept = 10;

// The assets with the most failures first (ties by name), at most kept;
// failures without an asset are no asset's.
std::vector<AssetFailures> worstAssetsOf(const std::vector<FailureEvent> &events, int kept = kWorstAssetsKept);

} // namespace model
