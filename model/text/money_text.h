// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>

namespace model {

// A figure as the result labels show it, "$###,###,###,###.00": a dollar
// sign, the integer part grouped with the locale's separator as the locale
// groups (in threes; in India the last three, then twos: "$40,00,000.00") and
// without leading zeros (so 0.5 is "$.50"), the locale's decimal separator
// and two decimals; a minus sign before the dollar for a negative value.
// The digits are the locale's ("$\u0661\u066C\u0662\u0663\u0664\u066B\u0665\u0660"
// for 1234.5 in ar_EG), as in every figure shown.
// A value that is not finite has no currency text and gives "".
QString currencyText(double value, const QLocale &locale);

// The sum a figure's currency text shows, as a number: rounded to the cent
// by the same rule (1.005 is 1.01, 2.675 is 2.68). A value that is not
// finite is given back as it is.
double roundedToCents(double value);

// The same figure in another currency (currency_text.cpp). With "$" it is
// the text above, in any regional settings. With another symbol the symbol
// stands where the regional settings place it (QLocale::toCurrencyString():
// "14.400,00 €" in Germany, "€14,400.00" in the United States), with the
// digits, marks and rounding above, a zero before the decimal mark, and the
// negative form of those settings ("-1,00 €", "(€1.00)").
QString currencyText(double value, const QLocale &locale, QStringView symbol);

// The same, with a zero before the decimal mark in dollars too ("$0.00",
// "-$0.50"): money everywhere but the designed tables, which write "$.00".
QString moneyText(double value, const QLocale &locale, QStringView symbol);

// A figure as the chart receives it: up to 15 significant digits, the
// locale's decimal separator, no grouping, a leading minus when negative.
// ASCII digits in every locale: the chart and the facility file read it back.
QString plainNumberText(double value, const QLocale &locale, int significantDigits = 15);

} // namespace model
