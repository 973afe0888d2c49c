// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <array>

namespace model {

// One of the twelve figures that describe a facility. The texts are the
// window's own captions; blanks at either end belong to them.
struct InputDefinition {
    const char *group;       // caption of the frame that holds the field
    const char *caption;     // label left of the field
    const char *unit;        // label right of the field
    const char *defaultText; // text of the field when the window opens
    const char *meaning;
};

inline constexpr int kInputCount = 12;

// Indexed like the fields YourData(0) to YourData(11) and like InputValues.
inline constexpr std::array<InputDefinition, kInputCount> kInputs{{
    {"FACILITY PARTICULARS", "Number of bearings in facility", " total", "1000",
     "bearings installed in the facility"},
    {"FACILITY PARTICULARS", "Number of bearing failures", " per year", "10",
     "bearings that fail per year"},
    {"FACILITY PARTICULARS", "Number of lubrication points", " total", "1000",
     "points lubricated by hand"},
    {"FACILITY PARTICULARS", "Lubrication frequency", " per month", "1",
     "times each point is lubricated per month"},
    {"FACILITY PARTICULARS", "Lubricant quantity", " lbs/year", "1000",
     "pounds of lubricant used per year"},
    {"FACILITY PARTICULARS", "Hourly production rate", " $/hour", "1000",
     "value of production lost per hour of stoppage"},
    {"MATERIAL COST (Average)", "Cost of Lubricant", " $/lb.", "5",
     "price of lubricant per pound"},
    {"MATERIAL COST (Average)", "Cost of Replacement Bearing", " $/each", "200",
     "price of one replacement bearing"},
    {"LABOR COST (Average)", "Lubrication ", " $/hour", "24",
     "hourly labour rate for lubricating"},
    {"LABOR COST (Average)", "Bearing Replacement", " $/hour", "30",
     "hourly labour rate for replacing bearings"},
    {"TIME (Average)", "Lubricate a single point", " minutes", "3",
     "minutes to lubricate one point once"},
    {"TIME (Average)", "Replace a bearing", " hours", "4",
     "hours to replace one failed bearing (and stoppage per failure)"},
}};

// The same labels where the lubricant is weighed in kilograms; the "$" of
// a label stands for the chosen currency (unitLabel()).
inline constexpr std::array<const char *, kInputCount> kMetricUnits{{
    " total", " per year", " total", " per month", " kg/year", " $/hour",
    " $/kg", " $/each", " $/hour", " $/hour", " minutes", " hours",
}};

// The twelve converted inputs of one refresh.
using InputValues = std::array<double, kInputCount>;

} // namespace model
