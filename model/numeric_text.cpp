// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/numeric_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace model {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isExponentMark(QChar c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Only blanks and tabs are ignored at the ends; QStringView::trimmed() would
// also drop line feeds and carriage returns.
QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// strtod in the "C" locale: QApplication sets the process locale from the
// environment, and the normalised texts here always use a period.
double parseCDouble(const std::string &ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

// Reads a run of ASCII digits, into out when given; returns how many were read.
qsizetype readDigits(QStringView text, qsizetype &pos, std::string *out = nullptr)
{
    const qsizetype start = pos;
    for (; pos < text.size() && isAsciiDigit(text[pos]); ++pos) {
        if (out)
            out->push_back(char(text[pos].unicode()));
    }
    return pos - start;
}

// Reads "E[+|-]digits" when it is complete; leaves pos alone otherwise.
bool readExponent(QStringView text, qsizetype &pos, std::string *out = nullptr)
{
    if (pos >= text.size() || !isExponentMark(text[pos]))
        return false;
    qsizetype p = pos + 1;
    std::string exponent = "e";
    if (p < text.size() && (text[p] == u'+' || text[p] == u'-'))
        exponent.push_back(char(text[p++].unicode()));
    if (readDigits(text, p, &exponent) == 0)
        return false;
    if (out)
        *out += exponent;
    pos = p;
    return true;
}

// The number at the start of the text as the conversion reads it, before a
// value outside the range of a double is dropped.
double readLeadingNumber(QStringView text)
{
    // Drop the characters the conversion skips wherever they stand.
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact.append(c);
    }

    std::string number;
    qsizetype pos = 0;
    if (pos < compact.size() && (compact[pos] == u'+' || compact[pos] == u'-'))
        number.push_back(char(compact[pos++].unicode()));
    qsizetype digits = readDigits(compact, pos, &number);
    if (pos < compact.size() && compact[pos] == u'.') {
        ++pos;
        number.push_back('.');
        digits += readDigits(compact, pos, &number);
    }
    if (digits == 0)
        return 0.0;
    readExponent(compact, pos, &number);

    return parseCDouble(number);
}

} // namespace

bool passesNumericTest(QStringView text, const QLocale &locale)
{
    text = trimBlanks(text);
    if (text.isEmpty())
        return false;

    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    qsizetype pos = 0;

    if (text[pos] == u'+' || text[pos] == u'-')
        ++pos;

    // Integer part: thousands separators only between digits.
    qsizetype digits = 0;
    while (pos < text.size()) {
        if (isAsciiDigit(text[pos])) {
            ++pos;
            ++digits;
        } else if (digits > 0 && !group.isEmpty() && text.sliced(pos).startsWith(group)
                   && pos + group.size() < text.size()
                   && isAsciiDigit(text[pos + group.size()])) {
            pos += group.size();
        } else {
            break;
        }
    }

    if (pos < text.size()) {
        qsizetype markLength = 0;
        if (!decimal.isEmpty() && text.sliced(pos).startsWith(decimal))
            markLength = decimal.size();
        else if (text[pos] == u'.')
            markLength = 1;
        if (markLength > 0) {
            pos += markLength;
            digits += readDigits(text, pos);
        }
    }
    if (digits == 0)
        return false;
    readExponent(text, pos);
    if (pos != text.size())
        return false;

    // The range is judged on the value the conversion reads, which is the
    // value the arithmetic gets. The locale's own reading can differ: where
    // the period groups thousands, "1.5E308" reads here as 15E308, out of
    // range, although the conversion gives 1.5E308.
    return std::isfinite(readLeadingNumber(text));
}

double convertValue(QStringView text)
{
    const double value = readLeadingNumber(text);
    return std::isfinite(value) ? value : 0.0;
}

} // namespace model
