// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/risk_charts.h"

#include "model/costs/currency_units.h"
#include "model/text/money_scale.h"
#include "outputs/business_case_charts.h"
#include "outputs/chart_colours.h"
#include "platform/designed_look.h"

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct RiskChartText {
    Q_DECLARE_TR_FUNCTIONS(RiskChartText)
};

// The values charted, sorted, in the scale of the chart: every run's NPV, or
// its savings without an investment; and their P10, P50 and P90.
struct Charted {
    model::MoneyScale scale;
    std::vector<double> values;
    std::optional<model::Quantiles> quantiles;
};

Charted charted(const model::RiskSummary &summary, QStringView symbol)
{
    const std::vector<double> &values = summary.npv ? summary.sortedNpvs : summary.sortedSavings;
    Charted shown{
        model::moneyScale(values.empty() ? 0 : std::max(std::abs(values.front()), std::abs(values.back())), symbol),
        {},
        std::nullopt};
    const double divisor = shown.scale.divisor;
    for (const double value : values)
        shown.values.push_back(value / divisor);
    if (!values.empty()) {
        const model::Quantiles q = summary.npv ? *summary.npv : summary.savings;
        shown.quantiles = model::Quantiles{q.p10 / divisor, q.p50 / divisor, q.p90 / divisor};
    }
    return shown;
}

// An empty chart of the summary's values titled for them, and those values.
// Taken apart by name, its chart is returned with std::move: a structured
// binding is not moved of itself.
std::pair<std::unique_ptr<QChart>, Charted> riskChart(const char *npvTitle, const char *savingsTitle,
                                                      const model::RiskSummary &summary, const QLocale &locale,
                                                      QStringView symbol)
{
    Charted shown = charted(summary, symbol);
    auto chart = styledChart(
        model::withCurrencySymbol(RiskChartText::tr(summary.npv ? npvTitle : savingsTitle), shown.scale.unit), locale);
    return {std::move(chart), std::move(shown)};
}

QValueAxis *shareAxis(double top, const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setRange(0, top);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    axis->setTitleText(title);
    axis->setTitleFont(QFont(QStringLiteral("Liberation Sans"), 7));
    return axis;
}

// The value axis over the runs' values; one value alone gets room either side.
// A money axis over lo to hi with at most four labels: the charts stand side
// by side, and six labels of six digits each would be elided ("80,0...").
QValueAxis *sparseMoneyAxis(double lo, double hi)
{
    QValueAxis *axis = moneyValueAxis(lo, hi);
    const double raw = (axis->max() - axis->min()) / 3;
    if (!(raw > 0) || !std::isfinite(raw))
        return axis;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double step = decade;
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        step = factor * decade;
        if (step >= raw)
            break;
    }
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(std::ceil(axis->min() / step) * step);
    axis->setTickInterval(step);
    return axis;
}

QValueAxis *valueAxisOf(const std::vector<double> &values)
{
    return sparseMoneyAxis(values.empty() ? 0 : values.front(), values.empty() ? 0 : values.back());
}

void attach(QChart &chart, QAbstractSeries *series, QValueAxis *x, QValueAxis *y)
{
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// The P10, P50 and P90 as vertical lines from 0 to top, the P50 solid; their
// values are the lines' beside the charts.
void markQuantiles(QChart &chart, const model::Quantiles &q, double top, QValueAxis *x, QValueAxis *y)
{
    const std::pair<int, double> marks[] = {{10, q.p10}, {50, q.p50}, {90, q.p90}};
    for (const auto &[percent, value] : marks) {
        auto *line = new QLineSeries;
        line->setName(QStringLiteral("P%1").arg(percent));
        line->append(value, 0);
        line->append(value, top);
        QPen pen(percent == 50 ? platform::kNavy : kRaised, 1.5);
        if (percent != 50)
            pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        attach(chart, line, x, y);
    }
}

void hideFromLegend(QChart &chart, QAbstractSeries *series)
{
    for (QLegendMarker *marker : chart.legend()->markers(series))
        marker->setVisible(false);
}

// One part of the histogram, below or above zero: its bins' tops as steps
// over the base line, filled in colour.
QAreaSeries *histogramPart(const std::vector<std::pair<QPointF, QPointF>> &bins, const QColor &colour)
{
    auto *upper = new QLineSeries;
    auto *lower = new QLineSeries;
    upper->append(bins.front().first.x(), 0);
    for (const auto &[left, right] : bins) {
        upper->append(left);
        upper->append(right);
    }
    upper->append(bins.back().second.x(), 0);
    lower->append(bins.front().first.x(), 0);
    lower->append(bins.back().second.x(), 0);
    auto *area = new QAreaSeries(upper, lower);
    area->setColor(colour);
    area->setBorderColor(colour.darker(130));
    return area;
}

} // namespace

std::unique_ptr<QChart> riskHistogramChart(const model::RiskSummary &summary, const QLocale &locale, QStringView symbol)
{
    auto [chart, shown] =
        riskChart(QT_TRANSLATE_NOOP("RiskChartText", "Histogram of the NPV ($)"),
                  QT_TRANSLATE_NOOP("RiskChartText", "Histogram of the annual savings ($)"), summary, locale, symbol);
    const std::vector<double> &values = shown.values;
    const std::optional<model::Quantiles> &quantiles = shown.quantiles;
    if (!quantiles)
        return std::move(chart);
    const double lo = values.front();
    const double width = values.back() > lo ? (values.back() - lo) / kRiskHistogramBins : 1;
    std::vector<int> counts(std::size_t(kRiskHistogramBins), 0);
    for (const double value : values)
        ++counts[std::size_t(std::clamp(int((value - lo) / width), 0, kRiskHistogramBins - 1))];
    // Each bin as a step; one that holds zero is parted there, so that the
    // runs below zero are the loss colour's.
    std::vector<std::pair<QPointF, QPointF>> below;
    std::vector<std::pair<QPointF, QPointF>> above;
    double top = 0;
    for (int b = 0; b < kRiskHistogramBins; ++b) {
        const double share = 100.0 * counts[std::size_t(b)] / double(values.size());
        const double left = lo + b * width;
        const double right = left + width;
        top = std::max(top, share);
        if (right <= 0) {
            below.emplace_back(QPointF(left, share), QPointF(right, share));
        } else if (left >= 0) {
            above.emplace_back(QPointF(left, share), QPointF(right, share));
        } else {
            below.emplace_back(QPointF(left, share), QPointF(0, share));
            above.emplace_back(QPointF(0, share), QPointF(right, share));
        }
    }
    QValueAxis *x = sparseMoneyAxis(lo, lo + kRiskHistogramBins * width);
    QValueAxis *y = shareAxis(top * 1.05, RiskChartText::tr("Share of runs (%)"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const auto &[bins, colour] : {std::pair{&below, kLoss}, std::pair{&above, kGain}}) {
        if (bins->empty())
            continue;
        QAreaSeries *area = histogramPart(*bins, colour);
        attach(*chart, area, x, y);
        // The area does not own its boundary lines; they go with it. (Only
        // once added: before, the area is a child of its upper line.)
        area->upperSeries()->setParent(area);
        area->lowerSeries()->setParent(area);
        hideFromLegend(*chart, area);
    }
    markQuantiles(*chart, *quantiles, y->max(), x, y);
    return std::move(chart);
}

std::unique_ptr<QChart> riskCurveChart(const model::RiskSummary &summary, const QLocale &locale, QStringView symbol)
{
    auto [chart, shown] =
        riskChart(QT_TRANSLATE_NOOP("RiskChartText", "S-curve of the NPV ($)"),
                  QT_TRANSLATE_NOOP("RiskChartText", "S-curve of the annual savings ($)"), summary, locale, symbol);
    const std::vector<double> &values = shown.values;
    const std::optional<model::Quantiles> &quantiles = shown.quantiles;
    if (!quantiles)
        return std::move(chart);
    QValueAxis *x = valueAxisOf(values);
    QValueAxis *y = shareAxis(100, RiskChartText::tr("Runs at or below (%)"));
    y->setRange(0, 100);
    y->setTickCount(6);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    // A few hundred points draw the curve as finely as the screen shows it.
    auto *curve = new QLineSeries;
    const std::size_t n = values.size();
    const std::size_t points = std::min<std::size_t>(n, 400);
    for (std::size_t k = 0; k < points; ++k) {
        const std::size_t i = points > 1 ? k * (n - 1) / (points - 1) : n - 1;
        curve->append(values[i], 100.0 * double(i + 1) / double(n));
    }
    curve->setPen(QPen(kGain, 2));
    attach(*chart, curve, x, y);
    hideFromLegend(*chart, curve);
    markQuantiles(*chart, *quantiles, 100, x, y);
    return std::move(chart);
}

} // namespace outputs
