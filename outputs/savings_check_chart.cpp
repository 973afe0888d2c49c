// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/savings_check_chart.h"

#include "model/text/date_text.h"
#include "outputs/business_case_charts.h"
#include "platform/designed_look.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct SavingsChartText {
    Q_DECLARE_TR_FUNCTIONS(SavingsChartText)
};

const QColor kInstalled(46, 125, 50);
const QColor kRateBefore(230, 145, 56);

// A date as the date axis places it: its day number.
qreal at(const QDate &date) { return qreal(date.toJulianDay()); }

// The axis from first to last, labelled at the start of every so many
// months, at most six labels; the years alone where the step is a year or
// more. Records too short for a month's start name their first and last day.
QCategoryAxis *dateAxis(const QDate &first, const QDate &last)
{
    auto *axis = new QCategoryAxis;
    axis->setRange(at(first), at(last));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int months = (last.year() - first.year()) * 12 + last.month() - first.month();
    int step = 1;
    for (const int s : {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200}) {
        step = s;
        if (months / s <= 5)
            break;
    }
    QDate label(first.year(), first.month(), 1);
    if (label < first)
        label = label.addMonths(1);
    while ((label.month() - 1) % std::min(step, 12) != 0 || (step > 12 && label.year() % (step / 12) != 0))
        label = label.addMonths(1);
    for (; label <= last; label = label.addMonths(step))
        axis->append(label.toString(step >= 12 ? QStringLiteral("yyyy") : QStringLiteral("yyyy-MM")), at(label));
    if (axis->count() < 2) {
        for (const QString &name : axis->categoriesLabels())
            axis->remove(name);
        axis->append(first.toString(Qt::ISODate), at(first));
        axis->append(last.toString(Qt::ISODate), at(last));
    }
    return axis;
}

void attach(QChart &chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void hideFromLegend(QChart &chart, QAbstractSeries *series)
{
    for (QLegendMarker *marker : chart.legend()->markers(series))
        marker->setVisible(false);
}

} // namespace

std::unique_ptr<QChart> cumulativeFailuresChart(const std::vector<QDate> &failures, const QDate &first,
                                                const QDate &last, const model::SavingsCheck &check,
                                                const QLocale &locale)
{
    auto chart = styledChart(SavingsChartText::tr("Bearing failures counted up"), locale);
    const QFont axisFont(QStringLiteral("Liberation Sans"), 7);
    QCategoryAxis *x = dateAxis(first, std::max(last, first.addDays(1)));
    x->setLabelsFont(axisFont);
    // Had the failures gone on at the rate before, this many by the end.
    const double beforeRate = check.before / check.beforeYears;
    const double projected = check.before + beforeRate * check.afterYears;
    auto *y = new QValueAxis;
    y->setRange(0, std::max({projected, double(failures.size()), 1.0}) * 1.08);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setLabelsFont(axisFont);
    y->setTitleText(SavingsChartText::tr("Failures since %1").arg(model::dateText(first, locale)));
    y->setTitleFont(axisFont);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    if (!failures.empty()) {
        auto *counted = new QLineSeries;
        counted->setName(SavingsChartText::tr("Failures counted up"));
        counted->append(at(first), 0);
        for (std::size_t i = 0; i < failures.size(); ++i) {
            counted->append(at(failures[i]), qreal(i));
            counted->append(at(failures[i]), qreal(i + 1));
        }
        counted->append(at(last), qreal(failures.size()));
        counted->setPen(QPen(platform::kNavy, 2));
        attach(*chart, counted, x, y);
    }
    auto *rateBefore = new QLineSeries;
    rateBefore->setName(SavingsChartText::tr("At the rate before the installation"));
    rateBefore->append(at(check.installed), check.before);
    rateBefore->append(at(last), projected);
    QPen dashed(kRateBefore, 1.5);
    dashed.setStyle(Qt::DashLine);
    rateBefore->setPen(dashed);
    attach(*chart, rateBefore, x, y);

    // The installation: a line up to its name.
    const double top = y->max();
    auto *installed = new QLineSeries;
    installed->append(at(check.installed), 0);
    installed->append(at(check.installed), top * 0.9);
    installed->setPen(QPen(kInstalled, 1.5));
    attach(*chart, installed, x, y);
    hideFromLegend(*chart, installed);
    auto *name = new QScatterSeries;
    name->append(at(check.installed), top * 0.9);
    name->setMarkerSize(1);
    name->setColor(Qt::transparent);
    name->setBorderColor(Qt::transparent);
    name->setPointLabelsFormat(SavingsChartText::tr("Installed %1").arg(model::dateText(check.installed, locale)));
    name->setPointLabelsFont(QFont(QStringLiteral("Liberation Sans"), 8, QFont::Bold));
    name->setPointLabelsColor(kInstalled);
    name->setPointLabelsClipping(false);
    name->setPointLabelsVisible(true);
    attach(*chart, name, x, y);
    hideFromLegend(*chart, name);
    return chart;
}

} // namespace outputs
