// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QColor>
#include <QPalette>

QT_BEGIN_NAMESPACE
class QFont;
class QWidget;
QT_END_NAMESPACE

namespace platform {

// The windows' own colours. They belong to the design, like the artwork they
// stand beside, so they stay the same whatever colour scheme the desktop has.
inline constexpr QColor kNavy{0, 0, 128};           // rows 1 to 5 of the result frames
inline constexpr QColor kLightBlue{192, 192, 255};  // the tab pages and the About window
inline constexpr QColor kGreyText{190, 190, 190};   // grey text of the light scheme; the result rules

// A light scheme with every role of every colour group fixed: black text on
// a light grey window, black on white in the fields, black on grey buttons.
QPalette designedPalette();

// The dialog font, the bundled Liberation Sans at 8 points, with every
// attribute fixed so that nothing of the desktop's font shows through.
QFont designedFont();

// Gives a window the designed palette and font; its controls inherit both.
// Qt passes neither on to a child window (a dialog, a menu), so each window
// is given them itself. Message boxes are left to follow the desktop.
void applyDesignedLook(QWidget *window);

} // namespace platform
