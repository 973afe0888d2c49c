// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The summary of many facility files: one row a file and a total row that
// adds only what shares a currency, as CSV and as a workbook a spreadsheet
// recomputes.

#include "spreadsheet_support.h"
#include "workbook/summary.h"

#include <QTemporaryDir>
#include <QTest>

using workbook::SummaryRow;
using Rows = std::vector<SummaryRow>;
Q_DECLARE_METATYPE(Rows)

namespace {

SummaryRow plant(const QString &file, const QString &customer, const QString &currency, double current,
                 std::optional<double> npv = std::nullopt)
{
    SummaryRow row;
    row.fileName = file;
    row.customer = customer;
    row.currency = currency;
    row.currentTotal = current;
    row.velmorTotal = current / 5;
    row.savingsTotal = current - current / 5;
    row.npv = npv;
    if (npv)
        row.paybackMonths = 4.75;
    return row;
}

} // namespace

class SummaryTest : public QObject {
    Q_OBJECT
private slots:
    void csv_data();
    void csv();
    void workbookTotalsCompute();
};

void SummaryTest::csv_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("lines"); // after the header
    QTest::newRow("one currency: totals")
        << Rows{plant("a.velmor", "Mill", "$", 1000, 250.5), plant("b.velmor", "Works", "$", 500)}
        << QStringList{"a.velmor,Mill,,$,1000.00,200.00,800.00,4.75,250.50", "b.velmor,Works,,$,500.00,100.00,400.00,,",
                       "Total,,,$,1500.00,300.00,1200.00,,250.50"};
    QTest::newRow("two currencies: no sum across them")
        << Rows{plant("a.velmor", "Mill", "$", 1000), plant("b.velmor", "Werk", "\u20AC", 500)}
        << QStringList{"a.velmor,Mill,,$,1000.00,200.00,800.00,,", "b.velmor,Werk,,\u20AC,500.00,100.00,400.00,,",
                       "Total,,"};
    QTest::newRow("commas and quotes quoted")
        << Rows{plant("x.velmor", "Smith, \"Jones\" & Co", "CHF", 10)}
        << QStringList{"x.velmor,\"Smith, \"\"Jones\"\" & Co\",,CHF,10.00,2.00,8.00,,",
                       "Total,,,CHF,10.00,2.00,8.00,,"};
}

void SummaryTest::csv()
{
    QFETCH(Rows, rows);
    QFETCH(QStringList, lines);
    const QString csv = QString::fromUtf8(workbook::summaryCsv(rows));
    QVERIFY(csv.endsWith("\r\n"));
    QStringList written = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(written.takeFirst(), QStringLiteral("File,Customer,Site,Currency,Current annual cost,Velmor annual cost,"
                                                 "Annual savings,Payback (months),Net present value"));
    QCOMPARE(written, lines);
}

void SummaryTest::workbookTotalsCompute()
{
    if (!spreadsheetInstalled())
        QSKIP("LibreOffice Calc (libreoffice-calc-nogui) is not installed: the workbook's sums are not checked.");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plants.xlsx"));
    QString error;
    QVERIFY2(workbook::writeSummary(path, {plant("a.velmor", "Mill", "\u20AC", 1234.56, -99.5),
                                           plant("b.velmor", "Works", "\u20AC", 1000, 100)},
                                    &error),
             qPrintable(error));
    const std::optional<QStringList> rows = spreadsheetRows(path);
    QVERIFY(rows && rows->size() == 4);
    // Numbers as numbers, and the total row's sums as the spreadsheet computes them.
    QCOMPARE(rows->at(1), QStringLiteral("\"a.velmor\",\"Mill\",,\"\u20AC\",1234.56,246.912,987.648,4.75,-99.5"));
    QCOMPARE(rows->at(3), QStringLiteral("\"Total\",,,\"\u20AC\",2234.56,446.912,1787.648,,0.5"));
}

QTEST_MAIN(SummaryTest)
#include "summary_test.moc"
