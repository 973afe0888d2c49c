// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/business_case.h"

#include <QLocale>
#include <QRectF>
#include <QSizeF>

#include <memory>
#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
class QPainter;
class QValueAxis;
QT_END_NAMESPACE

namespace outputs {

// The cumulative cash flow of the investment at the end of each year, from
// year 0 (the outlay) to the period's end, as columns, undiscounted or
// discounted; the title says which. Money is in the currency of symbol.
enum class CashFlowBasis { Undiscounted, Discounted };
std::unique_ptr<QChart> cashFlowChart(const model::BusinessCase &measures, const QLocale &locale,
                                      QStringView symbol = u"$", CashFlowBasis basis = CashFlowBasis::Undiscounted);

// The tornado chart: for each figure and reduction, how far the annual
// savings move from baseSavings when it is lowered and raised by the step,
// largest effect at the top.
std::unique_ptr<QChart> tornadoChart(const std::vector<model::SensitivityBar> &bars, double baseSavings,
                                     double stepPercent, const model::Assumptions &assumptions, const QLocale &locale,
                                     QStringView symbol = u"$");

// The measure a tornado shows the change of.
enum class SensitivityMeasure { AnnualSavings, NetPresentValue };

// The study's tornado of the measure: its bars' changes from the assumed
// case, largest at the top, each bar's low and high value written at its
// ends. The NPV's has no bars when no investment is given.
std::unique_ptr<QChart> tornadoChart(const model::BusinessCaseStudy &study, SensitivityMeasure measure,
                                     const QLocale &locale, QStringView symbol = u"$");

// The spider chart of the study: the NPV against −30 % to +30 % of each of
// the five strongest inputs, a line each.
std::unique_ptr<QChart> spiderChart(const model::BusinessCaseStudy &study, const QLocale &locale,
                                    QStringView symbol = u"$");

// What a bar of the savings' tornado stands for: the figure's caption, or
// the row's reduction with its assumed percentage.
QString sensitivityName(const model::SensitivityBar &bar, const model::Assumptions &assumptions, const QLocale &locale);

// An empty chart in these charts' look (title, fonts, legend below), and a
// value axis over lo to hi labelled in whole units of money, for other
// charts of the business case.
std::unique_ptr<QChart> styledChart(const QString &title, const QLocale &locale);
QValueAxis *moneyValueAxis(double lo, double hi);

// Paints a chart that is in no view into target as vectors, laid out as it
// would be at layoutSize on screen.
void paintChart(QChart &chart, QPainter &painter, const QRectF &target, const QSizeF &layoutSize);

} // namespace outputs
