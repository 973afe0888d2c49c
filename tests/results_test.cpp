// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// What the twelve field texts come to: the first field that is no number, or
// the tables computed up to an arithmetic fault, and their currency texts.

#include "default_figures.h"
#include "model/costs/input_table.h"
#include "model/costs/results.h"

#include <QTest>

using model::ArithmeticFault;
using model::kInputCount;
using model::Results;

using FieldTexts = std::array<QString, kInputCount>;
Q_DECLARE_METATYPE(FieldTexts)
Q_DECLARE_METATYPE(std::optional<ArithmeticFault>)

namespace {

const QLocale kEnUs("en_US");

FieldTexts defaultTexts()
{
    FieldTexts texts;
    for (int i = 0; i < kInputCount; ++i)
        texts[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    return texts;
}

FieldTexts with(std::initializer_list<std::pair<int, const char *>> changes)
{
    FieldTexts texts = defaultTexts();
    for (const auto &[field, text] : changes)
        texts[std::size_t(field)] = QString::fromUtf8(text);
    return texts;
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private slots:
    void defaultFigures();
    void fieldThatIsNoNumber_data();
    void fieldThatIsNoNumber();
    void arithmeticFault_data();
    void arithmeticFault();
    void figuresReadInTheGivenLocale_data();
    void figuresReadInTheGivenLocale();
};

void ResultsTest::defaultFigures()
{
    const Results results = model::computeResults(defaultTexts(), kEnUs);
    QVERIFY(!results.failedField);
    QVERIFY(!results.fault);
    QVERIFY(results.complete());
    const model::ResultTexts texts = model::resultTexts(results, kEnUs);
    for (std::size_t t = 0; t < 3; ++t) {
        for (std::size_t r = 0; r < 6; ++r)
            QCOMPARE(texts[t][r], QString::fromLatin1(kDefaultFigures[t][r]));
    }
}

void ResultsTest::fieldThatIsNoNumber_data()
{
    QTest::addColumn<FieldTexts>("fields");
    QTest::addColumn<int>("failedField");

    QTest::newRow("first field letters") << with({{0, "abc"}}) << 0;
    QTest::newRow("first field empty") << with({{0, ""}}) << 0;
    QTest::newRow("middle field with a blank inside") << with({{5, "2 5"}}) << 5;
    QTest::newRow("middle field with misplaced grouping") << with({{5, "1,00,0"}}) << 5;
    QTest::newRow("last field out of range") << with({{11, "1E400"}}) << 11;
    QTest::newRow("two bad fields: the first is named") << with({{9, "x"}, {3, "y"}}) << 3;
    // A bad field stops the reading before any arithmetic could fault.
    QTest::newRow("bad field after overflowing ones") << with({{1, "1E200"}, {11, "1E200"}, {10, ""}}) << 10;
}

void ResultsTest::fieldThatIsNoNumber()
{
    QFETCH(FieldTexts, fields);
    QFETCH(int, failedField);

    const Results results = model::computeResults(fields, kEnUs);
    QCOMPARE(results.failedField, std::optional<int>(failedField));
    QCOMPARE(results.finishedTables, 0);
    QVERIFY(!results.fault);
    for (const auto &table : model::resultTexts(results, kEnUs)) {
        for (const QString &text : table)
            QVERIFY(text.isEmpty());
    }
}

void ResultsTest::arithmeticFault_data()
{
    QTest::addColumn<FieldTexts>("fields");
    QTest::addColumn<int>("finishedTables");
    QTest::addColumn<std::optional<ArithmeticFault>>("fault");
    QTest::addColumn<QString>("lastFinishedTotal"); // its start

    QTest::newRow("failures and hours at 1E200: the current table overflows")
        << with({{1, "1E200"}, {11, "1E200"}}) << 0 << std::optional(ArithmeticFault::Overflow) << "";
    // Both totals finite, their difference not.
    QTest::newRow("finite totals, overflowing savings total")
        << FieldTexts{"1000", "1", "1E307", "1", "1", "0", "-1.7E308", "1.7E308", "85", "0", "1", "4"} << 2
        << std::optional(ArithmeticFault::Overflow) << "-$33,999,999,999,999,99";
    QTest::newRow("zero times huge factors is no fault")
        << with({{2, "0"}, {10, "1E200"}, {8, "1E200"}}) << 3 << std::optional<ArithmeticFault>() << "$37,060.00";
}

void ResultsTest::arithmeticFault()
{
    QFETCH(FieldTexts, fields);
    QFETCH(int, finishedTables);
    QFETCH(std::optional<ArithmeticFault>, fault);
    QFETCH(QString, lastFinishedTotal);

    const Results results = model::computeResults(fields, kEnUs);
    QVERIFY(!results.failedField);
    QCOMPARE(results.finishedTables, finishedTables);
    QCOMPARE(results.fault, fault);
    // Texts for the finished tables only.
    const model::ResultTexts texts = model::resultTexts(results, kEnUs);
    for (int t = 0; t < 3; ++t) {
        for (const QString &text : texts[std::size_t(t)])
            QCOMPARE(text.isEmpty(), t >= finishedTables);
    }
    if (finishedTables > 0) {
        const QString total = texts[std::size_t(finishedTables - 1)][5];
        QVERIFY2(total.startsWith(lastFinishedTotal), qPrintable(total.left(60)));
    }
}

// A field counts as the figure it shows in the given regional settings,
// thousands separators and decimal comma included, and the figures are
// written in the same settings.
// clang-format off
void ResultsTest::figuresReadInTheGivenLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<FieldTexts>("fields");
    QTest::addColumn<QString>("currentTotal");
    QTest::addColumn<QString>("savingsTotal");

    // 1000 bearings in the facility enter no formula.
    QTest::newRow("en_US: bearing count 1,000") << kEnUs << with({{0, "1,000"}}) << "$62,600.00" << "$50,020.00";
    // 1000 failures a year instead of 10.
    QTest::newRow("en_US: failures 1,000") << kEnUs << with({{1, "1,000"}}) << "$4,339,400.00" << "$3,471,460.00";
    QTest::newRow("de_DE: failures 1.000")
        << QLocale("de_DE") << with({{1, "1.000"}}) << "$4.339.400,00" << "$3.471.460,00";
    QTest::newRow("fr_FR: failures 1 000, typed blank")
        << QLocale("fr_FR") << with({{1, "1 000"}}) << QStringLiteral("$4\u202F339\u202F400,00")
        << QStringLiteral("$3\u202F471\u202F460,00");
    QTest::newRow("de_CH: failures 1'000, typed apostrophe")
        << QLocale("de_CH") << with({{1, "1'000"}}) << QStringLiteral("$4\u2019339\u2019400.00")
        << QStringLiteral("$3\u2019471\u2019460.00");
    // Lubricating one and a half times a month.
    QTest::newRow("de_DE: frequency 1,5") << QLocale("de_DE") << with({{3, "1,5"}}) << "$69.800,00" << "$56.500,00";
}
// clang-format on

void ResultsTest::figuresReadInTheGivenLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(FieldTexts, fields);
    QFETCH(QString, currentTotal);
    QFETCH(QString, savingsTotal);

    const Results results = model::computeResults(fields, locale);
    QVERIFY(results.complete());
    const model::ResultTexts texts = model::resultTexts(results, locale);
    QCOMPARE(texts[0][5], currentTotal);
    QCOMPARE(texts[2][5], savingsTotal);
}

QTEST_APPLESS_MAIN(ResultsTest)

#include "results_test.moc"
