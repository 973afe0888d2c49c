// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/currency_units.h"
#include "model/costs/input_table.h"

#include <QLocale>
#include <QString>

namespace model {

// A figure's name in the formulas, in the interface language: "price per lb."
// or, where the lubricant is weighed in kilograms, "price per kg".
QString formulaNameText(Input input, Units units);

// Row k (1 to 5) of the current cost in words, step for step as
// kCostFormulas computes it: "points × minutes per point ÷ 60 × labour rate
// × times per month × 12", the constants as the locale writes them.
QString costFormulaProse(int k, Units units, const QLocale &locale);

} // namespace model
