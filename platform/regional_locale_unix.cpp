// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/regional_locale.h"

#include <QtGlobal>

namespace platform {

// The environment's variables in the C library's order of precedence.
QLocale regionalLocale()
{
    return regionalLocaleOf(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_NUMERIC"),
                            qEnvironmentVariable("LANG"));
}

} // namespace platform
