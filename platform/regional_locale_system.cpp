// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/regional_locale.h"

namespace platform {

// Windows and macOS keep the regional settings in the system itself.
QLocale regionalLocale() { return QLocale::system(); }

} // namespace platform
