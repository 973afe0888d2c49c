// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// The figures the default inputs come to, as the result labels show them in
// en_US: [table][row - 1], tables current, Velmor, savings. Written out here
// from the design's worked example, not computed.

#include <array>

inline constexpr std::array<std::array<const char *, 6>, 3> kDefaultFigures{{
    {"$14,400.00", "$5,000.00", "$2,000.00", "$1,200.00", "$40,000.00", "$62,600.00"},
    {"$1,440.00", "$2,500.00", "$400.00", "$240.00", "$8,000.00", "$12,580.00"},
    {"$12,960.00", "$2,500.00", "$1,600.00", "$960.00", "$32,000.00", "$50,020.00"},
}};
