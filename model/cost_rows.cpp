// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/cost_rows.h"

namespace model {

QString percentText(double percent, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(percent, 'g', QLocale::FloatingPointShortest);
}

QString costRowCaption(int table, int k, const Assumptions &assumptions, const QLocale &locale)
{
    const CostRow &row = kCostRows.at(std::size_t(k - 1));
    switch (table) {
    case 0:
        return QString::fromUtf8(row.currentCaption);
    case 2:
        return QString::fromUtf8(row.savingsCaption);
    default:
        break;
    }
    const QString caption = QString::fromUtf8(row.velmorCaption);
    if (k > kReducedRowCount)
        return caption;
    return caption.arg(percentText(assumptions.reductionPercent[std::size_t(k - 1)], locale));
}

} // namespace model
