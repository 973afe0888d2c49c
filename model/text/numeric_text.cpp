// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/numeric_text.h"

#include "model/text/c_double.h"
#include "model/text/money_text.h"
#include "model/text/regional_digits.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace model {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isExponentMark(QChar c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

// Tabs and line breaks come with cells copied from a spreadsheet.
bool isBreak(QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; }
bool isBlank(QChar c) { return c == u' ' || isBreak(c); }

// C0 controls, DEL and C1 controls: no font shows them.
bool isControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// Only these are ignored at the ends; QStringView::trimmed() would also drop
// no-break spaces and other separators.
QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Characters that stand for one another as thousands separators: keyboards
// give a plain blank where the settings group with a no-break or narrow
// no-break space, and a typewriter apostrophe where they group with a
// typographic one.
constexpr char16_t kBlankLike[] = {u' ', u'\u00A0', u'\u202F'};
constexpr char16_t kApostropheLike[] = {u'\'', u'\u2019'};

template <std::size_t N>
bool oneOf(const QString &mark, const char16_t (&kind)[N])
{
    return mark.size() == 1 && std::find(kind, kind + N, mark.front().unicode()) != kind + N;
}

QStringList groupMarksOf(const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    QStringList marks;
    if (oneOf(group, kBlankLike)) {
        for (char16_t c : kBlankLike)
            marks.append(QString(QChar(c)));
    } else if (oneOf(group, kApostropheLike)) {
        for (char16_t c : kApostropheLike)
            marks.append(QString(QChar(c)));
    } else if (!group.isEmpty()) {
        marks.append(group);
    }
    return marks;
}

// Marks that only set the direction of the text around them: Qt writes them
// into the signs of right-to-left locales ("\u200E-" in he_IL, "\u061C-" in
// ar_EG), where no one types them.
bool isDirectionMark(QChar c) { return c == u'\u200E' || c == u'\u200F' || c == u'\u061C'; }

// How many digits the locale puts in the last group before the decimal
// separator and in each group before that: 3 and 3 almost everywhere, 3 and 2
// where figures are grouped in lakhs and crores ("12,34,567" in hi_IN). Where
// the locale groups only from five digits on, Qt writes a first group of one
// more ("1234.567" in es_ES, "1234 567" in pl_PL). Taken from figures the
// locale writes, as QLocale keeps its grouping private.
struct Grouping {
    qsizetype least = 3;
    qsizetype higher = 3;
    qsizetype widestFirst = 3;
};

Grouping groupingOf(const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    if (group.isEmpty())
        return {};
    const auto digitsIn = [](const QString &part) { return qsizetype(part.toUcs4().size()); };
    const QStringList parts = locale.toString(1234567890.0, 'f', 0).split(group);
    const QStringList million = locale.toString(1234567.0, 'f', 0).split(group);
    if (parts.size() < 3 || million.size() < 2)
        return {};
    Grouping grouping{digitsIn(parts.back()), digitsIn(parts[parts.size() - 2]), 0};
    grouping.widestFirst = std::max(grouping.higher, digitsIn(million.front()));
    if (grouping.least < 1 || grouping.least > 4 || grouping.higher < 1 || grouping.higher > 4
        || grouping.widestFirst > grouping.higher + 1)
        return {};
    return grouping;
}

// Does the grouping fit a first group of firstGroup digits followed by groups
// of the lengths given? wideFirst lets the first group be as wide as the
// locale writes it.
bool fitsGrouping(qsizetype firstGroup, const std::vector<qsizetype> &groups, Grouping grouping, bool wideFirst)
{
    if (firstGroup > (wideFirst ? grouping.widestFirst : grouping.higher) || groups.back() != grouping.least)
        return false;
    return std::all_of(groups.begin(), groups.end() - 1, [&](qsizetype n) { return n == grouping.higher; });
}

// What the locale writes besides digits and separators, as the ASCII forms
// the reading knows: its signs ("\u2212" in sv_SE, "\u200E\u2212" in fa_IR)
// as '-' and '+', with or without their direction marks, and its exponent
// symbol ("\u00D7\u06F1\u06F0^" in fa_IR) as 'E'. Longest first, so that a sign
// with its marks is taken whole.
using Replacements = std::vector<std::pair<QString, QChar>>;

Replacements replacementsOf(const QLocale &locale)
{
    Replacements all;
    const auto add = [&](const QString &written, QChar ascii) {
        QString bare = written;
        bare.removeIf(isDirectionMark);
        for (const QString &form : {written, bare}) {
            const bool known = std::any_of(all.begin(), all.end(), [&](const auto &r) { return r.first == form; });
            if (!form.isEmpty() && form != QString(ascii) && !known)
                all.emplace_back(form, ascii);
        }
    };
    add(locale.negativeSign(), u'-');
    add(locale.positiveSign(), u'+');
    add(locale.exponential(), u'E');
    std::stable_sort(all.begin(), all.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
    return all;
}

// Everything the reading takes from a locale, worked out once for the locale
// last asked about: fields are read one after the other in one locale.
struct RegionalForms {
    QLocale locale;
    QString decimal;
    QStringList groupMarks;
    Grouping grouping;
    Replacements replacements;
};

const RegionalForms &formsOf(const QLocale &locale)
{
    thread_local std::optional<RegionalForms> last;
    if (!last || last->locale != locale)
        last = RegionalForms{locale, locale.decimalPoint(), groupMarksOf(locale), groupingOf(locale),
                             replacementsOf(locale)};
    return *last;
}

// The length of the mark that starts at pos, or 0.
qsizetype markAt(QStringView text, qsizetype pos, const QStringList &marks)
{
    const QStringView rest = text.sliced(pos);
    for (const QString &mark : marks) {
        if (!mark.isEmpty() && rest.startsWith(mark))
            return mark.size();
    }
    return 0;
}

// Reads a run of ASCII digits into out; returns how many were read.
qsizetype readDigits(QStringView text, qsizetype &pos, std::string &out)
{
    const qsizetype start = pos;
    for (; pos < text.size() && isAsciiDigit(text[pos]); ++pos)
        out.push_back(char(text[pos].unicode()));
    return pos - start;
}

// Reads "E[+|-]digits" when it is complete; leaves pos alone otherwise.
void readExponent(QStringView text, qsizetype &pos, std::string &out)
{
    if (pos >= text.size() || !isExponentMark(text[pos]))
        return;
    qsizetype p = pos + 1;
    std::string exponent = "e";
    if (p < text.size() && (text[p] == u'+' || text[p] == u'-'))
        exponent.push_back(char(text[p++].unicode()));
    if (readDigits(text, p, exponent) == 0)
        return;
    out += exponent;
    pos = p;
}

// The whole text as a number with the given marks, in the form strtod reads
// ("-1234.5e3"); nothing when the text has another shape.
std::optional<std::string> numberForm(QStringView text, const QStringList &groupMarks, const QStringList &decimalMarks,
                                      Grouping grouping, bool wideFirst)
{
    std::string form;
    form.reserve(std::size_t(text.size()));
    qsizetype pos = 0;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        form.push_back(char(text[pos++].unicode()));

    // Thousands separators only after a first group of one to three digits,
    // each followed by exactly three, or as the locale groups: a misplaced one
    // is more likely a typing error than a figure.
    const qsizetype firstGroup = readDigits(text, pos, form);
    qsizetype digits = firstGroup;
    if (firstGroup > 0) {
        std::vector<qsizetype> groups;
        while (const qsizetype markLength = markAt(text, pos, groupMarks)) {
            qsizetype p = pos + markLength;
            const qsizetype group = readDigits(text, p, form);
            if (group == 0)
                return std::nullopt;
            groups.push_back(group);
            pos = p;
            digits += group;
        }
        if (!groups.empty() && !fitsGrouping(firstGroup, groups, Grouping{}, false)
            && !fitsGrouping(firstGroup, groups, grouping, wideFirst))
            return std::nullopt;
    }

    if (const qsizetype markLength = markAt(text, pos, decimalMarks)) {
        pos += markLength;
        form.push_back('.');
        digits += readDigits(text, pos, form);
    }
    if (digits == 0)
        return std::nullopt;
    readExponent(text, pos, form);
    if (pos != text.size())
        return std::nullopt;
    return form;
}

} // namespace

std::optional<double> readFigure(QStringView typed, const QLocale &locale)
{
    const RegionalForms &forms = formsOf(locale);
    QString regional = trimBlanks(typed).toString();
    for (const auto &[written, ascii] : forms.replacements)
        regional.replace(written, QString(ascii));
    const std::optional<QString> ascii = asciiDigits(regional, locale);
    if (!ascii)
        return std::nullopt;
    const QStringView text = *ascii;

    const QString period = QStringLiteral(".");
    const QString &decimal = forms.decimal;
    const QStringList &groupMarks = forms.groupMarks;
    const bool periodGroups = groupMarks.contains(period);

    QStringList decimalMarks{decimal};
    if (!periodGroups)
        decimalMarks.append(period);
    // The wide first group is tried last where the period groups: "1234.567"
    // stays 1234.567 there, as the period reads as a decimal point.
    std::optional<std::string> form = numberForm(text, groupMarks, decimalMarks, forms.grouping, !periodGroups);

    // Where the period groups thousands, a text that cannot be read with it
    // as a separator and holds one period and no decimal separator ("1.5",
    // ".5", "5.") has it as a decimal point, as other settings write it. A
    // text that would need the period both ways ("1.234.5") stays no number:
    // which figure was meant cannot be told.
    if (!form && periodGroups && text.count(u'.') == 1 && !text.contains(decimal)) {
        QStringList otherGroupMarks = groupMarks;
        otherGroupMarks.removeAll(period);
        form = numberForm(text, otherGroupMarks, QStringList{decimal, period}, forms.grouping, false);
    }
    if (!form && periodGroups)
        form = numberForm(text, groupMarks, decimalMarks, forms.grouping, true);
    if (!form)
        return std::nullopt;

    const double value = parseCDouble(*form);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

QString visibleFieldText(QStringView text, qsizetype *cursor)
{
    const auto firstControl = std::find_if(text.begin(), text.end(), isControl);
    if (firstControl == text.end())
        return text.toString();

    // Breaks before the first and after the last kept character are at the
    // ends of the text.
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isControl(text[first]))
        ++first;
    while (last > first && isControl(text[last - 1]))
        --last;

    const qsizetype oldCursor = cursor ? std::clamp<qsizetype>(*cursor, 0, text.size()) : -1;
    qsizetype newCursor = -1;
    QString out;
    out.reserve(text.size());
    bool inBreak = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == oldCursor)
            newCursor = out.size();
        const QChar c = text[i];
        if (!isControl(c)) {
            out.append(c);
            inBreak = false;
        } else if (isBreak(c) && i > first && i < last && !inBreak) {
            out.append(u' ');
            inBreak = true;
        }
    }
    if (cursor)
        *cursor = newCursor < 0 ? out.size() : newCursor;
    return out;
}

// The 15-digit plain number text does for most figures; the others get the
// shortest text that reads back (up to 17 digits).
QString numberTextReadingBack(double value, const QLocale &locale)
{
    QString text = plainNumberText(value, locale);
    if (const std::optional<double> back = readFigure(text, locale); back && *back == value)
        return text;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return text;
    text = QString::fromLatin1(buffer, end - buffer).toUpper();
    text.replace(u'.', locale.decimalPoint());
    return text;
}

} // namespace model
