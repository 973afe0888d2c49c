// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/bundled_fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace platform {

void installBundledFonts()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    const QString family = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), family);
    QApplication::setFont(QFont(family, 8));
}

} // namespace platform
