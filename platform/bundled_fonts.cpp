// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/bundled_fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace platform {

void installBundledFonts()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

} // namespace platform
