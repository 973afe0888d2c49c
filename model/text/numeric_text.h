// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace model {

// The figure a typed text stands for in the user's regional settings, or
// nothing when the text is no number. Blanks, tabs, carriage returns and line
// feeds at either end are ignored; then an optional sign, digits, an optional
// decimal separator with a fraction, and an optional exponent (E or D, an
// optional sign, digits).
//
// Thousands separators (the locale's; for a locale that groups with a blank
// or an apostrophe, any blank or apostrophe of that kind) stand only between
// groups of three digits after a first group of one to three: "1,000" is
// 1000 in en_US, "1,00,0" is no number. The decimal separator is the
// locale's, or a period, which many users type whatever their settings say;
// where the period groups thousands (de_DE), it is read as a decimal point
// only when the text makes no sense with it as a separator: "2.000" is 2000,
// "1.5" is 1.5.
//
// Every number the locale writes reads, as the figure its ASCII form is:
// "1,00,000" in hi_IN (the groups the locale makes are taken beside groups of
// three), "\u0661\u066C\u0660\u0660\u0660\u066B\u0665" (1000.5) in ar_EG with
// the locale's own digits and marks, "\u2212" or "\u200E\u2212" for its minus
// sign (the direction marks Qt writes into signs may be left out), and its
// exponent symbol ("\u0627\u0633" in ar_EG) beside E and D. The digits are
// either ASCII or the locale's (QLocale::zeroDigit()), in every part of a
// text: one that mixes the two is no number, and other locales' digits never
// read.
//
// A text whose value lies beyond the range of a double is no number: the
// figure typed cannot be computed with. Below the range it reads as 0.
std::optional<double> readFigure(QStringView text, const QLocale &locale);

// Does the text count as a number? The same reading as readFigure().
inline bool passesNumericTest(QStringView text, const QLocale &locale) { return readFigure(text, locale).has_value(); }

// The text an input field keeps of what was typed or pasted into it: the
// characters that cannot be seen (C0 controls, DEL and C1 controls) would make
// a field that looks right fail the numeric test, so they are dropped. Tabs,
// carriage returns and line feeds are dropped at either end, so that a cell
// copied from a spreadsheet ("2000\r\n") reads as its figure; between visible
// characters a run of them becomes one blank, so that two pasted cells
// ("1\n2") do not run together into another figure. When cursor is given, it
// is a position in the text and is moved to the same place in the result.
QString visibleFieldText(QStringView text, qsizetype *cursor = nullptr);

// A plain number text (plainNumberText()) in locale that reads back
// (readFigure()) as exactly value.
QString numberTextReadingBack(double value, const QLocale &locale);

} // namespace model
