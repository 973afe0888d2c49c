// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "resources/designed_colours.h"

#include <QPalette>

QT_BEGIN_NAMESPACE
class QFont;
class QWidget;
QT_END_NAMESPACE

namespace platform {

using artwork::kGreyText;
using artwork::kLightBlue;
using artwork::kNavy;

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
