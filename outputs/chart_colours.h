// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QColor>

// The colours the business case's and the risk's charts share, so that a
// gain, a loss or a lowered and a raised input look alike on every chart.
namespace outputs {

inline constexpr QColor kGain{46, 125, 50};
inline constexpr QColor kLoss{183, 28, 28};
inline constexpr QColor kLowered{96, 125, 196};
inline constexpr QColor kRaised{230, 145, 56}; // also the risk's outer quantiles

} // namespace outputs
