// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Fuzzes the numeric test and the value conversion of typed text.
//
// Byte 0 picks the locale (byte % 3: en_US, de_DE, fr_FR) and how the other
// bytes are read ((byte / 3) % 3):
//   0  UTF-8 text (malformed sequences become U+FFFD);
//   1  UTF-16 text in host byte order (an odd last byte is dropped);
//   2  a plain number built from the bytes, see buildPlainNumber().
//
// Whatever the text, the conversion gives a finite number, blanks around the
// text change neither the test nor the conversion, a character that is no
// part of a number stops both, and a text that passes holds a digit. A plain
// number (sign, ASCII digits with at most one period, exponent) passes in
// every locale exactly when its value is within the range of a double, and
// then converts to the value strtod reads.

#include "fuzz_support.h"
#include "model/numeric_text.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Blanks and tabs at the ends; an optional sign; ASCII digits with at most one
// period and at least one digit; optionally E, e, D or d, a sign and digits.
// Gives the number as strtod takes it, or nothing for a text of another shape.
std::optional<std::string> plainNumberForm(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);

    std::string form;
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        form.push_back(char(text[pos++].unicode()));
    int digits = 0;
    bool period = false;
    for (; pos < text.size(); ++pos) {
        if (isAsciiDigit(text[pos])) {
            ++digits;
        } else if (text[pos] == u'.' && !period) {
            period = true;
        } else {
            break;
        }
        form.push_back(char(text[pos].unicode()));
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size()) {
        const QChar mark = text[pos++];
        if (mark != u'E' && mark != u'e' && mark != u'D' && mark != u'd')
            return std::nullopt;
        form.push_back('e');
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
            form.push_back(char(text[pos++].unicode()));
        const qsizetype exponentStart = pos;
        for (; pos < text.size() && isAsciiDigit(text[pos]); ++pos)
            form.push_back(char(text[pos].unicode()));
        if (pos == exponentStart || pos != text.size())
            return std::nullopt;
    }
    return form;
}

class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t next()
    {
        if (m_size == 0)
            return 0;
        --m_size;
        return *m_data++;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
};

// A plain number whose every part is chosen by the next byte: a shape byte
// (bits 0-1 sign: none, '+', '-', none; bit 2 period; bit 3 exponent; bit 4
// blanks before; bit 5 blanks after), then the counts of integer and fraction
// digits (up to 23 each), the digits, then the exponent's mark, sign and 1 to
// 5 digits, which reach far beyond the range of a double both ways.
QString buildPlainNumber(ByteReader &in)
{
    const std::uint8_t shape = in.next();
    QString text;
    if (shape & 0x10)
        text += (in.next() & 1) ? u'\t' : u' ';
    if ((shape & 3) == 1)
        text += u'+';
    else if ((shape & 3) == 2)
        text += u'-';
    int integerDigits = in.next() % 24;
    int fractionDigits = (shape & 0x04) ? in.next() % 24 : 0;
    if (integerDigits + fractionDigits == 0)
        integerDigits = 1;
    for (int i = 0; i < integerDigits; ++i)
        text += QChar(char16_t(u'0' + in.next() % 10));
    if (shape & 0x04)
        text += u'.';
    for (int i = 0; i < fractionDigits; ++i)
        text += QChar(char16_t(u'0' + in.next() % 10));
    if (shape & 0x08) {
        text += QChar(u"EeDd"[in.next() % 4]);
        const std::uint8_t sign = in.next() % 3;
        if (sign == 1)
            text += u'+';
        else if (sign == 2)
            text += u'-';
        const int exponentDigits = 1 + in.next() % 5;
        for (int i = 0; i < exponentDigits; ++i)
            text += QChar(char16_t(u'0' + in.next() % 10));
    }
    if (shape & 0x20)
        text += (in.next() & 1) ? u'\t' : u' ';
    return text;
}

// A plain number counts as a number in every locale exactly when strtod
// reads it within range (an underflow to 0 is in range), and converts to
// what strtod reads; out of range it fails everywhere and converts to 0.
void checkPlainNumber(const QString &text, const std::string &form)
{
    const double reference = fuzz::readCDouble(form);
    const double converted = model::convertValue(text);
    const bool inRange = std::isfinite(reference);
    for (const QLocale &locale : fuzz::locales()) {
        FUZZ_CHECK(model::passesNumericTest(text, locale) == inRange,
                   inRange ? "a plain number within range passes the numeric test in every locale"
                           : "a plain number out of range fails the numeric test",
                   fuzz::printable(text) + " in " + locale.name().toStdString() + ", strtod reads "
                       + fuzz::printable(reference));
    }
    if (inRange) {
        FUZZ_CHECK(sameDouble(converted, reference),
                   "a plain number converts to the value strtod reads",
                   fuzz::printable(text) + " converts to " + fuzz::printable(converted)
                       + ", strtod reads " + fuzz::printable(reference));
    } else {
        FUZZ_CHECK(converted == 0, "a plain number out of range converts to 0",
                   fuzz::printable(text) + " converts to " + fuzz::printable(converted));
    }
}

void checkText(const QString &text, const QLocale &locale)
{
    const std::string where = fuzz::printable(text) + " in " + locale.name().toStdString();

    const double converted = model::convertValue(text);
    FUZZ_CHECK(std::isfinite(converted), "the conversion always gives a finite number",
               where + " converts to " + fuzz::printable(converted));

    const bool passes = model::passesNumericTest(text, locale);
    if (passes) {
        FUZZ_CHECK(std::any_of(text.cbegin(), text.cend(), isAsciiDigit),
                   "a text that passes the numeric test holds an ASCII digit", where);
    }

    // The conversion skips blanks, tabs and line feeds wherever they are; the
    // test ignores blanks and tabs at the ends.
    const QString padded = QStringLiteral(" \t") + text + QStringLiteral("\t ");
    FUZZ_CHECK(model::passesNumericTest(padded, locale) == passes,
               "blanks and tabs at the ends do not change the numeric test", where);
    FUZZ_CHECK(sameDouble(model::convertValue(QStringLiteral("\n") + padded), converted),
               "blanks, tabs and line feeds do not change the conversion", where);

    // 'x' is no part of a number: the conversion stops there, the test fails.
    const QString stopped = text + u'x';
    FUZZ_CHECK(sameDouble(model::convertValue(stopped), converted),
               "the conversion stops at a character that is no part of a number", where);
    FUZZ_CHECK(!model::passesNumericTest(stopped, locale),
               "a text ending in a letter fails the numeric test", where);

    // Without the locale's separators a passing text can only be plain.
    const std::optional<std::string> form = plainNumberForm(text);
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    if (passes && !text.contains(group) && (decimal == u"." || !text.contains(decimal))) {
        FUZZ_CHECK(form.has_value(),
                   "a text without the locale's separators passes only when it is a plain number",
                   where);
    }
    if (form)
        checkPlainNumber(text, *form);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = fuzz::locales()[data[0] % 3];
    const int mode = (data[0] / 3) % 3;
    ++data;
    --size;

    QString text;
    if (mode == 0) {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    } else if (mode == 1) {
        // Copied, not cast: the bytes need not be aligned for char16_t.
        text = QString(qsizetype(size / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        ByteReader in(data, size);
        text = buildPlainNumber(in);
        const std::optional<std::string> form = plainNumberForm(text);
        FUZZ_CHECK(form.has_value(), "the built text is a plain number", fuzz::printable(text));
    }
    checkText(text, locale);
    return 0;
}
