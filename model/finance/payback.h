// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <optional>

namespace model {

// Simple payback of level flows, the cash-flow table's (simplePaybackOf())
// for a pre-tax, flat-price case: the months until the yearly net, the
// savings less the upkeep, has paid what was paid at the start, initial ÷
// ((savings − upkeep) ÷ 12), however many years that takes. Nothing when
// that net is not above zero: the system never pays for itself. The months
// may be no finite figure when the net is all but zero.
std::optional<double> paybackMonths(double initial, double annualSavings, double yearlyUpkeep);

// What an installed system pays back, from what was paid at the start, the
// total yearly savings it brings and its yearly upkeep.
struct Payback {
    double months = 0;        // paybackMonths()
    double netThreeYears = 0; // the cumulative net after 3 years: (savings − upkeep) × 3 − initial
    double netFiveYears = 0;  // and after 5: (savings − upkeep) × 5 − initial
};

// Nothing when the yearly net is zero or negative (the system never pays for
// itself), or when the figures are too large to compute with.
std::optional<Payback> paybackOf(double initial, double annualSavings, double yearlyUpkeep);

} // namespace model
