// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"
#include "model/finance/risk_simulation.h"
#include "model/records/records_evidence.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace model {

// The captions every view of the simulation shares: the window's tab, the
// report, the clipboard, the workbook and the ranges' dialog.
enum class RiskCaption {
    Risk,
    Input,
    Low,
    MostLikely,
    High,
    AnnualSavings,
    NetPresentValue,
    PaybackMonths,
    BelowZero,
    Seed,
    Run,
};
QString riskCaption(RiskCaption caption);

// A risk input as the ranges' dialog, the report and the workbook name it:
// "Lubrication labor reduction (%)", "Bearing failures a year", "Value of
// an hour's production ($)" with the currency's symbol.
QString riskInputName(RiskInput input, QStringView symbol = u"$");

// A value of the input as a field takes it and the report writes it:
// without grouping, as many decimals as it has (the production rate's to
// the cent).
QString riskValueText(RiskInput input, double value, const QLocale &locale);

// One input's range for a table: the low, most likely and high values (of
// a gamma draw its P10, P50 and P90), or, for a fixed input, "—" either
// side of its value.
struct RiskRangeText {
    QString name;
    QString low;
    QString likely;
    QString high;
};
std::array<RiskRangeText, kRiskInputCount> riskRangeTexts(const RiskRanges &ranges, const InputValues &values,
                                                          const Assumptions &assumptions, const QLocale &locale,
                                                          QStringView symbol = u"$");

// The share of runs whose NPV is below zero, to a tenth of a per cent: "12.3 %".
QString riskShareText(double share, const QLocale &locale);

// A quantile of the payback in months, "none" where the run never pays back.
QString riskPaybackText(double months, const QLocale &locale);

// The chance that the NPV is below zero (with an investment), the runs and
// the seed, and the runs left out where there are any: a line each.
QStringList riskFactLines(const RiskSummary &summary, std::uint64_t seed, const QLocale &locale);

// What the simulation came to, a line each: the P10 / P50 / P90 of the
// annual savings, and with an investment those of the NPV and the payback;
// then riskFactLines().
QStringList riskLines(const RiskSummary &summary, std::uint64_t seed, const QLocale &locale, QStringView symbol = u"$");

// Which inputs the records give and how (recordsDrawText()), one sentence
// for the window, the report and the clipboard: "From the records: “Bearing
// failures a year”, the gamma posterior (Jeffreys prior) of 17 failures
// counted in 2.0 years; “Hours to replace a bearing”, a gamma of the mean of
// 12 repairs: 4.3 hours, standard error 0.4." Empty where the ranges take
// none from the records.
QString riskRecordsText(const RiskRanges &ranges, const std::optional<RecordsEvidence> &records, const QLocale &locale,
                        QStringView symbol = u"$");

// Said in place of the lines when no run computes.
QString noRiskRunsText();

// Why ranges are refused whose runs would overflow (overflowingRiskInput()),
// naming the input as riskInputName() does.
QString riskOverflowText(RiskInput input, QStringView symbol = u"$");

} // namespace model
