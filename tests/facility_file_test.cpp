// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Facility files: saving and opening the figures in and across regional
// settings, refusing bad files, and saving that never harms the old file.

#include "model/facility/facility_file.h"
#include "model/finance/records_risk.h"
#include "model/text/numeric_text.h"
#include "system_test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kFileName = QStringLiteral("plant.velmor");

model::FacilityFigures defaultFigures(const QString &locale = QStringLiteral("en_US"))
{
    model::FacilityFigures figures;
    for (int i = 0; i < model::kInputCount; ++i)
        figures.figures[i] = QString::fromLatin1(model::kInputs[i].defaultText);
    figures.locale = locale;
    return figures;
}

QByteArray defaultJson() { return model::toFacilityJson(defaultFigures()); }

// The default figures with records applied and ranges of the user's own.
model::FacilityFigures recordedFigures()
{
    model::FacilityFigures figures = defaultFigures();
    model::RecordsEvidence records;
    records.fileName = QStringLiteral("orders \"2025\".xlsx");
    records.sha256 = QString(64, u'a');
    records.sheet = QStringLiteral("Werkstatt");
    records.columns = {QStringLiteral("Datum"),   QString(), QStringLiteral("Art"), QStringLiteral("Text"),
                       QStringLiteral("Stunden"), QString()};
    records.dateForm = model::DateForm::DottedDayMonth;
    records.failureWords = QStringList{QStringLiteral("Lager"), QStringLiteral("轴承")};
    records.applied = true;
    model::RecordsSummary &summary = records.summary;
    summary.workOrders = 120;
    summary.failures = 17;
    summary.duplicates = 2;
    summary.first = QDate(2023, 3, 1);
    summary.last = QDate(2025, 3, 1);
    summary.rate = model::failureRateOf(17, summary.first.daysTo(summary.last) / 365.25);
    records.counting = {std::nullopt,
                        summary.first,
                        summary.last,
                        3,
                        {{QDate(2024, 5, 2), QStringLiteral("Pumpe \"P-1\""), QStringLiteral("Lager prüfen")}},
                        QDate(2024, 3, 1)};
    summary.periodGiven = true;
    summary.leftOut = 1;
    summary.outsidePeriod = 4;
    for (int day = 0; day < 17; ++day)
        summary.eventDates.push_back(summary.first.addDays(40 * day + 5));
    summary.medianHours = 4.2;
    summary.hours10 = 2.9;
    summary.hours90 = 6.15;
    summary.meanHours = 4.4;
    summary.meanDowntime = 5.25;
    records.stopsOnDowntime = true;
    summary.hoursCount = 15;
    summary.hoursDeviation = 1.6;
    figures.records = records;
    model::RiskRanges risk;
    risk.seed = 18446744073709551557u; // above what a JSON number holds exactly
    risk.runs = 2500;
    risk.ranges[std::size_t(model::RiskInput::LubricantReduction)] = model::PertRange{20, 50, 70.5};
    risk.ranges[std::size_t(model::RiskInput::ProductionRate)] = model::PertRange{800, 1000, 1000};
    risk.fromRecords[std::size_t(model::RiskInput::BearingFailures)] = true;
    figures.risk = risk;
    return figures;
}

QByteArray recordedJson() { return model::toFacilityJson(recordedFigures()); }

// The recorded file with its first occurrence of from replaced.
QByteArray recordedEdited(const QByteArray &from, const QByteArray &to)
{
    QByteArray json = recordedJson();
    const qsizetype at = json.indexOf(from);
    Q_ASSERT(at >= 0);
    return json.replace(at, from.size(), to);
}

// The default file with its first occurrence of from replaced.
QByteArray edited(const QByteArray &from, const QByteArray &to)
{
    QByteArray json = defaultJson();
    const qsizetype at = json.indexOf(from);
    Q_ASSERT(at >= 0);
    return json.replace(at, from.size(), to);
}

// The default file with another "report" member.
QByteArray withReport(const QByteArray &report)
{
    const QByteArray json = defaultJson();
    return json.left(json.indexOf("\"report\": ")) + "\"report\": " + report + "\n}\n";
}

// A JSON file padded with blanks to exactly size bytes.
QByteArray paddedTo(qsizetype size)
{
    const QByteArray json = defaultJson();
    return json + QByteArray(size - json.size(), ' ');
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry under root with its contents (folders as "/").
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        if (info.isDir())
            entries[info.filePath()] = "/";
        else
            entries[info.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
    }
    return entries;
}

} // namespace

class FacilityFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void roundTrip_data();
    void roundTrip();
    void readsLeniently_data();
    void readsLeniently();
    void controlCharactersOpenAsBlanks_data();
    void controlCharactersOpenAsBlanks();
    void versionOneFileOpens();
    void currencyRoundTrip_data();
    void currencyRoundTrip();
    void versionTwoFileOpensInDollarsAndPounds();
    void versionThreeFileOpensWithCapitalDefaults();
    void recordsAndRangesRoundTrip();
    void badFileIsRefused_data();
    void badFileIsRefused();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();

    void openTime();
    void saveTime();

private:
    QTemporaryDir m_dir;
};

void FacilityFileTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The rows rely on these separators.
    QCOMPARE(QLocale(QStringLiteral("de_DE")).groupSeparator(), QStringLiteral("."));
    QCOMPARE(QLocale(QStringLiteral("en_US")).groupSeparator(), QStringLiteral(","));
}

// A figure and a system price typed in one regional settings, saved, opened
// and shown in the same or other settings.
void FacilityFileTest::roundTrip_data()
{
    QTest::addColumn<QString>("savedIn");
    QTest::addColumn<QString>("openedIn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typedPrice");
    QTest::addColumn<QString>("shownPrice");

    const auto row = [](const char *name, const char *savedIn, const char *openedIn, const QString &typed,
                        const QString &shown, const QString &typedPrice, const QString &shownPrice) {
        QTest::newRow(name) << QString::fromLatin1(savedIn) << QString::fromLatin1(openedIn) << typed << shown
                            << typedPrice << shownPrice;
    };
    row("en_US as typed", "en_US", "en_US", " 1,000 ", " 1,000 ", "25,000.50", "25,000.50");
    row("de_DE as typed", "de_DE", "de_DE", "2.000", "2.000", "1,5", "1,5");
    row("no number in the same settings", "de_DE", "de_DE", "12 Lager", "12 Lager", "", "");
    row("de_DE grouping in en_US", "de_DE", "en_US", "2.000", "2000", "12.500,75", "12500.75");
    row("de_DE exponent in en_US", "de_DE", "en_US", "1,5E3", "1500", "-0,125", "-0.125");
    row("en_US period in de_DE", "en_US", "de_DE", "2.5", "2,5", "1,000", "1000");
    row("no number stays as typed", "en_US", "de_DE", "12 bearings", "12 bearings", "", "");
    row("17 digits where 15 do not read back", "en_US", "de_DE", "0.30000000000000004", "0,30000000000000004", "0.1",
        "0,1");
    row("largest double", "en_US", "de_DE", "1.7976931348623157E308", "1,7976931348623157E+308", "1E300", "1E+300");
}

void FacilityFileTest::roundTrip()
{
    QFETCH(QString, savedIn);
    QFETCH(QString, openedIn);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, typedPrice);
    QFETCH(QString, shownPrice);

    model::FacilityFigures saved = defaultFigures(savedIn);
    saved.figures[1] = typed;
    saved.report = {QStringLiteral("Müller \"Nord\" \\ Mill"), QStringLiteral("Hall 3\nLine 2"),
                    QStringLiteral("J. Ølsen")};
    saved.investment = {typedPrice, QString(), QString(), QStringLiteral("7"), QString()};
    saved.capital.residualValue = typedPrice;
    saved.capital.taxRate = QStringLiteral("25");
    saved.capital.hurdleRate = QStringLiteral("12");
    saved.capital.depreciation = model::Depreciation::DecliningBalance;
    saved.capital.timing = model::CashFlowTiming::MidYear;
    saved.assumptions.reductionPercent = {75, 50, 80, 0.3, 100};
    saved.assumptions.lostProduction = {40, true, 25, std::nullopt, 30.5, 6};
    saved.savingsKinds = model::SavingsKinds{{true, false, true, false, true}, QStringLiteral("Überstunden \"Nacht\"")};

    const QString path = m_dir.filePath(kFileName);
    const model::FacilitySaveResult save = model::saveFacilityFile(path, saved);
    QVERIFY2(save, qPrintable(save.message));
    const model::FacilityReadResult opened = model::openFacilityFile(path);
    QVERIFY2(opened, qPrintable(opened.message));
    QCOMPARE(*opened.figures, saved);

    const QLocale locale(openedIn);
    const model::FacilityFigures adapted = model::figuresForLocale(*opened.figures, locale);
    QCOMPARE(adapted.locale, openedIn);
    QCOMPARE(adapted.figures[1], shown);
    QCOMPARE(adapted.investment.systemPrice, shownPrice);
    QCOMPARE(adapted.investment.years, QStringLiteral("7"));
    QCOMPARE(adapted.capital.residualValue, shownPrice);
    QCOMPARE(adapted.capital.depreciation, model::Depreciation::DecliningBalance);
    QCOMPARE(adapted.assumptions, saved.assumptions);
    QCOMPARE(adapted.figures[0], saved.figures[0]);
    QCOMPARE(adapted.report.customer, saved.report.customer);
    // No figure changes: what reads now reads as what was typed.
    const std::optional<double> before = model::readFigure(typed, QLocale(savedIn));
    QCOMPARE(model::readFigure(shown, locale), before);
}

// What the reader takes although the program would write it otherwise.
void FacilityFileTest::readsLeniently_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("no report details") << withReport("{}").replace(",\n    \"report\": {}", "");
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + defaultJson();
    QTest::newRow("exactly 64 KiB") << paddedTo(64 * 1024);
    QTest::newRow("members it does not know") << edited("\"version\": 5,", "\"version\": 5, \"note\": [1, {}],");
    QTest::newRow("no investment, no assumptions")
        << defaultJson().left(defaultJson().indexOf(",\n    \"investment\"")) + "\n}\n";
}

void FacilityFileTest::readsLeniently()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(kFileName);
    QVERIFY(writeFile(path, bytes));
    const model::FacilityReadResult opened = model::openFacilityFile(path);
    QVERIFY2(opened, qPrintable(opened.message));
    QCOMPARE(*opened.figures, defaultFigures());
}

void FacilityFileTest::controlCharactersOpenAsBlanks_data()
{
    QTest::addColumn<QByteArray>("customer"); // as the file holds it
    QTest::addColumn<QString>("opened");
    QTest::newRow("pasted tab") << QByteArray("Mill\\tNorth") << "Mill North";
    QTest::newRow("terminal escapes") << QByteArray("\\u001B]52;c;eA==\\u0007\\u001B[2J") << " ]52;c;eA==  [2J";
    QTest::newRow("C1 control and DEL") << QByteArray("a\\u009Bb\\u007F") << "a b ";
}

// A text with control characters opens, each of them a blank: no escape
// reaches a text output, and no file is lost for a tab in a detail.
void FacilityFileTest::controlCharactersOpenAsBlanks()
{
    QFETCH(QByteArray, customer);
    const QString path = m_dir.filePath(kFileName);
    QVERIFY(writeFile(path, withReport("{\"customer\": \"" + customer + "\"}")));
    const model::FacilityReadResult opened = model::openFacilityFile(path);
    QVERIFY2(opened, qPrintable(opened.message));
    QTEST(opened.figures->report.customer, "opened");
}

// Files saved before the investment and the assumptions were kept: the
// system price stood among the report details.
void FacilityFileTest::versionOneFileOpens()
{
    const QByteArray file = R"({"format": "velmor-figures", "version": 1, "locale": "en_US",
        "figures": ["1000", "10", "1000", "1", "1000", "1000", "5", "200", "24", "30", "3", "4"],
        "report": {"customer": "Riverside Mill", "systemPrice": "20,000"},
        "assumptions": {"lubricant": 10}})";
    const model::FacilityReadResult opened = model::readFacilityJson(file);
    QVERIFY2(opened, qPrintable(opened.message));
    model::FacilityFigures expected = defaultFigures();
    expected.report.customer = QStringLiteral("Riverside Mill");
    expected.investment.systemPrice = QStringLiteral("20,000");
    QCOMPARE(*opened.figures, expected);
    // Saved again, it is a file of this version.
    QVERIFY(model::toFacilityJson(*opened.figures).contains("\"version\": 5"));
}

// The currency and units come back as saved; a symbol is kept as the
// window takes it when typed.
// clang-format off
void FacilityFileTest::currencyRoundTrip_data()
{
    QTest::addColumn<QString>("inFile");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<model::Units>("opened");

    QTest::newRow("euro, metric") << QStringLiteral("\u20AC") << "metric" << QStringLiteral("\u20AC")
                                  << model::Units::Metric;
    QTest::newRow("francs, imperial") << "CHF" << "imperial" << "CHF" << model::Units::Imperial;
    QTest::newRow("reais, metric") << "R$" << "metric" << "R$" << model::Units::Metric;
    QTest::newRow("blanks around the symbol") << " \u00A3 "
                                              << "imperial" << QStringLiteral("\u00A3") << model::Units::Imperial;
    QTest::newRow("no symbol is the dollar") << "" << "metric" << "$" << model::Units::Metric;
}
// clang-format on

void FacilityFileTest::currencyRoundTrip()
{
    QFETCH(QString, inFile);
    QFETCH(QString, units);
    QFETCH(QString, symbol);
    QFETCH(model::Units, opened);

    const QByteArray json =
        edited("\"symbol\": \"$\",\n        \"units\": \"imperial\"",
               "\"symbol\": \"" + inFile.toUtf8() + "\",\n        \"units\": \"" + units.toUtf8() + '"');
    const model::FacilityReadResult read = model::readFacilityJson(json);
    QVERIFY2(read, qPrintable(read.message));
    const model::CurrencyUnits expected{symbol, opened};
    QCOMPARE(read.figures->currency, expected);

    const QString path = m_dir.filePath(kFileName);
    const model::FacilitySaveResult save = model::saveFacilityFile(path, *read.figures);
    QVERIFY2(save, qPrintable(save.message));
    const model::FacilityReadResult reopened = model::openFacilityFile(path);
    QVERIFY2(reopened, qPrintable(reopened.message));
    QCOMPARE(*reopened.figures, *read.figures);
    // Adapting the figures to other regional settings keeps the currency.
    QCOMPARE(model::figuresForLocale(*reopened.figures, QLocale(QStringLiteral("de_DE"))).currency, expected);
}

// Files saved before the currency was kept are in dollars and pounds.
void FacilityFileTest::versionTwoFileOpensInDollarsAndPounds()
{
    QByteArray json = defaultJson();
    json = json.left(json.indexOf(",\n    \"currency\"")) + "\n}\n";
    json.replace("\"version\": 5", "\"version\": 2");
    const model::FacilityReadResult opened = model::readFacilityJson(json);
    QVERIFY2(opened, qPrintable(opened.message));
    QCOMPARE(*opened.figures, defaultFigures());
    QVERIFY(opened.figures->currency.isDesigned());
    // A version 2 file's "currency" is not its own: it is ignored.
    QByteArray withCurrency = defaultJson();
    withCurrency.replace("\"version\": 5", "\"version\": 2").replace("\"imperial\"", "\"metric\"");
    const model::FacilityReadResult older = model::readFacilityJson(withCurrency);
    QVERIFY2(older, qPrintable(older.message));
    QCOMPARE(older.figures->currency.units, model::Units::Imperial);
}

// Files saved before the capital inputs were kept open with their defaults,
// whatever "capital" they hold.
void FacilityFileTest::versionThreeFileOpensWithCapitalDefaults()
{
    model::FacilityFigures figures = defaultFigures();
    figures.capital.taxRate = QStringLiteral("30");
    figures.capital.timing = model::CashFlowTiming::MidYear;
    const QByteArray json = model::toFacilityJson(figures).replace("\"version\": 5", "\"version\": 3");
    const model::FacilityReadResult opened = model::readFacilityJson(json);
    QVERIFY2(opened, qPrintable(opened.message));
    QCOMPARE(*opened.figures, defaultFigures());
}

// The records and ranges come back as saved, the rate computed again; a
// version 4 file has none.
void FacilityFileTest::recordsAndRangesRoundTrip()
{
    const model::FacilityReadResult opened = model::readFacilityJson(recordedJson());
    QVERIFY2(opened, qPrintable(opened.message));
    QCOMPARE(*opened.figures, recordedFigures());
    const model::FacilityReadResult older =
        model::readFacilityJson(QByteArray(recordedJson()).replace("\"version\": 5", "\"version\": 4"));
    QVERIFY2(older, qPrintable(older.message));
    QVERIFY(!older.figures->records && !older.figures->risk);
    // Written before the hours' spread was kept: the hours drawn over their percentiles again.
    const model::FacilityReadResult before = model::readFacilityJson(
        QByteArray(recordedJson()).replace("\"hoursCount\": 15,\n        \"hoursDeviation\": 1.6,\n        ", ""));
    QVERIFY2(before, qPrintable(before.message));
    const model::RiskRanges ranges = model::withRecordsRanges({}, before.figures->records->summary);
    QCOMPARE(ranges.ranges[std::size_t(model::RiskInput::HoursPerReplacement)], (model::PertRange{2.9, 4.2, 6.15}));
}

void FacilityFileTest::badFileIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("phrase");

    const auto file = [](const char *name, const QByteArray &bytes, const char *phrase) {
        QTest::newRow(name) << QStringLiteral("file") << bytes << QString::fromUtf8(phrase);
    };
    const auto other = [](const char *kind, const char *phrase) {
        QTest::newRow(kind) << QString::fromLatin1(kind) << QByteArray() << QString::fromUtf8(phrase);
    };

    other("missing", "does not exist");
    other("folder", "is a folder");
    other("pipe", "not a regular file");
    other("link loop", "Too many levels of symbolic links");
    other("unreadable", "could not be read");
    file("larger than 64 KiB", paddedTo(64 * 1024 + 1), "larger than 64 KiB");
    file("empty", "", "not JSON");
    file("not JSON", defaultJson().chopped(3), "not JSON");
    file("JSON array", "[]", "not a facility file");
    file("another format", edited("velmor-figures", "velmor-prices"), "not a facility file");
    file("newer version", edited("\"version\": 5", "\"version\": 7"), "newer version");
    file("a margin above 100 %",
         edited("\"version\": 5", "\"version\": 6, \"lostProduction\": {\"marginPercent\": 120}"),
         "lost-production rule is not valid (\u201CmarginPercent\u201D)");
    file("sold out as a text", edited("\"version\": 5", "\"version\": 6, \"lostProduction\": {\"soldOut\": \"yes\"}"),
         "lost-production rule is not valid (\u201CsoldOut\u201D)");
    file("four hard rows",
         edited("\"version\": 5", "\"version\": 6, \"savingsKinds\": {\"hard\": [true, true, true, true]}"),
         "hard and soft savings are not valid (\u201Chard\u201D)");
    file("an option without a name",
         edited("\"version\": 5", "\"version\": 6, \"options\": {\"selected\": \"A\", \"others\": [{}]}"),
         "options are not valid (\u201Cname\u201D)");
    file("an option's reduction above 100",
         edited("\"version\": 5", "\"version\": 6, \"options\": {\"selected\": \"A\", \"others\": [{\"name\": "
                                  "\"B\", \"assumptions\": {\"lubricant\": 101}}]}"),
         "assumed reduction \u201Clubricant\u201D is not a percentage");
    file("more options than the case weighs",
         edited("\"version\": 5", "\"version\": 6, \"options\": {\"selected\": \"A\", \"others\": [{\"name\": \"B\"}"
                                      + QByteArray(", {\"name\": \"B\"}").repeated(6) + "]}"),
         "options are not valid (\u201Cothers\u201D)");
    file("version as text", edited("\"version\": 5", "\"version\": \"5\""), "no valid version");
    file("units neither imperial nor metric", edited("\"imperial\"", "\"stone\""),
         "units are neither \"imperial\" nor \"metric\"");
    file("units as a number", edited("\"imperial\"", "1"), "units are neither");
    file("currency symbol with a digit", edited("\"symbol\": \"$\"", "\"symbol\": \"E1\""),
         "currency symbol \u201CE1\u201D is not valid");
    file("currency symbol with a minus", edited("\"symbol\": \"$\"", "\"symbol\": \"-\""),
         "currency symbol \u201C-\u201D is not valid");
    file("currency symbol with a line break", edited("\"symbol\": \"$\"", "\"symbol\": \"\\u20AC\\n$\""),
         "is not valid");
    file("currency symbol too long", edited("\"symbol\": \"$\"", "\"symbol\": \"ABCD\""), "at most 3 characters");
    file("currency symbol as a number", edited("\"symbol\": \"$\"", "\"symbol\": 5"), "currency symbol is not a text");
    file("currency as a list", edited("\"currency\": {", "\"currency\": [], \"x\": {"),
         "currency and units are not valid");
    file("investment as a list", edited("\"investment\": {", "\"investment\": [], \"x\": {"),
         "investment details are not valid");
    file("investment detail as a number", edited("\"years\": \"\"", "\"years\": 5"),
         "investment detail \u201Cevaluation period\u201D is not a text");
    file("depreciation of no known kind", edited("\"none\"", "\"monthly\""),
         "depreciation is none of \"none\", \"straightLine\" and \"decliningBalance\"");
    file("timing as a number", edited("\"yearEnd\"", "1"), "timing of the cash flows is neither");
    file("capital input as a number", edited("\"taxRate\": \"\"", "\"taxRate\": 25"),
         "capital input \u201Cincome tax rate\u201D is not a text");
    file("capital as a list", edited("\"capital\": {", "\"capital\": [], \"x\": {"), "capital inputs are not valid");
    file("reduction above 100 %", edited("\"lubricant\": 50", "\"lubricant\": 100.5"),
         "reduction \u201Clubricant\u201D is not a percentage from 0 to 100");
    file("reduction in hundredths", edited("\"lubricant\": 50", "\"lubricant\": 33.125"),
         "reduction \u201Clubricant\u201D is not a percentage from 0 to 100 in tenths");
    file("reduction as text", edited("\"bearings\": 80", "\"bearings\": \"80\""),
         "reduction \u201Cbearings\u201D is not a percentage");
    file("assumptions as a number", edited("\"assumptions\": {", "\"assumptions\": 1, \"x\": {"),
         "assumptions are not valid");
    file("no locale", edited("\"locale\": \"en_US\",", ""), "does not say in which regional settings");
    file("unknown locale", edited("en_US", "xx_YY"), "not known here (\u201Cxx_YY\u201D)");
    file("no figures", edited("\"figures\"", "\"numbers\""), "holds no figures");
    file("eleven figures", edited("\",\n        \"4\"", "\""), "holds 11 figures instead of 12");
    file("thirteen figures", edited("\"4\"", "\"4\", \"5\""), "holds 13 figures instead of 12");
    file("figure as a number", edited("\"10\"", "10"),
         "figure for \u201CNumber of bearing failures\u201D is not a text");
    file("invalid UTF-8",
         edited("\"10\"", "\"1\xFF"
                          "0\""),
         "not UTF-8");
    file("UTF-8 of a surrogate", edited("\"10\"", "\"\xED\xA0\x80\""), "not UTF-8");
    file("escaped lone surrogate", edited("\"10\"", "\"\\uD800\""), "is not valid text");
    file("control character in a figure", edited("\"10\"", "\"1\\u00010\""), "cannot show");
    file("figure longer than a field", edited("\"10\"", '"' + QByteArray(32768, '1') + '"'),
         "longer than a field holds");
    file("report detail longer than the dialog holds", withReport("{\"site\": \"" + QByteArray(101, 'x') + "\"}"),
         "report detail \u201Csite\u201D is longer than a field holds");
    file("NUL in the regional settings", edited("en_US", "en\\u0000US"), "(\u201Cen\\0US\u201D)");
    file("key twice", edited("\"locale\": \"en_US\",", "\"locale\": \"de_DE\", \"locale\": \"en_US\","),
         "holds the key \u201Clocale\u201D twice");
    file("key twice, once escaped",
         edited("\"locale\": \"en_US\",", "\"locale\": \"en_US\", \"loc\\u0061le\": \"en_US\","),
         "holds the key \u201Clocale\u201D twice");
    file("key twice in the report details", withReport("{\"site\": \"A\", \"customer\": \"B\", \"site\": \"C\"}"),
         "holds the key \u201Csite\u201D twice");
    file("key twice in a member it does not know",
         edited("\"locale\"", "\"notes\": [{\"a\": 1}, {\"a\": 2, \"a\": 3}], \"locale\""),
         "holds the key \u201Ca\u201D twice");
    file("records' fingerprint not hexadecimal", recordedEdited("aaaa", "AAAA"),
         "records are not valid (\u201Csha256\u201D)");
    file("more failures than work orders", recordedEdited("\"failures\": 17", "\"failures\": 121"),
         "records are not valid (\u201Cfailures\u201D)");
    file("records ending before they begin", recordedEdited("\"last\": \"2025-03-01", "\"last\": \"2023-02-28"),
         "(\u201Clast\u201D)");
    file("failures' dates out of order", recordedEdited("\"2023-03-06\"", "\"2025-01-01\""), "(\u201Cevents\u201D)");
    file("an order left out without its date", recordedEdited("\"2024-05-02\"", "null"), "(\u201CleftOut\u201D)");
    file("date form of no known kind", recordedEdited("dd.mm.yyyy", "yyyy/mm/dd"), "(\u201CdateForm\u201D)");
    file("negative repair hours", recordedEdited("4.2", "-4.2"), "(\u201CmedianHours\u201D)");
    file("range whose low is above its high", recordedEdited("[ 20, 50, 70.5 ]", "[ 80, 50, 70.5 ]"),
         "risk ranges are not valid (\u201Clubricant\u201D)");
    file("reduction range above 100 %", recordedEdited("[ 20, 50, 70.5 ]", "[ 20, 50, 101 ]"),
         "(\u201Clubricant\u201D)");
    file("seed as a number", recordedEdited("\"18446744073709551557\"", "5"), "(\u201Cseed\u201D)");
    file("no runs", recordedEdited("\"runs\": 2500", "\"runs\": 0"), "(\u201Cruns\u201D)");
    file("hours' spread of one repair", recordedEdited("\"hoursCount\": 15", "\"hoursCount\": 1"),
         "(\u201ChoursCount\u201D)");
    file("hours spread wider than hours from 0 can",
         recordedEdited("\"hoursDeviation\": 1.6", "\"hoursDeviation\": 18"), "(\u201ChoursDeviation\u201D)");
    file("an input left to the records that has its range",
         recordedEdited("\"fromRecords\": [ \"bearingFailures\" ]", "\"fromRecords\": [ \"lubricant\" ]"),
         "(\u201CfromRecords\u201D)");
    file("report details as a list", withReport("[]"), "report details are not valid");
    file("report detail as a number", withReport("{\"customer\": 5}"),
         "report detail \u201Ccustomer\u201D is not a text");
}

void FacilityFileTest::badFileIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, phrase);

    QTemporaryDir dir;
    const QString path = dir.filePath(kFileName);
    if (kind == u"file") {
        QVERIFY(writeFile(path, bytes));
    } else if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(kFileName));
    } else if (kind == u"pipe") {
        // Opening a pipe would wait for a writer.
        if (!system_test::makeNamedPipe(path))
            QSKIP("This system has no named pipes in a folder.");
    } else if (kind == u"link loop") {
        if (!system_test::makeLinkLoop(path))
            QSKIP("This system makes no symbolic links for this user.");
    } else if (kind == u"unreadable") {
        if (system_test::permissionsAreIgnored())
            QSKIP("Permissions do not stop this user from reading.");
        QVERIFY(writeFile(path, defaultJson()));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }

    const model::FacilityReadResult opened = model::openFacilityFile(path);
    QVERIFY(!opened);
    QVERIFY2(opened.message.contains(u'\u201C' + kFileName + u'\u201D'), qPrintable(opened.message));
    QVERIFY2(opened.message.contains(phrase), qPrintable(opened.message));
}

// Saving that fails leaves every file as it was and nothing beside them.
// clang-format off
void FacilityFileTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("phrase");

    QTest::newRow("parent is a file") << "parent is a file" << "is not a folder";
    QTest::newRow("folder in the way") << "folder in the way" << "A folder of that name is in the way";
    QTest::newRow("file size limit") << "file size limit" << "File too large";
    QTest::newRow("lone surrogate") << "lone surrogate" << "is not valid text";
    QTest::newRow("too long for the file") << "too long" << "too long for a facility file";
}
// clang-format on

void FacilityFileTest::failedSaveKeepsOldFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, phrase);

    QTemporaryDir dir;
    QString path = dir.filePath(kFileName);
    model::FacilityFigures figures = defaultFigures();
    QVERIFY(model::saveFacilityFile(path, figures));
    figures.figures[0] = QStringLiteral("2000");

    if (kind == u"parent is a file") {
        QVERIFY(writeFile(dir.filePath(QStringLiteral("notes")), "notes"));
        path = dir.filePath(QStringLiteral("notes/") + kFileName);
    } else if (kind == u"folder in the way") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(dir.path()).mkpath(kFileName + QStringLiteral("/inside")));
    } else if (kind == u"lone surrogate") {
        figures.report.customer = QString(QChar(0xD800));
    } else if (kind == u"too long") {
        for (QString &text : figures.figures)
            text = QString(6000, u'1');
    }
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    model::FacilitySaveResult save;
    if (kind == u"file size limit") {
        // As a full disk does, the write stops part way; root meets the limit too.
        if (!system_test::FileSizeLimit::available())
            QSKIP("This system has no limit on the size of a process's files.");
        const system_test::FileSizeLimit limited(64);
        QVERIFY(limited.active());
        save = model::saveFacilityFile(path, figures);
    } else {
        save = model::saveFacilityFile(path, figures);
    }

    QVERIFY(!save);
    QVERIFY2(save.message.contains(u'\u201C' + kFileName + u'\u201D'), qPrintable(save.message));
    QVERIFY2(save.message.contains(phrase), qPrintable(save.message));
    QCOMPARE(snapshot(dir.path()), before);
}

void FacilityFileTest::openTime()
{
    const QString path = m_dir.filePath(QStringLiteral("timed-open.velmor"));
    QVERIFY(model::saveFacilityFile(path, defaultFigures()));
    QBENCHMARK {
        QVERIFY(model::openFacilityFile(path));
    }
}

void FacilityFileTest::saveTime()
{
    const QString path = m_dir.filePath(QStringLiteral("timed-save.velmor"));
    const model::FacilityFigures figures = defaultFigures();
    QBENCHMARK {
        QVERIFY(model::saveFacilityFile(path, figures));
    }
}

QTEST_GUILESS_MAIN(FacilityFileTest)
#include "facility_file_test.moc"
