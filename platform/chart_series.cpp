// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The chart's series: built for the graph type and stacking, filled from the
// grid, and for pies placed with their captions in the plot area.
#include "platform/chart_control.h"
#include "platform/chart_design.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace platform {

using namespace chart_design;

// Replaces the series with empty ones of the wanted kind and fills them.
// removeAllSeries() deletes the old series at once; the axes stay.
void ChartControl::rebuildSeries()
{
    m_chart->removeAllSeries();
    m_builtType = m_type;
    m_builtStacking = m_stacking;

    const bool pie = m_type == Pie2d;
    m_categoryAxis->setVisible(!pie);
    m_valueAxis->setVisible(!pie);
    for (int column = 0; column < Columns; ++column) {
        m_pieCaptions[column]->setVisible(pie);
        m_pieNotes[column]->setVisible(false);
    }

    auto onAxes = [this](QAbstractSeries *series) {
        series->attachAxis(m_categoryAxis);
        series->attachAxis(m_valueAxis);
    };

    // Colours are set after addSeries(): the chart's theme decorates a series
    // as it is added.
    switch (m_type) {
    case Bar2d: {
        QAbstractBarSeries *bars = m_stacking ? static_cast<QAbstractBarSeries *>(new QStackedBarSeries)
                                              : static_cast<QAbstractBarSeries *>(new QBarSeries);
        for (int row = 0; row < Rows; ++row) {
            auto *set = new QBarSet(label(rowLabels[row]));
            for (int column = 0; column < Columns; ++column)
                set->append(0.0);
            bars->append(set);
        }
        bars->setBarWidth(m_stacking ? 0.55 : 0.85);
        m_chart->addSeries(bars);
        onAxes(bars);
        const QList<QBarSet *> sets = bars->barSets();
        for (int row = 0; row < Rows; ++row) {
            sets[row]->setColor(seriesColour(row));
            sets[row]->setBorderColor(seriesColour(row).darker(150));
        }
        break;
    }
    case Line2d:
    case Step2d:
        for (int row = 0; row < Rows; ++row) {
            auto *line = new QLineSeries;
            line->setName(label(rowLabels[row]));
            m_chart->addSeries(line);
            onAxes(line);
            line->setPen(QPen(seriesColour(row), lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        }
        break;
    case Area2d:
        for (int row = 0; row < Rows; ++row) {
            auto *upper = new QLineSeries;
            auto *lower = new QLineSeries;
            auto *area = new QAreaSeries(upper, lower);
            area->setName(label(rowLabels[row]));
            m_chart->addSeries(area);
            // The area series does not own its boundary lines; let them go
            // with it. (Only now: before addSeries the area is a child of
            // its upper line.)
            upper->setParent(area);
            lower->setParent(area);
            onAxes(area);
            QColor fill = seriesColour(row);
            // Side by side the areas overlap; see-through fills keep the
            // ones behind visible.
            if (!m_stacking)
                fill.setAlpha(110);
            area->setBrush(fill);
            area->setPen(QPen(seriesColour(row).darker(m_stacking ? 130 : 100), m_stacking ? 1 : 2));
        }
        break;
    case Pie2d:
        for (int column = 0; column < Columns; ++column) {
            auto *pie = new QPieSeries;
            pie->setName(label(columnLabels[column]));
            pie->setHorizontalPosition((2.0 * column + 1.0) / (2.0 * Columns));
            for (int row = 0; row < Rows; ++row)
                pie->append(label(rowLabels[row]), 0.0);
            m_chart->addSeries(pie);
            const QList<QPieSlice *> slices = pie->slices();
            for (int row = 0; row < Rows; ++row) {
                slices[row]->setColor(seriesColour(row));
                slices[row]->setBorderColor(Qt::white);
                slices[row]->setBorderWidth(1);
            }
            // Every pie holds the same five slices: the legend lists them once.
            if (column > 0) {
                const QList<QLegendMarker *> markers = m_chart->legend()->markers(pie);
                for (QLegendMarker *marker : markers)
                    marker->setVisible(false);
            }
        }
        break;
    }
    updateSeriesValues();
}

// Writes the grid into the series already on the chart.
void ChartControl::updateSeriesValues()
{
    const QList<QAbstractSeries *> series = m_chart->series();
    switch (m_builtType) {
    case Bar2d: {
        const QList<QBarSet *> sets = static_cast<QAbstractBarSeries *>(series.at(0))->barSets();
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column)
                if (sets[row]->at(column) != m_values[row][column])
                    sets[row]->replace(column, m_values[row][column]);
        break;
    }
    case Line2d:
    case Step2d:
        for (int row = 0; row < Rows; ++row)
            static_cast<QLineSeries *>(series.at(row))->replace(rowPoints(row));
        break;
    case Area2d:
        for (int row = 0; row < Rows; ++row) {
            auto *area = static_cast<QAreaSeries *>(series.at(row));
            area->upperSeries()->replace(rowPoints(row));
            area->lowerSeries()->replace(m_stacking && row > 0 ? rowPoints(row - 1) : zeroPoints());
        }
        break;
    case Pie2d:
        // A pie shows shares of a whole and has no room for a negative share
        // (a slice would keep only the size of the figure and so look like a
        // cost). Negative figures get no slice; a note under the pie says so,
        // and the legend still lists every series.
        for (int column = 0; column < Columns; ++column) {
            const QList<QPieSlice *> slices = static_cast<QPieSeries *>(series.at(column))->slices();
            bool negative = false;
            for (int row = 0; row < Rows; ++row) {
                const double figure = m_values[row][column];
                negative = negative || figure < 0;
                slices[row]->setValue(std::max(0.0, figure));
            }
            m_pieNotes[column]->setVisible(negative);
        }
        break;
    }
}

// The three pies share the plot area side by side, each with its category
// name underneath; the sizes follow the plot area.
void ChartControl::placePieCaptions()
{
    if (m_builtType != Pie2d)
        return;
    const QRectF area = m_chart->plotArea();
    if (area.isEmpty())
        return;
    const qreal lineHeight = m_pieCaptions[0]->boundingRect().height();
    const qreal noteHeight = m_pieNotes[0]->boundingRect().height();
    const qreal gap = 4;
    const qreal diameter = std::max<qreal>(
        8, std::min(area.width() / Columns - 3 * gap, area.height() - lineHeight - noteHeight - 3 * gap));
    // The pies with their captions sit in the middle of the plot area.
    const qreal block = diameter + gap + lineHeight + noteHeight;
    const qreal centreY = std::max(gap, (area.height() - block) / 2) + diameter / 2;
    const QList<QAbstractSeries *> series = m_chart->series();
    for (int column = 0; column < Columns && column < series.size(); ++column) {
        auto *pie = static_cast<QPieSeries *>(series.at(column));
        pie->setPieSize(diameter / std::min(area.width(), area.height()));
        pie->setVerticalPosition(centreY / area.height());
        const qreal centreX = area.left() + area.width() * pie->horizontalPosition();
        qreal y = area.top() + centreY + diameter / 2 + gap;
        QGraphicsSimpleTextItem *caption = m_pieCaptions[column];
        caption->setPos(centreX - caption->boundingRect().width() / 2, y);
        y += lineHeight;
        QGraphicsSimpleTextItem *note = m_pieNotes[column];
        note->setPos(centreX - note->boundingRect().width() / 2, y);
    }
}

// The height a series is drawn at in a category: its own figure, or with
// stacking the running sum of the series up to it.
double ChartControl::plotted(int row, int column) const
{
    if (!m_stacking)
        return m_values[row][column];
    double sum = 0;
    for (int r = 0; r <= row; ++r)
        sum += m_values[r][column];
    return sum;
}

QList<QPointF> ChartControl::rowPoints(int row) const
{
    QList<QPointF> points;
    for (int column = 0; column < Columns; ++column) {
        const double y = plotted(row, column);
        if (m_builtType == Step2d)
            points << QPointF(column - 0.5, y) << QPointF(column + 0.5, y);
        else
            points << QPointF(column, y);
    }
    return points;
}

QList<QPointF> ChartControl::zeroPoints() const
{
    QList<QPointF> points;
    for (int column = 0; column < Columns; ++column)
        points << QPointF(column, 0);
    return points;
}

} // namespace platform
