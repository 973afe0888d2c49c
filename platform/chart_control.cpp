// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/chart_control.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

const char *const rowLabels[] = {QT_TRANSLATE_NOOP("ChartControl", "Lubrication Labor"),
                                 QT_TRANSLATE_NOOP("ChartControl", "Lubricant Cost"),
                                 QT_TRANSLATE_NOOP("ChartControl", "Bearing Cost"),
                                 QT_TRANSLATE_NOOP("ChartControl", "Replacement Labor"),
                                 QT_TRANSLATE_NOOP("ChartControl", "Lost Production")};
const char *const columnLabels[] = {QT_TRANSLATE_NOOP("ChartControl", "CURRENT COST"),
                                    QT_TRANSLATE_NOOP("ChartControl", "VELMOR COST"),
                                    QT_TRANSLATE_NOOP("ChartControl", "SAVINGS")};
// The categories as a screen reader speaks them.
const char *const spokenColumnLabels[] = {QT_TRANSLATE_NOOP("ChartControl", "current cost"),
                                          QT_TRANSLATE_NOOP("ChartControl", "Velmor cost"),
                                          QT_TRANSLATE_NOOP("ChartControl", "savings")};

// A label of the tables above in the interface language.
QString label(const char *source) { return QCoreApplication::translate("ChartControl", source); }

// The designed title, unless another is chosen.
QString shownTitle(const QString &chosen)
{
    return chosen.isEmpty() ? QCoreApplication::translate("ChartControl", "ESTIMATED ANNUAL SAVINGS IN DOLLARS")
                            : chosen;
}

// The title's blue is also the third series' colour.
constexpr QColor titleColour(0, 0, 202);

QColor seriesColour(int row)
{
    static constexpr QColor colours[] = {QColor(72, 255, 72), QColor(64, 255, 255), titleColour,
                                         QColor(255, 64, 255), QColor(255, 64, 64)};
    return colours[row];
}
const QString designFace = QStringLiteral("MS Sans Serif");

// Lines and stairs are drawn this wide so that each colour reads clearly.
constexpr int lineWidth = 3;

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

// A dollar figure for a screen reader: grouped, with cents only where there
// are any.
QString spokenFigure(double value, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', 2);
    const QString noCents = locale.decimalPoint() + QStringLiteral("00");
    if (text.endsWith(noCents))
        text.chop(noCents.size());
    return text;
}

// Qt describes a plain widget as a client area; this one is a chart, and its
// description is its figures as they are now.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartControl *chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<const ChartControl *>(widget())->figuresDescription();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *chartAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(ChartControl::staticMetaObject.className()) && object->isWidgetType())
        return new ChartAccessible(static_cast<ChartControl *>(object));
    return nullptr;
}

} // namespace

// A chart view that draws its chart enlarged: the chart is laid out at the
// view's size divided by the zoom and drawn through a scaling transform, so
// its fonts, lines and margins all grow together, as vectors.
class ZoomedChartView : public QChartView {
public:
    using QChartView::QChartView;

    void setZoom(qreal factor)
    {
        m_zoom = factor;
        setTransform(QTransform::fromScale(factor, factor));
        fitChart();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QChartView::resizeEvent(event); // lays the chart out at the view's size
        if (m_zoom != 1)
            fitChart();
    }

private:
    void fitChart()
    {
        chart()->resize(QSizeF(size()) / m_zoom);
        setSceneRect(chart()->geometry());
    }

    qreal m_zoom = 1;
};

ChartControl::ChartControl(QWidget *parent)
    : QWidget(parent),
      m_values{{{91, 4, 2}, {92, 82, 21}, {18, 95, 47}, {71, 38, 69}, {67, 99, 35}}}
{
    [[maybe_unused]] static const bool accessibleInstalled = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
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
    m_chart->setTitleFont(QFont(designFace, 14, QFont::Bold));
    m_chart->setTitleBrush(titleColour);
    m_chart->setLocalizeNumbers(true);

    QLegend *legend = m_chart->legend();
    legend->setVisible(true);
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(QFont(designFace, 8));
    legend->setLabelColor(Qt::black);

    const QFont axisFont(designFace, 8);
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
        caption->setFont(QFont(designFace, 8, QFont::Bold));
        caption->setVisible(false);
        m_pieCaptions[column] = caption;
        auto *note = new QGraphicsSimpleTextItem(tr("negative figures not drawn"), m_chart);
        note->setFont(QFont(designFace, 7));
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

void ChartControl::setColumn(int column)
{
    m_column = column;
}

void ChartControl::setRow(int row)
{
    m_row = row;
}

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

int ChartControl::chartType() const
{
    return m_type;
}

bool ChartControl::stacking() const
{
    return m_stacking;
}

double ChartControl::value(int row, int column) const
{
    if (row < 1 || row > Rows || column < 1 || column > Columns)
        return std::numeric_limits<double>::quiet_NaN();
    return m_values[row - 1][column - 1];
}

QString ChartControl::figuresDescription() const
{
    const QLocale locale;
    QStringList rows;
    for (int row = 0; row < Rows; ++row) {
        QStringList cells;
        for (int column = 0; column < Columns; ++column)
            cells << QStringLiteral("%1 %2").arg(label(spokenColumnLabels[column]),
                                                 spokenFigure(m_values[row][column], locale));
        rows << QCoreApplication::translate("ChartControl", "%1: %2")
                    .arg(label(rowLabels[row]), cells.join(QStringLiteral(", ")));
    }
    return rows.join(QStringLiteral("; "));
}

QChart *ChartControl::chart() const
{
    // Whoever reads the chart sees what it would show.
    if (m_updatePending)
        const_cast<ChartControl *>(this)->bringUpToDate();
    return m_chart;
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
