// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QtGlobal>

#include <array>
#include <utility>

namespace model {

// One of the twelve figures that describe a facility. The texts are the
// window's own captions; blanks at either end belong to them. All but the
// default text are English source texts: model::inputText() gives them in
// the interface language.
struct InputDefinition {
    const char *group;       // caption of the frame that holds the field
    const char *caption;     // label left of the field
    const char *unit;        // label right of the field
    const char *defaultText; // text of the field when the window opens
    const char *meaning;
    const char *formulaName; // the figure in the report's formulas: "points", "labor rate"
};

inline constexpr int kInputCount = 12;

// The twelve figures by name, in the order of the fields YourData(0) to
// YourData(11), of kInputs and of InputValues.
enum class Input {
    BearingCount,
    BearingFailures,
    LubricationPoints,
    LubricationsPerMonth,
    LubricantQuantity,
    ProductionRate,
    LubricantPrice,
    BearingPrice,
    LubricationLabourRate,
    ReplacementLabourRate,
    MinutesPerPoint,
    HoursPerReplacement,
};
static_assert(int(Input::HoursPerReplacement) + 1 == kInputCount);

// Indexed like the fields YourData(0) to YourData(11) and like InputValues.
inline constexpr std::array<InputDefinition, kInputCount> kInputs{{
    {QT_TRANSLATE_NOOP("Inputs", "FACILITY PARTICULARS"), QT_TRANSLATE_NOOP("Inputs", "Number of bearings in facility"),
     QT_TRANSLATE_NOOP("Inputs", " total"), "1000", QT_TRANSLATE_NOOP("Inputs", "bearings installed in the facility"),
     QT_TRANSLATE_NOOP("Inputs", "bearings")},
    {QT_TRANSLATE_NOOP("Inputs", "FACILITY PARTICULARS"), QT_TRANSLATE_NOOP("Inputs", "Number of bearing failures"),
     QT_TRANSLATE_NOOP("Inputs", " per year"), "10", QT_TRANSLATE_NOOP("Inputs", "bearings that fail per year"),
     QT_TRANSLATE_NOOP("Inputs", "failures")},
    {QT_TRANSLATE_NOOP("Inputs", "FACILITY PARTICULARS"), QT_TRANSLATE_NOOP("Inputs", "Number of lubrication points"),
     QT_TRANSLATE_NOOP("Inputs", " total"), "1000", QT_TRANSLATE_NOOP("Inputs", "points lubricated by hand"),
     QT_TRANSLATE_NOOP("Inputs", "points")},
    {QT_TRANSLATE_NOOP("Inputs", "FACILITY PARTICULARS"), QT_TRANSLATE_NOOP("Inputs", "Lubrication frequency"),
     QT_TRANSLATE_NOOP("Inputs", " per month"), "1",
     QT_TRANSLATE_NOOP("Inputs", "times each point is lubricated per month"),
     QT_TRANSLATE_NOOP("Inputs", "times per month")},
    {QT_TRANSLATE_NOOP("Inputs", "FACILITY PARTICULARS"), QT_TRANSLATE_NOOP("Inputs", "Lubricant quantity"),
     QT_TRANSLATE_NOOP("Inputs", " lbs/year"), "1000", QT_TRANSLATE_NOOP("Inputs", "pounds of lubricant used per year"),
     QT_TRANSLATE_NOOP("Inputs", "lbs. per year")},
    {QT_TRANSLATE_NOOP("Inputs", "FACILITY PARTICULARS"), QT_TRANSLATE_NOOP("Inputs", "Hourly production rate"),
     QT_TRANSLATE_NOOP("Inputs", " $/hour"), "1000",
     QT_TRANSLATE_NOOP("Inputs", "value of production lost per hour of stoppage"),
     QT_TRANSLATE_NOOP("Inputs", "production value per hour")},
    {QT_TRANSLATE_NOOP("Inputs", "MATERIAL COST (Average)"), QT_TRANSLATE_NOOP("Inputs", "Cost of Lubricant"),
     QT_TRANSLATE_NOOP("Inputs", " $/lb."), "5", QT_TRANSLATE_NOOP("Inputs", "price of lubricant per pound"),
     QT_TRANSLATE_NOOP("Inputs", "price per lb.")},
    {QT_TRANSLATE_NOOP("Inputs", "MATERIAL COST (Average)"), QT_TRANSLATE_NOOP("Inputs", "Cost of Replacement Bearing"),
     QT_TRANSLATE_NOOP("Inputs", " $/each"), "200", QT_TRANSLATE_NOOP("Inputs", "price of one replacement bearing"),
     QT_TRANSLATE_NOOP("Inputs", "bearing price")},
    {QT_TRANSLATE_NOOP("Inputs", "LABOR COST (Average)"), QT_TRANSLATE_NOOP("Inputs", "Lubrication "),
     QT_TRANSLATE_NOOP("Inputs", " $/hour"), "24", QT_TRANSLATE_NOOP("Inputs", "hourly labor rate for lubricating"),
     QT_TRANSLATE_NOOP("Inputs", "labor rate")},
    {QT_TRANSLATE_NOOP("Inputs", "LABOR COST (Average)"), QT_TRANSLATE_NOOP("Inputs", "Bearing Replacement"),
     QT_TRANSLATE_NOOP("Inputs", " $/hour"), "30",
     QT_TRANSLATE_NOOP("Inputs", "hourly labor rate for replacing bearings"),
     QT_TRANSLATE_NOOP("Inputs", "labor rate")},
    {QT_TRANSLATE_NOOP("Inputs", "TIME (Average)"), QT_TRANSLATE_NOOP("Inputs", "Lubricate a single point"),
     QT_TRANSLATE_NOOP("Inputs", " minutes"), "3", QT_TRANSLATE_NOOP("Inputs", "minutes to lubricate one point once"),
     QT_TRANSLATE_NOOP("Inputs", "minutes per point")},
    {QT_TRANSLATE_NOOP("Inputs", "TIME (Average)"), QT_TRANSLATE_NOOP("Inputs", "Replace a bearing"),
     QT_TRANSLATE_NOOP("Inputs", " hours"), "4",
     QT_TRANSLATE_NOOP("Inputs", "hours to replace one failed bearing (and stoppage per failure)"),
     QT_TRANSLATE_NOOP("Inputs", "hours per replacement")},
}};

// The same labels where the lubricant is weighed in kilograms; the "$" of
// a label stands for the chosen currency (unitLabel()).
// clang-format off
inline constexpr std::array<const char *, kInputCount> kMetricUnits{{
    QT_TRANSLATE_NOOP("Inputs", " total"),    QT_TRANSLATE_NOOP("Inputs", " per year"),
    QT_TRANSLATE_NOOP("Inputs", " total"),    QT_TRANSLATE_NOOP("Inputs", " per month"),
    QT_TRANSLATE_NOOP("Inputs", " kg/year"),  QT_TRANSLATE_NOOP("Inputs", " $/hour"),
    QT_TRANSLATE_NOOP("Inputs", " $/kg"),     QT_TRANSLATE_NOOP("Inputs", " $/each"),
    QT_TRANSLATE_NOOP("Inputs", " $/hour"),   QT_TRANSLATE_NOOP("Inputs", " $/hour"),
    QT_TRANSLATE_NOOP("Inputs", " minutes"),  QT_TRANSLATE_NOOP("Inputs", " hours"),
}};
// clang-format on

// The lubricant's figures in the formulas where it is weighed in kilograms;
// the other figures keep their formulaName.
inline constexpr std::array<std::pair<Input, const char *>, 2> kMetricFormulaNames{{
    {Input::LubricantPrice, QT_TRANSLATE_NOOP("Inputs", "price per kg")},
    {Input::LubricantQuantity, QT_TRANSLATE_NOOP("Inputs", "kg per year")},
}};

// What the lubricant's figures mean where it is weighed in kilograms; the
// other figures keep their meaning.
inline constexpr std::array<std::pair<Input, const char *>, 2> kMetricMeanings{{
    {Input::LubricantPrice, QT_TRANSLATE_NOOP("Inputs", "price of lubricant per kilogram")},
    {Input::LubricantQuantity, QT_TRANSLATE_NOOP("Inputs", "kilograms of lubricant used per year")},
}};

// The twelve converted inputs of one refresh.
using InputValues = std::array<double, kInputCount>;

constexpr double inputValue(const InputValues &values, Input input) { return values[std::size_t(input)]; }

} // namespace model
