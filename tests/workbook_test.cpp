// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The workbook read back by a spreadsheet that computes its formulas itself
// (LibreOffice Calc, headless): every cost and measure must come to the
// program's own figures to the cent.

#include "model/business_case.h"
#include "model/results.h"
#include "workbook/workbook.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Texts = std::array<QString, model::kInputCount>;
Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(model::Assumptions)
Q_DECLARE_METATYPE(model::InvestmentTexts)
Q_DECLARE_METATYPE(workbook::CachedResults)

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

} // namespace

class WorkbookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void recomputed_data();
    void recomputed();
    void refused_data();
    void refused();

private:
    QTemporaryDir m_dir;
    QString m_soffice;
};

void WorkbookTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    // A profile of its own, which recomputes every formula of a workbook on
    // loading it instead of trusting the results saved with it.
    const QString profile = m_dir.filePath(QStringLiteral("office/user"));
    QVERIFY(QDir().mkpath(profile));
    QFile settings(profile + QStringLiteral("/registrymodifications.xcu"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)");
}

void WorkbookTest::recomputed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<model::Assumptions>("assumptions");
    QTest::addColumn<model::InvestmentTexts>("investment");
    QTest::addColumn<workbook::CachedResults>("cached");

    using workbook::CachedResults;
    const model::Assumptions designed = model::Assumptions::designed();
    QTest::newRow("default figures") << "en_US" << defaultTexts() << designed << model::InvestmentTexts{}
                                     << CachedResults::Computed;
    Texts german = defaultTexts();
    german[4] = QStringLiteral("2.000");
    german[6] = QStringLiteral("5,25");
    german[10] = QStringLiteral("2,5");
    QTest::newRow("German figures") << "de_DE" << german << designed << model::InvestmentTexts{}
                                    << CachedResults::Computed;
    // Saved with zeros for results, so every figure compared is the
    // spreadsheet's own: the check fails if the formulas are not computed.
    Texts odd = defaultTexts();
    odd[1] = QStringLiteral("7");
    odd[8] = QStringLiteral("31.37");
    odd[11] = QStringLiteral("3.3");
    QTest::newRow("other reductions, results not saved")
        << "en_US" << odd << model::Assumptions{{72.5, 33.3, 0, 100, 61.7}} << model::InvestmentTexts{}
        << CachedResults::Zero;
    QTest::newRow("an investment, results not saved")
        << "en_US" << defaultTexts() << designed
        << model::InvestmentTexts{QStringLiteral("20000"), QStringLiteral("5000"), QStringLiteral("1000"),
                                  QStringLiteral("7"), QStringLiteral("8.5")}
        << CachedResults::Zero;
}

void WorkbookTest::recomputed()
{
    QFETCH(QString, locale);
    QFETCH(Texts, texts);
    QFETCH(model::Assumptions, assumptions);
    QFETCH(model::InvestmentTexts, investment);
    QFETCH(workbook::CachedResults, cached);
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: make test installs libreoffice-calc-nogui for this check.");

    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-').remove(u',');
    const QString book = m_dir.filePath(name + QStringLiteral(".xlsx"));
    QString error;
    QVERIFY2(workbook::exportWorkbook(book, texts, QLocale(locale), assumptions, investment, cached, &error),
             qPrintable(error));

    QProcess office;
    office.setProgram(m_soffice);
    office.setArguments({QStringLiteral("-env:UserInstallation=file://") + m_dir.filePath(QStringLiteral("office")),
                         QStringLiteral("--headless"), QStringLiteral("--convert-to"),
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
                     qPrintable(QStringLiteral("table %1 row %2: %3, not %4").arg(table).arg(k).arg(cell).arg(expected, 0, 'f', 2)));
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
    QTest::newRow("a file that is no workbook") << "notes.xlsx" << QByteArray("Notes from the visit") << -1
                                                << "not a spreadsheet workbook";
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

QTEST_GUILESS_MAIN(WorkbookTest)
#include "workbook_test.moc"
