// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/savings_check.h"

#include <QDate>
#include <QLocale>

#include <memory>
#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace outputs {

// The bearing failures counted up against their dates over the records
// from first to last, a step at each failure, with the installation date a
// vertical line named at its top and, after it, the count had the failures
// gone on at the rate before: where the steps bend away from that line is
// the evidence. Without the failures' dates (a facility file written before
// they were kept) only the installation is drawn.
std::unique_ptr<QChart> cumulativeFailuresChart(const std::vector<QDate> &failures, const QDate &first,
                                                const QDate &last, const model::SavingsCheck &check,
                                                const QLocale &locale);

} // namespace outputs
