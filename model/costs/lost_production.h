// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/currency_units.h"
#include "model/costs/input_table.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

namespace model {

// How an hour that a bearing failure stops the plant is valued. The
// designed row counts the production value per hour over the hours to
// replace a bearing. Finance counts what the hour would have earned: its
// contribution margin (the revenue less the variable costs not spent), all
// of it only where the plant is sold out, none of the output made up later,
// and the crew standing idle besides; a stop may last longer than the
// repair. Nothing given is the designed row, to the last bit.
struct LostProductionRule {
    std::optional<double> marginPercent; // of the production value; none: 100
    bool soldOut = false;                // every hour lost is revenue lost: the margin is 100 %
    std::optional<double> madeUpPercent; // of the lost output, made up later; none: 0
    std::optional<double> idleCrew;      // people standing idle during a stop; none: 0
    std::optional<double> idleCrewRate;  // their hourly rate; none: 0
    std::optional<double> stopHours;     // a failure's stop; none: the hours to replace a bearing

    bool isEmpty() const { return *this == LostProductionRule(); }
    // The share of the production value a lost hour costs, in per cent.
    double margin() const { return soldOut ? 100 : marginPercent.value_or(100); }

    friend bool operator==(const LostProductionRule &, const LostProductionRule &) = default;
};

// The rule's figures, as the workbook keeps them in cells and the report
// names them.
enum class StopFigure { Margin, MadeUp, IdleCrew, IdleCrewRate, StopHours };
inline constexpr int kStopFigureCount = 5;

// The largest of each figure accepted: a share up to 100 %, a crew and a
// rate up to a million, a stop up to a year.
inline constexpr double kMaxStopCrew = 1e6;
inline constexpr double kMaxStopHours = 8760;
double largestStopFigure(StopFigure figure);

// The rule's member that holds a figure where given.
std::optional<double> LostProductionRule::*stopFigureMember(StopFigure figure);

// The lost production of a year: failures × stop hours × (production value
// × margin ÷ 100 × (100 − made up) ÷ 100 + idle crew × their rate), written
// once for the program's value (double) and the workbook's formula
// (FormulaTerm).
template <typename N>
N lostProductionOf(const N &failures, const N &stopHours, const N &productionValue, const N &margin, const N &madeUp,
                   const N &crew, const N &crewRate)
{
    return failures * stopHours * (productionValue * margin / 100 * (100 - madeUp) / 100 + crew * crewRate);
}

// The rule's figure as the formula takes it (the defaults filled in; the
// stop hours fall back to the hours to replace a bearing).
double stopFigureValue(StopFigure figure, const LostProductionRule &rule, const InputValues &values);

// Row 5 of the current cost under a rule that is not empty.
double lostProductionRow(const InputValues &values, const LostProductionRule &rule);

// The same row as a workbook formula: figure names the cell of one of the
// twelve figures, stop that of one of the rule's.
QString lostProductionFormula(const std::function<QString(Input)> &figure,
                              const std::function<QString(StopFigure)> &stop);

// The same row in words for the report's note, in the interface language;
// the stop is the hours to replace a bearing unless the rule gives its own.
QString lostProductionProse(const LostProductionRule &rule, Units units, const QLocale &locale);

// The rule in sentences, its figures as given: "A lost hour is valued at its
// contribution margin, 40% of the production value. 25% of the lost output
// is made up later and not counted as lost. …" Empty for the empty rule.
QString lostProductionSentence(const LostProductionRule &rule, const QLocale &locale, QStringView symbol);

} // namespace model
