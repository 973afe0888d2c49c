// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/cost_rows.h"

#include "model/costs/model_text.h"
#include "model/text/list_text.h"
#include "model/text/percentage_text.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace model {

bool isReductionPercent(double percent)
{
    if (!(percent >= kMinReductionPercent && percent <= kMaxReductionPercent))
        return false;
    const double tenths = percent * 10;
    return std::abs(tenths - std::round(tenths)) < 1e-9;
}

QString reductionsSentence(const Assumptions &assumptions, const QLocale &locale)
{
    QStringList parts;
    for (int k = 1; k <= kReducedRowCount; ++k) {
        parts << QCoreApplication::translate("CostRows", "%1 by %2")
                     .arg(costRowText(kCostRows[std::size_t(k - 1)].reducedCost),
                          percentageText(assumptions.reductionPercent[std::size_t(k - 1)], locale));
    }
    const QString last = parts.takeLast();
    return QCoreApplication::translate("CostRows", "The Velmor cost assumes that automatic lubrication cuts %1 and %2.")
        .arg(listText(parts), last);
}

QString costRowCaption(int table, int k, const Assumptions &assumptions, const QLocale &locale)
{
    const CostRow &row = kCostRows.at(std::size_t(k - 1));
    switch (table) {
    case 0:
        return costRowText(row.currentCaption);
    case 2:
        return costRowText(row.savingsCaption);
    default:
        break;
    }
    const QString caption = costRowText(row.velmorCaption);
    if (k > kReducedRowCount)
        return caption;
    return caption.arg(percentText(assumptions.reductionPercent[std::size_t(k - 1)], locale));
}

} // namespace model
