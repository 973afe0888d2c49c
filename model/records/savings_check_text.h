// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/failure_rate.h"
#include "model/records/savings_check.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace model {

// The captions every view of the savings check shares: the report's page,
// the workbook's sheet, the clipboard and the Business Case window.
enum class SavingsCheckCaption {
    SavingsCheck,
    Period,
    Before,
    After,
    From,
    To,
    Years,
    Failures,
    PerYear,
    Low,
    High,
    MeasuredReduction,
    MeasuredLow,
    MeasuredHigh,
    AssumedReduction,
};
QString savingsCheckCaption(SavingsCheckCaption caption);

// The confidence of every interval of the check.
inline constexpr double kSavingsCheckConfidence = 0.9;

// The failures a year before and after the installation, each with the
// exact interval of its count (failureRateOf()).
struct SavingsCheckRates {
    FailureRate before;
    FailureRate after;
};
SavingsCheckRates savingsCheckRates(const SavingsCheck &check);

// A reduction's size in whole per cent as the check writes it, without its
// direction: 0.71 and −0.71 are both 71. Never rounded to 0 or to 100 % fewer
// where it is not that: 0.996 is 99.6 and 0.003 is 0.3.
double shownReductionPercent(double reduction);

// The reduction in words: "71% fewer", "13% more", "no change".
QString reductionText(double reduction, const QLocale &locale);
// The reduction's interval in words, its ends ordered as they are said, the
// smaller change first where both ends go one way: "90% between 48% and 85%
// fewer", "90% between 185% more and 55% fewer".
QString reductionIntervalText(const SavingsCheck &check, const QLocale &locale);

// The measured reduction beside the assumed one, true also where the
// failures rose: "The case assumes 80% fewer bearing failures; the records
// measure 71% fewer, 90% between 48% and 85% fewer." or "… measure 13% more,
// 90% between 185% more and 55% fewer."
QString assumedBesideMeasuredText(const SavingsCheck &check, double assumedPercent, const QLocale &locale);

// The check as lines: each period's failures and rate with its interval,
// then assumedBesideMeasuredText().
QStringList savingsCheckLines(const SavingsCheck &check, double assumedPercent, const QLocale &locale);

} // namespace model
