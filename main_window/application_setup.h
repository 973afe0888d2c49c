// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "platform/bundled_fonts.h"

#include <QApplication>

namespace main_window {

// The application id shared by the desktop entry, the metainfo and the icon.
inline constexpr const char *kApplicationId = "com.haldmark.VelmorCalculator";

// Names the application for the desktop and installs the bundled fonts;
// runs once, right after the QApplication is made. It sets no display name:
// Qt would add that to every window title without it ("About — ..."), and
// each window's title is its own caption.
inline void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("velmor-calculator"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    platform::installBundledFonts();
}

} // namespace main_window
