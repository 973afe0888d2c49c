// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Fuzzes the currency text of the result labels.
//
// The input is a figure (see fuzz::readFigure: '#' and the double's eight
// bytes, or a decimal text). In every locale its currency text
//   - has the shape -?$ddd<G>ddd<D>dd with the locale's separators and no
//     leading zero (below one dollar there is no digit before <D>);
//   - reads back as the figure rounded to cents half away from zero, the
//     rounding working on the shortest decimal text that reads back as the
//     same double, so 1.005 (whose double lies just below the tie) gives 1.01;
//     from 10^14 on, where that text can stop before the cents, on the exact
//     value of the double instead;
//   - carries a minus exactly when the figure is negative and does not round
//     to zero cents.
// A figure that is not finite gives an empty text.

#include "fuzz_support.h"
#include "model/text/money_text.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double kExactFrom = 1e14;              // from here on the exact value is rounded
constexpr double kLargestExactFraction = 0x1p53; // from here on every double is a whole number

struct CurrencyParts {
    bool negative = false;
    std::string cents; // the integer digits, then the two decimals
};

// -?$ddd<G>ddd<D>dd with the separators of locales()[index]. [0-9], not \d:
// Qt's patterns match every Unicode digit with \d.
const QRegularExpression &currencyShape(std::size_t index)
{
    static const std::array<QRegularExpression, fuzz::kLocaleCount> shapes = [] {
        std::array<QRegularExpression, fuzz::kLocaleCount> built;
        for (std::size_t i = 0; i < built.size(); ++i) {
            const QLocale &locale = fuzz::locales()[i];
            built[i] = QRegularExpression(QStringLiteral("^(-?)\\$((?:[1-9][0-9]{0,2})(?:%1[0-9]{3})*)?%2([0-9]{2})$")
                                              .arg(QRegularExpression::escape(locale.groupSeparator()),
                                                   QRegularExpression::escape(locale.decimalPoint())));
        }
        return built;
    }();
    return shapes[index];
}

std::optional<CurrencyParts> parseCurrency(const QString &text, std::size_t index)
{
    const QRegularExpressionMatch match = currencyShape(index).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    CurrencyParts parts;
    parts.negative = !match.capturedView(1).isEmpty();
    parts.cents = (match.captured(2).remove(fuzz::locales()[index].groupSeparator()) + match.captured(3)).toStdString();
    return parts;
}

// The figure's magnitude in cents, rounded half away from zero on its shortest
// decimal text (std::to_chars without a precision). In long double that
// text's hundredfold lies within a few parts in 2^64 of the decimal value,
// much closer than a decimal of 17 digits can lie to a tie without being one.
// A tie needs three decimals, so none lies above 10^16 cents; the cap keeps
// the slack there from taking in whole numbers.
long double centsOfShortestText(double magnitude)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    if (error != std::errc())
        fuzz::fail("std::to_chars writes the shortest text", fuzz::printable(magnitude));
    const long double hundredfold = fuzz::readCLongDouble(std::string(buffer, end)) * 100;
    const long double whole = std::floor(hundredfold);
    const long double tieSlack = std::min(hundredfold * 0x1p-60L, 0.25L);
    return hundredfold - whole >= 0.5L - tieSlack ? whole + 1 : whole;
}

double unitInLastPlace(double magnitude)
{
    if (magnitude < std::numeric_limits<double>::min())
        return std::numeric_limits<double>::denorm_min();
    return std::ldexp(1.0, std::ilogb(magnitude) - 52);
}

void checkLocale(double value, std::size_t index)
{
    const QLocale &locale = fuzz::locales()[index];
    const QString text = model::currencyText(value, locale);
    const std::string where =
        fuzz::printable(value) + " in " + locale.name().toStdString() + " gives " + fuzz::printable(text);

    const std::optional<CurrencyParts> parts = parseCurrency(text, index);
    FUZZ_CHECK(parts.has_value(), "the currency text has the shape -?$ddd,ddd.dd", where);

    const double magnitude = std::fabs(value);
    const bool zeroCents = parts->cents.find_first_not_of('0') == std::string::npos;
    FUZZ_CHECK(parts->negative == (value < 0 && !zeroCents),
               "a minus exactly when the figure is negative and not rounded to zero", where);

    // Whatever the rounding, the text lies within half a cent of a decimal
    // that is within half a unit in the last place of the double. The
    // hundredfold of a double is exact in long double.
    const long double shown = fuzz::readCLongDouble(parts->cents);
    const long double exact = static_cast<long double>(magnitude) * 100;
    const long double bound = 0.5L + 100.0L * unitInLastPlace(magnitude) + exact * 0x1p-60L;
    FUZZ_CHECK(std::fabs(shown - exact) <= bound, "the currency text reads back as the figure in cents", where);

    if (magnitude < kExactFrom) {
        const long double expected = centsOfShortestText(magnitude);
        FUZZ_CHECK(shown == expected, "the cents are the shortest decimal text rounded half away from zero",
                   where + ", expected " + std::to_string(static_cast<unsigned long long>(expected)) + " cents");
    } else if (magnitude < kLargestExactFraction) {
        // The hundredfold of a double below 2^53 takes at most 60 bits: exact
        // in long double, and so is adding the half.
        const long double expected = std::floor(exact + 0.5L);
        FUZZ_CHECK(shown == expected, "from 10^14 on the cents are the exact value rounded half away from zero",
                   where + ", expected " + std::to_string(static_cast<unsigned long long>(expected)) + " cents");
    } else {
        // A whole number: every digit of its exact value, and no cents.
        char digits[400];
        std::snprintf(digits, sizeof digits, "%.0f00", magnitude);
        FUZZ_CHECK(parts->cents == digits, "a figure beyond 2^53 shows every digit of its value",
                   where + ", expected " + digits + " cents");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (!fuzz::readFigure(data, size, value))
        return 0;
    for (std::size_t index = 0; index < fuzz::locales().size(); ++index) {
        if (!std::isfinite(value)) {
            FUZZ_CHECK(model::currencyText(value, fuzz::locales()[index]).isEmpty(),
                       "a figure that is not finite has no currency text", fuzz::printable(value));
            continue;
        }
        checkLocale(value, index);
    }
    return 0;
}
