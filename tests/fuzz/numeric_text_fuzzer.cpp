// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Fuzzes the reading of typed text as a figure and what an input field keeps
// of typed or pasted text.
//
// Byte 0 picks the locale (byte % 10: en_US, de_DE, fr_FR, de_CH, hi_IN,
// ar_EG, fa_IR, he_IL, sv_SE, pl_PL) and how the other bytes are read
// ((byte / 10) % 4):
//   0  UTF-8 text (malformed sequences become U+FFFD);
//   1  UTF-16 text in host byte order (an odd last byte is dropped);
//   2  a plain number built from the bytes, see buildPlainNumber();
//   3  a double's eight bytes, then a format byte: the double as the locale
//      prints it, see checkLocaleText().
//
// Whatever the text, a figure read from it is finite, blanks and line breaks
// around the text change nothing, a letter at its end makes it no number, and
// a text that reads holds a digit, ASCII or the locale's. A text in the
// locale's digits reads as the same text in ASCII digits, and the reverse; a
// text that holds both is no number. A text without the locale's separators,
// signs, exponent symbol and digits reads as sign, digits, period and exponent
// have always read: as strtod reads the plain number, and only a plain number
// reads at all. A plain
// number reads in every locale, except that where the period groups
// thousands "d.ddd" (one to three digits, a period, three digits) reads as
// the digits without the period. A number the locale prints reads as the same
// figure as its C-locale text. The text a field keeps has no control
// characters, keeps it unchanged, and keeps every figure the text was.

#include "fuzz_support.h"
#include "model/text/numeric_text.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

// The shared locales first, so that their seeds keep their first byte; then
// lakhs and crores, Arabic-Indic and Persian digits, signs with direction
// marks, a minus sign and exponent symbol of their own, and a first group of
// four digits.
constexpr std::size_t kLocaleCount = 10;

const std::array<QLocale, kLocaleCount> &locales()
{
    static const std::array<QLocale, kLocaleCount> all{fuzz::locales()[0],
                                                       fuzz::locales()[1],
                                                       fuzz::locales()[2],
                                                       fuzz::locales()[3],
                                                       QLocale(QStringLiteral("hi_IN")),
                                                       QLocale(QStringLiteral("ar_EG")),
                                                       QLocale(QStringLiteral("fa_IR")),
                                                       QLocale(QStringLiteral("he_IL")),
                                                       QLocale(QStringLiteral("sv_SE")),
                                                       QLocale(QStringLiteral("pl_PL"))};
    return all;
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isDirectionMark(QChar c) { return c == u'\u200E' || c == u'\u200F' || c == u'\u061C'; }

// The locale's zero; every locale here has its digits in the Basic
// Multilingual Plane.
char16_t zeroOf(const QLocale &locale) { return locale.zeroDigit().front().unicode(); }
bool isLocaleDigit(QChar c, const QLocale &locale)
{
    return zeroOf(locale) != u'0' && c.unicode() >= zeroOf(locale) && c.unicode() <= zeroOf(locale) + 9;
}

// The text with its digits moved between ASCII and the locale's, the locale's
// exponent symbol (which may hold the locale's digits) written as E first.
QString toAsciiDigits(QString text, const QLocale &locale)
{
    text.replace(locale.exponential(), QStringLiteral("E"));
    for (QChar &c : text) {
        if (isLocaleDigit(c, locale))
            c = QChar(char16_t(u'0' + (c.unicode() - zeroOf(locale))));
    }
    return text;
}

QString toLocaleDigits(QString text, const QLocale &locale)
{
    for (QChar &c : text) {
        if (isAsciiDigit(c))
            c = QChar(char16_t(zeroOf(locale) + (c.unicode() - u'0')));
    }
    return text;
}

// What the locale writes besides digits and separators: its signs and
// exponent symbol, with and without their direction marks.
QStringList signsAndExponent(const QLocale &locale)
{
    QStringList marks;
    for (const QString &written : {locale.negativeSign(), locale.positiveSign(), locale.exponential()}) {
        marks << written;
        marks << QString(written).removeIf(isDirectionMark);
    }
    // The ASCII signs and E read in every locale and stay under the checks
    // of the plain reading.
    marks.removeIf([](const QString &m) { return m.isEmpty() || m == u"-" || m == u"+" || m == u"E"; });
    return marks;
}
bool isEndBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool isControl(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F); }

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

QStringView trimEnds(QStringView text)
{
    while (!text.isEmpty() && isEndBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isEndBlank(text.back()))
        text.chop(1);
    return text;
}

// Blanks and line breaks at the ends; an optional sign; ASCII digits with at
// most one period and at least one digit; optionally E, e, D or d, a sign and
// digits. Gives the number as strtod takes it, or nothing for a text of
// another shape.
std::optional<std::string> plainNumberForm(QStringView text)
{
    text = trimEnds(text);
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

// The reading earlier versions of the program gave a text, kept as a
// reference: blanks, tabs and line feeds skipped wherever they stand, then a
// sign, digits with at most one period and a complete exponent, read up to the
// first character that fits none of them.
double referenceReading(QStringView text)
{
    std::string number;
    QString compact;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact.append(c);
    }
    qsizetype pos = 0;
    const auto digitsAt = [&](std::string &out) {
        qsizetype count = 0;
        for (; pos < compact.size() && isAsciiDigit(compact[pos]); ++pos, ++count)
            out.push_back(char(compact[pos].unicode()));
        return count;
    };
    if (pos < compact.size() && (compact[pos] == u'+' || compact[pos] == u'-'))
        number.push_back(char(compact[pos++].unicode()));
    qsizetype digits = digitsAt(number);
    if (pos < compact.size() && compact[pos] == u'.') {
        ++pos;
        number.push_back('.');
        digits += digitsAt(number);
    }
    if (digits == 0)
        return 0.0;
    if (pos < compact.size() && QStringView(u"EeDd").contains(compact[pos])) {
        const qsizetype mark = pos++;
        std::string exponent = "e";
        if (pos < compact.size() && (compact[pos] == u'+' || compact[pos] == u'-'))
            exponent.push_back(char(compact[pos++].unicode()));
        if (digitsAt(exponent) > 0)
            number += exponent;
        else
            pos = mark;
    }
    return fuzz::readCDouble(number);
}

// The locale's thousands separators with the characters that stand for them.
QStringList groupMarks(const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    if (group == u"\u202F" || group == u"\u00A0" || group == u" ")
        return {QStringLiteral(" "), QStringLiteral("\u00A0"), QStringLiteral("\u202F")};
    if (group == u"\u2019" || group == u"'")
        return {QStringLiteral("'"), QStringLiteral("\u2019")};
    return {group};
}

bool periodGroups(const QLocale &locale) { return groupMarks(locale).contains(QStringLiteral(".")); }

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
// blank, tab, CR or LF before; bit 5 after), then the counts of integer and
// fraction digits (up to 23 each), the digits, then the exponent's mark, sign
// and 1 to 5 digits, which reach far beyond the range of a double both ways.
QString buildPlainNumber(ByteReader &in)
{
    static constexpr char16_t kEnds[] = {u' ', u'\t', u'\r', u'\n'};
    const std::uint8_t shape = in.next();
    QString text;
    if (shape & 0x10)
        text += QChar(kEnds[in.next() % 4]);
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
        text += QChar(kEnds[in.next() % 4]);
    return text;
}

// A plain number reads in every locale as strtod reads it, within range; where
// the period groups thousands, one that looks like a group reads as one.
void checkPlainNumber(const QString &text, const std::string &form)
{
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[0-9]{1,3}\\.[0-9]{3}(?:[EeDd][+-]?[0-9]+)?$"));
    const QString trimmed = trimEnds(text).toString();
    for (const QLocale &locale : locales()) {
        std::string expectedForm = form;
        if (periodGroups(locale) && grouped.match(trimmed).hasMatch())
            expectedForm.erase(expectedForm.find('.'), 1);
        const double expected = fuzz::readCDouble(expectedForm);
        const std::optional<double> figure = model::readFigure(text, locale);
        const std::string where = fuzz::printable(text) + " in " + locale.name().toStdString() + ", strtod reads "
                                  + fuzz::printable(expected);
        FUZZ_CHECK(figure.has_value() == std::isfinite(expected),
                   "a plain number reads exactly when it lies within the range", where);
        if (figure) {
            FUZZ_CHECK(sameDouble(*figure, expected), "a plain number reads as strtod reads it",
                       where + ", read as " + fuzz::printable(*figure));
        }
    }
}

void checkVisibleFieldText(const QString &text, const QLocale &locale, const std::optional<double> &figure)
{
    const std::string where = fuzz::printable(text);
    qsizetype cursor = text.size() / 2;
    const QString kept = model::visibleFieldText(text, &cursor);
    FUZZ_CHECK(std::none_of(kept.cbegin(), kept.cend(), isControl), "a field keeps no control characters",
               where + " keeps " + fuzz::printable(kept));
    FUZZ_CHECK(cursor >= 0 && cursor <= kept.size(), "the cursor stays within the kept text", where);
    FUZZ_CHECK(model::visibleFieldText(kept) == kept, "what a field keeps, it keeps again", where);
    if (std::none_of(text.cbegin(), text.cend(), isControl))
        FUZZ_CHECK(kept == text, "a text without control characters is kept as it is", where);

    // Only control characters go, and only blanks come.
    QString visible;
    for (QChar c : text) {
        if (!isControl(c) && c != u' ')
            visible.append(c);
    }
    FUZZ_CHECK(QString(kept).remove(u' ') == visible, "a field keeps every visible character in order",
               where + " keeps " + fuzz::printable(kept));

    if (figure) {
        const std::optional<double> keptFigure = model::readFigure(kept, locale);
        FUZZ_CHECK(keptFigure && sameDouble(*keptFigure, *figure), "a figure stays the same figure in a field",
                   where + " keeps " + fuzz::printable(kept));
    }
}

void checkText(const QString &text, const QLocale &locale)
{
    const std::string where = fuzz::printable(text) + " in " + locale.name().toStdString();

    const std::optional<double> figure = model::readFigure(text, locale);
    FUZZ_CHECK(model::passesNumericTest(text, locale) == figure.has_value(), "the numeric test and the reading agree",
               where);
    if (figure) {
        FUZZ_CHECK(std::isfinite(*figure), "a figure is finite", where + " reads as " + fuzz::printable(*figure));
        FUZZ_CHECK(std::any_of(text.cbegin(), text.cend(),
                               [&](QChar c) { return isAsciiDigit(c) || isLocaleDigit(c, locale); }),
                   "a text that reads as a figure holds a digit, ASCII or the locale's", where);
    }

    // One digit system or the other, never both; either reads alike.
    if (zeroOf(locale) != u'0') {
        const QString ascii = toAsciiDigits(text, locale);
        const bool regional = ascii != QString(text).replace(locale.exponential(), QStringLiteral("E"));
        const bool asciiDigits = std::any_of(text.cbegin(), text.cend(), isAsciiDigit);
        if (regional && asciiDigits) {
            FUZZ_CHECK(!figure, "a text with ASCII and the locale's digits is no number", where);
        } else if (regional) {
            const std::optional<double> asciiFigure = model::readFigure(ascii, locale);
            FUZZ_CHECK(asciiFigure.has_value() == figure.has_value() && (!figure || sameDouble(*asciiFigure, *figure)),
                       "a text in the locale's digits reads as its ASCII form",
                       where + ", as " + fuzz::printable(ascii));
        } else {
            const QString native = toLocaleDigits(text, locale);
            const std::optional<double> nativeFigure = model::readFigure(native, locale);
            FUZZ_CHECK(nativeFigure.has_value() == figure.has_value()
                           && (!figure || sameDouble(*nativeFigure, *figure)),
                       "a text in ASCII digits reads as its form in the locale's digits",
                       where + ", as " + fuzz::printable(native));
        }
    }

    const QString padded = QStringLiteral(" \t\r\n") + text + QStringLiteral("\r\n\t ");
    const std::optional<double> paddedFigure = model::readFigure(padded, locale);
    FUZZ_CHECK(paddedFigure.has_value() == figure.has_value() && (!figure || sameDouble(*paddedFigure, *figure)),
               "blanks and line breaks at the ends change nothing", where);

    FUZZ_CHECK(!model::readFigure(text + u'x', locale), "a text ending in a letter is no number", where);

    // Without the locale's separators (the period counts where it groups),
    // texts read as they always did.
    const QStringList groups = groupMarks(locale);
    const QString decimal = locale.decimalPoint();
    const QStringList marks = signsAndExponent(locale);
    const bool separators =
        std::any_of(groups.cbegin(), groups.cend(), [&](const QString &g) { return text.contains(g); })
        || (decimal != u"." && text.contains(decimal))
        || std::any_of(marks.cbegin(), marks.cend(), [&](const QString &m) { return text.contains(m); })
        || std::any_of(text.cbegin(), text.cend(), [&](QChar c) { return isLocaleDigit(c, locale); });
    const std::optional<std::string> form = plainNumberForm(text);
    if (!separators) {
        FUZZ_CHECK(!figure || form.has_value(),
                   "a text without the locale's separators reads only when it is a plain number", where);
        if (figure) {
            const double reference = referenceReading(trimEnds(text));
            FUZZ_CHECK(sameDouble(*figure, reference), "a text without the locale's separators reads as it always did",
                       where + " reads as " + fuzz::printable(*figure) + ", formerly " + fuzz::printable(reference));
        }
    }
    if (form)
        checkPlainNumber(text, *form);

    checkVisibleFieldText(text, locale, figure);
}

// The double as the locale prints it, grouped, reads as the same figure as
// the C locale's text of it: the format byte picks 'f', 'e' or 'g' and the
// precision, the shortest that reads back or 0 to 17 digits.
void checkLocaleText(ByteReader &in, const QLocale &locale)
{
    std::uint8_t bytes[sizeof(double)];
    for (std::uint8_t &b : bytes)
        b = in.next();
    double value;
    std::memcpy(&value, bytes, sizeof value);
    if (!std::isfinite(value))
        return;
    const std::uint8_t format = in.next();
    const char kind = "feg"[format % 3];
    const int precision = (format / 3) % 19 == 18 ? QLocale::FloatingPointShortest : (format / 3) % 19;

    const QString text = locale.toString(value, kind, precision);
    const QString cText = QLocale::c().toString(value, kind, precision);
    const double expected = fuzz::readCDouble(cText.toStdString());
    const std::optional<double> figure = model::readFigure(text, locale);
    const std::string where = fuzz::printable(value) + " printed " + fuzz::printable(text) + " in "
                              + locale.name().toStdString() + ", in C " + fuzz::printable(cText);
    FUZZ_CHECK(figure.has_value() == std::isfinite(expected),
               "a number the locale prints reads as a figure within the range", where);
    if (figure) {
        FUZZ_CHECK(sameDouble(*figure, expected), "a number the locale prints reads as its C text",
                   where + ", read as " + fuzz::printable(*figure));
    }
    if (precision == QLocale::FloatingPointShortest) {
        FUZZ_CHECK(figure && (sameDouble(*figure, value) || (value == 0 && *figure == 0)),
                   "the locale's shortest text of a double reads back as the double", where);
    }
    checkText(text, locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = locales()[data[0] % kLocaleCount];
    const int mode = (data[0] / kLocaleCount) % 4;
    ++data;
    --size;

    if (mode == 3) {
        ByteReader in(data, size);
        checkLocaleText(in, locale);
        return 0;
    }
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
        FUZZ_CHECK(plainNumberForm(text).has_value(), "the built text is a plain number", fuzz::printable(text));
    }
    checkText(text, locale);
    return 0;
}
