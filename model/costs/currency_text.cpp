// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/currency_text.h"

#include "model/costs/currency_units.h"
#include "model/text/money_text.h"

namespace model {
namespace {

// Splits a currency text of one unit around its digits.
std::pair<QString, QString> around(const QLocale &locale, double one, QStringView symbol)
{
    const QString text = locale.toCurrencyString(one, symbol.toString(), 2);
    const QString digits = locale.toString(1.0, 'f', 2);
    const qsizetype at = text.indexOf(digits);
    if (at < 0) // not met in any settings Qt knows; a readable fallback
        return {one < 0 ? locale.negativeSign() + symbol.toString() : symbol.toString(), QString()};
    QString before = text.left(at);
    // Qt writes some regions' minus between the symbol and the digits
    // ("₹-60,000.00", "R$ -3,00"), where their own usage puts it first:
    // "-₹60,000.00", "-R$ 3,00".
    const QString minus = locale.negativeSign();
    if (one < 0 && before.endsWith(minus) && before.size() > minus.size())
        before = minus + before.chopped(minus.size());
    return {before, text.mid(at + digits.size())};
}

// A text as a quoted literal of a spreadsheet number format; the symbol
// holds no quote (readCurrencySymbol()).
QString quoted(const QString &text) { return text.isEmpty() ? QString() : u'"' + text + u'"'; }

} // namespace

CurrencyPattern currencyPattern(const QLocale &locale, QStringView symbol)
{
    const auto [before, after] = around(locale, 1.0, symbol);
    const auto [negativeBefore, negativeAfter] = around(locale, -1.0, symbol);
    return {before, after, negativeBefore, negativeAfter};
}

QString currencyText(double value, const QLocale &locale, QStringView symbol)
{
    const QString designed = currencyText(value, locale);
    if (symbol == QStringView(kDesignedCurrencySymbol) || designed.isEmpty())
        return designed;
    // The designed text is "-$digits" or "$digits"; its digits stay as they
    // are, only the sign and the symbol move.
    const bool negative = designed.startsWith(u'-');
    QString digits = designed.mid(negative ? 2 : 1);
    if (digits.startsWith(locale.decimalPoint()))
        digits.prepend(locale.zeroDigit()); // "$.50" is designed; "0,50 €" is how others write it
    const CurrencyPattern pattern = currencyPattern(locale, symbol);
    return negative ? pattern.negativeBefore + digits + pattern.negativeAfter : pattern.before + digits + pattern.after;
}

QString moneyText(double value, const QLocale &locale, QStringView symbol)
{
    QString text = currencyText(value, locale, symbol);
    if (symbol != QStringView(kDesignedCurrencySymbol))
        return text;
    const qsizetype digits = text.startsWith(u'-') ? 2 : 1;
    if (QStringView(text).mid(digits).startsWith(locale.decimalPoint()))
        text.insert(digits, locale.zeroDigit());
    return text;
}

QString spreadsheetMoneyFormat(const QLocale &locale, QStringView symbol, const QString &designedFormat)
{
    if (symbol == QStringView(kDesignedCurrencySymbol))
        return designedFormat;
    const CurrencyPattern pattern = currencyPattern(locale, symbol);
    const QString number = QStringLiteral("#,##0.00");
    return quoted(pattern.before) + number + quoted(pattern.after) + u';' + quoted(pattern.negativeBefore) + number
           + quoted(pattern.negativeAfter);
}

} // namespace model
