// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/chart_control.h"

#include "platform/chart_accessibility.h"
#include "platform/chart_design.h"
#include "platform/chart_zoomed_view.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLayout>
#include <QLegend>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>
#include <limits>

namespace platform {

using namespace chart_design;

namespace {

bool isKnownType(int type)
{
    switch (type) {
    case ChartControl::Bar2d:
    case ChartControl::Line2d:
    case ChartControl::Area2d:
    case ChartControl::Step2d:
    case ChartControl::Pie2d:
        return true;
    default:
        return false;
    }
}

} // namespace

ChartControl::ChartControl(QWidget *parent)
    : QWidget(parent), m_values{{{91, 4, 2}, {92, 82, 21}, {18, 95, 47}, {71, 38, 69}, {67, 99, 35}}}
{
    installChartAccessibility();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_niceScale = new QValueAxis(this);
    // The chart itself, with its fonts, axes and layout, is most of the
    // window's start-up work; it is built when first shown or read.
    m_updatePending = true;
}

ChartControl::~ChartControl()
{
    // The chart dies with the view, after this part of the object.
    if (m_chart)
        m_chart->disconnect(this);
}

void ChartControl::setTitle(const QString &title)
{
    m_title = title;
    // Before the chart is first shown it takes the title as it is built.
    if (m_chart)
        m_chart->setTitle(shownTitle(title));
}

void ChartControl::buildChart()
{
    m_chart = new QChart;
    // The whole widget is chart: no frame of window colour around it.
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->setTitle(shownTitle(m_title));
    m_chart->setTitleFont(QFont(designFace(), 14, QFont::Bold));
    m_chart->setTitleBrush(titleColour);
    m_chart->setLocalizeNumbers(true);

    QLegend *legend = m_chart->legend();
    legend->setVisible(true);
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(QFont(designFace(), 8));
    legend->setLabelColor(Qt::black);
    legend->setMinimumWidth(m_legendMinimumWidth);

    const QFont axisFont(designFace(), 8);
    m_categoryAxis = new QBarCategoryAxis;
    for (const char *column : columnLabels)
        m_categoryAxis->append(label(column));
    // Left to itself the axis shortens "CURRENT COST" even where it fits.
    m_categoryAxis->setTruncateLabels(false);
    m_categoryAxis->setGridLineVisible(false);
    m_categoryAxis->setLabelsFont(axisFont);
    m_categoryAxis->setLabelsColor(Qt::black);

    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelsFont(axisFont);
    m_valueAxis->setLabelsColor(Qt::black);

    // One axis of each kind for the life of the chart: the line, area and
    // step series sit on the category axis at x = 0, 1, 2 as the bars do.
    // Removing axes on a type change would leave their labels painted until
    // deferred deletes ran.
    m_chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);

    for (int column = 0; column < Columns; ++column) {
        auto *caption = new QGraphicsSimpleTextItem(label(columnLabels[column]), m_chart);
        caption->setFont(QFont(designFace(), 8, QFont::Bold));
        caption->setVisible(false);
        m_pieCaptions[column] = caption;
        auto *note = new QGraphicsSimpleTextItem(tr("negative figures not drawn"), m_chart);
        note->setFont(QFont(designFace(), 7));
        note->setVisible(false);
        m_pieNotes[column] = note;
    }
    connect(m_chart, &QChart::plotAreaChanged, this, &ChartControl::placePieCaptions);

    m_view = new ZoomedChartView(m_chart, this); // the view owns the chart
    if (m_zoom != 1)
        m_view->setZoom(m_zoom);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setRenderHint(QPainter::Antialiasing);
    // The drawing surface never takes the focus: this control does, as one.
    m_view->setFocusPolicy(Qt::NoFocus);
    for (QWidget *part : m_view->findChildren<QWidget *>())
        part->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(m_view);
    if (isVisible())
        m_view->show();
    m_updatePending = true; // no series yet
}

void ChartControl::setChartType(int type)
{
    if (!isKnownType(type))
        return;
    m_type = type;
    scheduleUpdate();
}

void ChartControl::setColumn(int column) { m_column = column; }

void ChartControl::setRow(int row) { m_row = row; }

void ChartControl::setData(const QString &text)
{
    emit dataSent(m_row, m_column, text);
    // A cell outside the grid, a text that is no number in the user's
    // locale and an infinite or NaN value leave the grid as it is.
    if (m_row < 1 || m_row > Rows || m_column < 1 || m_column > Columns)
        return;
    bool ok = false;
    const double number = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        return;
    m_values[m_row - 1][m_column - 1] = number;
    m_figuresChanged = true;
    scheduleUpdate();
}

void ChartControl::setFigures(const Figures &figures)
{
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const double figure = figures[std::size_t(row)][std::size_t(column)];
            if (std::isfinite(figure))
                m_values[std::size_t(row)][std::size_t(column)] = figure;
        }
    }
    m_figuresChanged = true;
    scheduleUpdate();
}

void ChartControl::setStacking(bool stacking)
{
    m_stacking = stacking;
    scheduleUpdate();
}

void ChartControl::refresh()
{
    bringUpToDate();
    m_view->viewport()->update();
    emit refreshed();
}

int ChartControl::chartType() const { return m_type; }

bool ChartControl::stacking() const { return m_stacking; }

double ChartControl::value(int row, int column) const
{
    if (row < 1 || row > Rows || column < 1 || column > Columns)
        return std::numeric_limits<double>::quiet_NaN();
    return m_values[row - 1][column - 1];
}

QChart *ChartControl::chart() const
{
    // Whoever reads the chart sees what it would show.
    if (m_updatePending)
        const_cast<ChartControl *>(this)->bringUpToDate();
    return m_chart;
}

void ChartControl::setLegendMinimumWidth(qreal pixels)
{
    m_legendMinimumWidth = pixels;
    // Before the chart is first shown it takes the width as it is built.
    if (m_chart)
        m_chart->legend()->setMinimumWidth(pixels);
}

void ChartControl::setZoom(qreal factor)
{
    m_zoom = factor;
    if (m_view)
        m_view->setZoom(factor);
}

void ChartControl::paintChart(QPainter &painter, const QRectF &target, const QSizeF &layoutSize)
{
    QChart *laidOut = chart(); // built and up to date
    const QSizeF shown = laidOut->size();
    const auto layOutAt = [&](const QSizeF &size) {
        laidOut->resize(size);
        laidOut->layout()->activate();
        placePieCaptions();
    };
    layOutAt(layoutSize);
    laidOut->scene()->render(&painter, target, QRectF(laidOut->pos(), layoutSize), Qt::IgnoreAspectRatio);
    layOutAt(shown);
}

void ChartControl::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_chart) {
        // Shown for the first time: built and laid out now, so that the
        // first paint shows the whole chart as later ones do.
        buildChart();
        bringUpToDate();
        layout()->activate();
        m_chart->layout()->activate();
    }
    // Queued, not at once: the window's tab change shows the Graph tab before
    // its refresh sends the new figures, and both reach the chart in the one
    // update, before the tab is painted.
    if (m_updatePending)
        queueUpdate();
}

// The window sets the fifteen cells one by one and never asks for a redraw;
// the whole fill reaches the chart in one update when the event loop runs.
void ChartControl::scheduleUpdate()
{
    m_updatePending = true;
    queueUpdate();
}

void ChartControl::queueUpdate()
{
    if (m_updateQueued)
        return;
    m_updateQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
        m_updateQueued = false;
        // Once for the whole fill, as for the drawing.
        if (m_figuresChanged && QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
        m_figuresChanged = false;
        // Every refresh fills the chart, and relabelling a chart that
        // nobody sees is most of a refresh's cost: off screen it waits
        // for showEvent() or chart().
        if (m_updatePending && isVisible())
            bringUpToDate();
        },
        Qt::QueuedConnection);
}

void ChartControl::bringUpToDate()
{
    if (!m_chart)
        buildChart();
    m_updatePending = false;
    if (m_builtType != m_type || m_builtStacking != m_stacking)
        rebuildSeries();
    else
        updateSeriesValues();
    rescaleValueAxis();
    placePieCaptions();
}

} // namespace platform
