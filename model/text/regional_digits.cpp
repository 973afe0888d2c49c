// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/regional_digits.h"

namespace model {
namespace {

// The code point of the locale's zero; some digit systems lie beyond the
// Basic Multilingual Plane, so zeroDigit() may be a surrogate pair.
char32_t zeroOf(const QLocale &locale)
{
    const QString zero = locale.zeroDigit();
    if (zero.size() == 2 && zero[0].isHighSurrogate() && zero[1].isLowSurrogate())
        return QChar::surrogateToUcs4(zero[0], zero[1]);
    return zero.size() == 1 ? zero[0].unicode() : U'0';
}

} // namespace

QString regionalDigits(QString asciiText, const QLocale &locale)
{
    const char32_t zero = zeroOf(locale);
    if (zero == U'0')
        return asciiText;
    QString out;
    out.reserve(asciiText.size());
    for (const QChar c : std::as_const(asciiText)) {
        if (c >= u'0' && c <= u'9') {
            const char32_t digit = zero + (c.unicode() - u'0');
            out += QStringView(QChar::fromUcs4(digit));
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QString> asciiDigits(QStringView text, const QLocale &locale)
{
    const char32_t zero = zeroOf(locale);
    if (zero == U'0')
        return text.toString();
    QString out;
    out.reserve(text.size());
    bool ascii = false;
    bool regional = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (c >= zero && c <= zero + 9) {
            regional = true;
            out += QChar(char16_t(u'0' + (c - zero)));
        } else {
            ascii = ascii || (c >= U'0' && c <= U'9');
            out += text.sliced(i, units);
        }
        i += units - 1;
    }
    if (ascii && regional)
        return std::nullopt;
    return out;
}

QString keptInWrittenOrder(QString text)
{
    // Arabic-Indic and extended Arabic-Indic digits, and the Arabic decimal
    // and thousands separators within such numbers.
    const auto arabicNumber = [](QChar c) {
        return (c >= u'\u0660' && c <= u'\u066C') || (c >= u'\u06F0' && c <= u'\u06F9');
    };
    // A separator between two such digits ("١/٣/٢٠٢٣", "١٠:٣٠") belongs to the
    // number: a mark after the first digit would part the date.
    const auto joinsDigits = [&](qsizetype i) {
        static const QString separators = QStringLiteral(",./:\u00A0");
        return i + 1 < text.size() && separators.contains(text[i]) && arabicNumber(text[i + 1]);
    };
    // The Arabic letter mark that such a locale puts before its minus sign
    // ("\u061C-٥") turns the sign and the number right to left, so that "-٥"
    // would show as "٥-": in a left-to-right line it becomes a left-to-right
    // mark, which keeps the sign before the number.
    text.replace(u'\u061C', u'\u200E');
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const bool ends =
            arabicNumber(text[i]) && (i + 1 == text.size() || (!arabicNumber(text[i + 1]) && !joinsDigits(i + 1)));
        if (ends && (i + 1 == text.size() || text[i + 1] != u'\u200E'))
            text.insert(i + 1, u'\u200E');
    }
    return text;
}

} // namespace model
