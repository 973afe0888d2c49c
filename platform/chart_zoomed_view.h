// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QChartView>

namespace platform {

// A chart view that draws its chart enlarged: the chart is laid out at the
// view's size divided by the zoom and drawn through a scaling transform, so
// its fonts, lines and margins all grow together, as vectors.
class ZoomedChartView : public QChartView {
public:
    using QChartView::QChartView;

    void setZoom(qreal factor);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitChart();

    qreal m_zoom = 1;
};

} // namespace platform
