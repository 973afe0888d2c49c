// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace model {

// A work order counted as a bearing failure: its asset, date and hours.
struct FailureOrder {
    QString asset; // empty where the export names none
    QDate date;
    std::optional<double> repairHours;
    std::optional<double> downtimeHours;
};

// One failure, however many orders it produced: a breakdown is often
// followed by its repair order on the same asset within days.
struct FailureEvent {
    QString asset;
    QDate date; // of its first order
    int orders = 0;
    std::optional<double> repairHours; // of all its orders
    std::optional<double> downtimeHours;
};

// Orders on the same asset (blanks and case aside) whose dates lie within
// gapDays of the one before are one event; an order without an asset is an
// event of its own. Events in the order of their dates.
inline constexpr int kRepeatOrderDays = 7;
std::vector<FailureEvent> failureEventsOf(std::vector<FailureOrder> orders, int gapDays = kRepeatOrderDays);

} // namespace model
