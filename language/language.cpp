// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "language/language.h"

#include "model/text/message_text.h"
#include "platform/console_output.h"
#include "platform/regional_locale.h"
#include "platform/settings_names.h"
#include "version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <memory>

namespace language {

namespace {

const QString kSettingsKey = QStringLiteral("interface/language");

// The code among kLanguages for one of the desktop's language names, or
// empty. Portuguese of any country reads the Brazilian catalogue, the only
// one there is; Chinese only in simplified characters.
QString codeFor(const QString &uiLanguage)
{
    const QLocale locale(uiLanguage);
    switch (locale.language()) {
    case QLocale::English:
        return QStringLiteral("en");
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::Spanish:
        return QStringLiteral("es");
    case QLocale::Portuguese:
        return QStringLiteral("pt_BR");
    case QLocale::Chinese:
        return locale.script() == QLocale::SimplifiedChineseScript ? QStringLiteral("zh_CN") : QString();
    default:
        return {};
    }
}

// The translators installed now; replaced as a whole on every change.
std::unique_ptr<QTranslator> &programTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void uninstall(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// The files QSettings reads the program's settings from: the program's own
// and its organisation's (of the same name), in the user's folder and in
// the system's.
QStringList programSettingsFiles()
{
    const QString name = QString::fromLatin1(app::kProgramName);
    QStringList files;
    for (const QString &folder : {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                  QLibraryInfo::path(QLibraryInfo::SettingsPath)}) {
        files << QStringLiteral("%1/%2/%2.conf").arg(folder, name) << QStringLiteral("%1/%2.conf").arg(folder, name);
    }
    return files;
}

// Whether every settings file that exists is a regular file (links
// followed). Reading a pipe would wait for a writer that never comes, and
// writing would put a file in place of it; each one that is not is told on
// standard error.
bool programSettingsAreFiles()
{
    bool files = true;
    for (const QString &path : programSettingsFiles()) {
        const QFileInfo info(path);
        if (!info.exists() || info.isFile())
            continue;
        files = false;
        const QString line = QCoreApplication::translate(
                                 "Language", "The settings file %1 is not a regular file; it is ignored, and the "
                                             "settings are the defaults.")
                                 .arg(model::quotedForMessage(QDir::toNativeSeparators(path)));
        platform::writeLine(stderr, QStringLiteral("%1: %2").arg(QLatin1StringView(app::kProgramName), line));
    }
    return files;
}

} // namespace

bool isLanguageCode(const QString &code)
{
    for (const Language &language : kLanguages) {
        if (code == QLatin1StringView(language.code))
            return true;
    }
    return false;
}

QString languageForUiLanguages(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        const QString code = codeFor(name);
        if (!code.isEmpty())
            return code;
    }
    return QString::fromLatin1(kEnglish);
}

QString storedLanguage(const QSettings &settings)
{
    const QString code = settings.value(kSettingsKey).toString();
    // A value edited by hand or left by another version counts as none.
    return isLanguageCode(code) ? code : QString();
}

void storeLanguage(QSettings &settings, const QString &code)
{
    if (isLanguageCode(code))
        settings.setValue(kSettingsKey, code);
    else
        settings.remove(kSettingsKey);
    settings.sync();
}

QString interfaceLanguage(const QString &commandLineChoice, const QString &stored, const QStringList &uiLanguages)
{
    if (isLanguageCode(commandLineChoice))
        return commandLineChoice;
    if (isLanguageCode(stored))
        return stored;
    return languageForUiLanguages(uiLanguages);
}

QSettings &programSettings()
{
    static const std::unique_ptr<QSettings> settings = [] {
        const platform::SettingsNames names = platform::settingsNames();
        if (programSettingsAreFiles())
            return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, names.organisation,
                                               names.application);
        // Qt reads no settings from a folder and writes none to it: the
        // defaults for this run, and a choice made in it kept only while
        // it lasts.
        return std::make_unique<QSettings>(QDir::rootPath(), QSettings::IniFormat);
    }();
    return *settings;
}

// The code of the language whose catalogue is installed; empty before the
// first installation and after a failed one.
QString &installedLanguage()
{
    static QString code;
    return code;
}

bool installLanguage(const QString &code)
{
    uninstall(programTranslator());
    uninstall(qtTranslator());
    installedLanguage().clear();
    if (!isLanguageCode(code))
        return false;

    // English, the source texts, has a catalogue of its plural forms only.
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/translations/velmor_%1.qm").arg(code)))
        return false;
    QCoreApplication::installTranslator(program.get());
    programTranslator() = std::move(program);
    installedLanguage() = code;
    if (code == QLatin1StringView(kEnglish))
        return true;

    // Qt's own texts: file and print dialogs, message box buttons. Missing
    // (qt6-translations-l10n not installed), they stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    return true;
}

void setUpLanguage(const QString &commandLineChoice)
{
    installLanguage(
        interfaceLanguage(commandLineChoice, storedLanguage(programSettings()), QLocale::system().uiLanguages()));
}

QLocale dateLocale(const QLocale &regional)
{
    const QString &code = installedLanguage();
    if (code.isEmpty() || regional.language() == QLocale::C)
        return regional;
    const QLocale language(code);
    if (language.language() == regional.language())
        return regional;
    const QLocale combined(language.language(), language.script(), regional.territory());
    if (combined.territory() == regional.territory())
        return combined;
    // The language is not written in that region (English in Egypt): the
    // first of its regions that orders day and month as the region does.
    const auto dayFirst = [](const QLocale &l) {
        const QString format = l.dateFormat(QLocale::ShortFormat);
        return format.indexOf(u'd') < format.indexOf(u'M');
    };
    for (const QLocale &candidate :
         QLocale::matchingLocales(language.language(), language.script(), QLocale::AnyTerritory)) {
        if (dayFirst(candidate) == dayFirst(regional))
            return candidate;
    }
    return combined;
}

void setUpRegionalSettings() { QLocale::setDefault(platform::regionalLocale()); }

} // namespace language
