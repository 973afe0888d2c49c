// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The refresh that runs on every tab change, against a window that records
// what the refresh asks of it.

#include "model/input_table.h"
#include "model/result_refresh.h"

#include <QList>
#include <QMap>
#include <QTest>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

using model::ResultRefresh;

namespace {

const QLocale kEnUs("en_US");

class FakeWindow : public model::ResultView {
public:
    FakeWindow()
    {
        for (int i = 0; i < model::kInputCount; ++i)
            fields[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    }

    QString fieldText(int field) const override
    {
        ++reads.at(std::size_t(field));
        return fields.at(std::size_t(field));
    }

    void setResultCaption(int label, const QString &caption) override
    {
        QVERIFY(label >= 0 && label < 36);
        captions.insert(label, caption);
        writeOrder.append(label);
    }

    void selectTab(int tab) override
    {
        const bool changed = tab != currentTab;
        tabSelections.append(tab);
        currentTab = tab;
        if (onTabSelected)
            onTabSelected(changed);
    }

    void fillChart(const model::CostTable &current, const model::CostTable &velmor,
                   const model::CostTable &savings) override
    {
        ++chartFills;
        chartCurrent = current;
        chartVelmor = velmor;
        chartSavings = savings;
    }

    std::array<QString, model::kInputCount> fields;
    mutable std::array<int, model::kInputCount> reads{};
    QMap<int, QString> captions;
    QList<int> writeOrder;
    QList<int> tabSelections;
    int currentTab = 0;
    int chartFills = 0;
    model::CostTable chartCurrent, chartVelmor, chartSavings;
    std::function<void(bool changed)> onTabSelected;
};

} // namespace

class ResultRefreshTest : public QObject {
    Q_OBJECT

private slots:
    void defaultCaptions_data();
    void defaultCaptions();
    void defaultsWriteInOrderAndFillChart();
    void eachFieldReadOnce();
    void fieldThatIsNoNumber_data();
    void fieldThatIsNoNumber();
    void tabChangeDuringRefresh_data();
    void tabChangeDuringRefresh();
    void overflowStopsBeforeFirstGroup();
    void savingsOverflowKeepsEarlierGroups();
    void figuresReadInTheRefreshLocale_data();
    void figuresReadInTheRefreshLocale();
};

void ResultRefreshTest::defaultCaptions_data()
{
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("caption");

    const char *current[] = {"$14,400.00", "$5,000.00", "$2,000.00",
                             "$1,200.00", "$40,000.00", "$62,600.00"};
    const char *velmor[] = {"$1,440.00", "$2,500.00", "$400.00",
                            "$240.00", "$8,000.00", "$12,580.00"};
    const char *savings[] = {"$12,960.00", "$2,500.00", "$1,600.00",
                             "$960.00", "$32,000.00", "$50,020.00"};
    for (int k = 1; k <= 6; ++k) {
        QTest::addRow("current row %d to label %d", k, k - 1) << k - 1 << current[k - 1];
        QTest::addRow("Velmor row %d to label %d", k, 23 - k) << 23 - k << velmor[k - 1];
        QTest::addRow("savings row %d to label %d", k, 35 - k) << 35 - k << savings[k - 1];
    }
}

void ResultRefreshTest::defaultCaptions()
{
    QFETCH(int, label);
    QFETCH(QString, caption);

    FakeWindow window;
    ResultRefresh refresh(kEnUs);
    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::Refreshed);
    QCOMPARE(window.captions.value(label), caption);
}

void ResultRefreshTest::defaultsWriteInOrderAndFillChart()
{
    FakeWindow window;
    ResultRefresh refresh(kEnUs);
    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::Refreshed);

    // Each label once, table by table, rows top to bottom.
    const QList<int> order{0, 1, 2, 3, 4, 5, 22, 21, 20, 19, 18, 17, 34, 33, 32, 31, 30, 29};
    QCOMPARE(window.writeOrder, order);
    QCOMPARE(window.captions.size(), 18);
    QVERIFY(window.tabSelections.isEmpty());

    QCOMPARE(window.chartFills, 1);
    using Rows = std::array<double, 6>;
    QVERIFY(window.chartCurrent.rows == (Rows{14400, 5000, 2000, 1200, 40000, 62600}));
    QVERIFY(window.chartVelmor.rows == (Rows{1440, 2500, 400, 240, 8000, 12580}));
    QVERIFY(window.chartSavings.rows == (Rows{12960, 2500, 1600, 960, 32000, 50020}));
}

// The figure computed with is the one tested: one reading of each field.
void ResultRefreshTest::eachFieldReadOnce()
{
    FakeWindow window;
    ResultRefresh refresh(kEnUs);
    refresh.run(window);

    for (int i = 0; i < model::kInputCount; ++i)
        QCOMPARE(window.reads[std::size_t(i)], 1);
}

void ResultRefreshTest::fieldThatIsNoNumber_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");

    QTest::newRow("first field letters") << 0 << "abc";
    QTest::newRow("first field empty") << 0 << "";
    QTest::newRow("middle field with a blank inside") << 5 << "2 5";
    QTest::newRow("middle field with misplaced grouping") << 5 << "1,00,0";
    QTest::newRow("last field letters") << 11 << "abc";
    QTest::newRow("last field empty") << 11 << "";
    QTest::newRow("last field out of range") << 11 << "1E400";
}

void ResultRefreshTest::fieldThatIsNoNumber()
{
    QFETCH(int, field);
    QFETCH(QString, text);

    FakeWindow window;
    window.fields[std::size_t(field)] = text;
    ResultRefresh refresh(kEnUs);

    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::SentBackToInputs);
    QCOMPARE(window.tabSelections, QList<int>{model::kYourDataTab});
    QVERIFY(window.writeOrder.isEmpty());
    QCOMPARE(window.chartFills, 0);
    // The refresh stops at the first field that fails.
    for (int i = field + 1; i < model::kInputCount; ++i)
        QCOMPARE(window.reads[std::size_t(i)], 0);
}

// Selecting the "Your Data" tab is itself a tab change; the window may run
// the refresh again from inside selectTab(), on a real change or on every
// selection. Neither may loop.
void ResultRefreshTest::tabChangeDuringRefresh_data()
{
    QTest::addColumn<bool>("onEverySelection");
    QTest::addColumn<int>("startTab");

    QTest::newRow("event on every selection") << true << 0;
    QTest::newRow("event on every selection, already on Your Data") << true << 1;
    QTest::newRow("event only on a change") << false << 3;
    QTest::newRow("event only on a change, already on Your Data") << false << 1;
}

void ResultRefreshTest::tabChangeDuringRefresh()
{
    QFETCH(bool, onEverySelection);
    QFETCH(int, startTab);

    FakeWindow window;
    window.fields[0] = QStringLiteral("abc");
    window.currentTab = startTab;
    ResultRefresh refresh(kEnUs);

    int depth = 0;
    int deepest = 0;
    QList<ResultRefresh::Outcome> nestedOutcomes;
    window.onTabSelected = [&](bool changed) {
        if (!changed && !onEverySelection)
            return;
        if (depth >= 10) // a loop; stop it here so the check below reports it
            return;
        ++depth;
        deepest = std::max(deepest, depth);
        nestedOutcomes.append(refresh.run(window));
        --depth;
    };

    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::SentBackToInputs);
    QVERIFY2(deepest <= 1, qPrintable(QStringLiteral("nested %1 deep").arg(deepest)));
    QVERIFY(window.tabSelections.size() <= 2);
    QCOMPARE(window.currentTab, model::kYourDataTab);
    QVERIFY(window.writeOrder.isEmpty());
    QCOMPARE(window.chartFills, 0);
    for (ResultRefresh::Outcome outcome : nestedOutcomes)
        QVERIFY(outcome != ResultRefresh::Outcome::Refreshed);

    // Once the field is fixed, the same refresh object computes again.
    window.onTabSelected = nullptr;
    window.fields[0] = QStringLiteral("1000");
    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::Refreshed);
}

void ResultRefreshTest::overflowStopsBeforeFirstGroup()
{
    FakeWindow window;
    window.fields[1] = QStringLiteral("1E200");
    window.fields[11] = QStringLiteral("1E200");
    ResultRefresh refresh(kEnUs);

    try {
        refresh.run(window);
        QFAIL("the current table should overflow");
    } catch (const model::ArithmeticError &error) {
        QCOMPARE(error.fault(), model::ArithmeticFault::Overflow);
        QCOMPARE(error.row(), 4);
    }
    QVERIFY(window.writeOrder.isEmpty());
    QCOMPARE(window.chartFills, 0);
    QVERIFY(window.tabSelections.isEmpty());

    // The fault must not leave the refresh believing it is still running.
    window.fields[1] = QStringLiteral("10");
    window.fields[11] = QStringLiteral("4");
    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::Refreshed);
    QCOMPARE(window.captions.value(model::currentCostLabel(6)), QStringLiteral("$62,600.00"));
    QCOMPARE(window.chartFills, 1);
}

// Both totals finite, their difference not: the current and Velmor labels
// have their new captions, the savings labels and the chart keep the old.
void ResultRefreshTest::savingsOverflowKeepsEarlierGroups()
{
    FakeWindow window;
    window.fields = {"1000", "1",        "1E307",   "1",  "1", "0",
                     "-1.7E308", "1.7E308", "85", "0", "1", "4"};
    ResultRefresh refresh(kEnUs);

    try {
        refresh.run(window);
        QFAIL("the savings total should overflow");
    } catch (const model::ArithmeticError &error) {
        QCOMPARE(error.fault(), model::ArithmeticFault::Overflow);
        QCOMPARE(error.row(), 6);
    }
    const QList<int> order{0, 1, 2, 3, 4, 5, 22, 21, 20, 19, 18, 17};
    QCOMPARE(window.writeOrder, order);
    QCOMPARE(window.chartFills, 0);
    for (const QString &caption : std::as_const(window.captions))
        QVERIFY2(caption.startsWith(u'$') || caption.startsWith(QStringLiteral("-$")),
                 qPrintable(caption));
}

// A field counts as the figure it shows in the refresh's regional
// settings, thousands separators and decimal comma included.
void ResultRefreshTest::figuresReadInTheRefreshLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("currentTotal");
    QTest::addColumn<QString>("savingsTotal");

    // 1000 bearings in the facility enter no formula.
    QTest::newRow("en_US: bearing count 1,000") << kEnUs << 0 << "1,000" << "$62,600.00"
                                                << "$50,020.00";
    // 1000 failures a year instead of 10.
    QTest::newRow("en_US: failures 1,000") << kEnUs << 1 << "1,000" << "$4,339,400.00"
                                           << "$3,471,460.00";
    QTest::newRow("de_DE: failures 1.000") << QLocale("de_DE") << 1 << "1.000" << "$4.339.400,00"
                                           << "$3.471.460,00";
    QTest::newRow("fr_FR: failures 1 000, typed blank")
        << QLocale("fr_FR") << 1 << "1 000" << QStringLiteral("$4\u202F339\u202F400,00")
        << QStringLiteral("$3\u202F471\u202F460,00");
    QTest::newRow("de_CH: failures 1'000, typed apostrophe")
        << QLocale("de_CH") << 1 << "1'000" << QStringLiteral("$4\u2019339\u2019400.00")
        << QStringLiteral("$3\u2019471\u2019460.00");
    // Lubricating one and a half times a month.
    QTest::newRow("de_DE: frequency 1,5") << QLocale("de_DE") << 3 << "1,5" << "$69.800,00"
                                          << "$56.500,00";
}

void ResultRefreshTest::figuresReadInTheRefreshLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, currentTotal);
    QFETCH(QString, savingsTotal);

    FakeWindow window;
    window.fields[std::size_t(field)] = text;
    ResultRefresh refresh(locale);

    QCOMPARE(refresh.run(window), ResultRefresh::Outcome::Refreshed);
    QCOMPARE(window.captions.value(model::currentCostLabel(6)), currentTotal);
    QCOMPARE(window.captions.value(model::savingsLabel(6)), savingsTotal);
    QCOMPARE(window.chartFills, 1);
}

QTEST_APPLESS_MAIN(ResultRefreshTest)

#include "result_refresh_test.moc"
