// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The savings chart on its own: the data grid, figures read in the user's
// locale, what each graph type puts on screen, the value axis, and that type
// changes leave nothing behind. Runs headless.
//
// With VELMOR_CHART_IMAGES set to a folder, saveTypeImages() writes a PNG of
// every graph type at the window's size there (tools/grab_chart_types.sh).

#include "platform/bundled_fonts.h"
#include "platform/chart_control.h"

#include <QAbstractBarSeries>
#include <QAreaSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFontInfo>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>

#include <cmath>
#include <memory>

using platform::ChartControl;

namespace {

const QStringList seriesNames = {"Lubrication Labor", "Lubricant Cost", "Bearing Cost", "Replacement Labor",
                                 "Lost Production"};
const QList<QColor> seriesColours = {QColor(72, 255, 72), QColor(64, 255, 255), QColor(0, 0, 202), QColor(255, 64, 255),
                                     QColor(255, 64, 64)};
const double placeholders[5][3] = {{91, 4, 2}, {92, 82, 21}, {18, 95, 47}, {71, 38, 69}, {67, 99, 35}};

// The figures of the default inputs as the window sends them, [column][row].
const char *const defaultTexts[3][5] = {{"14400", "5000", "2000", "1200", "40000"},
                                        {"1440", "2500", "400", "240", "8000"},
                                        {"12960", "2500", "1600", "960", "32000"}};

void setCell(ChartControl &chart, int row, int column, const QString &text)
{
    chart.setColumn(column);
    chart.setRow(row);
    chart.setData(text);
}

void fillDefaults(ChartControl &chart)
{
    for (int column = 1; column <= 3; ++column)
        for (int row = 1; row <= 5; ++row)
            setCell(chart, row, column, QString::fromLatin1(defaultTexts[column - 1][row - 1]));
}

void settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

std::unique_ptr<ChartControl> shownChart()
{
    auto chart = std::make_unique<ChartControl>();
    chart->resize(553, 289); // its size on the window
    chart->show();
    return QTest::qWaitForWindowExposed(chart.get()) ? std::move(chart) : nullptr;
}

void showType(ChartControl &chart, int type, bool stacking)
{
    chart.setChartType(type);
    chart.setStacking(stacking);
    chart.refresh();
    settle();
}

void addTypeRows(bool unstackedToo)
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("stacking");
    // The six graphs of the graph-type button.
    QTest::newRow("side-by-side bars") << int(ChartControl::Bar2d) << false;
    QTest::newRow("pie") << int(ChartControl::Pie2d) << false;
    QTest::newRow("stacked lines") << int(ChartControl::Line2d) << true;
    QTest::newRow("stacked areas") << int(ChartControl::Area2d) << true;
    QTest::newRow("stacked steps") << int(ChartControl::Step2d) << true;
    QTest::newRow("stacked bars") << int(ChartControl::Bar2d) << true;
    if (unstackedToo) {
        QTest::newRow("lines") << int(ChartControl::Line2d) << false;
        QTest::newRow("areas") << int(ChartControl::Area2d) << false;
        QTest::newRow("steps") << int(ChartControl::Step2d) << false;
    }
}

// The plot area in the widget's pixels.
QRect plotRect(const ChartControl &chart)
{
    const auto *view = chart.findChild<QChartView *>();
    const QRectF area = chart.chart()->mapToScene(chart.chart()->plotArea()).boundingRect();
    return view->mapFromScene(area).boundingRect().translated(view->mapTo(&chart, QPoint(0, 0)));
}

bool near(QRgb pixel, const QColor &colour, int tolerance = 8)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
           && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

QStringList visibleLegendNames(QChart *chart)
{
    QStringList names;
    for (const QLegendMarker *marker : chart->legend()->markers())
        if (marker->isVisible())
            names << marker->label();
    return names;
}

QStringList sceneTexts(QChart *chart)
{
    QStringList texts;
    for (const QGraphicsItem *item : chart->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (const auto *text = dynamic_cast<const QGraphicsTextItem *>(item))
            texts << text->toPlainText();
        else if (const auto *simple = dynamic_cast<const QGraphicsSimpleTextItem *>(item))
            texts << simple->text();
    }
    return texts;
}

QValueAxis *valueAxis(const ChartControl &chart)
{
    return qobject_cast<QValueAxis *>(chart.chart()->axes(Qt::Vertical).value(0));
}

// The lowest and highest points drawn, read from the series on the chart.
std::pair<double, double> drawnExtremes(QChart *chart)
{
    double low = 0, high = 0;
    auto take = [&](double v) { low = std::min(low, v), high = std::max(high, v); };
    for (QAbstractSeries *s : chart->series()) {
        if (auto *bars = qobject_cast<QAbstractBarSeries *>(s)) {
            const bool stacked = qobject_cast<QStackedBarSeries *>(s);
            for (int c = 0; c < 3; ++c) {
                double positive = 0, negative = 0;
                for (const QBarSet *set : bars->barSets())
                    stacked ? void((set->at(c) < 0 ? negative : positive) += set->at(c)) : take(set->at(c));
                take(positive), take(negative);
            }
        }
        QList<QXYSeries *> lines;
        if (auto *line = qobject_cast<QLineSeries *>(s))
            lines << line;
        if (auto *area = qobject_cast<QAreaSeries *>(s))
            lines << area->upperSeries() << area->lowerSeries();
        for (const QXYSeries *line : lines)
            for (const QPointF &p : line->points())
                take(p.y());
    }
    return {low, high};
}

} // namespace

class ChartControlTest : public QObject {
    Q_OBJECT
    QLocale m_savedLocale;

private slots:
    void initTestCase()
    {
        platform::installBundledFonts();
        m_savedLocale = QLocale();
    }
    void cleanup() { QLocale::setDefault(m_savedLocale); }

    void startsWithPlaceholdersAsStackedBars()
    {
        ChartControl chart;
        for (int row = 1; row <= 5; ++row)
            for (int column = 1; column <= 3; ++column)
                QCOMPARE(chart.value(row, column), placeholders[row - 1][column - 1]);
        QVERIFY(std::isnan(chart.value(0, 1)) && std::isnan(chart.value(1, 4)));
        QCOMPARE(chart.chartType(), int(ChartControl::Bar2d));
        QVERIFY(chart.stacking());
        QVERIFY(qobject_cast<QStackedBarSeries *>(chart.chart()->series().value(0)));
        QVERIFY(valueAxis(chart)->max() >= 339); // the placeholders' largest stack
    }

    // clang-format off
    void readsFiguresInTheUsersLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("en_US whole dollars") << "en_US" << "14400" << 14400.0;
        QTest::newRow("en_US decimal point") << "en_US" << "1234.5" << 1234.5;
        QTest::newRow("en_US negative") << "en_US" << "-960" << -960.0;
        QTest::newRow("en_US exponent") << "en_US" << "1E+20" << 1e20;
        QTest::newRow("de_DE whole dollars") << "de_DE" << "14400" << 14400.0;
        QTest::newRow("de_DE decimal comma") << "de_DE" << "1234,5" << 1234.5;
        QTest::newRow("de_DE negative with cents") << "de_DE" << "-960,25" << -960.25;
        QTest::newRow("de_DE exponent") << "de_DE" << "1E+20" << 1e20;
    }
    // clang-format on
    void readsFiguresInTheUsersLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, expected);
        QLocale::setDefault(QLocale(locale));
        ChartControl chart;
        setCell(chart, 4, 2, text);
        QCOMPARE(chart.value(4, 2), expected);
        QCOMPARE(chart.value(4, 1), 71.0); // neighbours untouched
        QCOMPARE(chart.value(3, 2), 95.0);
    }

    void ignoresWhatIsNoCellOrNoFigure_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty text") << 2 << 3 << "";
        QTest::newRow("words") << 2 << 3 << "n/a";
        QTest::newRow("comma is no decimal mark in en_US") << 2 << 3 << "1234,5x";
        QTest::newRow("infinity") << 2 << 3 << "inf";
        QTest::newRow("not a number") << 2 << 3 << "nan";
        QTest::newRow("beyond the largest double") << 2 << 3 << "1E+400";
        QTest::newRow("column 0") << 1 << 0 << "7";
        QTest::newRow("column 4") << 1 << 4 << "7";
        QTest::newRow("row 0") << 0 << 1 << "7";
        QTest::newRow("row 6") << 6 << 1 << "7";
    }
    void ignoresWhatIsNoCellOrNoFigure()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        ChartControl chart;
        setCell(chart, row, column, text);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 3; ++c)
                QCOMPARE(chart.value(r, c), placeholders[r - 1][c - 1]);
    }

    void ignoresUnknownChartTypes()
    {
        ChartControl chart;
        chart.setChartType(ChartControl::Line2d);
        for (int type : {0, 2, 4, 13, -14})
            chart.setChartType(type);
        chart.refresh();
        QCOMPARE(chart.chartType(), int(ChartControl::Line2d));
        QVERIFY(qobject_cast<QLineSeries *>(chart.chart()->series().value(0)));
    }

    // The window sets 15 cells and never calls refresh(): the series already
    // on the chart must take the figures, and the axis must fit them.
    void fillShowsWithoutRefresh_data() { addTypeRows(false); }
    void fillShowsWithoutRefresh()
    {
        QFETCH(int, type);
        QFETCH(bool, stacking);
        ChartControl chart;
        showType(chart, type, stacking);
        const QList<QAbstractSeries *> before = chart.chart()->series();
        const QPointer<QAbstractSeries> first = before.value(0);

        fillDefaults(chart);
        settle();

        QVERIFY(first); // changed in place, not rebuilt
        QCOMPARE(chart.chart()->series(), before);
        if (type == ChartControl::Pie2d) {
            QCOMPARE(static_cast<QPieSeries *>(before[0])->slices().at(4)->value(), 40000.0);
            QCOMPARE(static_cast<QPieSeries *>(before[2])->slices().at(0)->value(), 12960.0);
            return;
        }
        const double top = stacking ? 62600 : 40000; // a category's total, or its largest figure
        QCOMPARE(drawnExtremes(chart.chart()).second, top);
        QVERIFY(valueAxis(chart)->max() >= top && valueAxis(chart)->max() < 2 * top);
    }

    // Each series colour inside the plot area of the rendered widget, the
    // category names in full, and a legend naming the five series once (the
    // three pies hold the same five slices).
    void everyTypeDrawsTheFiveSeries_data() { addTypeRows(true); }
    void everyTypeDrawsTheFiveSeries()
    {
        QFETCH(int, type);
        QFETCH(bool, stacking);
        auto chart = shownChart();
        QVERIFY(chart);
        fillDefaults(*chart);
        showType(*chart, type, stacking);

        QCOMPARE(visibleLegendNames(chart->chart()), seriesNames);
        const QImage image = chart->grab().toImage();
        const QRect plot = plotRect(*chart).intersected(image.rect());
        QVERIFY(plot.width() > 200 && plot.height() > 120);
        // Side by side, areas are see-through over one another: no pure colours.
        for (int row = 0; row < 5 && !(type == ChartControl::Area2d && !stacking); ++row) {
            int found = 0;
            for (int y = plot.top(); y <= plot.bottom(); ++y)
                for (int x = plot.left(); x <= plot.right(); ++x)
                    found += near(image.pixel(x, y), seriesColours[row]);
            QVERIFY2(found >= 15, qPrintable(QStringLiteral("%1: %2 pixels").arg(seriesNames[row]).arg(found)));
        }
        // Once each: on the category axis, or under the pies with no axis.
        const QStringList texts = sceneTexts(chart->chart());
        for (const char *category : {"CURRENT COST", "VELMOR COST", "SAVINGS"})
            QVERIFY2(texts.count(category) == 1, qPrintable(texts.join('|')));
    }

    // Negative savings (possible with odd inputs) are charted as negative,
    // and the axis reaches every point drawn.
    void negativeFiguresGoBelowZero_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("stacking");
        QTest::addColumn<QStringList>("savings"); // rows 1 to 5 of the third category
        const QStringList losses = {"-12960", "-960", "1600", "-5000", "32000"};
        const std::pair<ChartControl::Type, const char *> types[] = {{ChartControl::Bar2d, "bars"},
                                                                     {ChartControl::Line2d, "lines"},
                                                                     {ChartControl::Area2d, "areas"},
                                                                     {ChartControl::Step2d, "steps"}};
        for (const auto &[type, name] : types)
            for (bool stacking : {false, true})
                QTest::addRow("%s %s", name, stacking ? "stacked" : "side by side") << int(type) << stacking << losses;
        // Stacked bars pile the negatives down from zero on their own, even
        // where every running total stays positive.
        QTest::newRow("stacked bars, negatives between positives")
            << int(ChartControl::Bar2d) << true << QStringList{"30000", "-15000", "30000", "-15000", "0"};
    }
    void negativeFiguresGoBelowZero()
    {
        QFETCH(int, type);
        QFETCH(bool, stacking);
        QFETCH(QStringList, savings);
        ChartControl chart;
        fillDefaults(chart);
        for (int row = 1; row <= 5; ++row)
            setCell(chart, row, 3, savings[row - 1]);
        showType(chart, type, stacking);

        const auto [low, high] = drawnExtremes(chart.chart());
        QVERIFY2(low < 0, qPrintable(QString::number(low)));
        QVERIFY2(valueAxis(chart)->min() <= low && valueAxis(chart)->max() >= high,
                 qPrintable(QStringLiteral("axis %1..%2, drawn %3..%4")
                                .arg(valueAxis(chart)->min())
                                .arg(valueAxis(chart)->max())
                                .arg(low)
                                .arg(high)));
    }

    void valueAxisShrinksWithTheData()
    {
        ChartControl chart;
        showType(chart, ChartControl::Bar2d, false);
        setCell(chart, 5, 1, "1E+20");
        settle();
        QVERIFY(valueAxis(chart)->max() >= 1e20);
        setCell(chart, 5, 1, "-1000");
        settle();
        QVERIFY(valueAxis(chart)->min() <= -1000 && valueAxis(chart)->max() <= 1000);
        setCell(chart, 5, 1, "67");
        settle();
        QCOMPARE(valueAxis(chart)->min(), 0.0);
        QVERIFY(valueAxis(chart)->max() >= 99);
    }

    // clang-format off
    void valueAxisGroupsThousands_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("label");
        QTest::newRow("en_US") << "en_US" << "60,000";
        QTest::newRow("de_DE") << "de_DE" << "60.000";
    }
    // clang-format on
    void valueAxisGroupsThousands()
    {
        QFETCH(QString, locale);
        QFETCH(QString, label);
        QLocale::setDefault(QLocale(locale));
        auto chart = shownChart();
        QVERIFY(chart);
        fillDefaults(*chart);
        showType(*chart, ChartControl::Bar2d, true);
        QVERIFY2(sceneTexts(chart->chart()).contains(label), qPrintable(sceneTexts(chart->chart()).join('|')));
    }

    // Every change of the chart's value axis relabels and lays it out again,
    // the costliest part of a refresh. A fill that leaves the scale as it was
    // must not touch the axis; one that needs a new scale changes it once.
    void valueAxisChangesOnlyWithItsScale_data()
    {
        QTest::addColumn<QString>("lostProduction"); // row 5 of the current cost
        QTest::addColumn<int>("rangeChanges");
        QTest::addColumn<int>("tickCountChanges");
        QTest::addColumn<int>("formatChanges");
        QTest::newRow("same figures again") << "40000" << 0 << 0 << 0;
        QTest::newRow("new figure inside the scale") << "39000" << 0 << 0 << 0;
        QTest::newRow("new figure beyond the scale") << "140000" << 1 << 0 << 0;
        QTest::newRow("new scale with another tick count") << "80000" << 1 << 1 << 0;
    }
    void valueAxisChangesOnlyWithItsScale()
    {
        QFETCH(QString, lostProduction);
        QFETCH(int, rangeChanges);
        QFETCH(int, tickCountChanges);
        QFETCH(int, formatChanges);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        auto chart = shownChart();
        QVERIFY(chart);
        fillDefaults(*chart);
        showType(*chart, ChartControl::Bar2d, true);
        QValueAxis *axis = valueAxis(*chart);
        QCOMPARE(axis->max(), 80000.0); // 62,600 at most: 0 to 80,000 in five ticks
        QCOMPARE(axis->tickCount(), 5);

        QSignalSpy ranges(axis, &QValueAxis::rangeChanged);
        QSignalSpy ticks(axis, &QValueAxis::tickCountChanged);
        QSignalSpy formats(axis, &QValueAxis::labelFormatChanged);
        fillDefaults(*chart);
        setCell(*chart, 5, 1, lostProduction);
        settle();

        QCOMPARE(ranges.size(), rangeChanges);
        QCOMPARE(ticks.size(), tickCountChanges);
        QCOMPARE(formats.size(), formatChanges);
        const auto [low, high] = drawnExtremes(chart->chart());
        QVERIFY(axis->min() <= low && axis->max() >= high);
    }

    // The window fills the chart on every tab change, mostly while another
    // tab is shown. Off screen the chart does no work; shown again, or read
    // through chart(), it has every figure sent meanwhile.
    void hiddenChartCatchesUp_data()
    {
        QTest::addColumn<bool>("showAgain"); // or read through chart() while hidden
        QTest::newRow("shown again") << true;
        QTest::newRow("read while hidden") << false;
    }
    void hiddenChartCatchesUp()
    {
        QFETCH(bool, showAgain);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        auto chart = shownChart();
        QVERIFY(chart);
        showType(*chart, ChartControl::Bar2d, true);
        auto *bars = qobject_cast<QAbstractBarSeries *>(chart->chart()->series().value(0));
        QVERIFY(bars);
        QValueAxis *axis = valueAxis(*chart);
        QSignalSpy ranges(axis, &QValueAxis::rangeChanged);

        chart->hide();
        fillDefaults(*chart);
        settle();
        QCOMPARE(ranges.size(), 0);
        QCOMPARE(bars->barSets().at(4)->at(0), placeholders[4][0]);

        if (showAgain) {
            chart->show();
            QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
            settle();
        } else {
            QCOMPARE(chart->chart()->series().value(0), bars); // the same series, filled
        }
        QCOMPARE(ranges.size(), 1);
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                QCOMPARE(bars->barSets().at(row)->at(column),
                         QString::fromLatin1(defaultTexts[column][row]).toDouble());
        QCOMPARE(axis->max(), 80000.0);
    }

    // The chart is built the first time its tab is shown, not with the
    // window; it must still be whole at its first paint after the tab
    // change: laid out, with its legend and a labelled value axis.
    void builtWholeWhenFirstShown_data()
    {
        QTest::addColumn<bool>("filled"); // figures sent before the first show
        QTest::newRow("placeholders") << false;
        QTest::newRow("filled while hidden") << true;
    }
    void builtWholeWhenFirstShown()
    {
        QFETCH(bool, filled);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        QTabWidget window;
        window.addTab(new QWidget, QStringLiteral("Data"));
        auto *chart = new ChartControl;
        window.addTab(chart, QStringLiteral("Graph"));
        window.resize(600, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (filled)
            fillDefaults(*chart);
        settle();
        QVERIFY(chart->findChildren<QChartView *>().isEmpty());

        window.setCurrentIndex(1);
        QApplication::processEvents(); // the paint after the tab change
        const QImage image = chart->grab().toImage();

        const QRect plot = plotRect(*chart);
        QVERIFY(plot.width() > 200 && plot.height() > 120);
        int legendPixels = 0; // "Lost Production" in the legend, right of the plot
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int x = plot.right() + 10; x < image.width(); ++x)
                legendPixels += near(image.pixel(x, y), seriesColours[4]);
        QVERIFY2(legendPixels >= 9, qPrintable(QString::number(legendPixels)));
        QVERIFY(sceneTexts(chart->chart()).contains(filled ? QStringLiteral("80,000") : QStringLiteral("400")));
    }

    // A slice keeps only the size of its figure, so a negative one would pass
    // for a cost. It gets none, and the pie says so.
    void pieLeavesOutNegativeFigures()
    {
        const QString note = QStringLiteral("negative figures not drawn");
        auto chart = shownChart();
        QVERIFY(chart);
        fillDefaults(*chart);
        setCell(*chart, 2, 3, "-2500");
        showType(*chart, ChartControl::Pie2d, false);
        const QList<QAbstractSeries *> pies = chart->chart()->series();
        QCOMPARE(static_cast<QPieSeries *>(pies.value(2))->slices().at(1)->value(), 0.0);
        QCOMPARE(static_cast<QPieSeries *>(pies.value(1))->slices().at(1)->value(), 2500.0);
        QCOMPARE(sceneTexts(chart->chart()).count(note), 1);
        QCOMPARE(visibleLegendNames(chart->chart()), seriesNames);

        setCell(*chart, 2, 3, "2500");
        settle();
        QCOMPARE(static_cast<QPieSeries *>(pies.value(2))->slices().at(1)->value(), 2500.0);
        QCOMPARE(sceneTexts(chart->chart()).count(note), 0);
    }

    // The title whole and centred above the plot in the bundled face, the
    // legend right of the plot and about level with its middle.
    void titleAndLegendPlaced()
    {
        auto chart = shownChart();
        QVERIFY(chart);
        fillDefaults(*chart);
        showType(*chart, ChartControl::Bar2d, false);
        QChart *c = chart->chart();
        QCOMPARE(QFontInfo(c->titleFont()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(c->legend()->font()).family(), QStringLiteral("Liberation Sans"));

        const QImage image = chart->grab().toImage();
        const QRect plot = plotRect(*chart);
        int left = image.width(), right = -1;
        for (int y = 0; y < plot.top() - 2; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (near(image.pixel(x, y), QColor(0, 0, 202), 4))
                    left = std::min(left, x), right = std::max(right, x);
        QVERIFY2(right > left + 300 && left > 0 && right < image.width() - 1,
                 qPrintable(QStringLiteral("title spans %1..%2").arg(left).arg(right)));
        QVERIFY(std::abs((left + right) / 2 - image.width() / 2) <= 4);

        const QRectF legend = c->legend()->geometry();
        QVERIFY(legend.left() >= plot.right() - 1 && legend.right() <= image.width());
        QVERIFY(std::abs(legend.center().y() - plot.center().y()) <= 20);
    }

    // The graph-type button may be pressed any number of times: the chart
    // must own the same objects after a hundred changes as after one round.
    void switchingTypesLeavesNothingBehind()
    {
        const std::pair<ChartControl::Type, bool> cycle[] = {{ChartControl::Bar2d, false}, {ChartControl::Pie2d, false},
                                                             {ChartControl::Line2d, true}, {ChartControl::Area2d, true},
                                                             {ChartControl::Step2d, true}, {ChartControl::Bar2d, true}};
        auto chart = shownChart();
        QVERIFY(chart);
        QChart *c = chart->chart();
        for (const auto &[type, stacking] : cycle)
            showType(*chart, type, stacking);
        const qsizetype objects = c->findChildren<QObject *>().size();
        const qsizetype items = c->scene()->items().size();
        const QList<QAbstractAxis *> axes = c->axes();

        showType(*chart, ChartControl::Area2d, true);
        auto *area = qobject_cast<QAreaSeries *>(c->series().value(0));
        QVERIFY(area);
        const QPointer<QObject> guards[] = {area, area->upperSeries(), area->lowerSeries()};

        for (int i = 0; i < 100; ++i) {
            chart->setChartType(cycle[i % 6].first);
            chart->setStacking(cycle[i % 6].second);
            chart->refresh();
            if (i % 10 == 0)
                settle();
        }
        showType(*chart, ChartControl::Bar2d, true); // where the baseline ended

        for (const auto &guard : guards)
            QVERIFY(guard.isNull());
        QCOMPARE(c->series().size(), 1);
        QCOMPARE(c->axes(), axes);
        QCOMPARE(c->findChildren<QObject *>().size(), objects);
        QCOMPARE(c->scene()->items().size(), items);
    }

    void saveTypeImages()
    {
        const QString folder = qEnvironmentVariable("VELMOR_CHART_IMAGES");
        if (folder.isEmpty())
            QSKIP("set VELMOR_CHART_IMAGES to a folder to save the pictures");
        QVERIFY(QDir().mkpath(folder));
        const std::tuple<const char *, ChartControl::Type, bool> shots[] = {
            {"1-side-by-side-bars", ChartControl::Bar2d, false},
            {"2-pie", ChartControl::Pie2d, false},
            {"3-stacked-lines", ChartControl::Line2d, true},
            {"4-stacked-areas", ChartControl::Area2d, true},
            {"5-stacked-steps", ChartControl::Step2d, true},
            {"6-stacked-bars", ChartControl::Bar2d, true},
            {"7-lines", ChartControl::Line2d, false},
            {"8-areas", ChartControl::Area2d, false},
            {"9-steps", ChartControl::Step2d, false}};
        for (bool negative : {false, true})
            for (const auto &[name, type, stacking] : shots) {
                auto chart = shownChart();
                QVERIFY(chart);
                fillDefaults(*chart);
                if (negative) {
                    setCell(*chart, 2, 3, "-2500");
                    setCell(*chart, 4, 3, "-9600");
                }
                showType(*chart, type, stacking);
                const QString file = QString::fromLatin1(name) + (negative ? "-negative.png" : ".png");
                QVERIFY(chart->grab().save(QDir(folder).filePath(file)));
            }
    }
};

QTEST_MAIN(ChartControlTest)
#include "chart_control_test.moc"
