// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

#include <array>

QT_BEGIN_NAMESPACE
class QPainter;
class QBarCategoryAxis;
class QChart;
class QGraphicsSimpleTextItem;
class QValueAxis;
QT_END_NAMESPACE

namespace platform {

class ZoomedChartView;

// The savings chart: a 5 x 3 grid of numbers (rows are the series, columns the
// categories) drawn with Qt Charts in one of six graph types. The window
// talks to it through the six members below and nothing else. Screen readers
// are told it is a chart, and its description reads out all fifteen figures.
//
// Setting cells with setData() needs no refresh(): the series already on the
// chart take the new values once control returns to the event loop, all the
// cells set until then in one update. A type or stacking change is drawn
// the same way, or at once by refresh(). While the chart is not on screen
// (another tab is shown) the update waits until it is shown, or until
// chart() is read; the Qt chart itself is built then for the first time.
class ChartControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int chartType READ chartType WRITE setChartType)
    Q_PROPERTY(bool stacking READ stacking WRITE setStacking)
public:
    enum Type { Bar2d = 1, Line2d = 3, Area2d = 5, Step2d = 7, Pie2d = 14 };

    explicit ChartControl(QWidget *parent = nullptr);
    ~ChartControl() override;

    void setChartType(int type);       // one of Type; any other number is ignored
    void setColumn(int column);        // 1 to 3
    void setRow(int row);              // 1 to 5
    void setData(const QString &text); // the current cell, read with the user's locale
    void setStacking(bool stacking);
    void refresh();

    // All fifteen cells at once, as numbers: [row - 1][column - 1]. For
    // charts drawn off the window, which have no cells to send one by one.
    using Figures = std::array<std::array<double, 3>, 5>; // model::ChartFigures
    void setFigures(const Figures &figures);

    // Read back, for tests and accessibility.
    int chartType() const;
    bool stacking() const;
    double value(int row, int column) const; // NaN outside the grid
    // Every figure with its series and category, in the words a screen
    // reader speaks: "Lubrication Labor: current cost 14,400, Velmor cost
    // 1,440, savings 12,960; Lubricant Cost: ...".
    QString figuresDescription() const;
    QChart *chart() const; // brought up to date first

    // Draws the chart at this multiple of its size: the same chart, larger.
    void setZoom(qreal factor);

    // The title above the chart; empty gives the designed one, which names
    // dollars.
    void setTitle(const QString &title);

    // The legend at the right is at least this wide, in the chart's natural
    // pixels, so that a control standing over the chart's lower right never
    // covers the plot, however short the legend's words.
    void setLegendMinimumWidth(qreal pixels);

    // Paints the chart into target, as vectors, laid out as it would be at
    // layoutSize on screen (for a page: the target's size in screen pixels).
    void paintChart(QPainter &painter, const QRectF &target, const QSizeF &layoutSize);

protected:
    void showEvent(QShowEvent *event) override;

signals:
    // Every Data set, with the cell it went to, as the program sent it.
    void dataSent(int row, int column, const QString &text);
    // refresh() ran.
    void refreshed();

private:
    static constexpr int Rows = 5;
    static constexpr int Columns = 3;

    void buildChart();
    void scheduleUpdate();
    void queueUpdate();
    void bringUpToDate();
    void rebuildSeries();
    void updateSeriesValues();
    void rescaleValueAxis();
    void placePieCaptions();
    double plotted(int row, int column) const;
    QList<QPointF> rowPoints(int row) const;
    QList<QPointF> zeroPoints() const;

    std::array<std::array<double, Columns>, Rows> m_values;
    int m_type = Bar2d;
    bool m_stacking = true;
    int m_row = 1;
    int m_column = 1;

    // What the series on the chart were built for; an update that finds
    // these equal to the wanted type and stacking only changes values.
    int m_builtType = 0;
    bool m_builtStacking = false;
    bool m_updatePending = false;  // the chart does not show the grid, type or stacking
    bool m_updateQueued = false;   // an update is waiting in the event queue
    bool m_figuresChanged = false; // screen readers have not been told yet

    qreal m_zoom = 1;
    qreal m_legendMinimumWidth = 0;
    QString m_title;
    ZoomedChartView *m_view = nullptr;
    QChart *m_chart = nullptr;
    QBarCategoryAxis *m_categoryAxis = nullptr;
    QValueAxis *m_valueAxis = nullptr;
    // Works out the nice scale for the value axis off the chart, so that the
    // chart's axis is relabelled only when its scale really changes.
    QValueAxis *m_niceScale = nullptr;
    // Under each pie: its category name and, when the category holds
    // negative figures, a note that they are left out of the pie.
    std::array<QGraphicsSimpleTextItem *, Columns> m_pieCaptions{};
    std::array<QGraphicsSimpleTextItem *, Columns> m_pieNotes{};
};

} // namespace platform
