// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The value axis: its scale and number format, worked out from the grid.
#include "platform/chart_control.h"

#include <QChart>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

// The value axis does not follow data changes of its own accord. It always
// takes in zero, so that bars stand on it and areas fill to it; stacked bars
// pile positive and negative figures apart, so their extremes are the sums
// of each sign.
void ChartControl::rescaleValueAxis()
{
    if (m_builtType == Pie2d)
        return;
    double low = 0;
    double high = 0;
    for (int column = 0; column < Columns; ++column) {
        if (m_builtType == Bar2d && m_stacking) {
            double positive = 0;
            double negative = 0;
            for (int row = 0; row < Rows; ++row)
                (m_values[row][column] < 0 ? negative : positive) += m_values[row][column];
            low = std::min(low, negative);
            high = std::max(high, positive);
        } else {
            for (int row = 0; row < Rows; ++row) {
                low = std::min(low, plotted(row, column));
                high = std::max(high, plotted(row, column));
            }
        }
    }
    // Stacking figures near the largest double can overflow.
    const double largest = std::numeric_limits<double>::max() / 4;
    low = std::clamp(low, -largest, 0.0);
    high = std::clamp(high, 0.0, largest);
    if (high == low)
        high = 1; // an empty chart still gets a readable scale

    // Every change of the chart's axis lays out and relabels it at once, and
    // working out the nice scale takes several (tick count, raw range, nice
    // range and ticks). The scale is worked out on an axis of no chart; the
    // chart's axis takes the result, which changes nothing when the scale
    // is the one it already has.
    m_niceScale->setTickCount(5); // applyNiceNumbers() starts from the tick count
    m_niceScale->setRange(low, high);
    m_niceScale->applyNiceNumbers();

    // Whole dollars unless the steps are fractions; grouped as the user's
    // locale groups thousands.
    const double step = (m_niceScale->max() - m_niceScale->min()) / std::max(1, m_niceScale->tickCount() - 1);
    int decimals = 0;
    if (step > 0 && step < 1)
        decimals = std::min(6, int(std::ceil(-std::log10(step) - 1e-9)));
    const QString format = QStringLiteral("%.%1f").arg(decimals);
    if (m_valueAxis->labelFormat() != format) // relabels even when unchanged
        m_valueAxis->setLabelFormat(format);
    if (m_chart->locale() != QLocale())
        m_chart->setLocale(QLocale());
    m_valueAxis->setTickCount(m_niceScale->tickCount());
    m_valueAxis->setRange(m_niceScale->min(), m_niceScale->max());
}

} // namespace platform
