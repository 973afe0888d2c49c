// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "platform/chart_control.h"

#include <array>

namespace main_window {

using ChartType = platform::ChartControl::Type;

// The graph button names the graph that its next click shows. Each click
// looks its caption up here and moves to the next row.
struct GraphStep {
    const char *captionBefore;
    const char *captionAfter;
    ChartType chartType;
    bool stacking;
};

inline constexpr std::array<GraphStep, 6> kGraphCycle{{
    {"Series Bar Graph", "Pie Chart", ChartType::Bar2d, false},
    {"Pie Chart", "Line Graph", ChartType::Pie2d, false},
    {"Line Graph", "Area Graph", ChartType::Line2d, true},
    {"Area Graph", "Step Graph", ChartType::Area2d, true},
    {"Step Graph", "Stacked Bar Graph", ChartType::Step2d, true},
    {"Stacked Bar Graph", "Series Bar Graph", ChartType::Bar2d, true},
}};

} // namespace main_window
