// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/risk_simulation.h"

#include <QLocale>

#include <memory>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace outputs {

// The two charts of the risk simulation, of the net present value where the
// runs have one (an investment is given), otherwise of the annual savings:
// a histogram of the runs' share in each bin, the runs below zero in the
// loss colour, and the S-curve, the share of runs at or below each value.
// Both mark the P10, P50 and P90 with a vertical line each, named in the
// legend. Money is in the currency of symbol.
std::unique_ptr<QChart> riskHistogramChart(const model::RiskSummary &summary, const QLocale &locale,
                                           QStringView symbol = u"$");
std::unique_ptr<QChart> riskCurveChart(const model::RiskSummary &summary, const QLocale &locale,
                                       QStringView symbol = u"$");

// How many bins the histogram has.
inline constexpr int kRiskHistogramBins = 40;

} // namespace outputs
