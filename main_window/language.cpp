// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/language.h"

#include "version.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace main_window {

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
    static QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                              QString::fromLatin1(app::kProgramName), QString::fromLatin1(app::kProgramName));
    return settings;
}

bool installLanguage(const QString &code)
{
    uninstall(programTranslator());
    uninstall(qtTranslator());
    if (code == QLatin1StringView(kEnglish) || !isLanguageCode(code))
        return code == QLatin1StringView(kEnglish);

    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/translations/velmor_%1.qm").arg(code)))
        return false;
    QCoreApplication::installTranslator(program.get());
    programTranslator() = std::move(program);

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

} // namespace main_window
