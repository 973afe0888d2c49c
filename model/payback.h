// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <optional>

namespace model {

// What an installed system pays back, from its price and the total yearly
// savings it brings.
struct Payback {
    double months = 0;    // price ÷ (savings ÷ 12)
    double netThreeYears = 0; // savings × 3 − price
    double netFiveYears = 0;  // savings × 5 − price
};

// Nothing when the savings are zero or negative (the system never pays for
// itself), or when the figures are too large to compute with.
std::optional<Payback> paybackOf(double systemPrice, double annualSavings);

} // namespace model
