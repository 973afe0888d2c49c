// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/unit_conversion.h"

#include "model/costs/results.h"
#include "model/text/money_text.h"
#include "model/text/numeric_text.h"
#include "model/text/regional_digits.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace model {
namespace {

// How many steps of the fifteenth digit either way a converted price, and a
// converted quantity, may move to keep every result to the cent.
constexpr int kPriceReach = 8;
constexpr int kQuantityReach = 2;

// The figure times or divided by 0.45359237 as up to 15-digit texts: the
// nearest first, then its neighbours in the fifteenth digit, nearest first.
// None when the figure does not fit a double.
std::vector<QString> candidates(double figure, bool times, int reach, const QLocale &locale)
{
    const double converted = times ? figure * kKilogramsPerPound : figure / kKilogramsPerPound;
    if (!std::isfinite(converted))
        return {};
    const QString nearest = plainNumberText(converted, locale);
    const std::optional<double> value = readFigure(nearest, locale);
    if (!value || !std::isfinite(*value))
        return {};
    std::vector<QString> texts{nearest};
    if (*value == 0)
        return texts;
    const double step = std::pow(10.0, std::floor(std::log10(std::fabs(*value))) - 14);
    for (int k = 1; k <= reach; ++k) {
        for (const double neighbour : {*value + k * step, *value - k * step}) {
            if (std::isfinite(neighbour))
                texts.push_back(plainNumberText(neighbour, locale));
        }
    }
    return texts;
}

// The figure times or divided by 0.45359237 rounded to ever more significant
// digits, up to the 15 of candidates(): from six ("453.592", a figure within
// a millionth of itself whatever the other figures are), or from as many as
// write its whole part without an exponent.
constexpr int kFewestDigits = 6;

std::vector<QString> roundings(double figure, bool times, const QLocale &locale)
{
    const double converted = times ? figure * kKilogramsPerPound : figure / kKilogramsPerPound;
    if (!std::isfinite(converted))
        return {};
    if (converted == 0)
        return {QStringLiteral("0")};
    const int wholeDigits = int(std::floor(std::log10(std::fabs(converted)))) + 1;
    std::vector<QString> texts;
    for (int digits = std::clamp(wholeDigits, kFewestDigits, 15); digits <= 15; ++digits) {
        const QString text = plainNumberText(converted, locale, digits);
        if (texts.empty() || texts.back() != text)
            texts.push_back(text);
    }
    return texts;
}

ResultTexts resultsOf(const FieldTexts &texts, const QLocale &locale, const Assumptions &assumptions)
{
    return resultTexts(computeResults(texts, locale, assumptions), locale);
}

// The conversion with the converted texts in ASCII digits.
UnitConversion convertedInAscii(const FieldTexts &texts, Units from, Units to, const QLocale &locale,
                                const Assumptions &assumptions)
{
    UnitConversion result{texts};
    if (from == to)
        return result;
    QString &quantityText = result.texts[kLubricantQuantityField];
    QString &priceText = result.texts[kLubricantPriceField];
    // Pounds to kilograms multiplies the quantity and divides the price.
    const bool toMetric = to == Units::Metric;
    const std::optional<double> quantity = readFigure(quantityText, locale);
    const std::optional<double> price = readFigure(priceText, locale);
    const std::vector<QString> quantities =
        quantity ? candidates(*quantity, toMetric, kQuantityReach, locale) : std::vector<QString>();
    const std::vector<QString> prices =
        price ? candidates(*price, !toMetric, kPriceReach, locale) : std::vector<QString>();
    result.quantityConverted = !quantities.empty();
    result.priceConverted = !prices.empty();
    if (result.quantityConverted)
        quantityText = quantities.front();
    if (result.priceConverted)
        priceText = prices.front();
    if (!result.quantityConverted || !result.priceConverted)
        return result;

    // The first pair of texts that keeps every result text: the shortest
    // roundings first, so that a field shows "11.023113" rather than
    // "11.0231131092439"; else the fifteen-digit texts and their neighbours,
    // the price moving first, as the quantity's nearest text is often short.
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString &q : roundings(*quantity, toMetric, locale)) {
        for (const QString &p : roundings(*price, !toMetric, locale))
            pairs.emplace_back(q, p);
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto &a, const auto &b) {
        return a.first.size() + a.second.size() < b.first.size() + b.second.size();
    });
    for (const QString &q : quantities) {
        for (const QString &p : prices)
            pairs.emplace_back(q, p);
    }
    const ResultTexts before = resultsOf(texts, locale, assumptions);
    for (const auto &[q, p] : pairs) {
        FieldTexts tried = result.texts;
        tried[kLubricantQuantityField] = q;
        tried[kLubricantPriceField] = p;
        if (resultsOf(tried, locale, assumptions) == before) {
            result.texts = tried;
            return result;
        }
    }
    return result;
}

} // namespace

UnitConversion convertUnits(const FieldTexts &texts, Units from, Units to, const QLocale &locale,
                            const Assumptions &assumptions)
{
    UnitConversion result = convertedInAscii(texts, from, to, locale, assumptions);
    // Shown in the fields: in the region's digits, as the figures typed there.
    for (const std::size_t field : {kLubricantQuantityField, kLubricantPriceField}) {
        if (result.texts[field] != texts[field])
            result.texts[field] = regionalDigits(result.texts[field], locale);
    }
    return result;
}

UnitConversion UnitSwitch::switchUnits(const FieldTexts &shown, Units from, Units to, const QLocale &locale,
                                       const Assumptions &assumptions)
{
    if (from == to)
        return {shown};
    const auto lubricant = [](const FieldTexts &texts) {
        return std::array<QString, 2>{texts[kLubricantQuantityField], texts[kLubricantPriceField]};
    };
    if (m_last && m_last->from == to && lubricant(m_last->after.texts) == lubricant(shown)) {
        UnitConversion back{shown, m_last->after.quantityConverted, m_last->after.priceConverted};
        back.texts[kLubricantQuantityField] = m_last->before[0];
        back.texts[kLubricantPriceField] = m_last->before[1];
        m_last.reset();
        return back;
    }
    UnitConversion converted = convertUnits(shown, from, to, locale, assumptions);
    m_last = Switched{lubricant(shown), converted, from};
    return converted;
}

} // namespace model
