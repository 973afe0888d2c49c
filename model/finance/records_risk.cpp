// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/records_risk.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace model {
namespace {

struct RecordsText {
    Q_DECLARE_TR_FUNCTIONS(RecordsText)
};

const std::array<QLatin1StringView, kRiskInputCount> kRiskInputKeys{
    QLatin1StringView("lubricationLabour"),   QLatin1StringView("lubricant"),      QLatin1StringView("bearings"),
    QLatin1StringView("replacementLabour"),   QLatin1StringView("lostProduction"), QLatin1StringView("bearingFailures"),
    QLatin1StringView("hoursPerReplacement"), QLatin1StringView("productionRate")};

QString tenths(double value, const QLocale &locale) { return locale.toString(value, 'f', 1); }

// The failures the rate counts: one fewer where the records stop at a
// failure (rateOf()), so that the posterior centres on the rate shown.
int countedFailures(const FailureRate &rate) { return int(std::lround(rate.perYear * rate.years)); }

// The mean repair hours' standard error s ÷ √k, where the summary keeps the
// spread of two or more repairs.
std::optional<double> meanHoursError(const RecordsSummary &summary)
{
    if (!summary.meanHours || !summary.hoursDeviation || summary.hoursCount < 2)
        return std::nullopt;
    return *summary.hoursDeviation / std::sqrt(double(summary.hoursCount));
}

// The mean repair hours' sampling distribution as a gamma of their mean and
// standard error: shape (m ÷ se)², scale se² ÷ m. A gamma rather than the
// Student-t: repair times are positive and skewed to the long repairs, and
// so is the mean of a few of them; a t of a few repairs with a wide spread
// would draw negative hours. The gamma draws none, keeps the mean and the
// standard error exactly, and is the mean's very distribution where single
// repairs are gamma distributed themselves. None where the mean barely varies
// (a standard error below a millionth of it, or none): the mean is kept.
std::optional<GammaDraw> meanHoursDraw(const RecordsSummary &summary)
{
    const std::optional<double> error = meanHoursError(summary);
    if (!error)
        return std::nullopt;
    const double mean = *summary.meanHours;
    const double shape = (mean / *error) * (mean / *error);
    const double scale = *error * *error / mean;
    if (!(shape <= 1e12) || !std::isnormal(scale))
        return std::nullopt;
    return GammaDraw{shape, scale};
}

} // namespace

RiskRanges withRecordsRanges(RiskRanges ranges, const RecordsSummary &summary)
{
    const auto follow =
        [&](RiskInput input, const std::optional<PertRange> &range, const std::optional<GammaDraw> &draw) {
        ranges.ranges[std::size_t(input)] = range;
        ranges.draws[std::size_t(input)] = draw;
        ranges.fromRecords[std::size_t(input)] = true;
    };
    if (summary.rate) {
        // The rate's posterior with the Jeffreys prior, gamma of shape n + ½
        // and rate T (the years); with a trend it moves with the rate used.
        const FailureRate &rate = *summary.rate;
        follow(RiskInput::BearingFailures, std::nullopt,
               GammaDraw{countedFailures(rate) + 0.5, trendFactor(summary) / rate.years});
    }
    if (const std::optional<GammaDraw> draw = meanHoursDraw(summary))
        follow(RiskInput::HoursPerReplacement, std::nullopt, draw);
    else if (meanHoursError(summary))
        follow(RiskInput::HoursPerReplacement, PertRange{*summary.meanHours, *summary.meanHours, *summary.meanHours},
               std::nullopt);
    else if (summary.medianHours && summary.hours10 && summary.hours90)
        follow(RiskInput::HoursPerReplacement, PertRange{*summary.hours10, *summary.medianHours, *summary.hours90},
               std::nullopt);
    return ranges;
}

QString recordsDrawText(RiskInput input, const RecordsSummary &summary, const QLocale &locale)
{
    if (input == RiskInput::BearingFailures && summary.rate) {
        const FailureRate &rate = *summary.rate;
        const QString posterior =
            RecordsText::tr("the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 "
                            "years",
                            nullptr, countedFailures(rate))
                .arg(tenths(rate.years, locale));
        if (trendFactor(summary) == 1)
            return posterior;
        //: %1: the gamma posterior of the failures, %2: the trend's β.
        return RecordsText::tr("%1, times the trend's β of %2")
            .arg(posterior, locale.toString(trendFactor(summary), 'f', 2));
    }
    if (input != RiskInput::HoursPerReplacement)
        return QString();
    if (meanHoursDraw(summary))
        return RecordsText::tr("a gamma of the mean of %Ln repair(s): %1 hours, standard error %2", nullptr,
                               summary.hoursCount)
            .arg(tenths(*summary.meanHours, locale), tenths(*meanHoursError(summary), locale));
    if (meanHoursError(summary))
        return RecordsText::tr("the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary", nullptr,
                               summary.hoursCount)
            .arg(tenths(*summary.meanHours, locale));
    if (summary.medianHours && summary.hours10 && summary.hours90)
        return RecordsText::tr("a PERT over the repairs' 10th to 90th percentile, most likely their median");
    return QString();
}

QLatin1StringView riskInputKey(RiskInput input) { return kRiskInputKeys[std::size_t(input)]; }

} // namespace model
