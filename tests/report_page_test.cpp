// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The customer report's page: one page of the regional paper size, every
// text on it as real text, and a failed write that leaves nothing behind.

#include "model/text/money_text.h"
#include "pdf_words.h"
#include "platform/bundled_fonts.h"
#include "platform/chart_control.h"
#include "report/report_page.h"
#include "system_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <limits>

namespace {

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
        c.figures[std::size_t(i)] = {QStringLiteral("Caption %1").arg(i), QString::number(1000 + i),
                                     QStringLiteral(" unit%1").arg(i)};
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
    c.assumptions = QStringLiteral("Figures are annual.");
    return c;
}

} // namespace

class ReportPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageHoldsEveryTextAsText_data();
    void pageHoldsEveryTextAsText();
    void everyTextFitsItsBox_data();
    void everyTextFitsItsBox();
    void failedWriteLeavesNothing();

private:
    QTemporaryDir m_dir;
};

void ReportPageTest::initTestCase()
{
    platform::installBundledFonts();
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    QVERIFY(m_dir.isValid());
    // make test installs it; without it nothing here could be checked.
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext (poppler-utils) is not installed");
}

void ReportPageTest::pageHoldsEveryTextAsText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("paper");
    QTest::newRow("United States: Letter")
        << QLocale(QLocale::English, QLocale::UnitedStates) << "612 x 792 pts (letter)";
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
    QStringList expected{content.maker,
                         content.title,
                         content.customer,
                         content.site,
                         content.preparedBy,
                         content.date,
                         content.payback.first(),
                         content.assumptions,
                         QStringLiteral("ESTIMATED ANNUAL SAVINGS IN DOLLARS"),
                         QStringLiteral("Lost Production")};
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

// What a report can hold at its largest.
enum Extreme {
    HugeTables = 1,
    HugePayback = 2,
    LongDetails = 4,
    LongDetailsWithoutBlanks = 8,
    LongFigures = 16,
    LongestField = 32,
    LongFixedTexts = 64,      // the texts the program brings: maker, titles, captions, the note
    DirectionOverrides = 128, // typed into the details, reversing none of their words
};

void ReportPageTest::everyTextFitsItsBox_data()
{
    QTest::addColumn<int>("extremes");
    QTest::addColumn<QLocale>("locale");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("sample") << 0 << us;
    QTest::newRow("largest table figures") << int(HugeTables) << us;
    QTest::newRow("largest system price") << int(HugePayback) << us;
    QTest::newRow("longest details in words") << int(LongDetails) << us;
    QTest::newRow("longest details without blanks") << int(LongDetailsWithoutBlanks) << us;
    QTest::newRow("longest figure texts") << int(LongFigures) << us;
    const int everything =
        HugeTables | HugePayback | LongDetails | LongDetailsWithoutBlanks | LongFigures | LongFixedTexts;
    QTest::newRow("everything, Letter") << everything << us;
    QTest::newRow("everything, A4") << everything << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("field text of 32767 digits") << int(LongestField) << us;
    QTest::newRow("direction overrides in the details") << int(DirectionOverrides) << us;
}

// Each text on the page in full, nothing cut off at its box, no text on
// another, everything within the printable area of the one page.
void ReportPageTest::everyTextFitsItsBox()
{
    QFETCH(int, extremes);
    QFETCH(QLocale, locale);
    platform::ChartControl chart;
    report::ReportContent content = sampleContent(chart);
    content.pageSize = report::pageSizeFor(locale);
    const double largest = std::numeric_limits<double>::max();
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString money = model::currencyText(largest, english);
    QStringList texts; // the long texts, each of which must be read back whole
    if (extremes & HugeTables) {
        for (report::CostTableText &table : content.tables) {
            for (QString &figure : table.figures)
                figure = money;
            table.figures[0] = QLatin1Char('-') + money;
        }
        texts << money << QLatin1Char('-') + money;
    }
    if (extremes & HugePayback) {
        content.payback = {QStringLiteral("Installed system price: ") + money,
                           QStringLiteral("Payback period: %1 months").arg(english.toString(largest / 12, 'f', 1)),
                           QStringLiteral("Net savings over 3 years: -") + money,
                           QStringLiteral("Net savings over 5 years: -") + money};
        texts << content.payback;
    }
    const auto longest = [](QString text) { return text.repeated(20).left(100); };
    if (extremes & LongDetails) {
        content.customer = longest(QStringLiteral("Riverside Industrial Manufacturing Company "));
        content.site = longest(QStringLiteral("Building 7, North Loading Dock "));
        content.preparedBy = longest(QStringLiteral("Maximilian Alexander Worthington-Smythe "));
    }
    if (extremes & LongDetailsWithoutBlanks)
        content.site = QString(100, u'W');
    texts << content.customer << content.site << content.preparedBy;
    if (extremes & DirectionOverrides) {
        content.customer = QStringLiteral("Riverside \u202EPaper Mill");
        content.site = QStringLiteral("\u202ELine 3\u202C, \u2067Dayton\u2069");
        texts = QStringList{QStringLiteral("Riverside Paper Mill"), QStringLiteral("Line 3, Dayton")};
    }
    for (int i = 0; i < 12 && (extremes & LongFigures); ++i) {
        QString &figure = content.figures[std::size_t(i)].text;
        figure = i % 2 ? QStringLiteral("1.7976931348623157E308") : english.toString(largest, 'f', 0);
        texts << figure;
    }
    if (extremes & LongFixedTexts) {
        content.maker = longest(QStringLiteral("Maker "));
        content.contact = longest(QStringLiteral("+1 (937) 555-0142 "));
        content.title = longest(QStringLiteral("Report "));
        content.tables[1].title = longest(QStringLiteral("ANNUAL COST OF LUBRICATION "));
        content.tables[1].captions[5] = longest(QStringLiteral("Total annual cost using automatic lubrication "));
        content.assumptions = longest(QStringLiteral("How these figures are computed. ")) + QString(200, u'x');
        texts << content.maker << content.contact << content.title << content.tables[1].title
              << content.tables[1].captions[5] << content.assumptions;
    }
    if (extremes & LongestField) {
        content.figures[3].text = QString(32767, u'8');
        texts << content.figures[3].text;
    }
    // Where the chart lands on the page, in points from the page's corner.
    QRectF chartArea;
    const auto drawChart = content.drawChart;
    content.drawChart = [&](QPainter &painter, const QRectF &target) {
        drawChart(painter, target);
        const qreal points = 72.0 / painter.device()->logicalDpiX();
        chartArea =
            QTransform::fromScale(points, points).mapRect(painter.transform().mapRect(target)).translated(36, 36);
    };

    const QString path = m_dir.filePath(QStringLiteral("fit.pdf"));
    QString error;
    QVERIFY2(report::exportReportPdf(path, content, &error), qPrintable(error));
    const QList<PdfPage> pages = pdfPages(path);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages.first().words.size() > 200);
    // The chart's own labels are its business.
    const QStringList misplaced = misplacedWords(pages.first(), 36, {chartArea});
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
    // In the order it is drawn, the page's text holds every text whole.
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    const QString text = pdfText(path, {QStringLiteral("-raw")}).remove(blanks);
    for (const QString &expected : std::as_const(texts))
        QVERIFY2(text.contains(QString(expected).remove(blanks)), qPrintable(expected.left(60)));
    // Where directions were overridden, each word reads in its own order where it stands, too.
    const QString placed = extremes & DirectionOverrides ? pdfText(path) : QString();
    for (const QString &expected : std::as_const(texts))
        QVERIFY2(placed.isEmpty() || placed.contains(expected), qPrintable(placed.left(300)));
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
