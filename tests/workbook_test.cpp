// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The workbook read back by a spreadsheet that computes its formulas itself
// (LibreOffice Calc, headless): every cost and measure must come to the
// program's own figures to the cent.

#include "checked_records.h"
#include "model/case_alternatives.h"
#include "model/costs/results.h"
#include "model/finance/business_case.h"
#include "model/records/asset_failure_table.h"
#include "model/records/savings_check_text.h"
#include "spreadsheet_support.h"
#include "system_test_support.h"
#include "workbook/records_sheets.h"
#include "workbook/risk_sheets.h"
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
Q_DECLARE_METATYPE(model::CapitalTexts)
Q_DECLARE_METATYPE(workbook::CachedResults)
Q_DECLARE_METATYPE(std::optional<model::SavingsKinds>)
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
        rows.push_back({QStringLiteral("plant-%1.velmor").arg(i),
                        "Customer",
                        "Site",
                        "\u20AC",
                        3000.5 + i,
                        750.13,
                        2250.38 + i,
                        11.8,
                        -453.59,
                        {},
                        {}});
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

// The workbook of these facts as the program writes it, from what they come to.
bool exportFacts(const QString &path, const std::array<QString, model::kInputCount> &texts, const QLocale &locale,
                 const model::InvestmentTexts &investment, QString *error,
                 workbook::CachedResults cached = workbook::CachedResults::Computed,
                 const model::CapitalTexts &capital = {}, const std::optional<model::RiskRanges> &risk = {},
                 const std::optional<model::RecordsEvidence> &records = {},
                 const model::Assumptions &assumptions = model::Assumptions::designed(),
                 const std::optional<model::SavingsKinds> &kinds = {})
{
    model::FacilityFigures facts;
    facts.savingsKinds = kinds;
    facts.figures = texts;
    facts.assumptions = assumptions;
    facts.investment = investment;
    facts.capital = capital;
    facts.risk = risk;
    facts.records = records;
    return workbook::exportWorkbook(path, facts, locale, model::outcomeOf(facts, locale), error, cached);
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
    void riskSheetsHoldTheRuns_data();
    void riskSheetsHoldTheRuns();
    void recordsSheetsCompute_data();
    void recordsSheetsCompute();
    void alternativesRecomputed();
    void captionsFitAndYearsEndWithThePeriod();

private:
    // The sheets of book as LibreOffice saves it again, every formula
    // computed by it, by their parts' names.
    QMap<QByteArray, PartXml> recalculated(const QString &book);

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
    QTest::addColumn<model::CapitalTexts>("capital");
    QTest::addColumn<std::optional<model::SavingsKinds>>("kinds");
    const std::optional<model::SavingsKinds> noSplit;

    using workbook::CachedResults;
    const model::Assumptions designed = model::Assumptions::designed();
    QTest::newRow("default figures") << "en_US" << defaultTexts() << designed << model::InvestmentTexts{}
                                     << CachedResults::Computed << false << model::CapitalTexts{} << noSplit;
    QTest::newRow("German figures") << "de_DE" << germanTexts() << designed << model::InvestmentTexts{}
                                    << CachedResults::Computed << false << model::CapitalTexts{} << noSplit;
    // Saved with zeros for results, so every figure compared is the
    // spreadsheet's own: the check fails if the formulas are not computed.
    Texts odd = defaultTexts();
    odd[1] = QStringLiteral("7");
    odd[8] = QStringLiteral("31.37");
    odd[11] = QStringLiteral("3.3");
    QTest::newRow("other reductions, results not saved")
        << "en_US" << odd << model::Assumptions{{72.5, 33.3, 0, 100, 61.7}, {}} << model::InvestmentTexts{}
        << CachedResults::Zero << false << model::CapitalTexts{} << noSplit;
    QTest::newRow("an investment, results not saved")
        << "en_US" << defaultTexts() << designed
        << model::InvestmentTexts{QStringLiteral("20000"), QStringLiteral("5000"), QStringLiteral("1000"),
                                  QStringLiteral("7"), QStringLiteral("8.5")}
        << CachedResults::Zero << false << model::CapitalTexts{} << noSplit;
    QTest::newRow("German figures and investment, written in a German region")
        << "de_DE" << germanTexts() << designed << kGermanInvestment << CachedResults::Computed << true
        << model::CapitalTexts{} << noSplit;

    // Every capital input; half the cases saved with zeros for results, so
    // that the spreadsheet computes alone, half with the program's results,
    // which must be right too.
    using model::CashFlowTiming;
    using model::Depreciation;
    using Set = std::function<void(model::CapitalTexts &)>;
    int cases = 0;
    const auto capitalCase = [&](const char *tag, const model::InvestmentTexts &investment, const Set &set) {
        model::CapitalTexts capital;
        set(capital);
        QTest::newRow(tag) << "en_US" << defaultTexts() << designed << investment
                           << (++cases % 2 ? CachedResults::Zero : CachedResults::Computed) << false << capital
                           << noSplit;
    };
    const model::InvestmentTexts fiveYears{"20000", "5000", "1000", "", ""};
    capitalCase("escalations", {"20000", "5000", "1000", "10", "8"}, [](auto &c) {
        c.labourEscalation = "3";
        c.lubricantEscalation = "5";
        c.bearingEscalation = "-2";
        c.productionValueEscalation = "4";
        c.upkeepEscalation = "2.5";
    });
    capitalCase("tax, straight-line", {"20000", "5000", "1000", "6", ""}, [](auto &c) {
        c.taxRate = "40";
        c.depreciation = Depreciation::StraightLine;
        c.depreciationYears = "4";
    });
    capitalCase("tax, declining balance", {"20000", "5000", "1000", "7", ""}, [](auto &c) {
        c.taxRate = "30";
        c.depreciation = Depreciation::DecliningBalance;
        c.decliningRate = "25";
    });
    capitalCase("residual value with tax", fiveYears, [](auto &c) {
        c.taxRate = "25";
        c.depreciation = Depreciation::StraightLine;
        c.depreciationYears = "8";
        c.residualValue = "6000";
    });
    capitalCase("first-year share 60 %", fiveYears, [](auto &c) { c.firstYearShare = "60"; });
    capitalCase("mid-year, residual value", fiveYears, [](auto &c) {
        c.residualValue = "3000";
        c.timing = CashFlowTiming::MidYear;
    });
    // 400,000 is not paid back within the one year: the months at its pace.
    capitalCase("a period of 1 year, not paid back", {"400000", "", "1000", "1", ""}, [](auto &c) {
        c.taxRate = "40";
        c.depreciation = Depreciation::StraightLine;
    });
    capitalCase("a period of 30 years", {"20000", "5000", "1000", "30", "6"}, [](auto &c) {
        c.labourEscalation = "2";
        c.taxRate = "35";
        c.depreciation = Depreciation::DecliningBalance;
        c.decliningRate = "10";
        c.timing = CashFlowTiming::MidYear;
    });
    // The upkeep outgrows the savings in year 3: the flows change sign twice,
    // and no rate is given though IRR() finds one.
    capitalCase("flows that change sign twice", {"20000", "", "20000", "3", ""},
                [](auto &c) { c.upkeepEscalation = "60"; });
    model::CapitalTexts german;
    german.labourEscalation = "2,5";
    german.taxRate = "29,8";
    german.depreciation = Depreciation::StraightLine;
    german.residualValue = "1.500,50";
    german.firstYearShare = "75";
    german.timing = CashFlowTiming::MidYear;
    // Lost production at its margin, and the case on the hard savings alone.
    model::Assumptions atMargin = designed;
    atMargin.lostProduction = {40, false, 25, 3, 30, 6};
    model::CapitalTexts taxed;
    taxed.taxRate = "30";
    taxed.upkeepEscalation = "5";
    taxed.contingency = "10";
    taxed.otherSavings = {{"Disposal", 1200, 2, true}, {"Work orders", 800, 0, false}};
    taxed.oneOffs = {{"Grant", -5000, 0, 0}, {"Pump", 3000, 2, 2}};
    QTest::newRow("lost production at its margin, hard savings, results not saved")
        << "en_US" << defaultTexts() << atMargin << fiveYears << CachedResults::Zero << false << taxed
        << std::optional(model::defaultSavingsKinds(atMargin.lostProduction));
    QTest::newRow("German capital inputs, written in a German region")
        << "de_DE" << germanTexts() << designed << kGermanInvestment << CachedResults::Computed << true << german
        << noSplit;
}

void WorkbookTest::recomputed()
{
    QFETCH(QString, locale);
    QFETCH(Texts, texts);
    QFETCH(model::Assumptions, assumptions);
    QFETCH(model::InvestmentTexts, investment);
    QFETCH(workbook::CachedResults, cached);
    QFETCH(bool, commaRegion);
    QFETCH(model::CapitalTexts, capital);
    QFETCH(std::optional<model::SavingsKinds>, kinds);
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
        QVERIFY2(
            exportFacts(book, texts, QLocale(locale), investment, &error, cached, capital, {}, {}, assumptions, kinds),
            qPrintable(error));
    }

    // Saved again by LibreOffice, whose workbook holds every result it
    // computed in full.
    const QString recalculated = m_dir.filePath(QStringLiteral("recalculated"));
    QProcess office;
    office.start(m_soffice, {m_profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                             QStringLiteral("xlsx"), QStringLiteral("--outdir"), recalculated, book});
    QVERIFY(office.waitForFinished(120000));
    QCOMPARE(office.exitCode(), 0);
    // The sheets of LibreOffice's workbook and, where it keeps results, of
    // the program's own: both must hold the program's figures.
    const auto sheetsOf = [](const QString &file) {
        QMap<QByteArray, PartXml> sheets;
        for (const workbook::ZipMember &member : workbook::readZip(QFile::encodeName(file)).members)
            sheets[member.name] = readPart(member.bytes);
        return sheets;
    };
    std::vector<std::pair<QString, QMap<QByteArray, PartXml>>> books{
        {QStringLiteral("recalculated"), sheetsOf(QDir(recalculated).filePath(name + ".xlsx"))}};
    if (cached == workbook::CachedResults::Computed)
        books.emplace_back(QStringLiteral("saved"), sheetsOf(book));

    const model::Results results = model::computeResults(texts, QLocale(locale), assumptions);
    QVERIFY(results.complete());
    const model::InvestmentReading reading = model::readInvestment(investment, QLocale(locale));
    using Year = model::CashFlowYear;
    const double Year::*const columns[] = {&Year::savings,
                                           &Year::upkeep,
                                           &Year::depreciation,
                                           &Year::bookValue,
                                           &Year::tax,
                                           &Year::residualAfterTax,
                                           &Year::net,
                                           &Year::discountFactor,
                                           &Year::discountedNet,
                                           &Year::cumulative,
                                           &Year::cumulativeDiscounted};
    for (const auto &[source, sheets] : books) {
        QVERIFY2(sheets.contains("xl/worksheets/sheet2.xml"), qPrintable(source));
        const auto cellText = [&](int sheet, int row, int column) {
            return sheets.value("xl/worksheets/sheet" + QByteArray::number(sheet) + ".xml")
                .cells.value(workbook::cellName(row, column));
        };
        // A cell's number, or none for a text.
        const auto cellOf = [&](int sheet, int row, int column) -> std::optional<double> {
            bool isNumber = false;
            const double value = cellText(sheet, row, column).second.toDouble(&isNumber);
            return cellText(sheet, row, column).first == u"str" || !isNumber ? std::nullopt : std::optional(value);
        };
        int sheet = 3;
        const auto compare =
            [&](const char *what, int row, int column, std::optional<double> expected, double tolerance) {
            const std::optional<double> value = cellOf(sheet, row, column);
            const auto text = [](std::optional<double> x) {
                return x ? QString::number(*x, 'g', 12) : QString("none");
            };
            QVERIFY2(value.has_value() == expected.has_value() && (!value || qAbs(*value - *expected) < tolerance),
                     qPrintable(QStringLiteral("%1 %2 in %3: %4, not %5")
                                    .arg(source, what, workbook::cellName(row, column), text(value), text(expected))));
        };
        for (int table = 0; table < model::kTableCount; ++table) {
            for (int k = 1; k <= model::kRowCount; ++k) {
                const std::optional<double> cost = cellOf(2, table * 8 + k, 1);
                const double expected = results.tables[std::size_t(table)].row(k);
                QVERIFY2(cost && qAbs(*cost - expected) < 0.005,
                         qPrintable(QStringLiteral("%1 cost table %2 row %3").arg(source).arg(table).arg(k)));
            }
        }

        QCOMPARE(sheets.contains("xl/worksheets/sheet3.xml"), reading.investment.has_value());
        if (!reading.investment)
            continue;
        // The Business Case sheet, and where the savings are split the same
        // on the hard savings alone.
        QCOMPARE(sheets.contains("xl/worksheets/sheet4.xml"), kinds.has_value());
        for (sheet = 3; sheet <= (kinds ? 4 : 3); ++sheet) {
            const model::CostTable savings = sheet == 4
                                                 ? model::hardSavingsOf(results.table(model::Table::Savings), *kinds)
                                                 : results.table(model::Table::Savings);
            for (int k = 1; sheet == 4 && k <= model::kRowCount; ++k) {
                const std::optional<double> hard = cellOf(2, 24 + k, 1);
                QVERIFY2(hard && qAbs(*hard - savings.row(k)) < 0.005, qPrintable(source));
            }
            model::CapitalInputs inputs = *model::readCapitalInputs(capital, QLocale(locale)).inputs;
            if (sheet == 4) // the savings beyond the cost rows that are cash
                std::erase_if(inputs.otherSavings, [](const model::OtherSaving &saving) { return !saving.hard; });
            const model::BusinessCase measures = model::businessCaseOf(savings, *reading.investment, inputs);
            const model::CashFlowTable &table = measures.cashFlow;
            // Every column of every year, 0 after the period's end.
            for (int t = 0; t <= model::kMaxYears; ++t) {
                for (int c = 1; c <= 11; ++c) {
                    const double expected = t <= table.period() ? table.years[std::size_t(t)].*columns[c - 1] : 0;
                    compare("cash flow", 12 + t, c, expected, c == 8 ? 1e-12 : 0.005);
                }
            }
            const std::pair<std::optional<double>, double> measureRows[] = {{measures.initial, 0.005},
                                                                            {measures.yearlyNet, 0.005},
                                                                            {measures.paybackMonths, 0.005},
                                                                            {measures.roi, 1e-9},
                                                                            {measures.npv, 0.005},
                                                                            {measures.irr, 1e-6},
                                                                            {measures.annualisedRoi, 1e-9},
                                                                            {measures.profitabilityIndex, 1e-9},
                                                                            {measures.discountedPaybackYears, 0.005}};
            for (int row = 1; row <= 9; ++row)
                compare("measure", row, 1, measureRows[row - 1].first, measureRows[row - 1].second);
            // The notes beside: a payback after the period's end, no rate of return.
            QCOMPARE(!cellText(sheet, 3, 2).second.isEmpty(),
                     measures.paybackState == model::PaybackState::NotWithinPeriod);
            QCOMPARE(!cellText(sheet, 6, 2).second.isEmpty(), !measures.irr);
            QCOMPARE(!cellText(sheet, 9, 2).second.isEmpty(), !measures.discountedPaybackYears);
        }
    }
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
    QVERIFY(!exportFacts(path, texts, QLocale(QLocale::English, QLocale::UnitedStates), {}, &error));
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
            return exportFacts(path, germanTexts(), german, investment, error);
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
    QVERIFY2(exportFacts(path, defaultTexts(), english, investment, &error), qPrintable(error));
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

// Column A of the Business Case sheet is as wide as its longest caption;
// the years after the period show nothing, by a rule on the period's cell.
void WorkbookTest::captionsFitAndYearsEndWithThePeriod()
{
    const QString path = m_dir.filePath(QStringLiteral("widths.xlsx"));
    QString error;
    QVERIFY2(exportFacts(path, defaultTexts(), QLocale(QLocale::English, QLocale::UnitedStates),
                         {"20000", "2500", "800", "5", "10"}, &error),
             qPrintable(error));
    QMap<QByteArray, QByteArray> parts;
    for (const workbook::ZipMember &member : workbook::readZip(QFile::encodeName(path)).members)
        parts[member.name] = member.bytes;
    QStringList shared;
    QXmlStreamReader strings(parts.value("xl/sharedStrings.xml"));
    while (!strings.atEnd()) {
        if (strings.readNext() == QXmlStreamReader::StartElement && strings.name() == u"t")
            shared << strings.readElementText();
    }
    const QByteArray sheet = parts.value("xl/worksheets/sheet3.xml");
    qsizetype longest = 0;
    const PartXml cells = readPart(sheet);
    for (auto c = cells.cells.cbegin(); c != cells.cells.cend(); ++c) {
        if (c.key().startsWith(u'A') && c.key().mid(1).toInt() > 0 && c.value().first == u"s")
            longest = std::max(longest, shared.value(c.value().second.toInt()).size());
    }
    static const QRegularExpression columnA(QStringLiteral("<col min=\"1\" max=\"1\" width=\"([0-9.]+)\""));
    const QRegularExpressionMatch width = columnA.match(QString::fromUtf8(sheet));
    QVERIFY(width.hasMatch() && longest > 30);
    QVERIFY2(width.captured(1).toDouble() >= 0.8 * double(longest), qPrintable(width.captured(1)));
    QVERIFY(sheet.contains("<conditionalFormatting sqref=\"A13:N63\">"));
    QVERIFY(sheet.contains("<formula>$A13&gt;Figures!$B$"));
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

void WorkbookTest::riskSheetsHoldTheRuns_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("riskSheet"); // its place among the sheets
    QTest::newRow("the savings alone") << "" << 3;
    QTest::newRow("with an investment") << "20000" << 4;
}

// As a spreadsheet reads them back: the Risk sheet holds the simulation's
// figures as numbers, the Risk runs sheet each kept run's.
void WorkbookTest::riskSheetsHoldTheRuns()
{
    QFETCH(QString, price);
    QFETCH(int, riskSheet);
    REQUIRE_SPREADSHEET();
    model::InvestmentTexts investment;
    investment.systemPrice = price;
    model::RiskRanges ranges = model::defaultRiskRanges(model::Assumptions::designed());
    ranges.ranges[std::size_t(model::RiskInput::BearingFailures)] = model::PertRange{5, 10, 20};
    ranges.runs = 2000;
    const QString book = m_dir.filePath(QStringLiteral("risk-%1.xlsx").arg(riskSheet));
    QString error;
    QVERIFY2(exportFacts(book, defaultTexts(), QLocale::c(), investment, &error, workbook::CachedResults::Computed, {},
                         ranges),
             qPrintable(error));
    const QMap<QByteArray, PartXml> sheets = recalculated(book);
    QVERIFY(!sheets.isEmpty());

    const model::Results results = model::computeResults(defaultTexts(), QLocale::c());
    const std::optional<model::Investment> invested = model::readInvestment(investment, QLocale::c()).investment;
    const std::optional<model::RiskSummary> summary =
        model::simulateRisk(results.values, model::Assumptions::designed(), invested, {}, ranges);
    QVERIFY(summary);
    // A cell's number, none for a text or an empty cell.
    const auto expect = [&](int row, int column, std::optional<double> expected, int sheet = 0) {
        const QPair<QString, QString> cell =
            sheets.value("xl/worksheets/sheet" + QByteArray::number(sheet ? sheet : riskSheet) + ".xml")
                .cells.value(workbook::cellName(row, column));
        bool read = false;
        const double value = cell.second.toDouble(&read);
        const bool isNumber = (cell.first.isEmpty() || cell.first == u"n") && read;
        QVERIFY2(isNumber == expected.has_value() && (!isNumber || qAbs(value - *expected) < 1e-6),
                 qPrintable(QStringLiteral("%1: %2").arg(workbook::cellName(row, column), cell.second)));
    };
    const model::Quantiles &savings = summary->savings;
    for (const auto &[column, value] : {std::pair{1, savings.p10}, {2, savings.p50}, {3, savings.p90}})
        expect(workbook::RiskSavingsRow, column, value);
    expect(workbook::RiskSavingsRow, 4, summary->meanSavings);
    expect(workbook::RiskNpvRow, 2, summary->npv ? std::optional(summary->npv->p50) : std::nullopt);
    expect(workbook::RiskBelowZeroRow, 1, summary->npvBelowZero);
    expect(workbook::RiskRunsRow, 1, summary->runs);
    expect(workbook::RiskFirstRangeRow + int(model::RiskInput::BearingFailures), 3, 20);
    // The last kept run: its drawn failures and its savings.
    const model::RiskRun &run = summary->keptRuns.back();
    const int row = int(summary->keptRuns.size());
    expect(row, 1 + int(model::RiskInput::BearingFailures), run.inputs[std::size_t(model::RiskInput::BearingFailures)],
           riskSheet + 1);
    expect(row, 1 + model::kRiskInputCount, run.savings, riskSheet + 1);
}

QMap<QByteArray, PartXml> WorkbookTest::recalculated(const QString &book)
{
    const QString resaved = m_dir.filePath(QStringLiteral("resaved"));
    QProcess office;
    office.start(m_soffice, {m_profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                             QStringLiteral("xlsx"), QStringLiteral("--outdir"), resaved, book});
    QMap<QByteArray, PartXml> sheets;
    if (!office.waitForFinished(120000) || office.exitCode() != 0)
        return sheets;
    for (const workbook::ZipMember &member :
         workbook::readZip(QFile::encodeName(QDir(resaved).filePath(QFileInfo(book).fileName()))).members)
        sheets[member.name] = readPart(member.bytes);
    return sheets;
}

void WorkbookTest::recordsSheetsCompute_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("fewer after") << 12 << 3;
    QTest::newRow("more after") << 8 << 9;
    QTest::newRow("none after") << 10 << 0;
    QTest::newRow("none before: no check") << 0 << 4;
}

// As a spreadsheet computes them: each asset's rate and share, each
// period's years, rate and interval, and the measured reduction and its
// bounds come to the program's figures; records without a check have no
// Savings check sheet.
void WorkbookTest::recordsSheetsCompute()
{
    QFETCH(int, before);
    QFETCH(int, after);
    REQUIRE_SPREADSHEET();
    const model::RecordsEvidence records = checkedRecords(before, after);
    const QString book = m_dir.filePath(QStringLiteral("records-%1-%2.xlsx").arg(before).arg(after));
    QString error;
    QVERIFY2(
        exportFacts(book, defaultTexts(), QLocale::c(), {}, &error, workbook::CachedResults::Zero, {}, {}, records),
        qPrintable(error));
    const QMap<QByteArray, PartXml> sheets = recalculated(book);
    QVERIFY(!sheets.isEmpty());
    // Figures, Costs, Records and Savings check.
    const auto cell = [&](int sheet, int row, int column) {
        return sheets.value("xl/worksheets/sheet" + QByteArray::number(sheet) + ".xml")
            .cells.value(workbook::cellName(row, column));
    };
    const auto expect = [&](int sheet, int row, int column, double expected) {
        bool read = false;
        const double value = cell(sheet, row, column).second.toDouble(&read);
        QVERIFY2(read && qAbs(value - expected) < 1e-9 * std::max(1.0, qAbs(expected)),
                 qPrintable(QStringLiteral("sheet %1 %2: %3, not %4")
                                .arg(sheet)
                                .arg(workbook::cellName(row, column), cell(sheet, row, column).second)
                                .arg(expected)));
    };
    const model::RecordsSummary &summary = records.summary;
    for (std::size_t i = 0; i < summary.worstAssets.size(); ++i) {
        const model::AssetFailures &asset = summary.worstAssets[i];
        const int row = workbook::RecordsFirstAssetRow + int(i);
        expect(3, row, int(model::AssetColumn::PerYear), *model::assetFailuresPerYear(asset, summary));
        expect(3, row, int(model::AssetColumn::Share), model::assetShareOfFailures(asset, summary));
        QCOMPARE(cell(3, row, int(model::AssetColumn::RepeatFailures)).second.isEmpty(),
                 asset.failures < model::kRepeatFailures);
    }
    QCOMPARE(sheets.contains("xl/worksheets/sheet4.xml"), summary.check.has_value());
    if (!summary.check)
        return;
    const model::SavingsCheck &check = *summary.check;
    const model::SavingsCheckRates rates = model::savingsCheckRates(check);
    for (const auto &[row, rate] :
         {std::pair{workbook::CheckBeforeRow, rates.before}, {workbook::CheckAfterRow, rates.after}}) {
        expect(4, row, workbook::CheckYearsColumn, rate.years);
        expect(4, row, workbook::CheckPerYearColumn, rate.perYear);
        expect(4, row, workbook::CheckLowColumn, rate.perYearInterval.low);
        expect(4, row, workbook::CheckHighColumn, rate.perYearInterval.high);
    }
    expect(4, workbook::CheckReductionRow, 1, check.reduction);
    expect(4, workbook::CheckReductionLowRow, 1, check.low);
    expect(4, workbook::CheckReductionHighRow, 1, check.high);
    expect(4, workbook::CheckAssumedRow, 1, 0.8);
}

// Four options at mid-year with a tax, one with a grant, the savings split,
// saved with zeros for results: LibreOffice's NPVs and rates of return, and
// the increments', come to the program's.
void WorkbookTest::alternativesRecomputed()
{
    REQUIRE_SPREADSHEET();
    model::FacilityFigures facts;
    facts.figures = defaultTexts();
    facts.investment = {"20000", "4000", "1500", "", ""};
    facts.capital.taxRate = "30";
    facts.capital.timing = model::CashFlowTiming::MidYear;
    facts.savingsKinds = model::defaultSavingsKinds(facts.assumptions.lostProduction);
    facts.optionName = "Central system";
    model::CapitalTexts granted = facts.capital;
    granted.oneOffs = {{"Grant", -2000, 0, 0}};
    const auto reductions = [](model::Scenario scenario) {
        return model::scenarioAssumptions(scenario, model::Assumptions::designed()).reductionPercent;
    };
    facts.otherOptions = {
        {"Manual", reductions(model::Scenario::Conservative), {"3000", "", "2500", "", ""}, facts.capital},
        {"Lubricators", {60, 40, 60, 60, 60}, {"9000", "", "4000", "", ""}, granted},
        {"Monitoring", reductions(model::Scenario::Optimistic), {"45000", "6000", "2500", "", ""}, facts.capital}};
    const QLocale locale(QStringLiteral("en_US"));
    const QString book = m_dir.filePath(QStringLiteral("alternatives.xlsx"));
    QString error;
    QVERIFY2(workbook::exportWorkbook(book, facts, locale, model::outcomeOf(facts, locale), &error,
                                      workbook::CachedResults::Zero),
             qPrintable(error));
    const PartXml sheet = recalculated(book).value("xl/worksheets/sheet5.xml");
    const model::AlternativesComparison compared = model::compareAlternatives(facts, locale);
    QCOMPARE(int(compared.rows.size()), 5);
    for (int r = 0; r < 5; ++r) {
        const model::AlternativeRow &row = compared.rows[std::size_t(r)];
        const auto near = [&](int column, std::optional<double> expected, double tolerance) {
            const QString text = sheet.cells.value(workbook::cellName(3 + r, column)).second;
            QVERIFY2(expected ? qAbs(text.toDouble() - *expected) < tolerance : text.isEmpty(),
                     qPrintable(QStringLiteral("%1, column %2: %3").arg(row.name).arg(column).arg(text)));
        };
        near(4, row.npv(), 0.005);
        if (!row.measures)
            continue;
        near(5, row.measures->irr, 1e-6);
        near(9, row.increment->npv, 0.005);
        near(10, row.increment->irr, 1e-6);
    }
}

QTEST_GUILESS_MAIN(WorkbookTest)
#include "workbook_test.moc"
