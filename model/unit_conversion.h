// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/currency_units.h"
#include "model/input_table.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace model {

// The two figures that are weighed: the lubricant quantity (per year) and
// the lubricant's price (per unit of weight), as the fields hold them.
inline constexpr int kLubricantQuantityField = 4;
inline constexpr int kLubricantPriceField = 6;

struct LubricantTexts {
    QString quantity;
    QString price;

    friend bool operator==(const LubricantTexts &, const LubricantTexts &) = default;
};

struct LubricantConversion {
    LubricantTexts texts;
    // Which texts were numbers and are now written in the new units; a text
    // that is no number, or whose converted figure would overflow, is kept.
    bool quantityConverted = false;
    bool priceConverted = false;
};

// The texts weighed in the other units, so that their product, the yearly
// lubricant cost, stays the same: kilograms = pounds × 0.45359237, the price
// per kilogram = the price per pound ÷ 0.45359237. A converted figure is
// written as the regional settings write numbers, ungrouped, with up to 15
// significant digits.
LubricantConversion convertLubricant(const LubricantTexts &texts, Units from, Units to, const QLocale &locale);

// Switches the lubricant's texts between units and remembers the last
// switch: switching back while the fields still hold what the switch wrote
// gives the texts back exactly as they were typed, not a figure converted
// twice ("1000" stays "1000" rather than becoming "999.999999999999").
class UnitSwitch {
public:
    LubricantConversion switchUnits(const LubricantTexts &shown, Units from, Units to, const QLocale &locale);
    // Other figures came in (a file was opened): nothing to give back.
    void forget() { m_last.reset(); }

private:
    struct Switched {
        LubricantTexts before;
        LubricantConversion after;
        Units from;
    };
    std::optional<Switched> m_last;
};

} // namespace model
