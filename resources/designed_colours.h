// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QColor>

// The design's own colours. They belong to the design, like the artwork they
// stand beside, so they stay the same whatever colour scheme the desktop
// has; the windows and the customer report take them from here.
namespace artwork {

inline constexpr QColor kNavy{0, 0, 128};          // rows 1 to 5 of the result frames
inline constexpr QColor kLightBlue{192, 192, 255}; // the tab pages and the About window
inline constexpr QColor kGreyText{190, 190, 190};  // grey text of the light scheme; the result rules

} // namespace artwork
