// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Long use: 20,000 tab changes through the real main window, round all six
// tabs, each followed by a turn of the event loop so that the tab and the
// chart paint. On every visit to "Your Data" one figure changes, so that the
// refresh writes new captions and chart values; on every visit to "Graph"
// the graph button moves on to the next graph type, so that the chart
// rebuilds its series. Once the caches are warm, neither the number of
// objects nor the resident memory may grow.
//
// VELMOR_SOAK_CHANGES sets the number of changes. Under AddressSanitizer the
// run is shorter and the resident memory is only reported: its allocator
// keeps freed memory in quarantine, so the figure says nothing about leaks
// there (LeakSanitizer watches those instead).

#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/system_seams.h"
#include "platform/tab_control.h"
#include "window_test_support.h"

#include <QApplication>
#include <QChart>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace main_window;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
constexpr int kDefaultChanges = 5000;
#else
constexpr bool kSanitized = false;
constexpr int kDefaultChanges = 20000;
#endif
// Six tabs and six graph types: the window comes back to the same state
// every 36 changes. Objects are counted at such points.
constexpr int kRound = 36;
constexpr int kWarmUpChanges = 14 * kRound;
constexpr qint64 kAllowedGrowthKb = 1024;

// Resident set size in kB from /proc/self/status; -1 where there is none.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) {
            bool ok = false;
            const qint64 kb = line.mid(6).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kb : -1;
        }
    }
    return -1;
}

int changesWanted()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VELMOR_SOAK_CHANGES", &ok);
    return ok && n >= kWarmUpChanges + kRound ? n : kDefaultChanges;
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

void SoakTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
}

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
    const int changes = changesWanted();
    Form1 w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));

    QElapsedTimer clock;
    clock.start();
    int change = 1;
    for (; change <= kWarmUpChanges; ++change) {
        changeTab(w, change);
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 before = residentKb();
    const qsizetype thingsBefore = ownedThings(w);
    qsizetype thingsAfter = 0;
    for (; change <= changes; ++change) {
        changeTab(w, change);
        if (QTest::currentTestFailed())
            return;
        if (change % kRound == 0)
            thingsAfter = ownedThings(w);
    }
    const qint64 after = residentKb();
    const qint64 ms = clock.elapsed();

    qInfo("%d tab changes in %lld ms (%.2f ms each); objects and chart items %lld, then %lld",
          changes, ms, double(ms) / changes, qlonglong(thingsBefore), qlonglong(thingsAfter));
    qInfo("resident memory after %d changes %lld kB, after %d changes %lld kB: growth %lld kB",
          kWarmUpChanges, before, changes, after, after - before);

    QCOMPARE(thingsAfter, thingsBefore);
    // The last round still computes: the figures follow the last quantity.
    w.SSTab1->selectTab(CurrentCostTab);
    const double pounds = w.YourData(4)->text().toDouble();
    QCOMPARE(w.CurentCost(1)->caption(), QLocale().toString(5 * pounds, 'f', 2).prepend(u'$'));
    QCOMPARE(m_beeps, 0);
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'|')));

    if (before < 0 || after < 0)
        QSKIP("no resident memory figure on this system");
    if (kSanitized)
        QSKIP("resident memory is no leak measure under AddressSanitizer");
    QVERIFY2(after - before < kAllowedGrowthKb,
             qPrintable(QStringLiteral("resident memory grew by %1 kB over %2 tab changes")
                            .arg(after - before).arg(changes - kWarmUpChanges)));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
