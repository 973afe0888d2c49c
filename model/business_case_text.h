// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/business_case.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace model {

// The measures of a business case as the Business Case window, the report
// and the clipboard write them, one line each, in the regional settings:
// "Simple payback: 4.8 months", "Net present value at 10%: $169,615.15",
// "Internal rate of return: none, the cash flows never change sign".
// Money is written in the currency of symbol.
QStringList measureLines(const BusinessCase &measures, const Investment &investment, const QLocale &locale,
                         QStringView symbol = u"$");

// One measure's figure alone, as a table cell shows it.
QString paybackText(const BusinessCase &measures, const QLocale &locale);
QString npvText(const BusinessCase &measures, const QLocale &locale, QStringView symbol = u"$");

// The name of a case: "Conservative", "Assumed", "Optimistic".
QString scenarioName(Scenario scenario);

// How the measures are computed, for the report's note.
QString measuresNote(const Investment &investment, const QLocale &locale);

// A rate or share as a percentage: 2.4962 is "249.6%".
QString percentOf(double fraction, const QLocale &locale);

} // namespace model
