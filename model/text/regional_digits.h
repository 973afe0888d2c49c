// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace model {

// The text with each ASCII digit written as the locale's digit of the same
// value (QLocale::zeroDigit() and the nine after it): "1,234.50" becomes
// "١,٢٣٤.٥٠" for ar_EG. Everything else stays; where the locale writes ASCII
// digits the text is returned as it is. For figures shown to a person; texts
// a program reads back (files, clipboard values, cells) keep ASCII digits.
QString regionalDigits(QString asciiText, const QLocale &locale);

// The reverse: the locale's digits written as ASCII digits. Nothing when the
// text holds digits of both systems ("1٢3"), which no one writes and which
// may be a paste gone wrong; a text of one system alone is kept whole.
std::optional<QString> asciiDigits(QStringView text, const QLocale &locale);

// A text of a left-to-right line as it is to read. The bidirectional
// algorithm counts numbers in Arabic-Indic digits as right-to-left for the
// characters between them, so "at ٨%: $١٦٣" would show as "at ١٦٣$ :٨%": a
// left-to-right mark (U+200E, which takes no room) after each such number
// keeps every line in the order it is written. Other texts are returned as
// they are.
QString keptInWrittenOrder(QString text);

} // namespace model
