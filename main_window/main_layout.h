// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// Where the main window's controls stand, in twips: the tab control's
// coordinates include its row of tabs, a frame's are from its own corner.

#include "model/costs/cost_rows.h"
#include "model/costs/input_table.h"
#include "model/costs/results.h"
#include "model/costs/table_titles.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace main_window {

// The window's caption; with a facility file, after the file's name. The
// captions here are English source texts, shown through Form1::tr().
inline constexpr const char *kWindowCaption = QT_TRANSLATE_NOOP("Form1", "Velmor Automatic Lubrication Systems");
inline constexpr int kClientWidth = 9015, kClientHeight = 6315;
struct Place {
    int left, top, width, height;
};
inline constexpr Place kTabControlPlace{240, 720, 8535, 4935};

// The result tabs are titled as their tables (model::kTableTitles).
enum Tab { AboutTab, YourDataTab, CurrentCostTab, VelmorCostTab, SavingsTab, GraphTab };
// clang-format off
inline constexpr std::array<const char *, 6> kTabCaptions{
    QT_TRANSLATE_NOOP("Form1", "About Velmor"), QT_TRANSLATE_NOOP("Form1", "Your Data"),
    model::kTableTitles[0].tab,                 model::kTableTitles[1].tab,
    model::kTableTitles[2].tab,                 QT_TRANSLATE_NOOP("Form1", "Graph")};
// clang-format on
static_assert(SavingsTab - CurrentCostTab + 1 == model::kTableCount);

// A tab's caption in the interface language.
inline QString tabCaption(int tab)
{
    if (tab >= CurrentCostTab && tab <= SavingsTab)
        return model::tableTitle(kTabCaptions[std::size_t(tab)]);
    return QCoreApplication::translate("Form1", kTabCaptions[std::size_t(tab)]);
}

// Tab 0, "About Velmor".
inline constexpr Place kLogoPlace{240, 600, 3975, 3495};      // Picture1
inline constexpr Place kWelcomePlace{4440, 600, 3855, 3495};  // Label3
inline constexpr Place kIconPlace{165, 4260, 540, 495};       // Picture2
inline constexpr Place kCopyrightPlace{720, 4440, 2055, 255}; // Label2
inline constexpr Place kMoreInfoPlace{3360, 4320, 1575, 375}; // Command4
inline constexpr Place kAboutPlace{5040, 4320, 1575, 375};    // Command3
inline constexpr Place kClosePlace{6720, 4320, 1575, 375};    // Command2

// Tab 1, "Your Data": the banner and four frames, Frame1(0) to Frame1(3).
inline constexpr Place kDataBannerPlace{240, 600, 3975, 1335}; // Picture3
inline constexpr std::array<Place, 4> kInputFramePlaces{{
    {240, 2040, 3975, 2655},  // FACILITY PARTICULARS
    {4320, 3480, 3975, 1215}, // TIME (Average)
    {4320, 600, 3975, 1215},  // MATERIAL COST (Average)
    {4320, 2040, 3975, 1215}, // LABOR COST (Average)
}};

// One input row: caption label, field YourData(index) and unit label.
struct InputRow {
    int frame;        // Frame1 index
    int top;          // row top inside the frame
    int captionLabel; // Label1 index of the caption
    int unitLabel;    // Label1 index of the unit
    int tabIndex;     // of the field
};
// clang-format off
inline constexpr std::array<InputRow, model::kInputCount> kInputRows{{
    {0, 360, 0, 19, 27},  {0, 720, 1, 18, 28},  {0, 1080, 5, 21, 29},  {0, 1440, 17, 20, 30},
    {0, 1800, 2, 23, 31}, {0, 2160, 11, 22, 32}, {2, 360, 10, 12, 10}, {2, 720, 7, 3, 11},
    {3, 360, 6, 14, 15},  {3, 720, 9, 13, 16},  {1, 360, 4, 16, 23},  {1, 720, 8, 15, 24},
}};
// clang-format on
inline constexpr int kInputCaptionLeft = 120, kInputCaptionWidth = 2175, kWideCaptionWidth = 2295;
inline constexpr int kFieldLeft = 2280, kFieldWidth = 735, kFieldHeight = 285;
inline constexpr int kUnitLeft = 3000, kUnitWidth = 855, kInputLabelHeight = 255;

// Tabs 2 to 4: a banner and one frame Frame2(n) with six rows; the frame's
// caption is its table's heading (model::kTableTitles).
inline constexpr Place kResultBannerPlace{240, 600, 8055, 1335}; // Picture4 to Picture6
inline constexpr Place kResultFramePlace{240, 2040, 8055, 2655};

// Where row k of a result frame stands; its caption is the cost row's
// (model::costRowCaption()).
struct ResultRow {
    int captionLabel; // CurentCost index of the row caption
    int captionWidth;
    int figureLabel; // CurentCost index of the figure
    int figureLeft;
    int figureWidth; // figureLeft + figureWidth is 7815 in every row
};
inline constexpr int kResultCaptionLeft = 240, kResultRowHeight = 255;
constexpr int resultRowTop(int row) { return 480 + 360 * (row - 1); }

inline constexpr std::array<std::array<ResultRow, model::kRowCount>, model::kTableCount> kResultRows{{
    {{
        {6, 2655, 0, 3480, 4335},
        {7, 3495, 1, 3480, 4335},
        {8, 2655, 2, 3480, 4335},
        {9, 3375, 3, 3480, 4335},
        {10, 2655, 4, 3480, 4335},
        {11, 3615, 5, 3960, 3855},
    }},
    {{
        {16, 3375, 22, 3480, 4335},
        {15, 3495, 21, 3600, 4215},
        {14, 4095, 20, 4320, 3495},
        {13, 4095, 19, 4200, 3615},
        {23, 3135, 18, 3480, 4335},
        {12, 4815, 17, 5160, 2655},
    }},
    {{
        {28, 2655, 34, 3480, 4335},
        {27, 3495, 33, 3720, 4095},
        {26, 2655, 32, 3480, 4335},
        {25, 3375, 31, 5400, 2415},
        {35, 2655, 30, 3480, 4335},
        {24, 4695, 29, 5040, 2775},
    }},
}};

// Horizontal rules in each result frame, Line2(5n) to Line2(5n + 4): four of
// 1 pixel between the rows and one of 2 pixels above the total.
inline constexpr int kRuleLeft = 240, kRuleRight = 7800;
struct Rule {
    int lineOffset; // Line2 index minus 5n
    int y;
    int widthPixels;
};
inline constexpr std::array<Rule, 5> kRules{{{3, 720, 1}, {2, 1080, 1}, {1, 1440, 1}, {0, 1800, 1}, {4, 2160, 2}}};

// Tab 5, "Graph".
inline constexpr Place kChartPlace{120, 480, 8295, 4335};        // MSChart1
inline constexpr Place kGraphButtonPlace{6720, 4320, 1575, 375}; // Command1

} // namespace main_window
