// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>

// The desktop's regional settings: how figures are read and written. They
// are the desktop's whatever language the interface is shown in.
namespace platform {

// The regional settings of a POSIX environment, from its variables: LC_ALL,
// else LC_NUMERIC, else LANG, the first one set and not empty ("hi_IN.UTF-8",
// "de_DE@euro"). LANGUAGE is not among them: it lists the languages of the
// interface only. Without any, or with one Qt does not know, the C settings,
// whose figures are grouped in thousands as Qt's system locale writes them.
QLocale regionalLocaleOf(const QString &lcAll, const QString &lcNumeric, const QString &lang);

// The regional settings the program runs in. On Unix they are taken from
// the environment as above: QLocale::system() there names the locale after
// LANGUAGE and mixes its rules with the regional ones, so that an English
// interface on Indian settings would read no "1,00,000". Elsewhere the
// system's own settings, which QLocale::system() reads apart from the
// interface language.
QLocale regionalLocale();

} // namespace platform
