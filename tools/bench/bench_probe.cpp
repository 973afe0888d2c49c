// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "tools/bench/bench_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace bench {

namespace {

long long epochMicros()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// Counts the paint events of every widget, so that a run can show that each
// timed change was drawn, and how much of the window was.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Ends the process once the window's first paint is complete. The window's
// paint event comes first; its children are painted and the backing store
// is flushed to the screen in the same call, before control returns to the
// event loop, where the queued call below runs.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        const long long paintedAt = epochMicros();
        std::printf("painted_at_us=%lld\npeak_rss_kib=%ld\n", paintedAt, peakResidentKiB());
        std::fflush(stdout);
        // Nothing after the first paint is part of the start-up: skip the
        // teardown, which would also be counted under callgrind.
        std::_Exit(0);
    }

    bool m_seen = false;
};

// Lets the event loop run the chain of posted work that a tab change starts:
// the paint of the new page, the chart's queued update, its scene's queued
// change notice and the viewport paint that follows. Each pass takes the next
// link; counted paints stop growing after the third pass in both programs.
constexpr int kSettlePasses = 4;

void settle()
{
    for (int pass = 0; pass < kSettlePasses; ++pass)
        QCoreApplication::processEvents();
}

// The timed part of a run: one tab change until painted. Kept out of line so
// that a profiler can collect this alone:
//   valgrind --tool=callgrind --toggle-collect='*timedTabChange*' <program> refresh 50
Q_NEVER_INLINE qint64 timedTabChange(QTabWidget *tabs, int tab)
{
    QElapsedTimer timer;
    timer.start();
    tabs->setCurrentIndex(tab);
    settle();
    return timer.nsecsElapsed();
}

bool waitUntilExposed(QWidget *window)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (window->windowHandle() && window->windowHandle()->isExposed())
            return true;
    }
    return false;
}

double medianMicros(std::vector<qint64> nanos)
{
    if (nanos.empty())
        return 0;
    std::sort(nanos.begin(), nanos.end());
    const std::size_t mid = nanos.size() / 2;
    const double median = nanos.size() % 2 ? double(nanos[mid]) : (double(nanos[mid - 1]) + double(nanos[mid])) / 2;
    return median / 1000.0;
}

double percentileMicros(std::vector<qint64> nanos, double fraction)
{
    if (nanos.empty())
        return 0;
    std::sort(nanos.begin(), nanos.end());
    const auto index = std::min(nanos.size() - 1, std::size_t(fraction * double(nanos.size())));
    return double(nanos[index]) / 1000.0;
}

int runStartup(const Subject &subject)
{
    new FirstPaintProbe(subject.window);
    // A window that never paints would leave the bench script waiting.
    QTimer::singleShot(std::chrono::seconds(60), [] {
        std::fprintf(stderr, "no paint of the window within a minute\n");
        std::_Exit(1);
    });
    subject.window->show();
    return QApplication::exec();
}

struct Timings {
    std::vector<qint64> nanos;
    long paints = 0;
};

int runRefresh(const Subject &subject, int count)
{
    QWidget *window = subject.window;
    QTabWidget *tabs = subject.tabs;
    window->show();
    if (!waitUntilExposed(window)) {
        std::fprintf(stderr, "the window was never exposed\n");
        return 1;
    }
    window->activateWindow();
    settle();

    PaintCounter counter;
    qApp->installEventFilter(&counter);

    // Each timed change follows a figure typed on the input tab, alternately
    // two values, so that every refresh has new results to show.
    const QString typed[2] = {subject.field->text(), subject.field->text() + QStringLiteral("0")};
    long changes = 0;
    auto measure = [&](int tab, Timings *timings) {
        tabs->setCurrentIndex(subject.inputTab);
        settle();
        subject.field->setText(typed[changes++ % 2]);
        settle();
        const long paintsBefore = counter.paints;
        const qint64 nanos = timedTabChange(tabs, tab);
        if (timings) {
            timings->nanos.push_back(nanos);
            timings->paints += counter.paints - paintsBefore;
        }
    };

    // The first change onto each tab pays for what is built or cached on
    // first use (the chart, glyphs); it is reported on its own. More
    // warm-up rounds follow before timing.
    Timings firstResult, firstGraph;
    measure(subject.resultTab, &firstResult);
    measure(subject.graphTab, &firstGraph);
    for (int i = 0; i < std::max(10, count / 20); ++i) {
        measure(subject.resultTab, nullptr);
        measure(subject.graphTab, nullptr);
    }
    Timings result, graph;
    for (int i = 0; i < count; ++i) {
        measure(subject.resultTab, &result);
        measure(subject.graphTab, &graph);
    }
    qApp->removeEventFilter(&counter);

    std::printf("result_tab_median_us=%.1f\nresult_tab_p90_us=%.1f\nresult_tab_paints=%.1f\n"
                "graph_tab_median_us=%.1f\ngraph_tab_p90_us=%.1f\ngraph_tab_paints=%.1f\n"
                "result_tab_first_us=%.1f\ngraph_tab_first_us=%.1f\npeak_rss_kib=%ld\n",
                medianMicros(result.nanos), percentileMicros(result.nanos, 0.9), double(result.paints) / count,
                medianMicros(graph.nanos), percentileMicros(graph.nanos, 0.9), double(graph.paints) / count,
                medianMicros(firstResult.nanos), medianMicros(firstGraph.nanos), peakResidentKiB());
    return 0;
}

} // namespace

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // A /proc file reports a size of 0: read it whole rather than to atEnd().
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

int run(const Subject &subject)
{
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1StringView("startup"))
        return runStartup(subject);
    if (mode == QLatin1StringView("refresh")) {
        bool ok = false;
        const int count = args.size() > 2 ? args.at(2).toInt(&ok) : 1000;
        if (args.size() > 2 && (!ok || count < 1)) {
            std::fprintf(stderr, "refresh count must be a positive number\n");
            return 2;
        }
        return runRefresh(subject, count);
    }
    std::fprintf(stderr, "usage: %s startup | refresh [count]\n", qPrintable(args.value(0)));
    return 2;
}

} // namespace bench
