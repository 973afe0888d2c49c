// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Which language the interface starts in, how the choice is kept, and that
// installing one translates the program's texts and leaves numbers alone.
#include "language/language.h"
#include "model/costs/cost_rows.h"
#include "model/finance/business_case_text.h"
#include "model/text/date_text.h"
#include "model/text/list_text.h"
#include "model/text/numeric_text.h"
#include "outputs/report_builder.h"
#include "outputs/results_clipboard.h"
#include "system_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace language;
using namespace outputs;

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
    void datesInTheRegionsOrder_data();
    void datesInTheRegionsOrder();
    void listsAndSentencesAsTheLanguageWrites_data();
    void listsAndSentencesAsTheLanguageWrites();
    void regionalSettingsOfARun_data();
    void regionalSettingsOfARun();
    void yearsInEveryLanguage_data();
    void yearsInEveryLanguage();
    void sharedCaptionsFollowTheLanguage_data();
    void sharedCaptionsFollowTheLanguage();
    void settingsThatAreNoFile_data();
    void settingsThatAreNoFile();
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

// clang-format off
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
// clang-format on

void LanguageTest::precedence()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(interfaceLanguage(commandLine, stored, {"fr-FR"}), expected);
}

// clang-format off
void LanguageTest::storedChoice_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("German") << "de" << "de";
    QTest::newRow("English") << "en" << "en";
    QTest::newRow("system default") << "" << "";
    QTest::newRow("no such language stores nothing") << "xx" << "";
}
// clang-format on

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

void LanguageTest::datesInTheRegionsOrder_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("inSentences"); // dateText()
    QTest::addColumn<QString>("inWords");     // part of the report's date
    QTest::newRow("de in Germany") << "de"
                                   << "de_DE"
                                   << "09.12.2026"
                                   << "9. Dezember 2026";
    QTest::newRow("en in the US") << "en"
                                  << "en_US"
                                  << "12/9/2026"
                                  << "December 9, 2026";
    QTest::newRow("en in Egypt") << "en"
                                 << "ar_EG"
                                 << "\u0669\u200F/\u0661\u0662\u200F/\u0662\u0660\u0662\u0666"
                                 << "9 December 2026";
    QTest::newRow("zh in China") << "zh_CN"
                                 << "zh_CN"
                                 << "2026/12/9"
                                 << "2026\u5E7412\u67089\u65E5";
    QTest::newRow("C locale") << "en"
                              << "C"
                              << "2026-12-09"
                              << "9 December 2026";
}

// The records' dates in sentences as the region writes them, and the
// report's date in the interface's words in the region's order.
void LanguageTest::datesInTheRegionsOrder()
{
    QFETCH(QString, language);
    QFETCH(QString, region);
    QFETCH(QString, inSentences);
    QFETCH(QString, inWords);
    QVERIFY(installLanguage(language));
    const auto restore = qScopeGuard([] { installLanguage("en"); });
    const QDate date(2026, 12, 9);
    QCOMPARE(model::dateText(date, QLocale(region)), inSentences);
    const QString long_ = dateLocale(QLocale(region)).toString(date, QLocale::LongFormat);
    QVERIFY2(long_.contains(inWords), qPrintable(long_));
}

void LanguageTest::listsAndSentencesAsTheLanguageWrites_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("paragraph");
    for (const char *code : {"en", "de", "fr", "es", "pt_BR"})
        QTest::newRow(code) << code << "A, B, C"
                            << "A. B. C.";
    QTest::newRow("zh_CN") << "zh_CN"
                           << "A\u3001B\u3001C"
                           << "A.B.C.";
}

// Joined with the catalogue's own marks: no ASCII comma between Chinese
// items, no blank after a Chinese full stop.
void LanguageTest::listsAndSentencesAsTheLanguageWrites()
{
    QFETCH(QString, language);
    QFETCH(QString, list);
    QFETCH(QString, paragraph);
    QVERIFY(installLanguage(language));
    const auto restore = qScopeGuard([] { installLanguage("en"); });
    QCOMPARE(model::listText({"A", "B", "C"}), list);
    QCOMPARE(model::sentencesText({"A.", "B.", "C."}), paragraph);
    // A sentence's own "%" and "%1" are not placeholders of the joining.
    QCOMPARE(model::sentencesText({"80%.", "%1."}).remove(u' '), QStringLiteral("80%.%1."));
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

void LanguageTest::regionalSettingsOfARun_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("typed");
    // settings' name, figure read, figure written, interface language, a month in the report's date
    QTest::addColumn<QString>("expected");
    QTest::newRow("en on hi_IN") << QStringList{"LANGUAGE=en", "LC_ALL=hi_IN.UTF-8"} << "1,00,000"
                                 << "hi_IN 100000 1,00,000.0 en December";
    QTest::newRow("en on de_DE") << QStringList{"LANGUAGE=en_US", "LANG=de_DE.UTF-8"} << "2.000,5"
                                 << "de_DE 2000.5 2.000,5 en December";
    QTest::newRow("de on en_US") << QStringList{"LANGUAGE=de", "LC_NUMERIC=en_US", "LANG=de_DE"} << "2.000"
                                 << "en_US 2 2.0 de Dezember";
    QTest::newRow("de on C, over LANG") << QStringList{"LANGUAGE=de", "LC_ALL=C.UTF-8", "LANG=de_DE"} << "1234.5"
                                        << "C 1234.5 1,234.5 de December";
}

// As a run of the program sets them up: in a process started in the
// environment under test, as QLocale::system() reads it once.
void LanguageTest::regionalSettingsOfARun()
{
    if (!system_test::regionalSettingsFromEnvironment())
        QSKIP("This system's regional settings are its own, not those of LANG and LC_ALL.");
    QFETCH(QStringList, environment);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_NUMERIC", "LANG"})
        variables.remove(QString::fromLatin1(name));
    for (const QString &assignment : std::as_const(environment))
        variables.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    variables.insert(QStringLiteral("VELMOR_READ_FIGURE"), typed);
    QProcess run;
    run.setProcessEnvironment(variables);
    run.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(run.readAllStandardOutput()).trimmed(), expected);
}

void LanguageTest::yearsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("years");
    QTest::addColumn<QStringList>("shown"); // in the measures, their note and the clipboard
    QTest::newRow("en 1") << "en" << 1
                          << QStringList{"over 1 year: ", "within the 1 year\n", "the 1 year evaluated",
                                         "over 1 year\t"};
    QTest::newRow("en 5") << "en" << 5 << QStringList{"over 5 years: ", "the 5 years evaluated", "over 5 years\t"};
    QTest::newRow("de 1") << "de" << 1 << QStringList{"über 1 Jahr: ", "von 1 Jahr\n", "von 1 Jahr.", "1 Jahr\t"};
    QTest::newRow("fr 1") << "fr" << 1 << QStringList{"sur 1 an\u00A0: ", "de 1 an\n", "de 1 an."};
    QTest::newRow("es 1") << "es" << 1 << QStringList{"a 1 año: ", "en 1 año\n", "de 1 año."};
    QTest::newRow("pt_BR 1") << "pt_BR" << 1 << QStringList{"em 1 ano: ", "em 1 ano\n", "de 1 ano."};
    QTest::newRow("zh_CN 1") << "zh_CN" << 1 << QStringList{"1 年投资回报率：", "评估的 1 年内"};
}

void LanguageTest::yearsInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, years);
    QFETCH(QStringList, shown);
    QVERIFY(installLanguage(language));
    // Too little saved to pay back within the period.
    const model::Investment investment{1000, 0, 0, years};
    model::BusinessCaseStudy study;
    study.investment = investment;
    study.measures = model::businessCaseOf(100, investment);
    const QLocale c = QLocale::c();
    const QString text =
        (model::measureLines(study.measures, investment, c)
         << model::measuresNote(investment, c) << clipboardResults({}, model::Assumptions::designed(), study, c).text)
            .join(u'\n');
    QVERIFY(installLanguage("en"));
    for (const QString &part : std::as_const(shown))
        QVERIFY2(text.contains(part), qPrintable(part + u'\n' + text));
}

// clang-format off
void LanguageTest::sharedCaptionsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("headings"); // Copy Results' first line
    QTest::addColumn<QString>("overflow"); // why a report of figures that overflow is refused
    QTest::addColumn<QString>("noNumber"); // and of a lubricant quantity "abc"
    QTest::newRow("en") << "en" << "Cost\tCurrent Cost\tVelmor Cost\tSavings"
                        << "Overflow: the results cannot be computed from these figures."
                        << "The figure for \u201cLubricant quantity\u201d is not a number. It reads \u201cabc\u201d.";
    QTest::newRow("de") << "de" << "Kosten\tIstkosten\tVelmor-Kosten\tEinsparung"
                        << "\u00dcberlauf: Aus diesen Werten lassen sich keine Ergebnisse berechnen."
                        << "Der Wert f\u00fcr \u201eSchmierstoffmenge\u201c ist keine Zahl. "
                           "Dort steht \u201eabc\u201c.";
}
// clang-format on

// The texts several outputs share come from one place and follow the
// interface's language wherever they are shown.
void LanguageTest::sharedCaptionsFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, headings);
    QFETCH(QString, overflow);
    QFETCH(QString, noNumber);
    QVERIFY(installLanguage(language));
    const QString copied = clipboardResults({}, model::Assumptions::designed(), std::nullopt, QLocale::c()).text;
    document::FacilityDocument facility(QLocale::c());
    for (int i = 0; i < model::kInputCount; ++i)
        facility.setFigureText(i, QStringLiteral("1E308"));
    const QString overflowed = buildReport(facility, {}).problem;
    for (int i = 0; i < model::kInputCount; ++i)
        facility.setFigureText(i, i == 4 ? QStringLiteral("abc") : QStringLiteral("1"));
    const QString refused = buildReport(facility, {}).problem;
    QVERIFY(installLanguage("en"));
    QCOMPARE(copied.section(u'\n', 0, 0), headings);
    QCOMPARE(overflowed, overflow);
    QCOMPARE(refused, noNumber);
}

// clang-format off
void LanguageTest::settingsThatAreNoFile_data()
{
    QTest::addColumn<QString>("entry"); // in XDG_CONFIG_HOME
    QTest::addColumn<QString>("kind");
    const QString program = QStringLiteral("velmor-calculator/velmor-calculator.conf");
    QTest::newRow("pipe as the program's settings") << program << "fifo";
    QTest::newRow("pipe as the organisation's settings") << "velmor-calculator.conf" << "fifo";
    QTest::newRow("folder as the program's settings") << program << "folder";
    QTest::newRow("a regular file is read and written") << program << "file";
}
// clang-format on

// A run of its own, with the user's settings in the test's folder, reads
// the language stored and stores "fr".
void LanguageTest::settingsThatAreNoFile()
{
    if (!system_test::settingsAreFiles())
        QSKIP("This system keeps the program's settings in no file.");
    QFETCH(QString, entry);
    QFETCH(QString, kind);
    QTemporaryDir config;
    const QString path = config.filePath(entry);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (kind == u"fifo")
        QVERIFY(system_test::makeNamedPipe(path));
    else if (kind == u"folder")
        QVERIFY(QDir().mkpath(path));
    else
        QSettings(path, QSettings::IniFormat).setValue("interface/language", "de");
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    variables.insert(QStringLiteral("VELMOR_STORE_LANGUAGE"), QStringLiteral("fr"));
    QProcess run;
    run.setProcessEnvironment(variables);
    run.start(QCoreApplication::applicationFilePath(), {});
    const bool ended = run.waitForFinished(10000);
    run.kill();
    QVERIFY2(ended && run.exitCode() == 0, "the run waited on its settings or failed");

    const QString told = QString::fromUtf8(run.readAllStandardError());
    const QFileInfo after(path);
    if (kind == u"file") {
        QCOMPARE(told + run.readAllStandardOutput(), QStringLiteral("de\n"));
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("interface/language").toString(), QStringLiteral("fr"));
    } else {
        QVERIFY2(told.count(u'\n') == 1 && told.contains(path), qPrintable(told));
        // Nothing read, and the entry as it was, with nothing beside it.
        QCOMPARE(run.readAllStandardOutput(), QByteArray("\n"));
        QVERIFY(after.exists() && !after.isFile());
        QCOMPARE(after.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{after.fileName()});
    }
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("VELMOR_STORE_LANGUAGE")) {
        // Started by settingsThatAreNoFile(): the language stored, then
        // another stored in its place.
        QCoreApplication app(argc, argv);
        std::printf("%s\n", qPrintable(storedLanguage(programSettings())));
        storeLanguage(programSettings(), qEnvironmentVariable("VELMOR_STORE_LANGUAGE"));
        return 0;
    }
    if (qEnvironmentVariableIsSet("VELMOR_READ_FIGURE")) {
        // Started by regionalSettingsOfARun(): set up as the program starts,
        // then tell what a typed figure is read as.
        setUpRegionalSettings();
        QCoreApplication app(argc, argv);
        const std::optional<double> figure = model::readFigure(qEnvironmentVariable("VELMOR_READ_FIGURE"), QLocale());
        const QString language = languageForUiLanguages(QLocale::system().uiLanguages());
        installLanguage(language);
        std::printf("%s %s %s %s %s\n", qPrintable(QLocale().name()),
                    figure ? qPrintable(QString::number(*figure, 'g', 17)) : "none",
                    qPrintable(QLocale().toString(figure.value_or(0), 'f', 1)), qPrintable(language),
                    qPrintable(dateLocale(QLocale()).monthName(12)));
        return 0;
    }
    QCoreApplication app(argc, argv);
    LanguageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "language_test.moc"
