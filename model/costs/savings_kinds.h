// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_tables.h"
#include "model/costs/lost_production.h"

#include <QLocale>
#include <QString>

#include <array>

namespace model {

// Which savings rows are cash the plant stops paying (hard) and which are
// not cash until something is done with them (soft). A reviewer of a
// capital request asks what the freed lubrication hours will do: unless
// they replace hours the plant pays for (overtime, contractors), the labour
// row is soft. The lubricant, the bearings and the replacement labour are
// bought, so hard. Lost production is hard where it is valued at its margin
// (or the plant is sold out), soft where it is valued at revenue.
struct SavingsKinds {
    std::array<bool, kReducedRowCount> hard{};
    QString freedHoursTo; // where the freed lubrication hours go, as the user writes it

    bool isHard(int k) const { return hard.at(std::size_t(k - 1)); }
    friend bool operator==(const SavingsKinds &, const SavingsKinds &) = default;
};

// The most characters of the freed hours' purpose.
inline constexpr qsizetype kMaxFreedHoursLength = 100;

// The kinds a reviewer would accept, as above.
SavingsKinds defaultSavingsKinds(const LostProductionRule &lostProduction);

// The savings table with the soft rows at zero and row 6 the hard rows'
// total, added in the order of the totals (kTotalOrder).
CostTable hardSavingsOf(const CostTable &savings, const SavingsKinds &kinds);

// Which rows are which, and why, as the assumptions state it: "Hard savings,
// cash no longer paid: the lubricant, … Soft savings, not cash until the
// freed hours replace paid ones: the lubrication labour."
QString savingsKindsSentence(const SavingsKinds &kinds, const LostProductionRule &lostProduction);

} // namespace model
