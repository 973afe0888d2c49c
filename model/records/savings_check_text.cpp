// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/savings_check_text.h"

#include "model/text/date_text.h"
#include "model/text/percentage_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace model {
namespace {

struct SavingsCheckText {
    Q_DECLARE_TR_FUNCTIONS(SavingsCheckText)
};

QString tenths(double value, const QLocale &locale) { return locale.toString(value, 'f', 1); }

QString sizeText(double reduction, const QLocale &locale)
{
    return percentageText(shownReductionPercent(reduction), locale);
}

} // namespace

QString savingsCheckCaption(SavingsCheckCaption caption)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("SavingsCheckText", "Savings check"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Period"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Before"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "After"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "From"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "To"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Years"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Bearing failures"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Failures a year"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "90% low"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "90% high"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Measured reduction"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Measured reduction, 90% low"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Measured reduction, 90% high"),
        QT_TRANSLATE_NOOP("SavingsCheckText", "Assumed reduction"),
    };
    static_assert(std::size(captions) == std::size_t(SavingsCheckCaption::AssumedReduction) + 1);
    return SavingsCheckText::tr(captions[std::size_t(caption)]);
}

SavingsCheckRates savingsCheckRates(const SavingsCheck &check)
{
    // Each period is longer than none wherever there is a check.
    const auto rate = [](int count, double years) {
        return failureRateOf(count, years, kSavingsCheckConfidence).value_or(FailureRate{count, years, 0, {}, {}});
    };
    return {rate(check.before, check.beforeYears), rate(check.after, check.afterYears)};
}

double shownReductionPercent(double reduction)
{
    const double percent = std::abs(reduction) * 100;
    const double whole = std::round(percent);
    const bool fewer = reduction > 0;
    if ((whole == 0 && percent > 0) || (fewer && whole == 100 && percent < 100))
        return std::clamp(std::round(percent * 10) / 10, 0.1, fewer ? 99.9 : 0.9);
    return whole;
}

QString reductionIntervalText(const SavingsCheck &check, const QLocale &locale)
{
    const QString confidence = percentageText(100 * kSavingsCheckConfidence, locale);
    const double low = check.low;
    const double high = check.high;
    if (!std::isfinite(low)) {
        return high > 0
                   ? SavingsCheckText::tr("%1 between any rise and %2 fewer").arg(confidence, sizeText(high, locale))
                   : SavingsCheckText::tr("%1 at least %2 more").arg(confidence, sizeText(high, locale));
    }
    if (low >= 0)
        return SavingsCheckText::tr("%1 between %2 and %3 fewer")
            .arg(confidence, sizeText(low, locale), sizeText(high, locale));
    if (high <= 0)
        return SavingsCheckText::tr("%1 between %2 and %3 more")
            .arg(confidence, sizeText(high, locale), sizeText(low, locale));
    return SavingsCheckText::tr("%1 between %2 more and %3 fewer")
        .arg(confidence, sizeText(low, locale), sizeText(high, locale));
}

QString reductionText(double reduction, const QLocale &locale)
{
    if (reduction == 0)
        return SavingsCheckText::tr("no change");
    return (reduction > 0 ? SavingsCheckText::tr("%1 fewer") : SavingsCheckText::tr("%1 more"))
        .arg(sizeText(reduction, locale));
}

QString assumedBesideMeasuredText(const SavingsCheck &check, double assumedPercent, const QLocale &locale)
{
    //: %1: the assumed reduction ("80%"), %2: the measured one ("71% fewer", "13% more"), %3: its interval ("90%
    //: between 48% and 85% fewer").
    return SavingsCheckText::tr("The case assumes %1 fewer bearing failures; the records measure %2, %3.")
        .arg(percentageText(assumedPercent, locale), reductionText(check.reduction, locale),
             reductionIntervalText(check, locale));
}

QStringList savingsCheckLines(const SavingsCheck &check, double assumedPercent, const QLocale &locale)
{
    const SavingsCheckRates rates = savingsCheckRates(check);
    const QString confidence = percentageText(100 * kSavingsCheckConfidence, locale);
    const QString installed = dateText(check.installed, locale);
    const auto rateText = [&](const FailureRate &rate) {
        //: %1: failures a year, %2: "90%", %3 and %4: the interval's ends.
        return SavingsCheckText::tr("%1 a year, %2 between %3 and %4")
            .arg(tenths(rate.perYear, locale), confidence, tenths(rate.perYearInterval.low, locale),
                 tenths(rate.perYearInterval.high, locale));
    };
    return {SavingsCheckText::tr("Before %1: %Ln bearing failure(s) in %2 years, %3", nullptr, check.before)
                .arg(installed, tenths(check.beforeYears, locale), rateText(rates.before)),
            SavingsCheckText::tr("From %1 on: %Ln bearing failure(s) in %2 years, %3", nullptr, check.after)
                .arg(installed, tenths(check.afterYears, locale), rateText(rates.after)),
            assumedBesideMeasuredText(check, assumedPercent, locale)};
}

} // namespace model
