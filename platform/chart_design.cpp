// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/chart_design.h"

#include <QCoreApplication>

namespace platform::chart_design {

const char *const rowLabels[5] = {
    QT_TRANSLATE_NOOP("ChartControl", "Lubrication Labor"), QT_TRANSLATE_NOOP("ChartControl", "Lubricant Cost"),
    QT_TRANSLATE_NOOP("ChartControl", "Bearing Cost"), QT_TRANSLATE_NOOP("ChartControl", "Replacement Labor"),
    QT_TRANSLATE_NOOP("ChartControl", "Lost Production")};
const char *const columnLabels[3] = {QT_TRANSLATE_NOOP("ChartControl", "CURRENT COST"),
                                     QT_TRANSLATE_NOOP("ChartControl", "VELMOR COST"),
                                     QT_TRANSLATE_NOOP("ChartControl", "SAVINGS")};

QString label(const char *source) { return QCoreApplication::translate("ChartControl", source); }

QString shownTitle(const QString &chosen)
{
    return chosen.isEmpty() ? QCoreApplication::translate("ChartControl", "ESTIMATED ANNUAL SAVINGS IN DOLLARS")
                            : chosen;
}

QColor seriesColour(int row)
{
    static constexpr QColor colours[] = {QColor(72, 255, 72), QColor(64, 255, 255), titleColour, QColor(255, 64, 255),
                                         QColor(255, 64, 64)};
    return colours[row];
}

QString designFace() { return QStringLiteral("MS Sans Serif"); }

} // namespace platform::chart_design
