// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The customer report's page: one page of the regional paper size, every
// text on it as real text, and a failed write that leaves nothing behind.

#include "platform/bundled_fonts.h"
#include "platform/chart_control.h"
#include "report/report_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The text a PDF text extractor reads from the file, words joined by single
// blanks; empty when the extractor is missing.
QString pdfText(const QString &path, const QStringList &options = {})
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), QStringList(options) << path << QStringLiteral("-"));
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

QString pdfInfo(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

report::ReportContent sampleContent(platform::ChartControl &chart)
{
    report::ReportContent c;
    c.maker = QStringLiteral("HALDMARK\u00AE, Inc.");
    c.title = QStringLiteral("Lubrication Cost Savings Report");
    c.customer = QStringLiteral("Riverside Paper Mill");
    c.site = QStringLiteral("Line 3, Dayton");
    c.preparedBy = QStringLiteral("J. Example");
    c.date = QStringLiteral("Tuesday, December 8, 2026");
    for (int i = 0; i < 12; ++i)
        c.figures[std::size_t(i)] = {QStringLiteral("Caption %1").arg(i), QString::number(1000 + i), QStringLiteral(" unit%1").arg(i)};
    for (int t = 0; t < 3; ++t) {
        c.tables[std::size_t(t)].title = QStringLiteral("TABLE %1 TITLE").arg(t);
        for (int r = 0; r < 6; ++r) {
            c.tables[std::size_t(t)].captions[std::size_t(r)] = QStringLiteral("Row %1 of table %2").arg(r).arg(t);
            c.tables[std::size_t(t)].figures[std::size_t(r)] = QStringLiteral("$%1,%2%3.00").arg(t + 1).arg(r).arg(r);
        }
    }
    c.drawChart = [&chart](QPainter &painter, const QRectF &target) {
        chart.paintChart(painter, target, target.size() * (96.0 / 72.0));
    };
    c.payback = {QStringLiteral("Payback period: 4.8 months")};
    c.assumptions = QStringLiteral("Figures are yearly.");
    return c;
}

} // namespace

class ReportPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageHoldsEveryTextAsText_data();
    void pageHoldsEveryTextAsText();
    void failedWriteLeavesNothing();

private:
    QTemporaryDir m_dir;
};

void ReportPageTest::initTestCase()
{
    platform::installBundledFonts();
    QVERIFY(m_dir.isValid());
    // make test installs it; without it nothing here could be checked.
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext (poppler-utils) is not installed");
}

void ReportPageTest::pageHoldsEveryTextAsText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("paper");
    QTest::newRow("United States: Letter") << QLocale(QLocale::English, QLocale::UnitedStates) << "612 x 792 pts (letter)";
    QTest::newRow("Germany: A4") << QLocale(QLocale::German, QLocale::Germany) << "595 x 842 pts (A4)";
}

void ReportPageTest::pageHoldsEveryTextAsText()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, paper);
    platform::ChartControl chart;
    report::ReportContent content = sampleContent(chart);
    content.pageSize = report::pageSizeFor(locale);

    const QString path = m_dir.filePath(QStringLiteral("report-%1.pdf").arg(locale.name()));
    QString error;
    QVERIFY2(report::exportReportPdf(path, content, &error), qPrintable(error));
    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))), qPrintable(info));
    QVERIFY2(info.contains(paper), qPrintable(info));

    const QString text = pdfText(path);
    QStringList expected{content.maker, content.title, content.customer, content.site, content.preparedBy,
                         content.date, content.payback.first(), content.assumptions,
                         QStringLiteral("ESTIMATED ANNUAL SAVINGS IN DOLLARS"), QStringLiteral("Lost Production")};
    for (const report::FigureLine &figure : content.figures)
        expected << figure.caption << figure.text << figure.unit.trimmed();
    for (const report::CostTableText &table : content.tables) {
        expected << table.title;
        for (int r = 0; r < 6; ++r)
            expected << table.captions[std::size_t(r)] << table.figures[std::size_t(r)];
    }
    for (const QString &phrase : std::as_const(expected))
        QVERIFY2(text.contains(phrase), qPrintable(QStringLiteral("\"%1\" not in the page's text").arg(phrase)));
    // The chart is drawn as vectors, so its labels are text too, and no
    // picture is embedded.
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(!pdf.readAll().contains("/Subtype /Image"));
}

void ReportPageTest::failedWriteLeavesNothing()
{
    platform::ChartControl chart;
    const report::ReportContent content = sampleContent(chart);
    // A folder where the file should be: even root cannot write it.
    const QString path = m_dir.filePath(QStringLiteral("taken.pdf"));
    QVERIFY(QDir().mkpath(path));
    QString error;
    QVERIFY(!report::exportReportPdf(path, content, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("taken")).size(), 0);
}

QTEST_MAIN(ReportPageTest)
#include "report_page_test.moc"
