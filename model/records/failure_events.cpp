// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/failure_events.h"

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
    // Grouped by the asset's name, blanks and case aside; each event keeps
    // the name as its first order writes it.
    std::vector<std::pair<QString, std::size_t>> byAsset;
    byAsset.reserve(orders.size());
    for (std::size_t i = 0; i < orders.size(); ++i)
        byAsset.emplace_back(orders[i].asset.trimmed().toCaseFolded(), i);
    std::stable_sort(byAsset.begin(), byAsset.end(), [&](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first : orders[a.second].date < orders[b.second].date;
    });
    std::vector<FailureEvent> events;
    QString lastAsset;
    QDate lastOrder;
    for (const auto &[asset, i] : byAsset) {
        const FailureOrder &order = orders[i];
        const bool repeat =
            !events.empty() && !asset.isEmpty() && asset == lastAsset && lastOrder.daysTo(order.date) <= gapDays;
        if (!repeat)
            events.push_back({order.asset.trimmed(), order.date, 0, std::nullopt, std::nullopt});
        FailureEvent &event = events.back();
        ++event.orders;
        event.repairHours = sumOf(event.repairHours, order.repairHours);
        event.downtimeHours = sumOf(event.downtimeHours, order.downtimeHours);
        lastAsset = asset;
        lastOrder = order.date;
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const FailureEvent &a, const FailureEvent &b) { return a.date < b.date; });
    return events;
}

} // namespace model
