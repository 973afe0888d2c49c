// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/asset_failures.h"

#include "model/records/failure_rate.h"

#include <QHash>

#include <algorithm>

namespace model {

std::vector<AssetFailures> worstAssetsOf(const std::vector<FailureEvent> &events, int kept)
{
    struct Gathered {
        QString asset;
        std::vector<double> repair;
        std::vector<double> downtime;
        int failures = 0;
    };
    QHash<QString, std::size_t> at;
    std::vector<Gathered> gathered;
    for (const FailureEvent &event : events) {
        if (event.asset.isEmpty())
            continue;
        const QString key = event.asset.toCaseFolded();
        auto found = at.constFind(key);
        if (found == at.constEnd()) {
            found = at.insert(key, gathered.size());
            gathered.push_back({event.asset, {}, {}, 0});
        }
        Gathered &g = gathered[*found];
        ++g.failures;
        if (event.repairHours)
            g.repair.push_back(*event.repairHours);
        if (event.downtimeHours)
            g.downtime.push_back(*event.downtimeHours);
    }
    std::sort(gathered.begin(), gathered.end(), [](const Gathered &a, const Gathered &b) {
        return a.failures != b.failures ? a.failures > b.failures : a.asset < b.asset;
    });
    std::vector<AssetFailures> worst;
    for (std::size_t i = 0; i < gathered.size() && int(i) < kept; ++i)
        worst.push_back({gathered[i].asset, gathered[i].failures, percentileOf(gathered[i].repair, 0.5),
                         percentileOf(gathered[i].downtime, 0.5)});
    return worst;
}

} // namespace model
