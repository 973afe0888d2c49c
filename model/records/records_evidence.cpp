// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/records_evidence.h"

#include "model/costs/lost_production.h"
#include "model/records/asset_failure_table.h"
#include "model/records/failure_events.h"
#include "model/records/savings_check_text.h"
#include "model/text/date_text.h"
#include "model/text/list_text.h"
#include "model/text/money_text.h"
#include "model/text/percentage_text.h"
#include "model/text/regional_digits.h"

#include <QCoreApplication>

#include <cmath>

namespace model {
namespace {

struct RecordsText {
    Q_DECLARE_TR_FUNCTIONS(RecordsText)
};

const std::array<QLatin1StringView, 4> kDateFormNames{QLatin1StringView("iso"), QLatin1StringView("dd.mm.yyyy"),
                                                      QLatin1StringView("dd/mm/yyyy"), QLatin1StringView("mm/dd/yyyy")};
static_assert(int(DateForm::Iso) == 0 && int(DateForm::DottedDayMonth) == 1 && int(DateForm::SlashDayMonth) == 2
              && int(DateForm::SlashMonthDay) == 3);

const std::array<QLatin1StringView, kWorkOrderColumnCount> kColumnKeys{
    QLatin1StringView("date"),        QLatin1StringView("asset"),       QLatin1StringView("workType"),
    QLatin1StringView("description"), QLatin1StringView("repairHours"), QLatin1StringView("downtimeHours")};

QString tenths(double value, const QLocale &locale) { return locale.toString(value, 'f', 1); }

} // namespace

QStringList evidenceLines(const RecordsEvidence &evidence, const QLocale &locale)
{
    const RecordsSummary &summary = evidence.summary;
    QStringList lines;
    if (summary.rate) {
        const FailureRate &rate = *summary.rate;
        lines << RecordsText::tr("%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6", nullptr,
                                 summary.failures)
                     .arg(dateText(summary.first, locale), dateText(summary.last, locale), tenths(rate.perYear, locale),
                          percentageText(90, locale), tenths(rate.perYearInterval.low, locale),
                          tenths(rate.perYearInterval.high, locale));
    } else {
        lines << RecordsText::tr("%Ln bearing failure(s) on %1, too short a time for a rate a year", nullptr,
                                 summary.failures)
                     .arg(dateText(summary.first, locale));
    }
    // Where the period comes from, and how the rate stands for it.
    if (summary.periodGiven)
        lines << RecordsText::tr("The period is the one given for the export");
    else if (summary.endsOnFailure && summary.rate)
        lines << RecordsText::tr("The period runs from the export's first order to its last; it ends on a failure, so "
                                 "the rate counts one failure fewer");
    else
        lines << RecordsText::tr("The period runs from the export's first order to its last");
    if (summary.trend && summary.rate) {
        const FailureTrend &trend = *summary.trend;
        const QString p = locale.toString(trend.p, 'f', 2);
        if (!trend.significant())
            lines << RecordsText::tr("No trend in the failures (Laplace U = %1, p = %2): the average rate is used")
                         .arg(locale.toString(trend.laplaceU, 'f', 2), p);
        else
            lines << (trend.beta > 1 ? RecordsText::tr("Failures rising (β = %1, p = %2): the rate at the end of the "
                                                       "records, %3 a year, is used")
                                     : RecordsText::tr("Failures falling (β = %1, p = %2): the rate at the end of the "
                                                       "records, %3 a year, is used"))
                         .arg(locale.toString(trend.beta, 'f', 2), p, tenths(ratePerYear(summary), locale));
    }
    if (const std::optional<SavingsCheck> &check = summary.check) {
        lines << RecordsText::tr("Failures before %1: %2 in %3 years; after: %4 in %5 years; measured: %6, %7")
                     .arg(dateText(check->installed, locale), locale.toString(check->before),
                          tenths(check->beforeYears, locale), locale.toString(check->after),
                          tenths(check->afterYears, locale), reductionText(check->reduction, locale),
                          reductionIntervalText(*check, locale));
    }
    // The worst actors, where the export names the assets.
    QStringList worst;
    for (std::size_t i = 0; i < summary.worstAssets.size() && i < 3; ++i) {
        const AssetFailures &asset = summary.worstAssets[i];
        const QString share = assetShareText(asset, summary, locale);
        worst << (asset.failures >= kRepeatFailures ? RecordsText::tr("%1 %2 (%3, repeat failures)")
                                                    : RecordsText::tr("%1 %2 (%3)"))
                     .arg(asset.asset, locale.toString(asset.failures), share);
    }
    if (!worst.isEmpty())
        lines << RecordsText::tr("Most failures: %1").arg(listText(worst));
    if (evidence.counting.failureTypes)
        lines << RecordsText::tr("Failures counted among the %Ln order(s) of type %1", nullptr, summary.ofFailureTypes)
                     .arg(evidence.counting.failureTypes->isEmpty() ? QStringLiteral("–")
                                                                    : listText(*evidence.counting.failureTypes));
    else if (evidence.columns[std::size_t(WorkOrderColumn::WorkType)].isEmpty())
        lines << RecordsText::tr("The export has no work-type column: every order was searched for the words");
    // The mean is what the replacements cost; files written before it was
    // kept have the median alone.
    if (summary.meanHours && summary.medianHours && summary.hours10 && summary.hours90)
        lines << RecordsText::tr("Hours to replace a bearing: mean %1, median %2, 10th to 90th percentile %3 to %4")
                     .arg(tenths(*summary.meanHours, locale), tenths(*summary.medianHours, locale),
                          tenths(*summary.hours10, locale), tenths(*summary.hours90, locale));
    else if (summary.medianHours && summary.hours10 && summary.hours90)
        lines << RecordsText::tr("Hours to replace a bearing: median %1, 10th to 90th percentile %2 to %3")
                     .arg(tenths(*summary.medianHours, locale), tenths(*summary.hours10, locale),
                          tenths(*summary.hours90, locale));
    if (summary.medianDowntime)
        lines << RecordsText::tr("Downtime per failure: median %1 hours").arg(tenths(*summary.medianDowntime, locale));
    if (const std::optional<double> stop = recordsStopHours(evidence))
        lines << RecordsText::tr("Lost production valued over the mean downtime of %1 hours a failure, not the repair "
                                 "hours")
                     .arg(tenths(*stop, locale));
    QString source =
        RecordsText::tr("From %Ln work order(s) in %1", nullptr, summary.workOrders)
            .arg(evidence.sheet.isEmpty() ? evidence.fileName : listText({evidence.fileName, evidence.sheet}));
    if (summary.duplicates > 0)
        source += RecordsText::tr(", %Ln repeated row(s) counted once", nullptr, summary.duplicates);
    if (summary.failureOrders > summary.failures)
        source += RecordsText::tr(", %Ln failure order(s), repeats on one asset within %1 days counted as one", nullptr,
                                  summary.failureOrders)
                      .arg(evidence.counting.repeatDays);
    if (summary.undated > 0)
        source += RecordsText::tr(", %Ln row(s) without a date left out", nullptr, summary.undated);
    if (summary.outsidePeriod > 0)
        source += RecordsText::tr(", %Ln order(s) outside the period left out", nullptr, summary.outsidePeriod);
    if (summary.leftOut > 0)
        source += RecordsText::tr(", %Ln order(s) left out by hand", nullptr, summary.leftOut);
    lines << source + RecordsText::tr(" (SHA-256 %1…)").arg(evidence.sha256.left(12));
    return lines;
}

QStringList worstAssetLines(const RecordsSummary &summary, const QLocale &locale)
{
    QStringList lines;
    for (const AssetFailures &asset : summary.worstAssets) {
        const std::optional<double> perYear = assetFailuresPerYear(asset, summary);
        QString line = RecordsText::tr("%1: %Ln failure(s), %2 a year, %3 of all failures", nullptr, asset.failures)
                           .arg(asset.asset, perYear ? tenths(*perYear, locale) : QStringLiteral("–"),
                                assetShareText(asset, summary, locale));
        if (asset.medianRepairHours)
            line += RecordsText::tr(", median repair %1 hours").arg(tenths(*asset.medianRepairHours, locale));
        if (asset.failures >= kRepeatFailures)
            line += RecordsText::tr(", repeat failures");
        lines << line;
    }
    return lines;
}

double ratePerYear(const RecordsSummary &summary)
{
    return summary.rate ? trendFactor(summary) * summary.rate->perYear : 0;
}

double trendFactor(const RecordsSummary &summary)
{
    return summary.trend && summary.trend->significant() ? summary.trend->beta : 1;
}

QString noFailuresFoundText(const RecordsEvidence &evidence)
{
    if (evidence.counting.failureTypes && evidence.counting.failureTypes->isEmpty())
        return RecordsText::tr("No bearing failures found: no work type is chosen as corrective or breakdown.");
    return RecordsText::tr("No bearing failures found: no work order's type or description holds %1.")
        .arg(listText(evidence.failureWords));
}

std::vector<std::pair<Input, QString>> recordsFigureTexts(const RecordsSummary &summary, const QLocale &locale)
{
    // To the tenth, as the evidence states it, so that the field shows the
    // figure the user read.
    const auto text = [&](double value) {
        return regionalDigits(plainNumberText(std::round(value * 10) / 10, locale), locale);
    };
    std::vector<std::pair<Input, QString>> texts;
    if (summary.rate)
        texts.emplace_back(Input::BearingFailures, text(ratePerYear(summary)));
    if (const std::optional<double> hours = summary.meanHours ? summary.meanHours : summary.medianHours)
        texts.emplace_back(Input::HoursPerReplacement, text(*hours));
    return texts;
}

std::optional<double> recordsStopHours(const RecordsEvidence &evidence)
{
    if (!evidence.stopsOnDowntime || !evidence.summary.meanDowntime)
        return std::nullopt;
    return std::min(std::round(*evidence.summary.meanDowntime * 10) / 10, kMaxStopHours);
}

QLatin1StringView dateFormName(DateForm form) { return kDateFormNames[std::size_t(form)]; }

std::optional<DateForm> dateFormNamed(QStringView name)
{
    for (std::size_t i = 0; i < kDateFormNames.size(); ++i) {
        if (name == kDateFormNames[i])
            return DateForm(i);
    }
    return std::nullopt;
}

QLatin1StringView columnKey(WorkOrderColumn column) { return kColumnKeys[std::size_t(column)]; }

} // namespace model
