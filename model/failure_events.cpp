// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/failure_events.h"

#include <algorithm>

namespace model {
namespace {

std::optional<double> sumOf(const std::optional<double> &a, const std::optional<double> &b)
{
    return a && b ? std::optional(*a + *b) : a ? a : b;
}

} // namespace

std::vector<FailureEvent> failureEventsOf(std::vector<FailureOrder> orders, int gapDays)
{
    for (FailureOrder &order : orders)
        order.asset = order.asset.trimmed().toCaseFolded();
    std::stable_sort(orders.begin(), orders.end(), [](const FailureOrder &a, const FailureOrder &b) {
        return a.asset != b.asset ? a.asset < b.asset : a.date < b.date;
    });
    std::vector<FailureEvent> events;
    QDate lastOrder;
    for (const FailureOrder &order : orders) {
        const bool repeat = !events.empty() && !order.asset.isEmpty() && events.back().asset == order.asset
                            && lastOrder.daysTo(order.date) <= gapDays;
        if (!repeat)
            events.push_back({order.asset, order.date, 0, std::nullopt, std::nullopt});
        FailureEvent &event = events.back();
        ++event.orders;
        event.repairHours = sumOf(event.repairHours, order.repairHours);
        event.downtimeHours = sumOf(event.downtimeHours, order.downtimeHours);
        lastOrder = order.date;
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const FailureEvent &a, const FailureEvent &b) { return a.date < b.date; });
    return events;
}

} // namespace model
