// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/business_case.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace model {

// The measures of a business case as the Business Case window, the report
// and the clipboard write them, one line each, in the regional settings:
// "Simple payback: 4.8 months", "Net present value at 10%: $169,615.15",
// "Internal rate of return: none, the cash flows never change sign". A
// payback beyond the years evaluated says so.
// Money is written in the currency of symbol.
// With the approver's inputs, the outlay names its contingency, its
// accuracy range follows it and the hurdle's verdict the rate of return.
QStringList measureLines(const BusinessCase &measures, const Investment &investment, const QLocale &locale,
                         QStringView symbol = u"$", const CapitalInputs &capital = {});

// Whether the case meets the company's hurdle rate: by the internal rate of
// return where there is one, else by the net present value at the hurdle.
bool meetsHurdle(const BusinessCase &measures, double hurdleRatePercent);
// "Against the hurdle rate of 15%: the internal rate of return of 48.2%
// meets it; the net present value at 15% is $92,000.00."
QString hurdleLine(const BusinessCase &measures, double hurdleRatePercent, const QLocale &locale,
                   QStringView symbol = u"$");

// The measures on the hard savings alone, in one line beside the full
// case's: "On hard savings alone ($21,660.00 a year): net present value
// $62,095.25, internal rate of return 96.1%, simple payback 11.1 months".
QString hardSavingsLine(const BusinessCase &hard, const QLocale &locale, QStringView symbol = u"$");

// The break-even values rounded towards the side where the case holds: the
// price down to the cent, the share up to a tenth of a per cent, the failures
// up to a tenth, so that the case holds at the figure shown.
BreakEven towardsTheCase(const BreakEven &breakEven);

// The values at which the assumed case's NPV is zero, one line each:
// "Break-even system price: $131,207.52", "The case holds down to 38.0% of
// the assumed reductions.", "Break-even bearing failures: 0.9 a year".
QStringList breakEvenLines(const BreakEven &breakEven, const QLocale &locale, QStringView symbol = u"$");

// The rates, in per cent, at which the NPV is shown when the flows change
// sign more than once and so no single IRR can be given.
inline constexpr double kNpvProfileRates[] = {0, 5, 10, 20, 50, 100};
// "$1,200.00 at 0%, $800.00 at 5%, ...": the NPV at each of those rates.
QString npvProfileText(const CashFlowTable &table, const QLocale &locale, QStringView symbol = u"$");

// One measure's figure alone, as a table cell shows it.
QString paybackText(const BusinessCase &measures, const QLocale &locale);
QString npvText(const BusinessCase &measures, const QLocale &locale, QStringView symbol = u"$");

// The name of a case: "Conservative", "Assumed", "Optimistic".
QString scenarioName(Scenario scenario);

// How the measures are computed, for the report's note; with capital inputs
// other than the defaults the rules the cash-flow table applies, with the
// discounting of the timing chosen.
QString measuresNote(const Investment &investment, const QLocale &locale, const CapitalInputs &capital = {});

// A rate or share as a percentage, one decimal, grouped, its sign set by
// withPercentSign(): 2.4962 is "249.6%", "249,6 %" in Germany.
QString percentOf(double fraction, const QLocale &locale);

} // namespace model
