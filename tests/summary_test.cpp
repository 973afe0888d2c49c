// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The summary of many facility files: one row a file and a total row that
// adds only what shares a currency, as CSV and as a workbook a spreadsheet
// recomputes.

#include "spreadsheet_support.h"
#include "workbook/summary.h"

#include <QRegularExpression>
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
    if (npv) {
        row.paybackMonths = 4.75;
        row.paybackState = model::PaybackState::Within;
    }
    return row;
}

SummaryRow named(const QString &name, double current, double velmor, double savings)
{
    SummaryRow row = plant(name + ".velmor", name, "$", current);
    row.site = name;
    row.velmorTotal = velmor;
    row.savingsTotal = savings;
    return row;
}

} // namespace

class SummaryTest : public QObject {
    Q_OBJECT
private slots:
    void csv_data();
    void csv();
    void workbookTotalsCompute();
    void csvOpensAsText();
    void hardColumnWhereSplit();
};

void SummaryTest::csv_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("lines"); // after the header
    QTest::newRow("one currency: totals")
        << Rows{plant("a.velmor", "Mill", "$", 1000, 250.5), plant("b.velmor", "Works", "$", 500)}
        << QStringList{"a.velmor,Mill,,$,1000.00,200.00,800.00,4.75,250.50,within",
                       "b.velmor,Works,,$,500.00,100.00,400.00,,,", "Total,,,$,1500.00,300.00,1200.00,,250.50,"};
    SummaryRow later = plant("c.velmor", "Mill", "$", 1000, -10);
    later.paybackState = model::PaybackState::NotWithinPeriod;
    QTest::newRow("a payback after the period flagged")
        << Rows{later}
        << QStringList{"c.velmor,Mill,,$,1000.00,200.00,800.00,4.75,-10.00,not within",
                       "Total,,,$,1000.00,200.00,800.00,,-10.00,"};
    QTest::newRow("two currencies: no sum across them")
        << Rows{plant("a.velmor", "Mill", "$", 1000), plant("b.velmor", "Werk", "\u20AC", 500)}
        << QStringList{"a.velmor,Mill,,$,1000.00,200.00,800.00,,,", "b.velmor,Werk,,\u20AC,500.00,100.00,400.00,,,",
                       "Total,,,,,,,,,"};
    QTest::newRow("commas and quotes quoted")
        << Rows{plant("x.velmor", "Smith, \"Jones\" & Co", "CHF", 10)}
        << QStringList{"x.velmor,\"Smith, \"\"Jones\"\" & Co\",,CHF,10.00,2.00,8.00,,,",
                       "Total,,,CHF,10.00,2.00,8.00,,,"};
    // Half up on the figure's decimal text, as the report shows it; the total adds what is shown.
    QTest::newRow("cents as the report rounds them, total of the rows shown")
        << Rows{named("a", 69861.805, 1.005, 2.675), named("b", 0.125, 0.125, -0.125)}
        << QStringList{"a.velmor,a,a,$,69861.81,1.01,2.68,,,", "b.velmor,b,b,$,0.13,0.13,-0.13,,,",
                       "Total,,,$,69861.94,1.14,2.55,,,"};
    QTest::newRow("texts a spreadsheet would compute kept as text, numbers as numbers")
        << Rows{named("=2*21", -1, 0, -1), named("+1", 0, 0, 0),   named("-1", 0, 0, 0), named("@A1", 0, 0, 0),
                named("\t=1", 0, 0, 0),    named("\r=1", 0, 0, 0), named("a=1", 0, 0, 0)}
        << QStringList{"\"'=2*21.velmor\",\"'=2*21\",\"'=2*21\",$,-1.00,0.00,-1.00,,,",
                       "\"'+1.velmor\",\"'+1\",\"'+1\",$,0.00,0.00,0.00,,,",
                       "\"'-1.velmor\",\"'-1\",\"'-1\",$,0.00,0.00,0.00,,,",
                       "\"'@A1.velmor\",\"'@A1\",\"'@A1\",$,0.00,0.00,0.00,,,",
                       "\"'\t=1.velmor\",\"'\t=1\",\"'\t=1\",$,0.00,0.00,0.00,,,",
                       "\"'\r=1.velmor\",\"'\r=1\",\"'\r=1\",$,0.00,0.00,0.00,,,",
                       "a=1.velmor,a=1,a=1,$,0.00,0.00,0.00,,,",
                       "Total,,,$,-1.00,0.00,-1.00,,,"};
    QTest::newRow("escapes a terminal would obey blanked, tabs and line breaks kept")
        << Rows{named("\x1B]52;c;eA==\a\u009B2J", 0, 0, 0), named("a\tb\nc", 0, 0, 0)}
        << QStringList{" ]52;c;eA==  2J.velmor, ]52;c;eA==  2J, ]52;c;eA==  2J,$,0.00,0.00,0.00,,,",
                       "\"a\tb\nc.velmor\",\"a\tb\nc\",\"a\tb\nc\",$,0.00,0.00,0.00,,,", "Total,,,$,0.00,0.00,0.00,,,"};
}

void SummaryTest::csv()
{
    QFETCH(Rows, rows);
    QFETCH(QStringList, lines);
    const QString csv = QString::fromUtf8(workbook::summaryCsv(rows));
    QVERIFY(csv.endsWith("\r\n"));
    // Each line but the last ends in CR LF; a CR inside a quoted field is no line's end.
    QStringList written = csv.split(QRegularExpression("\r\n(?=(?:[^\"]*\"[^\"]*\")*[^\"]*$)"), Qt::SkipEmptyParts);
    QCOMPARE(written.takeFirst(), QStringLiteral("File,Customer,Site,Currency,Current annual cost,Velmor annual cost,"
                                                 "Annual savings,Payback (months),Net present value,Paid back"));
    QCOMPARE(written, lines);
}

void SummaryTest::workbookTotalsCompute()
{
    REQUIRE_SPREADSHEET();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plants.xlsx"));
    QString error;
    QVERIFY2(workbook::writeSummary(
                 path,
                 {plant("a.velmor", "Mill", "\u20AC", 1234.56, -99.5), plant("b.velmor", "Works", "\u20AC", 1000, 100)},
                 &error),
             qPrintable(error));
    const std::optional<QStringList> rows = spreadsheetRows(path);
    QVERIFY(rows && rows->size() == 4);
    // Numbers as numbers, and the total row's sums as the spreadsheet computes them.
    // The rows store the cents shown, so that the shown rows add up to the total.
    QCOMPARE(rows->at(1),
             QStringLiteral("\"a.velmor\",\"Mill\",,\"\u20AC\",1234.56,246.91,987.65,4.75,-99.5,\"within\""));
    QCOMPARE(rows->at(3), QStringLiteral("\"Total\",,,\"\u20AC\",2234.56,446.91,1787.65,,0.5,"));
}

void SummaryTest::csvOpensAsText()
{
    REQUIRE_SPREADSHEET();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plants.csv"));
    const QStringList names{"=2*21", "=HYPERLINK(\"http://example.com\",\"a\")", "+2", "-2+3", "@SUM(1)", "\t=1"};
    Rows rows;
    for (const QString &name : names)
        rows.push_back(named(name, -1.5, 0, -1.5));
    QString error;
    QVERIFY2(workbook::writeSummary(path, rows, &error), qPrintable(error));
    // Opened with formulas evaluated, as a spreadsheet opens a CSV by default.
    const std::optional<QStringList> read = spreadsheetRows(path, "CSV:44,34,76,1,,0,false,true,,,false,,true");
    QVERIFY(read && read->size() == names.size() + 2);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString text = "\"'" + QString(names[i]).replace("\"", "\"\"") + "\"";
        const QString file = text.chopped(1) + ".velmor\"";
        QCOMPARE(read->at(i + 1), QStringLiteral("%1,%2,%2,\"$\",-1.5,0,-1.5,,,").arg(file, text));
    }
}

// The hard savings' NPV is a column only where a file splits its savings,
// and totalled only where every file does.
void SummaryTest::hardColumnWhereSplit()
{
    SummaryRow split = plant("a.velmor", "Mill", "$", 1000, 250.5);
    split.hardNpv = 120.125;
    const QStringList some =
        QString::fromUtf8(workbook::summaryCsv({split, plant("b.velmor", "Works", "$", 500, 10)})).split("\r\n");
    QVERIFY(some.at(0).endsWith(",Paid back,Net present value on hard savings"));
    QVERIFY2(some.at(1).endsWith(",within,120.13") && some.at(2).endsWith(",within,"), qPrintable(some.join(u'|')));
    QVERIFY2(some.at(3).endsWith(",260.50,,"), qPrintable(some.at(3)));
    const QStringList all = QString::fromUtf8(workbook::summaryCsv({split, split})).split("\r\n");
    QVERIFY2(all.at(3).endsWith(",501.00,,240.26"), qPrintable(all.at(3)));
}

QTEST_MAIN(SummaryTest)
#include "summary_test.moc"
