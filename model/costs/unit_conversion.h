// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/currency_units.h"
#include "model/costs/input_table.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace model {

// The two figures that are weighed: the lubricant quantity (per year) and
// the lubricant's price (per unit of weight), as the fields hold them.
inline constexpr int kLubricantQuantityField = 4;
inline constexpr int kLubricantPriceField = 6;

using FieldTexts = std::array<QString, kInputCount>;

struct UnitConversion {
    FieldTexts texts;
    // Which of the two texts were numbers and are now written in the new
    // units; a text that is no number, or whose converted figure would not
    // fit a double, is kept as it was.
    bool quantityConverted = false;
    bool priceConverted = false;
};

// The field texts with the lubricant weighed in the other units, so that
// their product, the yearly lubricant cost, stays the same: kilograms =
// pounds × 0.45359237, the price per kilogram = the price per pound ÷
// 0.45359237. A converted figure is written as the regional settings write
// numbers, ungrouped, with the fewest significant digits, six at the least,
// that keep every result text ("453.592" and "11.023113" for 1000 lb. at
// $5). Where no rounding does (a cost on a half cent moves with the last bit
// of the product), the nearest 15-digit texts, or neighbouring texts in the
// fifteenth digit, that keep every result text are taken.
UnitConversion convertUnits(const FieldTexts &texts, Units from, Units to, const QLocale &locale,
                            const Assumptions &assumptions);

// Switches the fields between units and remembers the last switch:
// switching back while the two fields still hold what the switch wrote
// gives their texts back exactly as they were typed, not a figure converted
// twice ("1000" stays "1000" rather than becoming "1000.00000000000").
class UnitSwitch {
public:
    UnitConversion switchUnits(const FieldTexts &shown, Units from, Units to, const QLocale &locale,
                               const Assumptions &assumptions);
    // Other figures came in (a file was opened): nothing to give back.
    void forget() { m_last.reset(); }

private:
    struct Switched {
        std::array<QString, 2> before;
        UnitConversion after;
        Units from;
    };
    std::optional<Switched> m_last;
};

} // namespace model
