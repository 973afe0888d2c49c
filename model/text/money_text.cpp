// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/money_text.h"

#include "model/text/regional_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace model {
namespace {

// From here on the currency text rounds the exact value of a figure.
constexpr double kExactFrom = 1e14;

// Adds one to a run of decimal digits, carrying leftwards; returns the carry.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// The integer digits and the two cent digits of a finite magnitude, rounded
// half away from zero as a person rounds the figure.
bool centDigits(double magnitude, std::string &integer, std::string &cents)
{
    // Rounding to cents works on the shortest decimal text that reads back as
    // the same double, half away from zero: that is the figure a person reads
    // and rounds, so 1.005 gives $1.01 and 2.675 gives $2.68 although their
    // binary values lie just below the tie. From 10^14 on, doubles lie 1/64
    // or more apart and the shortest text can stop before the cents
    // (1234567890123456.75 is "1234567890123456.8"), which would show a digit
    // the figure does not have; there the exact decimal value is rounded
    // instead, which takes at most six decimals.
    char buffer[512];
    const auto [end, error] = magnitude < kExactFrom
                                  ? std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed)
                                  : std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed,
                                                  std::max(0, 52 - std::ilogb(magnitude)));
    if (error != std::errc())
        return false;
    const std::string text(buffer, end);
    const std::size_t point = text.find('.');
    integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');

    cents = fraction.substr(0, 2);
    if (fraction[2] >= '5' && incrementDigits(cents) && incrementDigits(integer))
        integer.insert(integer.begin(), '1');
    return true;
}

// Where the regional settings group an integer's digits: the size of the
// last group and of those before it, as they write 1234567890. Most write
// threes; India writes the last three and then twos ("1,23,45,67,890").
std::pair<std::size_t, std::size_t> groupSizes(const QLocale &locale)
{
    const QString sample = locale.toString(qlonglong(1234567890));
    const QString group = locale.groupSeparator();
    const qsizetype last = group.isEmpty() ? -1 : sample.lastIndexOf(group);
    if (last < 0)
        return {3, 3};
    const qsizetype before = sample.lastIndexOf(group, last - 1);
    const std::size_t primary = std::size_t(sample.size() - last - group.size());
    const std::size_t secondary = before < 0 ? primary : std::size_t(last - before - group.size());
    if (primary == 0 || secondary == 0)
        return {3, 3};
    return {primary, secondary};
}

} // namespace

double roundedToCents(double value)
{
    std::string integer;
    std::string cents;
    if (!std::isfinite(value) || !centDigits(std::fabs(value), integer, cents))
        return value;
    const std::string text = integer + '.' + cents;
    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return std::copysign(rounded, value) + 0.0; // + 0.0: no negative zero
}

QString currencyText(double value, const QLocale &locale)
{
    std::string integer;
    std::string cents;
    if (!std::isfinite(value) || !centDigits(std::fabs(value), integer, cents))
        return QString();

    integer.erase(0, integer.find_first_not_of('0'));
    const bool negative = value < 0 && !(integer.empty() && cents == "00");

    QString out;
    if (negative)
        out += u'-';
    out += u'$';
    const QString group = locale.groupSeparator();
    const auto [primary, secondary] = groupSizes(locale);
    for (std::size_t i = 0; i < integer.size(); ++i) {
        const std::size_t left = integer.size() - i; // digits from this one on
        if (i > 0 && (left == primary || (left > primary && (left - primary) % secondary == 0)))
            out += group;
        out += QLatin1Char(integer[i]);
    }
    out += locale.decimalPoint();
    out += QLatin1StringView(cents.data(), qsizetype(cents.size()));
    // Shown beside figures the locale writes, so in the locale's digits.
    return regionalDigits(out, locale);
}

QString plainNumberText(double value, const QLocale &locale, int significantDigits)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0: no "-0" on the chart
    // The few doubles above the largest 15-digit figure of the range would
    // round up to 1.79769313486232E+308, which lies beyond the range, so the
    // chart could not read them back; they show as that figure instead.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (std::isfinite(value) && std::fabs(value) > kLargestFifteenDigits)
        value = std::copysign(kLargestFifteenDigits, value);
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    if (error != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer, end - buffer).toUpper();
    text.replace(u'.', locale.decimalPoint());
    return text;
}

} // namespace model
