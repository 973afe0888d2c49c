// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QStringView>

namespace model {

// Does the text count as a number? Blanks at either end are ignored; then an
// optional sign, digits with the locale's thousands separators between them,
// an optional decimal separator (the locale's, or a period, which the value
// conversion always reads) with a fraction, and an optional exponent (E or D).
// A text whose value, as the value conversion reads it, lies outside the
// range of a double does not count: the figure typed would silently become 0.
bool passesNumericTest(QStringView text, const QLocale &locale);

// The number at the start of the text. Blanks, tabs and line feeds are
// skipped wherever they occur; a sign, digits with at most one period, then
// an exponent (E or D) are read up to the first character that fits none of
// them. Thousands separators are not read, so "1,000" gives 1. Gives 0 when
// nothing was read, and 0 for a value outside the range of a double: the
// result is always finite.
double convertValue(QStringView text);

} // namespace model
