// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Fuzzes the plain number text the chart receives.
//
// The input is a figure (see fuzz::readFigure: '#' and the double's eight
// bytes, or a decimal text); figures that are not finite are skipped. In
// every locale the text
//   - is -?digits[<D>digits][E(+|-)digits] with the locale's decimal
//     separator, no group separator, and a minus only for a negative figure;
//   - shows at most 15 significant digits and no trailing zero after <D>;
//   - reads back, through QLocale::toDouble as the chart reads it and through
//     strtod once <D> is a period, within 15 significant digits of the figure.

#include "fuzz_support.h"
#include "model/text/money_text.h"

#include <QRegularExpression>
#include <QString>

#include <array>
#include <cmath>
#include <limits>

namespace {

// Rounding to 15 significant digits moves a figure by at most 5e-15 of it;
// reading the text back adds at most half a unit in the last place.
constexpr double kReadBackTolerance = 5.0e-15 + 0x1p-53;

// -?digits[<D>digits][E(+|-)digits] with the decimal separator of
// locales()[index]. [0-9], not \d: Qt's patterns match every Unicode digit
// with \d.
const QRegularExpression &numberShape(std::size_t index)
{
    static const std::array<QRegularExpression, fuzz::kLocaleCount> shapes = [] {
        std::array<QRegularExpression, fuzz::kLocaleCount> built;
        for (std::size_t i = 0; i < built.size(); ++i) {
            built[i] = QRegularExpression(QStringLiteral("^(-?)([0-9]+)(?:%1([0-9]+))?(?:E[+-][0-9]+)?$")
                                              .arg(QRegularExpression::escape(fuzz::locales()[i].decimalPoint())));
        }
        return built;
    }();
    return shapes[index];
}

bool closeEnough(double readBack, double value)
{
    // Below the normal range a double holds fewer digits: allow its unit.
    return std::fabs(readBack - value)
           <= kReadBackTolerance * std::fabs(value) + std::numeric_limits<double>::denorm_min();
}

void checkLocale(double value, std::size_t index)
{
    const QLocale &locale = fuzz::locales()[index];
    const QString text = model::plainNumberText(value, locale);
    const std::string where =
        fuzz::printable(value) + " in " + locale.name().toStdString() + " gives " + fuzz::printable(text);

    if (value == 0) {
        FUZZ_CHECK(text == u"0", "zero, of either sign, is \"0\"", where);
        return;
    }

    const QRegularExpressionMatch match = numberShape(index).match(text);
    FUZZ_CHECK(match.hasMatch(), "the text has the shape -?digits[.digits][E+digits]", where);
    FUZZ_CHECK(!text.contains(locale.groupSeparator()), "the text has no group separator", where);
    FUZZ_CHECK(match.capturedView(1).isEmpty() == (value > 0), "a minus exactly for a negative figure", where);

    const QString mantissa = match.captured(2) + match.captured(3);
    qsizetype firstSignificant = 0;
    while (firstSignificant < mantissa.size() - 1 && mantissa[firstSignificant] == u'0')
        ++firstSignificant;
    FUZZ_CHECK(mantissa.size() - firstSignificant <= 15, "at most 15 significant digits", where);
    FUZZ_CHECK(!match.capturedView(3).endsWith(u'0'), "no trailing zero after the decimal separator", where);

    bool ok = false;
    const double readByLocale = locale.toDouble(text, &ok);
    FUZZ_CHECK(ok, "QLocale::toDouble reads the text", where);
    FUZZ_CHECK(closeEnough(readByLocale, value), "QLocale::toDouble reads back the figure",
               where + ", read back as " + fuzz::printable(readByLocale));

    const std::string periodText = QString(text).replace(locale.decimalPoint(), QStringLiteral(".")).toStdString();
    std::size_t end = 0;
    const double readByStrtod = fuzz::readCDouble(periodText, &end);
    FUZZ_CHECK(end == periodText.size(), "strtod reads the whole text with a period decimal", where);
    FUZZ_CHECK(closeEnough(readByStrtod, value), "strtod reads back the figure",
               where + ", read back as " + fuzz::printable(readByStrtod));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (!fuzz::readFigure(data, size, value) || !std::isfinite(value))
        return 0;
    for (std::size_t index = 0; index < fuzz::locales().size(); ++index)
        checkLocale(value, index);
    return 0;
}
