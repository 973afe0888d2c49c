// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <array>

namespace main_window {

// The graph button names the graph that its next click shows. Each click
// looks its caption up here and moves to the next row.
struct GraphStep {
    const char *captionBefore;
    const char *captionAfter;
    int chartType;
    bool stacking;
};

inline constexpr std::array<GraphStep, 6> kGraphCycle{{
    {"Series Bar Graph", "Pie Chart", 1, false},
    {"Pie Chart", "Line Graph", 14, false},
    {"Line Graph", "Area Graph", 3, true},
    {"Area Graph", "Step Graph", 5, true},
    {"Step Graph", "Stacked Bar Graph", 7, true},
    {"Stacked Bar Graph", "Series Bar Graph", 1, true},
}};

} // namespace main_window
