// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/business_case_charts.h"

#include "model/cost_rows.h"
#include "model/currency_units.h"
#include "model/input_table.h"
#include "platform/designed_look.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHorizontalStackedBarSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct BusinessCaseText {
    Q_DECLARE_TR_FUNCTIONS(BusinessCaseText)
};

const QColor kGain(46, 125, 50);
const QColor kLoss(183, 28, 28);

std::unique_ptr<QChart> plainChart(const QString &title, const QLocale &locale)
{
    auto chart = std::make_unique<QChart>();
    // Axis labels written by the regional settings, grouped: "300,000".
    chart->setLocalizeNumbers(true);
    chart->setLocale(locale);
    chart->setTitle(title);
    QFont titleFont(QStringLiteral("Liberation Sans"), 10, QFont::Bold);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(platform::kNavy);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// A value axis over lo to hi with room around the bars, labelled in whole
// dollars grouped as the chart's regional settings write them.
QValueAxis *moneyAxis(double lo, double hi)
{
    auto *axis = new QValueAxis;
    if (!(hi > lo)) {
        lo -= 1;
        hi += 1;
    }
    axis->setRange(lo, hi);
    axis->applyNiceNumbers();
    // Whole dollars while they stay short, then in the exponent form.
    const double span = std::max(std::abs(axis->min()), std::abs(axis->max()));
    axis->setLabelFormat(span >= 1e9 ? QStringLiteral("%.2g") : QStringLiteral("%.0f"));
    // Labelled in whole dollars, the ticks stand a whole number of dollars
    // apart: over a few dollars (nothing saved) the nice ticks would be
    // halves, labelled "-1 -1 0 1 1".
    const double interval = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    if (span < 1e9 && interval != std::ceil(interval)) {
        const double whole = std::ceil(interval);
        const double min = std::floor(axis->min() / whole) * whole;
        const double max = std::ceil(axis->max() / whole) * whole;
        axis->setRange(min, max);
        axis->setTickCount(int(std::lround((max - min) / whole)) + 1);
    }
    axis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    return axis;
}

} // namespace

std::unique_ptr<QChart> cashFlowChart(const model::BusinessCase &measures, const QLocale &locale, QStringView symbol,
                                      CashFlowBasis basis)
{
    const bool discounted = basis == CashFlowBasis::Discounted;
    auto chart = plainChart(
        model::withCurrencySymbol(discounted ? BusinessCaseText::tr("Cumulative discounted cash flow ($)")
                                             : BusinessCaseText::tr("Cumulative cash flow, undiscounted ($)"),
                                  symbol),
        locale);
    // Two sets so that the years still in debt and those in profit differ
    // in colour; each year has its value in one of them.
    auto *debt = new QBarSet(BusinessCaseText::tr("Not yet paid back"));
    auto *profit = new QBarSet(BusinessCaseText::tr("Paid back"));
    debt->setColor(kLoss);
    profit->setColor(kGain);
    QStringList years;
    double lo = 0;
    double hi = 0;
    for (const model::CashFlowYear &year : measures.cashFlow.years) {
        const double cumulative = discounted ? year.cumulativeDiscounted : year.cumulative;
        const double value = std::isfinite(cumulative) ? cumulative : 0;
        *debt << (value < 0 ? value : 0);
        *profit << (value >= 0 ? value : 0);
        lo = std::min(lo, value);
        hi = std::max(hi, value);
        years << locale.toString(year.year);
    }
    auto *series = new QStackedBarSeries;
    series->append(debt);
    series->append(profit);
    series->setBarWidth(0.6);
    chart->addSeries(series);
    auto *yearAxis = new QBarCategoryAxis;
    yearAxis->append(years);
    yearAxis->setTitleText(BusinessCaseText::tr("Year"));
    yearAxis->setTitleFont(QFont(QStringLiteral("Liberation Sans"), 7));
    yearAxis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    chart->addAxis(yearAxis, Qt::AlignBottom);
    series->attachAxis(yearAxis);
    QValueAxis *valueAxis = moneyAxis(lo, hi);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(valueAxis);
    return chart;
}

QString sensitivityName(const model::SensitivityBar &bar, const model::Assumptions &assumptions, const QLocale &locale)
{
    // Short enough for the chart's axis; the field captions alone would not
    // say which "Lubrication" or "Bearing Replacement" is meant.
    static const char *const figures[model::kInputCount] = {
        QT_TRANSLATE_NOOP("BusinessCaseText", "Bearings in facility"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Bearing failures"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication points"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication frequency"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubricant quantity"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Hourly production rate"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Cost of lubricant"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Cost of a bearing"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication labor rate"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Replacement labor rate"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Time to lubricate a point"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Time to replace a bearing"),
    };
    static const char *const rows[model::kReducedRowCount] = {
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubrication labor reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lubricant reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Bearings reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Replacement labor reduction (%1%)"),
        QT_TRANSLATE_NOOP("BusinessCaseText", "Lost production reduction (%1%)"),
    };
    if (!bar.isReduction)
        return BusinessCaseText::tr(figures[bar.index]);
    return BusinessCaseText::tr(rows[bar.index - 1])
        .arg(model::percentText(assumptions.reductionPercent[std::size_t(bar.index - 1)], locale));
}

std::unique_ptr<QChart> tornadoChart(const std::vector<model::SensitivityBar> &bars, double baseSavings,
                                     double stepPercent, const model::Assumptions &assumptions, const QLocale &locale,
                                     QStringView symbol)
{
    const QString step = model::percentText(stepPercent, locale);
    auto chart = plainChart(
        model::withCurrencySymbol(BusinessCaseText::tr("Change of the annual savings ($) at \u00B1%1%"), symbol)
            .arg(step),
        locale);
    auto *lowered = new QBarSet(BusinessCaseText::tr("Lowered by %1%").arg(step));
    auto *raised = new QBarSet(BusinessCaseText::tr("Raised by %1%").arg(step));
    lowered->setColor(QColor(96, 125, 196));
    raised->setColor(QColor(230, 145, 56));
    QStringList names;
    double lo = 0;
    double hi = 0;
    // Horizontal bars run from the bottom up: the largest effect goes last.
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        const double down = bar->low - baseSavings;
        const double up = bar->high - baseSavings;
        *lowered << down;
        *raised << up;
        lo = std::min({lo, down, up});
        hi = std::max({hi, down, up});
        names << sensitivityName(*bar, assumptions, locale);
    }
    auto *series = new QHorizontalStackedBarSeries;
    series->append(lowered);
    series->append(raised);
    series->setBarWidth(0.7);
    chart->addSeries(series);
    auto *nameAxis = new QBarCategoryAxis;
    nameAxis->append(names);
    nameAxis->setLabelsFont(QFont(QStringLiteral("Liberation Sans"), 7));
    nameAxis->setTruncateLabels(false);
    chart->addAxis(nameAxis, Qt::AlignLeft);
    series->attachAxis(nameAxis);
    const double reach = std::max(std::abs(lo), std::abs(hi));
    QValueAxis *valueAxis = moneyAxis(-reach, reach);
    chart->addAxis(valueAxis, Qt::AlignBottom);
    series->attachAxis(valueAxis);
    return chart;
}

void paintChart(QChart &chart, QPainter &painter, const QRectF &target, const QSizeF &layoutSize)
{
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.resize(layoutSize);
    chart.layout()->activate();
    scene.render(&painter, target, QRectF(chart.pos(), layoutSize), Qt::IgnoreAspectRatio);
    scene.removeItem(&chart);
}

} // namespace outputs
