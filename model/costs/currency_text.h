// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace model {

// Where the regional settings put a currency symbol around a figure, as
// QLocale::toCurrencyString() writes it: the texts before and after the
// digits of a positive and of a negative amount, the sign included.
struct CurrencyPattern {
    QString before;
    QString after;
    QString negativeBefore;
    QString negativeAfter;
};
CurrencyPattern currencyPattern(const QLocale &locale, QStringView symbol);

// The number format a spreadsheet shows a money figure with, in its own
// (US English) syntax: the designed "$" as designedFormat gives it, another
// symbol placed as the regional settings place it, e.g.
// #,##0.00"\u00A0€";"-"#,##0.00"\u00A0€" for de_DE.
QString spreadsheetMoneyFormat(const QLocale &locale, QStringView symbol, const QString &designedFormat);

} // namespace model
