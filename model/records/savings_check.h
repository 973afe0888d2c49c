// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QDate>

#include <optional>
#include <vector>

namespace model {

// Whether the failures fell after the system went in: the failures before
// and after the installation date within the records, and the reduction
// 1 − (rate after ÷ rate before) with its exact interval by the conditional
// binomial method. Given n failures in all, those after are binomial with
// p = T₂ρ ÷ (T₁ + T₂ρ), ρ the ratio of the rates and T₁, T₂ the years before
// and after; the Clopper-Pearson bounds of p give ρ = p ÷ (1 − p) × T₁ ÷ T₂
// and so the reduction's bounds.
struct SavingsCheck {
    QDate installed;
    int before = 0;
    int after = 0;
    double beforeYears = 0;
    double afterYears = 0;
    double reduction = 0; // 0.71: 71 % fewer failures a year
    double low = 0;       // the reduction's bounds; low may be below 0 (more failures)
    double high = 0;
    friend bool operator==(const SavingsCheck &, const SavingsCheck &) = default;
};

// Of the failures' dates over the records from first to last; none unless
// installed lies inside them and a failure came before it.
std::optional<SavingsCheck> savingsCheckOf(const std::vector<QDate> &failures, const QDate &first, const QDate &last,
                                           const QDate &installed, double confidence = 0.9);
// The same from the counts a facility file keeps.
std::optional<SavingsCheck> savingsCheckOf(int before, int after, const QDate &first, const QDate &last,
                                           const QDate &installed, double confidence = 0.9);

} // namespace model
