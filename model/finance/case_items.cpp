// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/case_items.h"

namespace model {

double oneOffIn(const OneOffItem &item, int t)
{
    const int every = item.every > 0 ? item.every : kOnceEvery;
    return t >= item.year && (t - item.year) % every == 0 ? item.amount : 0;
}

double oneOffsAtStart(const std::vector<OneOffItem> &items)
{
    double total = 0;
    for (const OneOffItem &item : items)
        total += oneOffIn(item, 0);
    return total;
}

} // namespace model
