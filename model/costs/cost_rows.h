// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/lost_production.h"
#include "model/text/percentage_text.h"

#include <QLocale>
#include <QString>

#include <array>

namespace model {

// The cost tables' rows, 1 to 6: lubrication labour, lubricant, replacement
// bearings, bearing replacement labour, lost production, total. A Velmor
// system reduces the first five; the sixth is their total.
inline constexpr int kRowCount = 6;
inline constexpr int kReducedRowCount = 5;
inline constexpr int kLostProductionRow = 5;
static_assert(kReducedRowCount == kRowCount - 1);

// One row of the three cost tables: its caption on each result tab and,
// for rows 1 to 5, the reduction the design assumes. The Velmor caption
// holds "%1" where the reduction's percentage stands. The texts are English
// source texts: model::costRowText() gives them in the interface language.
struct CostRow {
    const char *currentCaption;
    const char *velmorCaption;
    const char *savingsCaption;
    double designedReductionPercent; // 0 for the total
    const char *reducedCost;         // what is reduced, as a sentence names it
};

inline constexpr std::array<CostRow, kRowCount> kCostRows{{
    {QT_TRANSLATE_NOOP("CostRows", "Manual Labor to Lubricate"),
     QT_TRANSLATE_NOOP("CostRows", "Labor to lubricate (%1% reduction)"),
     QT_TRANSLATE_NOOP("CostRows", "Manual Labor to Lubricate"), 90,
     QT_TRANSLATE_NOOP("CostRows", "the lubrication labor")},
    {QT_TRANSLATE_NOOP("CostRows", "Grease used for manual lubrication"),
     QT_TRANSLATE_NOOP("CostRows", "Grease consumption (%1% reduction)"),
     QT_TRANSLATE_NOOP("CostRows", "Grease used for manual lubrication"), 50,
     QT_TRANSLATE_NOOP("CostRows", "the lubricant")},
    {QT_TRANSLATE_NOOP("CostRows", "New replacement bearings"),
     QT_TRANSLATE_NOOP("CostRows", "New replacement bearings (%1% reduction)"),
     QT_TRANSLATE_NOOP("CostRows", "New replacement bearings"), 80,
     QT_TRANSLATE_NOOP("CostRows", "the replacement bearings")},
    {QT_TRANSLATE_NOOP("CostRows", "Labor to replace failed bearings"),
     QT_TRANSLATE_NOOP("CostRows", "Bearing replacement labor (%1% reduction)"),
     QT_TRANSLATE_NOOP("CostRows", "Labor to replace failed bearings"), 80,
     QT_TRANSLATE_NOOP("CostRows", "the replacement labor")},
    {QT_TRANSLATE_NOOP("CostRows", "Lost Production"), QT_TRANSLATE_NOOP("CostRows", "Lost Production (%1% reduction)"),
     QT_TRANSLATE_NOOP("CostRows", "Lost Production"), 80, QT_TRANSLATE_NOOP("CostRows", "the lost production")},
    {QT_TRANSLATE_NOOP("CostRows", "Total anual cost of manual lubrication"),
     QT_TRANSLATE_NOOP("CostRows", "Total annual cost using Velmor automatic lubrication"),
     QT_TRANSLATE_NOOP("CostRows", "Total annual savings over manual lubrication costs"), 0, ""},
}};

// What a Velmor system is assumed to save: the reduction of each of rows 1
// to 5, in per cent of the current cost, 0 to 100; and how the lost
// production of row 5 is valued (the designed row unless given).
struct Assumptions {
    std::array<double, kReducedRowCount> reductionPercent{};
    LostProductionRule lostProduction;

    static constexpr Assumptions designed()
    {
        Assumptions assumptions;
        for (int k = 0; k < kReducedRowCount; ++k)
            assumptions.reductionPercent[std::size_t(k)] = kCostRows[std::size_t(k)].designedReductionPercent;
        return assumptions;
    }
    bool isDesigned() const { return *this == designed(); }

    // What remains of row k (1 to 5) with the system: (100 − reduction) ÷
    // 100, which for the designed reductions is exactly the 0.1, 0.5 and
    // 0.2 the figures have always been computed with.
    double remainingFactor(int k) const { return (100 - reductionPercent.at(std::size_t(k - 1))) / 100; }

    friend bool operator==(const Assumptions &, const Assumptions &) = default;
};

inline constexpr double kMinReductionPercent = 0;
inline constexpr double kMaxReductionPercent = 100;

// A reduction the program takes: 0 to 100 per cent, in steps of a tenth, so
// that every caption holding it fits its label ("72.5%", not "33.125%").
bool isReductionPercent(double percent);

// Row k's caption on table t (0 current, 1 Velmor, 2 savings), with the
// assumed reduction written by the regional settings ("Labor to lubricate
// (75% reduction)", "(72,5% reduction)" in Germany).
QString costRowCaption(int table, int k, const Assumptions &assumptions, const QLocale &locale);

// The reductions as a sentence states them: "The Velmor cost assumes that
// automatic lubrication cuts the lubrication labour by 90 %, the lubricant
// by 50 %, …, and the lost production by 80 %."
QString reductionsSentence(const Assumptions &assumptions, const QLocale &locale);

} // namespace model
