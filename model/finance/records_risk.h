// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/risk_simulation.h"
#include "model/records/records_evidence.h"

#include <QLatin1StringView>
#include <QLocale>
#include <QString>

namespace model {

// The ranges with the records' own, each marked fromRecords, as far as the
// records tell of the inputs: the failures a year drawn from the rate's
// posterior, and the hours to replace a bearing, the mean repair's, from
// the mean's sampling distribution (both gamma distributions); in files
// that keep no spread of the hours, these over a PERT range from their 10th
// to 90th percentile, most likely the median.
RiskRanges withRecordsRanges(RiskRanges ranges, const RecordsSummary &summary);

// How withRecordsRanges() draws the input: "the gamma posterior (Jeffreys
// prior) of 17 failures counted in 2.0 years", "a gamma of the mean of 12
// repairs: 4.3 hours, standard error 0.4"; empty where the records tell
// nothing of it.
QString recordsDrawText(RiskInput input, const RecordsSummary &summary, const QLocale &locale);

// The keys of the risk inputs ("lubricationLabour" … "lostProduction" as the
// assumptions name the reductions, then "bearingFailures",
// "hoursPerReplacement", "productionRate").
QLatin1StringView riskInputKey(RiskInput input);

} // namespace model
