// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/regional_locale.h"

namespace platform {

QLocale regionalLocaleOf(const QString &lcAll, const QString &lcNumeric, const QString &lang)
{
    QString name;
    for (const QString &variable : {lcAll, lcNumeric, lang}) {
        if (!variable.isEmpty()) {
            name = variable;
            break;
        }
    }
    // QLocale reads "de_DE.UTF-8" and "de_DE@euro" as de_DE, "C.UTF-8",
    // "POSIX" and unknown names as C.
    QLocale locale(name);
    if (locale.language() == QLocale::C)
        locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace platform
