// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The workbook read back by a spreadsheet that computes its formulas itself
// (LibreOffice Calc, headless): every cost and measure must come to the
// program's own figures to the cent.

#include "model/business_case.h"
#include "model/results.h"
#include "spreadsheet_support.h"
#include "system_test_support.h"
#include "workbook/summary.h"
#include "workbook/workbook.h"
#include "workbook/xlsx_file.h"
#include "workbook/xlsx_parts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>

using Texts = std::array<QString, model::kInputCount>;
Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(model::Assumptions)
Q_DECLARE_METATYPE(model::InvestmentTexts)
Q_DECLARE_METATYPE(workbook::CachedResults)
using Writer = std::function<bool(const QString &path, QString *error)>;
Q_DECLARE_METATYPE(Writer)

namespace {

Texts defaultTexts()
{
    Texts texts;
    for (int i = 0; i < model::kInputCount; ++i)
        texts[std::size_t(i)] = QString::fromUtf8(model::kInputs[std::size_t(i)].defaultText);
    return texts;
}

// Column B of a sheet exported as CSV, by row (1-based, as the sheet counts).
QMap<int, QString> valueColumn(const QString &csvPath)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QMap<int, QString> values;
    int row = 0;
    while (!file.atEnd()) {
        ++row;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        // Captions hold no commas; a quoted one is taken whole.
        QStringList cells;
        if (line.startsWith(u'"')) {
            const qsizetype end = line.indexOf(u'"', 1);
            cells = line.mid(end + 2).split(u',');
            cells.prepend(line.mid(1, end - 1));
        } else {
            cells = line.split(u',');
        }
        values[row] = cells.value(1);
    }
    return values;
}

Texts germanTexts()
{
    Texts german = defaultTexts();
    german[4] = QStringLiteral("2.000");
    german[6] = QStringLiteral("5,25");
    german[10] = QStringLiteral("2,5");
    return german;
}

// The C library's numbers as a region with a decimal comma writes them,
// while the object lives, as the program sets them from such a desktop.
class CommaRegion {
public:
    CommaRegion() : m_before(std::setlocale(LC_ALL, nullptr)) { m_set = std::setlocale(LC_ALL, "de_DE.UTF-8"); }
    ~CommaRegion() { std::setlocale(LC_ALL, m_before.constData()); }
    bool isSet() const { return m_set; }

private:
    QByteArray m_before;
    bool m_set = false;
};

const model::InvestmentTexts kGermanInvestment{"20000,50", "5000", "1000,25", "7", "8,5"};

std::vector<workbook::SummaryRow> plants(int count)
{
    std::vector<workbook::SummaryRow> rows;
    for (double i = 0; i < count; ++i)
        rows.push_back({QStringLiteral("plant-%1.velmor").arg(i), "Customer", "Site", "\u20AC", 3000.5 + i, 750.13,
                        2250.38 + i, 11.8, -453.59});
    return rows;
}

// The saved type (t) and value of each cell of an XML part, by the cell's
// name, and every attribute made of digits and separators ("40,7109375").
struct PartXml {
    QMap<QString, QPair<QString, QString>> cells;
    QStringList numberAttributes;
};

PartXml readPart(const QByteArray &xml)
{
    static const QRegularExpression numberLike(QStringLiteral("^[-+]?[0-9.,]*[0-9][0-9.,]*([Ee][-+]?[0-9]+)?$"));
    PartXml part;
    QXmlStreamReader reader(xml);
    QString cell;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            if (numberLike.match(attribute.value().toString()).hasMatch())
                part.numberAttributes << attribute.value().toString();
        }
        if (reader.name() == u"c") {
            cell = reader.attributes().value(QLatin1String("r")).toString();
            part.cells[cell].first = reader.attributes().value(QLatin1String("t")).toString();
        } else if (reader.name() == u"v") {
            part.cells[cell].second = reader.readElementText();
        }
    }
    return part;
}

} // namespace

class WorkbookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void recomputed_data();
    void recomputed();
    void refused_data();
    void refused();
    void numbersInCForm_data();
    void numbersInCForm();
    void savedResults_data();
    void savedResults();
    void spreadsheetComputes_data();
    void spreadsheetComputes();
    void cutShortRefused_data();
    void cutShortRefused();
    void nothingLeftWhenKilled();

private:
    QTemporaryDir m_dir;
    QString m_soffice;
    QString m_profile; // LibreOffice's argument for a profile that computes every formula
};

void WorkbookTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    m_profile = recalculatingProfile(m_dir.filePath(QStringLiteral("office")));
    QVERIFY(!m_profile.isEmpty());
}

void WorkbookTest::recomputed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<model::Assumptions>("assumptions");
    QTest::addColumn<model::InvestmentTexts>("investment");
    QTest::addColumn<workbook::CachedResults>("cached");
    QTest::addColumn<bool>("commaRegion"); // written with the C library's numbers in a German region

    using workbook::CachedResults;
    const model::Assumptions designed = model::Assumptions::designed();
    QTest::newRow("default figures") << "en_US" << defaultTexts() << designed << model::InvestmentTexts{}
                                     << CachedResults::Computed << false;
    QTest::newRow("German figures") << "de_DE" << germanTexts() << designed << model::InvestmentTexts{}
                                    << CachedResults::Computed << false;
    // Saved with zeros for results, so every figure compared is the
    // spreadsheet's own: the check fails if the formulas are not computed.
    Texts odd = defaultTexts();
    odd[1] = QStringLiteral("7");
    odd[8] = QStringLiteral("31.37");
    odd[11] = QStringLiteral("3.3");
    QTest::newRow("other reductions, results not saved")
        << "en_US" << odd << model::Assumptions{{72.5, 33.3, 0, 100, 61.7}} << model::InvestmentTexts{}
        << CachedResults::Zero << false;
    QTest::newRow("an investment, results not saved")
        << "en_US" << defaultTexts() << designed
        << model::InvestmentTexts{QStringLiteral("20000"), QStringLiteral("5000"), QStringLiteral("1000"),
                                  QStringLiteral("7"), QStringLiteral("8.5")}
        << CachedResults::Zero << false;
    QTest::newRow("German figures and investment, written in a German region")
        << "de_DE" << germanTexts() << designed << kGermanInvestment << CachedResults::Computed << true;
}

void WorkbookTest::recomputed()
{
    QFETCH(QString, locale);
    QFETCH(Texts, texts);
    QFETCH(model::Assumptions, assumptions);
    QFETCH(model::InvestmentTexts, investment);
    QFETCH(workbook::CachedResults, cached);
    QFETCH(bool, commaRegion);
    REQUIRE_SPREADSHEET();

    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-').remove(u',');
    const QString book = m_dir.filePath(name + QStringLiteral(".xlsx"));
    QString error;
    {
        std::optional<CommaRegion> region;
        if (commaRegion)
            region.emplace();
        if (region && !region->isSet())
            QSKIP("The de_DE.UTF-8 locale is not installed: make test generates it.");
        QVERIFY2(workbook::exportWorkbook(book, texts, QLocale(locale), assumptions, investment, cached, &error),
                 qPrintable(error));
    }

    QProcess office;
    office.setProgram(m_soffice);
    office.setArguments(
        {m_profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
         QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"),
         QStringLiteral("--outdir"), m_dir.path(), book});
    office.start();
    QVERIFY(office.waitForFinished(120000));
    QCOMPARE(office.exitCode(), 0);

    const model::Results results = model::computeResults(texts, QLocale(locale), assumptions);
    QVERIFY(results.complete());
    const QMap<int, QString> costs = valueColumn(m_dir.filePath(name + QStringLiteral("-Costs.csv")));
    QVERIFY2(!costs.isEmpty(), "LibreOffice wrote no Costs sheet");
    for (int table = 0; table < model::kTableCount; ++table) {
        for (int k = 1; k <= model::kRowCount; ++k) {
            const QString cell = costs.value(table * 8 + k + 1);
            bool isNumber = false;
            const double value = cell.toDouble(&isNumber);
            const double expected = results.tables[std::size_t(table)].row(k);
            QVERIFY2(isNumber && qAbs(value - expected) < 0.005,
                     qPrintable(QStringLiteral("table %1 row %2: %3, not %4")
                                    .arg(table)
                                    .arg(k)
                                    .arg(cell)
                                    .arg(expected, 0, 'f', 2)));
        }
    }

    const model::InvestmentReading reading = model::readInvestment(investment, QLocale(locale));
    const bool businessSheet = QFile::exists(m_dir.filePath(name + QStringLiteral("-Business Case.csv")));
    QCOMPARE(businessSheet, reading.investment.has_value());
    if (!reading.investment)
        return;
    const model::BusinessCase measures =
        model::businessCaseOf(results.table(model::Table::Savings).row(model::kRowCount), *reading.investment);
    const QMap<int, QString> business = valueColumn(m_dir.filePath(name + QStringLiteral("-Business Case.csv")));
    QVERIFY(measures.paybackMonths && measures.roi && measures.irr);
    QCOMPARE(qRound64(business.value(4).toDouble() * 100), qRound64(*measures.paybackMonths * 100));
    // Percentages keep their sign in the export: "1272.56%".
    const auto percent = [&](int row) { return QString(business.value(row)).remove(u'%').toDouble() / 100; };
    QCOMPARE(qRound64(percent(5) * 1e4), qRound64(*measures.roi * 1e4));
    QCOMPARE(qRound64(business.value(6).toDouble() * 100), qRound64(measures.npv * 100));
    QCOMPARE(qRound64(percent(7) * 1e4), qRound64(*measures.irr * 1e4));
}

void WorkbookTest::refused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("before"); // null: no file there
    QTest::addColumn<int>("badField");      // -1: the figures are fine
    QTest::addColumn<QString>("errorHolds");
    QTest::newRow("a facility file's name") << "plant.velmor" << QByteArray() << -1 << "facility file";
    QTest::newRow("a file that is no workbook")
        << "notes.xlsx" << QByteArray("Notes from the visit") << -1 << "not a spreadsheet workbook";
    QTest::newRow("a figure that is no number") << "bad.xlsx" << QByteArray() << 4 << "Lubricant quantity";
}

void WorkbookTest::refused()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, before);
    QFETCH(int, badField);
    QFETCH(QString, errorHolds);
    const QString path = m_dir.filePath(file);
    if (!before.isNull()) {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(before);
    }
    Texts texts = defaultTexts();
    if (badField >= 0)
        texts[std::size_t(badField)] = QStringLiteral("abc");
    QString error;
    QVERIFY(!workbook::exportWorkbook(path, texts, QLocale(QLocale::English, QLocale::UnitedStates),
                                      model::Assumptions::designed(), {}, &error));
    QVERIFY2(error.contains(errorHolds) && error.contains(file), qPrintable(error));
    QFile kept(path);
    QCOMPARE(kept.exists(), !before.isNull());
    if (!before.isNull()) {
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
    }
}

void WorkbookTest::numbersInCForm_data()
{
    QTest::addColumn<Writer>("write");
    const QLocale german(QLocale::German, QLocale::Germany);
    const auto figures = [german](const model::InvestmentTexts &investment) {
        return [german, investment](const QString &path, QString *error) {
            return workbook::exportWorkbook(path, germanTexts(), german, model::Assumptions::designed(), investment,
                                            error);
        };
    };
    QTest::newRow("the figures") << Writer(figures({}));
    QTest::newRow("the figures and an investment") << Writer(figures(kGermanInvestment));
    QTest::newRow("a summary") << Writer(
        [](const QString &path, QString *error) { return workbook::writeSummary(path, plants(3), error); });
}

void WorkbookTest::numbersInCForm()
{
    QFETCH(Writer, write);
    const QString path = m_dir.filePath(QStringLiteral("region.xlsx"));
    QString error;
    {
        const CommaRegion region;
        if (!region.isSet())
            QSKIP("The de_DE.UTF-8 locale is not installed: make test generates it.");
        QCOMPARE(QByteArray::fromStdString(std::to_string(1.5)), QByteArray("1,500000"));
        QVERIFY2(write(path, &error), qPrintable(error));
    }
    const workbook::ZipReading reading = workbook::readZip(QFile::encodeName(path));
    QVERIFY(reading.whole);
    int fractions = 0;
    for (const workbook::ZipMember &member : reading.members) {
        const PartXml part = readPart(member.bytes);
        QStringList numbers = part.numberAttributes;
        for (const QPair<QString, QString> &cell : part.cells) {
            if (cell.first.isEmpty() || cell.first == u"n")
                numbers << cell.second;
        }
        for (const QString &number : numbers) {
            bool isNumber = false;
            number.toLatin1().toDouble(&isNumber); // the C form only
            QVERIFY2(isNumber, qPrintable(member.name + ": " + number));
            fractions += number.contains(u'.');
        }
    }
    QVERIFY(fractions > 0);
}

// A cached result that is the empty text where the program has no figure.
void WorkbookTest::savedResults_data()
{
    QTest::addColumn<model::InvestmentTexts>("investment");
    QTest::addColumn<QString>("cell"); // on the business case's sheet
    const model::InvestmentTexts paysBack{"20000", "5000", "1000", "", ""};
    const model::InvestmentTexts neverPaysBack{"20000", "", "1000000000", "", ""};
    QTest::newRow("pays back: the payback") << paysBack << "B4";
    QTest::newRow("pays back: the return on investment") << paysBack << "B5";
    QTest::newRow("pays back: the rate of return") << paysBack << "B7";
    QTest::newRow("never pays back: the payback") << neverPaysBack << "B4";
    QTest::newRow("never pays back: the return on investment") << neverPaysBack << "B5";
    QTest::newRow("never pays back: the rate of return") << neverPaysBack << "B7";
}

void WorkbookTest::savedResults()
{
    QFETCH(model::InvestmentTexts, investment);
    QFETCH(QString, cell);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString path = m_dir.filePath(QStringLiteral("saved.xlsx"));
    QString error;
    QVERIFY2(
        workbook::exportWorkbook(path, defaultTexts(), english, model::Assumptions::designed(), investment, &error),
        qPrintable(error));
    const model::Results results = model::computeResults(defaultTexts(), english, model::Assumptions::designed());
    const double savings = results.table(model::Table::Savings).row(model::kRowCount);
    const model::BusinessCase measures =
        model::businessCaseOf(savings, *model::readInvestment(investment, english).investment);
    const std::optional<double> expected = QMap<QString, std::optional<double>>{
        {"B4", measures.paybackMonths},
        {"B5", measures.roi},
        {"B7", measures.irr}}.value(cell);

    const workbook::ZipReading reading = workbook::readZip(QFile::encodeName(path));
    const auto sheet = std::find_if(reading.members.begin(), reading.members.end(),
                                    [](const auto &member) { return member.name == "xl/worksheets/sheet3.xml"; });
    QVERIFY(sheet != reading.members.end());
    const QPair<QString, QString> saved = readPart(sheet->bytes).cells.value(cell);
    if (!expected) {
        QCOMPARE(saved, qMakePair(QStringLiteral("str"), QString()));
        return;
    }
    QCOMPARE(saved.first, QString());
    QCOMPARE(saved.second.toDouble(), *expected);
}

// LibreOffice as the tests run it computes every formula itself: a workbook
// saved with a wrong result shows the right one.
void WorkbookTest::spreadsheetComputes_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<double>("savedResult");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a sum saved wrong") << "A1+A2" << 999999.0 << "3";
    QTest::newRow("an empty text saved as 0") << "IF(A1>A2,1,\"\")" << 0.0 << "\"\"";
}

void WorkbookTest::spreadsheetComputes()
{
    QFETCH(QString, formula);
    QFETCH(double, savedResult);
    QFETCH(QString, shown);
    REQUIRE_SPREADSHEET();
    const QString path = m_dir.filePath(QStringLiteral("mutant.xlsx"));
    const model::WriteResult written = workbook::writeXlsxSafely(path, [&](lxw_workbook *book) {
        workbook::Sheet sheet(book, "Sheet", false);
        sheet.number(0, 0, 1);
        sheet.number(1, 0, 2);
        sheet.formula(2, 0, formula, savedResult);
        return sheet.error() ? std::optional(workbook::libraryFailure(sheet.error())) : std::nullopt;
    });
    QVERIFY2(written, qPrintable(written.reason));
    const std::optional<QStringList> rows = spreadsheetRows(path);
    QVERIFY(rows && rows->size() == 3);
    QCOMPARE(rows->at(2), shown);
}

void WorkbookTest::cutShortRefused_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("limitKb"); // on every file the process writes
    QTest::newRow("a sheet of 300 plants, 40 KB") << 300 << 40;
    QTest::newRow("a sheet of 3,000 plants, 200 KB") << 3000 << 200;
}

void WorkbookTest::cutShortRefused()
{
    QFETCH(int, rows);
    QFETCH(int, limitKb);
    const QString path = m_dir.filePath(QStringLiteral("kept.xlsx"));
    const QByteArray before("PK\x03\x04 the workbook written before");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
    old.close();

    if (!system_test::FileSizeLimit::available())
        QSKIP("This system has no limit on the size of a process's files.");
    QTemporaryFile messages;
    QVERIFY(messages.open());
    QString error;
    bool written = false;
    {
        const system_test::StandardErrorTo captured(messages.handle());
        const system_test::FileSizeLimit limit(qint64(limitKb) * 1024);
        QVERIFY(limit.active());
        written = workbook::writeSummary(path, plants(rows), &error);
    }

    QVERIFY(!written);
    QVERIFY2(error.contains(u"kept.xlsx") && !error.contains(u'\n') && !error.contains(QStringLiteral("..")),
             qPrintable(error));
    QCOMPARE(messages.readAll(), QByteArray());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
}

// Killed at any moment of a write, the program leaves nothing in the
// temporary folder.
void WorkbookTest::nothingLeftWhenKilled()
{
    if (!system_test::canKillCopies())
        QSKIP("This system cannot kill a copy of a process part way through a write.");
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    const QString path = m_dir.filePath(QStringLiteral("killed.xlsx"));
    // A write of a thousand plants takes about 100 ms.
    for (int kill = 0; kill < 40; ++kill) {
        const auto write = [&path] {
            QString error;
            workbook::writeSummary(path, plants(1000), &error);
        };
        QVERIFY(system_test::killCopyDuring(write, kill * 2500));
    }
    if (before.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", before);
    QCOMPARE(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(WorkbookTest)
#include "workbook_test.moc"
