// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>

namespace model {

// The one way a percentage the program writes is set, by the regional
// settings: the figure, then "%", parted by a no-break space (U+00A0) where
// the locale's percent pattern in the Unicode CLDR holds one. So "8,5 %" in
// German, French and Spanish, but "8,5%" in Switzerland and "8.5%" in
// Mexico, whose patterns have no space; "8.5%" in English and Chinese,
// "8,5%" in Brazilian Portuguese. French takes U+00A0 too, as CLDR writes
// (its narrow no-break space is for grouping only) and as the French
// catalogue does. The sign is "%" everywhere, also where the locale knows
// another (Arabic's U+066A), since the interface's own texts write "%".
QString withPercentSign(const QString &figure, const QLocale &locale);

// A reduction as the captions and the assumptions dialog write it: no
// trailing zeros, no grouping ("90", "72.5").
QString percentText(double percent, const QLocale &locale);

// A number of per cent as percentText() writes it, with its sign: "72.5%", "72,5 %".
QString percentageText(double percent, const QLocale &locale);

} // namespace model
