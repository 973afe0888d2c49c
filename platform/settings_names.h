// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "version.h"

#include <QString>

namespace platform {

// The names the system keeps the program's settings, state and cache
// under. On Windows they are the maker's and the product's
// (HKCU\Software\HALDMARK\Velmor Calculator and the same folders under
// %LOCALAPPDATA%), where users and the uninstaller look for them; elsewhere
// the program's file name alone, as the desktop's folders name programs.
struct SettingsNames {
    QString organisation;
    QString application;
};

inline SettingsNames settingsNames()
{
#ifdef Q_OS_WIN
    return {QString::fromLatin1(app::kMakerKey), QString::fromLatin1(app::kProductKey)};
#else
    const QString name = QString::fromLatin1(app::kProgramName);
    return {name, name};
#endif
}

} // namespace platform
