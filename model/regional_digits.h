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

} // namespace model
