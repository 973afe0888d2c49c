// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Copy Results pasted into a real spreadsheet: in every regional setting and
// from both clipboard forms, each figure arrives as a number.

#include "checked_records.h"
#include "outputs/results_clipboard.h"
#include "spreadsheet_support.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <limits>

namespace {

const QStringList kDefaultTexts{"1000", "10", "1000", "1", "1000", "1000", "5", "200", "24", "30", "3", "4"};

model::Results defaultResults(const QLocale &locale, const QString &replacementRate)
{
    std::array<QString, model::kInputCount> texts;
    for (int i = 0; i < model::kInputCount; ++i)
        texts[std::size_t(i)] = kDefaultTexts[i];
    texts[9] = replacementRate;
    return model::computeResults(texts, locale);
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

class ClipboardSpreadsheetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void figuresPasteAsNumbers_data();
    void figuresPasteAsNumbers();

private:
    QTemporaryDir m_dir;
};

void ClipboardSpreadsheetTest::initTestCase() { REQUIRE_SPREADSHEET(); }

void ClipboardSpreadsheetTest::figuresPasteAsNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("languageId"); // the spreadsheet's code for the same settings
    QTest::addColumn<QString>("replacementRate");
    QTest::addColumn<bool>("investment");
    QTest::addColumn<QStringList>("rows"); // how rows the spreadsheet writes back begin
    const QStringList defaults{"\"Manual Labor to Lubricate\",14400,1440,12960", "\"Total\",62600,12580,50020"};
    QTest::newRow("United States") << "en_US" << 1033 << "30" << false << defaults;
    QTest::newRow("Germany") << "de_DE" << 1031 << "30" << false << defaults;
    QTest::newRow("France") << "fr_FR" << 1036 << "30" << false << defaults;
    QTest::newRow("a negative figure") << "de_DE" << 1031 << "-30" << false
                                       << QStringList{"\"Labor to replace failed bearings\",-1200,-240,-960"};
    // With the risk simulation's percentiles too, a payback never reached as a text.
    QTest::newRow("with the business case")
        << "en_US" << 1033 << "30" << true
        << QStringList{"\"Initial investment\",20000", "\"Net present value at 10%\",169615.15",
                       "\"Net present value\",-1000.25,2000,3000",
                       "\"Simple payback (months)\",5.5,6,\"not within the period\"",
                       "\"Chance that the NPV is below zero\",0.123"};
    // The plain text's percentage is kept as typed, "12.3%", by the text import.
}

void ClipboardSpreadsheetTest::figuresPasteAsNumbers()
{
    QFETCH(QString, locale);
    QFETCH(int, languageId);
    QFETCH(QString, replacementRate);
    QFETCH(bool, investment);
    QFETCH(QStringList, rows);

    const QLocale settings(locale);
    const model::Results results = defaultResults(settings, replacementRate);
    std::optional<model::BusinessCaseStudy> spent;
    if (investment) {
        spent.emplace().investment = model::Investment{20000, 0, 0, 5, 10};
        spent->measures = model::businessCaseOf(results.table(model::Table::Savings), spent->investment);
    }
    std::optional<model::RiskSummary> risk;
    if (investment) {
        risk.emplace().savings = {40000, 50000, 60000};
        risk->npv = model::Quantiles{-1000.25, 2000, 3000};
        risk->paybackMonths = model::Quantiles{5.5, 6, std::numeric_limits<double>::infinity()};
        risk->npvBelowZero = 0.123;
    }
    const std::optional<model::RecordsEvidence> records =
        investment ? std::optional(checkedRecords(12, 3)) : std::nullopt;
    const ClipboardResults copied =
        clipboardResults(results, model::Assumptions::designed(), spent, settings, u"$", risk, records);

    const QString html = m_dir.filePath(QStringLiteral("copied-%1.html").arg(QTest::currentDataTag()));
    const QString text = m_dir.filePath(QStringLiteral("copied-%1.csv").arg(QTest::currentDataTag()));
    QVERIFY(writeFile(html, copied.html));
    QVERIFY(writeFile(text, copied.text));
    // As pasted: the HTML through the spreadsheet's HTML import, the plain
    // text as tab-separated cells read by the same regional settings.
    const auto fromHtml = spreadsheetRows(html, QStringLiteral("HTML (StarCalc)"));
    const auto fromText = spreadsheetRows(text, QStringLiteral("CSV:9,34,76,1,,%1").arg(languageId));
    QVERIFY(fromHtml && fromText);
    const auto holds = [](const QStringList &sheet, const QString &row) {
        return std::any_of(sheet.begin(), sheet.end(), [&](const QString &line) { return line.startsWith(row); });
    };
    for (const QString &row : rows) {
        QVERIFY2(holds(*fromHtml, row), qPrintable(fromHtml->join(u'|')));
        QVERIFY2(holds(*fromText, QString(row).replace(QStringLiteral(",0.123"), QStringLiteral(",12.3%"))),
                 qPrintable(fromText->join(u'|')));
    }
    // The savings check's reduction under the rate, in full from the HTML,
    // as shown from the text; 12 failures in 366 days, 3 in 365.
    if (records) {
        QVERIFY2(holds(*fromHtml, QStringLiteral("\"After\",\"2024-03-01\",\"2025-03-01\",0.99931553730")),
                 qPrintable(fromHtml->join(u'|')));
        QVERIFY(holds(*fromHtml, QStringLiteral("\"Measured reduction\",,,,,0.7493150684")));
        QVERIFY2(holds(*fromText, QStringLiteral("\"Measured reduction\",,,,,74.9%,21.3%,94")),
                 qPrintable(fromText->join(u'|')));
    }
}

QTEST_MAIN(ClipboardSpreadsheetTest)
#include "clipboard_spreadsheet_test.moc"
