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

    // As large as its least size: a chart takes the room its layout gives it.
    // A graphics view would ask for the size it last drew its chart at, and a
    // window sized to its contents would grow with every chart drawn.
    QSize sizeHint() const override { return minimumSize(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitChart();

    qreal m_zoom = 1;
};

} // namespace platform
