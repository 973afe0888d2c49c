// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/unit_conversion.h"

#include "model/money_text.h"
#include "model/numeric_text.h"

#include <cmath>

namespace model {
namespace {

// The text of the figure times or divided by 0.45359237, or nothing when
// the text is no number or the result does not fit a double.
std::optional<QString> scaled(const QString &text, bool times, const QLocale &locale)
{
    const std::optional<double> figure = readFigure(text, locale);
    if (!figure)
        return std::nullopt;
    const double converted = times ? *figure * kKilogramsPerPound : *figure / kKilogramsPerPound;
    if (!std::isfinite(converted))
        return std::nullopt;
    return plainNumberText(converted, locale);
}

} // namespace

LubricantConversion convertLubricant(const LubricantTexts &texts, Units from, Units to, const QLocale &locale)
{
    LubricantConversion result{texts};
    if (from == to)
        return result;
    // Pounds to kilograms multiplies the quantity and divides the price.
    const bool toMetric = to == Units::Metric;
    if (const std::optional<QString> quantity = scaled(texts.quantity, toMetric, locale)) {
        result.texts.quantity = *quantity;
        result.quantityConverted = true;
    }
    if (const std::optional<QString> price = scaled(texts.price, !toMetric, locale)) {
        result.texts.price = *price;
        result.priceConverted = true;
    }
    return result;
}

LubricantConversion UnitSwitch::switchUnits(const LubricantTexts &shown, Units from, Units to, const QLocale &locale)
{
    if (from == to)
        return {shown};
    if (m_last && m_last->from == to && m_last->after.texts == shown) {
        LubricantConversion back{m_last->before, m_last->after.quantityConverted, m_last->after.priceConverted};
        m_last.reset();
        return back;
    }
    LubricantConversion converted = convertLubricant(shown, from, to, locale);
    m_last = Switched{shown, converted, from};
    return converted;
}

} // namespace model
