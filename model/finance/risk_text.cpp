// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/risk_text.h"

#include "model/costs/currency_units.h"
#include "model/finance/records_risk.h"
#include "model/text/message_text.h"
#include "model/text/money_text.h"
#include "model/text/percentage_text.h"
#include "model/text/regional_digits.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct RiskText {
    Q_DECLARE_TR_FUNCTIONS(RiskText)
};

QString quantileLine(const char *caption, const Quantiles &q, const std::function<QString(double)> &text)
{
    return RiskText::tr(caption).arg(text(q.p10), text(q.p50), text(q.p90));
}

} // namespace

QString riskInputName(RiskInput input, QStringView symbol)
{
    switch (input) {
    case RiskInput::LabourReduction:
        return RiskText::tr("Lubrication labor reduction (%)");
    case RiskInput::LubricantReduction:
        return RiskText::tr("Lubricant reduction (%)");
    case RiskInput::BearingsReduction:
        return RiskText::tr("Bearings reduction (%)");
    case RiskInput::ReplacementLabourReduction:
        return RiskText::tr("Replacement labor reduction (%)");
    case RiskInput::LostProductionReduction:
        return RiskText::tr("Lost production reduction (%)");
    case RiskInput::BearingFailures:
        return RiskText::tr("Bearing failures a year");
    case RiskInput::HoursPerReplacement:
        return RiskText::tr("Hours to replace a bearing");
    case RiskInput::ProductionRate:
        return withCurrencySymbol(RiskText::tr("Value of an hour's production ($)"), symbol);
    }
    return QString();
}

QString riskValueText(RiskInput, double value, const QLocale &locale)
{
    // Two decimals at most: a range from the records' interval has many. A
    // value too large to have decimals is as it is; in hundredths it would
    // overflow.
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    const double rounded = std::abs(value) < 1e15 ? std::round(value * 100) / 100 : value;
    return plain.toString(rounded, 'f', QLocale::FloatingPointShortest); // never "1e+05"
}

std::array<RiskRangeText, kRiskInputCount> riskRangeTexts(const RiskRanges &ranges, const InputValues &values,
                                                          const Assumptions &assumptions, const QLocale &locale,
                                                          QStringView symbol)
{
    std::array<RiskRangeText, kRiskInputCount> texts;
    for (int i = 0; i < kRiskInputCount; ++i) {
        const auto input = RiskInput(i);
        RiskRangeText &text = texts[std::size_t(i)];
        text.name = riskInputName(input, symbol);
        if (const std::optional<GammaDraw> &draw = ranges.draws[std::size_t(i)]) {
            text.low = riskValueText(input, draw->quantile(0.1), locale);
            text.likely = riskValueText(input, draw->quantile(0.5), locale);
            text.high = riskValueText(input, draw->quantile(0.9), locale);
        } else if (const std::optional<PertRange> &range = ranges.ranges[std::size_t(i)]) {
            text.low = riskValueText(input, range->low, locale);
            text.likely = riskValueText(input, range->likely, locale);
            text.high = riskValueText(input, range->high, locale);
        } else {
            text.low = text.high = QStringLiteral("\u2014");
            text.likely = riskValueText(input, riskInputValue(input, values, assumptions), locale);
        }
    }
    return texts;
}

QString riskShareText(double share, const QLocale &locale)
{
    return percentageText(std::round(share * 1000) / 10, locale);
}

QString riskCaption(RiskCaption caption)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("RiskText", "Risk"),
        QT_TRANSLATE_NOOP("RiskText", "Input"),
        QT_TRANSLATE_NOOP("RiskText", "Low"),
        QT_TRANSLATE_NOOP("RiskText", "Most likely"),
        QT_TRANSLATE_NOOP("RiskText", "High"),
        QT_TRANSLATE_NOOP("RiskText", "Annual savings"),
        QT_TRANSLATE_NOOP("RiskText", "Net present value"),
        QT_TRANSLATE_NOOP("RiskText", "Simple payback (months)"),
        QT_TRANSLATE_NOOP("RiskText", "Chance that the NPV is below zero"),
        QT_TRANSLATE_NOOP("RiskText", "Seed"),
        QT_TRANSLATE_NOOP("RiskText", "Run"),
    };
    static_assert(std::size(captions) == std::size_t(RiskCaption::Run) + 1);
    return RiskText::tr(captions[std::size_t(caption)]);
}

QString riskPaybackText(double months, const QLocale &locale)
{
    // Not paid back within the period, or never: both not within it.
    if (!std::isfinite(months))
        return RiskText::tr("not within the period");
    return locale.toString(months, 'f', 1);
}

QStringList riskFactLines(const RiskSummary &summary, std::uint64_t seed, const QLocale &locale)
{
    QStringList lines;
    if (summary.npvBelowZero)
        lines << RiskText::tr("%1: %2", "a caption and its figure, with the language's colon")
                     .arg(riskCaption(RiskCaption::BelowZero), riskShareText(*summary.npvBelowZero, locale));
    //: %1: nine runs in ten, "90%" as the language writes a percentage.
    lines << RiskText::tr("P10 is each measure's unfavorable end: savings and net present value reached in %1 of "
                          "the runs, a payback reached within it in %1 of them. The inputs are drawn independently.")
                 .arg(percentageText(90, locale));
    //: %1: the number of runs, %2: the seed, a whole number that draws the same runs again.
    lines << RiskText::tr("%1 run(s) of the simulation, seed %2", "", summary.runs)
                 .arg(locale.toString(summary.runs), regionalDigits(QString::number(seed), locale));
    if (summary.failedRuns > 0)
        lines << RiskText::tr("%1 run(s) left out: their arithmetic overflows.", "", summary.failedRuns)
                     .arg(locale.toString(summary.failedRuns));
    return lines;
}

QStringList riskLines(const RiskSummary &summary, std::uint64_t seed, const QLocale &locale, QStringView symbol)
{
    const auto money = [&](double value) { return moneyText(value, locale, symbol); };
    QStringList lines;
    lines << quantileLine(QT_TRANSLATE_NOOP("RiskText", "Annual savings, P10 / P50 / P90: %1 / %2 / %3"),
                          summary.savings, money);
    if (summary.npv)
        lines << quantileLine(QT_TRANSLATE_NOOP("RiskText", "Net present value, P10 / P50 / P90: %1 / %2 / %3"),
                              *summary.npv, money);
    if (summary.paybackMonths)
        lines << quantileLine(QT_TRANSLATE_NOOP("RiskText", "Simple payback in months, P10 / P50 / P90: %1 / %2 / %3"),
                              *summary.paybackMonths, [&](double months) { return riskPaybackText(months, locale); });
    return lines + riskFactLines(summary, seed, locale);
}

QString riskRecordsText(const RiskRanges &ranges, const std::optional<RecordsEvidence> &records, const QLocale &locale,
                        QStringView symbol)
{
    QStringList inputs;
    for (int i = 0; records && i < kRiskInputCount; ++i) {
        const auto input = RiskInput(i);
        const QString drawn = recordsDrawText(input, records->summary, locale);
        if (ranges.fromRecords[std::size_t(i)] && !drawn.isEmpty())
            //: %1: the input's name, %2: how the records give it.
            inputs << RiskText::tr("%1, %2").arg(quotedForMessage(riskInputName(input, symbol)), drawn);
    }
    if (inputs.isEmpty())
        return QString();
    return RiskText::tr("From the records: %1.").arg(inputs.join(RiskText::tr("; ")));
}

QString noRiskRunsText()
{
    return RiskText::tr("No run of the simulation can be computed from these figures and ranges.");
}

QString riskOverflowText(RiskInput input, QStringView symbol)
{
    return RiskText::tr("The range of %1 is too wide: at its ends the arithmetic overflows, so the runs there "
                        "cannot be computed. Narrow it to simulate the risk.")
        .arg(quotedForMessage(riskInputName(input, symbol)));
}

} // namespace model
