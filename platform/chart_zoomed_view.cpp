// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/chart_zoomed_view.h"

#include <QChart>

namespace platform {

void ZoomedChartView::setZoom(qreal factor)
{
    m_zoom = factor;
    setTransform(QTransform::fromScale(factor, factor));
    fitChart();
}

void ZoomedChartView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event); // lays the chart out at the view's size
    if (m_zoom != 1)
        fitChart();
}

void ZoomedChartView::fitChart()
{
    chart()->resize(QSizeF(size()) / m_zoom);
    setSceneRect(chart()->geometry());
}

} // namespace platform
