// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <array>

namespace language {

// A language the interface can be shown in: its code (the suffix of its
// catalogue, velmor_<code>.qm) and its name written in that language.
struct Language {
    const char *code;
    const char *ownName;
};

// English first: the source texts, whose catalogue holds only their plural
// forms ("1 year", "5 years").
inline constexpr std::array<Language, 6> kLanguages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00E7ais"},
    {"es", "Espa\u00F1ol"},
    {"pt_BR", "Portugu\u00EAs (Brasil)"},
    {"zh_CN", "\u7B80\u4F53\u4E2D\u6587"},
}};
inline constexpr const char *kEnglish = "en";

bool isLanguageCode(const QString &code);

// The first of the desktop's preferred languages (QLocale::uiLanguages(),
// "de-DE", "pt-BR", "zh-Hans-CN") the interface has, or English.
QString languageForUiLanguages(const QStringList &uiLanguages);

// The language chosen in the Menu, or empty for the desktop's.
QString storedLanguage(const QSettings &settings);
void storeLanguage(QSettings &settings, const QString &code);

// What the interface is shown in: the command line's choice, else the one
// stored, else the desktop's.
QString interfaceLanguage(const QString &commandLineChoice, const QString &stored, const QStringList &uiLanguages);

// The settings the language choice is kept in (the user's, for this program).
// When one of the files they are read from is no regular file (a pipe, a
// device, a folder), that is told in one line on standard error and the
// settings are the defaults: nothing is read from those files or written.
QSettings &programSettings();

// Installs the program's catalogue and Qt's own (dialogs, message boxes)
// for the language, in place of the ones installed before; English installs
// its plural forms alone. False when the program's catalogue cannot be
// loaded, which leaves the interface in English.
bool installLanguage(const QString &code);

// Installs the interface's language for this run, as the program starts:
// the command line's choice, else the one chosen in the Menu, else the
// desktop's. The regional settings (QLocale()) stay the desktop's whatever
// the language.
void setUpLanguage(const QString &commandLineChoice);

// The settings a date is written in words with ("Wednesday, 9 December
// 2026"): the regional settings' own when they speak the interface's
// language, else the interface's language in their country, so that an
// English interface on German or Indian settings dates a report in English
// (in the British order there); where the language has no settings for that
// country, those of another country that orders day and month alike. Before
// any language is installed, the regional settings'.
QLocale dateLocale(const QLocale &regional);

// Makes the desktop's regional settings (platform::regionalLocale()) the
// ones every QLocale() of this run reads and writes figures in, whatever
// language the interface is shown in; runs first thing as the program starts.
void setUpRegionalSettings();

} // namespace language
