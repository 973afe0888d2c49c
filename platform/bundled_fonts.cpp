// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/bundled_fonts.h"

#include "platform/designed_look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace platform {

void installBundledFonts()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // The windows set their designed font themselves. As the application's
    // font too, until a desktop theme sets its own, it is the one font the
    // program loads at start, where the style's and the windows' first
    // measurements would otherwise load a second.
    QApplication::setFont(designedFont());
}

} // namespace platform
