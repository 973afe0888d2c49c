// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Long use: tab changes through the real main window, round all six tabs,
// each followed by a turn of the event loop so that the tab and the chart
// paint. On every visit to "Your Data" one figure changes, so that the
// refresh writes new captions and chart values; on every visit to "Graph"
// the graph button moves on to the next graph type, so that the chart
// rebuilds its series.
//
// Six tabs and six graph types bring the window back to the same state every
// 36 changes, a round. Once the caches are warm, every round must end with
// the same number of objects and chart items, and with no more memory in
// use on the heap: a leak of n bytes a change adds 36 n bytes a round, so
// the exact heap figure shows in some twenty rounds what the resident
// memory, which grows by whole pages and allocator arenas, needed twenty
// thousand changes to show.
//
// VELMOR_SOAK_CHANGES sets the number of changes. Under AddressSanitizer the
// run is longer and the heap is not measured: its allocator keeps freed
// memory in quarantine (LeakSanitizer watches for leaks there instead).

#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/system_seams.h"
#include "platform/tab_control.h"
#include "system_test_support.h"
#include "window_test_support.h"

#include <QApplication>
#include <QChart>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <numeric>

using namespace main_window;

namespace {

// A round: six tabs, six graph types.
constexpr int kRound = 36;
// The heap in use stops growing after some twenty rounds, as the text and
// font caches fill; the measured rounds come after thirty.
constexpr int kWarmUpChanges = 30 * kRound;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
constexpr int kDefaultChanges = 5000;
#else
constexpr bool kSanitized = false;
constexpr int kDefaultChanges = kWarmUpChanges + 20 * kRound;
#endif
// Between the first and the last five measured rounds the heap in use may
// differ by this much, its noise from round to round being some 3 kB: a leak
// of 15 bytes a change would pass it.
constexpr qint64 kAllowedHeapGrowth = 8 * 1024;

int changesWanted()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VELMOR_SOAK_CHANGES", &ok);
    return ok && n >= kWarmUpChanges + 10 * kRound ? n : kDefaultChanges;
}

// Everything the window owns: its objects, and the chart's objects and
// drawing items, which belong to the chart's scene rather than the window.
qsizetype ownedThings(const Form1 &w)
{
    qsizetype count = w.findChildren<QObject *>().size();
    QChart *chart = w.MSChart1->chart();
    count += chart->findChildren<QObject *>().size();
    if (chart->scene())
        count += chart->scene()->items().size();
    return count;
}

// What the application's event loop does between two user actions. A bare
// processEvents() outside any loop leaves deleteLater() objects alone for
// good, which would look like a leak.
void letEventLoopRun()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tabChangesDoNotGrowMemory();

private:
    // The next tab round the six, with what a user would do there.
    void changeTab(Form1 &w, int change);

    int m_beeps = 0;
    QStringList m_reports;
};

void SoakTest::initTestCase() { useTestDesktop(m_beeps, m_reports); }

void SoakTest::changeTab(Form1 &w, int change)
{
    const int tab = change % 6;
    w.SSTab1->selectTab(tab);
    QCOMPARE(w.SSTab1->selectedTab(), tab);
    if (tab == YourDataTab) {
        // Lubricant quantity 1000 to 1996 pounds: new figures on every round.
        w.YourData(4)->setText(QString::number(1000 + (change / 6) % 997));
    } else if (tab == GraphTab) {
        w.Command1->click();
    }
    letEventLoopRun();
    if (change % 100 == 0)
        QVERIFY(!w.grab().isNull()); // every control of the tab, the chart's whole scene
}

void SoakTest::tabChangesDoNotGrowMemory()
{
    const int changes = changesWanted() / kRound * kRound;
    Form1 w;
    QVERIFY(showActive(&w));

    QElapsedTimer clock;
    clock.start();
    int change = 1;
    for (; change <= kWarmUpChanges; ++change) {
        changeTab(w, change);
        if (QTest::currentTestFailed())
            return;
    }
    const qsizetype things = ownedThings(w);
    QList<qint64> heap; // at the end of each measured round
    for (; change <= changes; ++change) {
        changeTab(w, change);
        if (QTest::currentTestFailed())
            return;
        if (change % kRound == 0) {
            QCOMPARE(ownedThings(w), things);
            heap << system_test::heapInUse();
        }
    }
    const qint64 ms = clock.elapsed();
    qInfo("%d tab changes in %lld ms (%.2f ms each); %lld objects and chart items at the end of every round", changes,
          ms, double(ms) / changes, qlonglong(things));

    // The last round still computes: the figures follow the last quantity.
    w.SSTab1->selectTab(CurrentCostTab);
    const double pounds = w.YourData(4)->text().toDouble();
    QCOMPARE(w.CurentCost(1)->caption(), QLocale().toString(5 * pounds, 'f', 2).prepend(u'$'));
    QCOMPARE(m_beeps, 0);
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'|')));

    if (kSanitized)
        QSKIP("the heap in use is no leak measure under AddressSanitizer");
    if (heap.contains(-1))
        QSKIP("the heap in use cannot be measured on this system");
    const auto mean = [](const QList<qint64> &values) {
        return std::accumulate(values.begin(), values.end(), qint64(0)) / values.size();
    };
    const qint64 first = mean(heap.first(5));
    const qint64 last = mean(heap.last(5));
    qInfo("heap in use over the first five measured rounds %lld bytes, over the last five %lld bytes", first, last);
    QVERIFY2(
        last - first <= kAllowedHeapGrowth,
        qPrintable(
            QStringLiteral("the heap in use grew by %1 bytes over %2 rounds").arg(last - first).arg(heap.size() - 5)));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
