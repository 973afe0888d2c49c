// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "platform/bundled_fonts.h"
#include "platform/settings_names.h"
#include "version.h"

#include <QApplication>

namespace app {

// Names the application for the desktop and installs the bundled fonts;
// runs once, right after the QApplication is made. It sets no display name:
// Qt would add that to every window title without it ("About — ..."), and
// each window's title is its own caption.
inline void setUpApplication()
{
    // Where the recovery files, the cache and the settings are kept.
    const platform::SettingsNames names = platform::settingsNames();
#ifdef Q_OS_WIN
    QApplication::setOrganizationName(names.organisation);
#endif
    QApplication::setApplicationName(names.application);
    QApplication::setApplicationVersion(QString::fromLatin1(app::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(app::kApplicationId));
    platform::installBundledFonts();
}

} // namespace app
