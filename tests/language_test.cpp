// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Which language the interface starts in, how the choice is kept, and that
// installing one translates the program's texts and leaves numbers alone.
#include "main_window/language.h"
#include "model/cost_rows.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace main_window;

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void fromDesktop_data();
    void fromDesktop();
    void precedence_data();
    void precedence();
    void storedChoice_data();
    void storedChoice();
    void everyCatalogueLoads();
    void installingChangesNoNumbers();
};

void LanguageTest::fromDesktop_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing known") << QStringList{} << "en";
    QTest::newRow("German of Germany") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("German of Austria") << QStringList{"de-AT"} << "de";
    QTest::newRow("French of Canada") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Spanish of Mexico") << QStringList{"es-MX"} << "es";
    QTest::newRow("Portuguese of Brazil") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal reads Brazilian") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("simplified Chinese") << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("Chinese of China") << QStringList{"zh-CN"} << "zh_CN";
    QTest::newRow("traditional Chinese is not there") << QStringList{"zh-TW"} << "en";
    QTest::newRow("first known one wins") << QStringList{"nl-NL", "fi", "es-ES", "de-DE"} << "es";
    QTest::newRow("English before a known one") << QStringList{"en-GB", "de-DE"} << "en";
    QTest::newRow("underscore names") << QStringList{"fr_FR"} << "fr";
    QTest::newRow("C locale") << QStringList{"C"} << "en";
    QTest::newRow("garbage") << QStringList{"", "??", "x-klingon"} << "en";
}

void LanguageTest::fromDesktop()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(languageForUiLanguages(uiLanguages), expected);
}

void LanguageTest::precedence_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    const QStringList desktop{"fr-FR"};
    QTest::newRow("desktop") << "" << "" << "fr";
    QTest::newRow("stored over desktop") << "" << "de" << "de";
    QTest::newRow("command line over both") << "zh_CN" << "de" << "zh_CN";
    QTest::newRow("English chosen on a French desktop") << "" << "en" << "en";
    QTest::newRow("stored value not a code") << "" << "klingon" << "fr";
}

void LanguageTest::precedence()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(interfaceLanguage(commandLine, stored, {"fr-FR"}), expected);
}

void LanguageTest::storedChoice_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("German") << "de" << "de";
    QTest::newRow("English") << "en" << "en";
    QTest::newRow("system default") << "" << "";
    QTest::newRow("no such language stores nothing") << "xx" << "";
}

void LanguageTest::storedChoice()
{
    QFETCH(QString, chosen);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("settings.conf");
    {
        QSettings settings(path, QSettings::IniFormat);
        storeLanguage(settings, "zh_CN"); // a choice before, replaced
        storeLanguage(settings, chosen);
    }
    // Read back as the next start reads it.
    const QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(storedLanguage(settings), readBack);
}

void LanguageTest::everyCatalogueLoads()
{
    // Every language of the Menu has its catalogue embedded in the program.
    for (const Language &language : kLanguages) {
        const QString code = QString::fromLatin1(language.code);
        QVERIFY2(installLanguage(code), qPrintable(code));
    }
    QVERIFY(installLanguage("en"));
    QVERIFY(!installLanguage("xx"));
}

void LanguageTest::installingChangesNoNumbers()
{
    // The interface language does not touch the regional settings, whose
    // rules read and write the figures.
    const QLocale before;
    const QString caption = model::costRowCaption(1, 1, model::Assumptions::designed(), QLocale::c());
    QVERIFY(installLanguage("de"));
    QCOMPARE(QLocale(), before);
    QVERIFY(installLanguage("en"));
    // Back in English, the captions are the source texts again.
    QCOMPARE(model::costRowCaption(1, 1, model::Assumptions::designed(), QLocale::c()), caption);
    QCOMPARE(caption, QStringLiteral("Labor to lubricate (90% reduction)"));
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "language_test.moc"
