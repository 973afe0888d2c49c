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
    {QT_TRANSLATE_NOOP("Form1", "Series Bar Graph"), QT_TRANSLATE_NOOP("Form1", "Pie Chart"), ChartType::Bar2d, false},
    {QT_TRANSLATE_NOOP("Form1", "Pie Chart"), QT_TRANSLATE_NOOP("Form1", "Line Graph"), ChartType::Pie2d, false},
    {QT_TRANSLATE_NOOP("Form1", "Line Graph"), QT_TRANSLATE_NOOP("Form1", "Area Graph"), ChartType::Line2d, true},
    {QT_TRANSLATE_NOOP("Form1", "Area Graph"), QT_TRANSLATE_NOOP("Form1", "Step Graph"), ChartType::Area2d, true},
    {QT_TRANSLATE_NOOP("Form1", "Step Graph"), QT_TRANSLATE_NOOP("Form1", "Stacked Bar Graph"), ChartType::Step2d,
     true},
    {QT_TRANSLATE_NOOP("Form1", "Stacked Bar Graph"), QT_TRANSLATE_NOOP("Form1", "Series Bar Graph"), ChartType::Bar2d,
     true},
}};

} // namespace main_window
