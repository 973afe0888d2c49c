// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>

namespace model {

// A figure as the result labels show it, "$###,###,###,###.00": a dollar
// sign, the integer part grouped in threes with the locale's separator and
// without leading zeros (so 0.5 is "$.50"), the locale's decimal separator
// and two decimals; a minus sign before the dollar for a negative value.
// A value that is not finite has no currency text and gives "".
QString currencyText(double value, const QLocale &locale);

// A figure as the chart receives it: up to 15 significant digits, the
// locale's decimal separator, no grouping, a leading minus when negative.
QString plainNumberText(double value, const QLocale &locale);

} // namespace model
