// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The windows' titles and places as the desktop shows them: each title is
// the window's own caption, the main window's frame, title bar included,
// stands in the middle of the screen and the About window's frame in the
// middle of the main window's. Runs headless, and on an X server with and
// without a window manager (make test-x11); the titles are read back from
// the X server.

#include "about_window/form2.h"
#include "app/application_setup.h"
#include "main_window/form1.h"
#include "platform/window_frame.h"
#include "window_test_support.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

bool onX11() { return QGuiApplication::platformName() == QLatin1StringView("xcb"); }

QString xprop(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xprop"), arguments);
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The title the X server holds for the window, as a window manager shows it.
QString shownTitle(const QWidget *window)
{
    const QString line = xprop({QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("-notype"),
                                QStringLiteral("_NET_WM_NAME")});
    const qsizetype first = line.indexOf(u'"');
    const qsizetype last = line.lastIndexOf(u'"');
    return first >= 0 && last > first ? line.mid(first + 1, last - first - 1) : line;
}

bool windowManagerRunning()
{
    static const bool running = onX11()
                                && xprop({QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                                       .contains(QLatin1StringView("window id"));
    return running;
}

// Under a window manager, waits until it has put its frame round the window.
bool framed(const QWidget *window)
{
    return !windowManagerRunning()
           || QTest::qWaitFor([window] { return !window->windowHandle()->frameMargins().isNull(); });
}

// Equal room on the left and the right, at the top and the bottom, within
// the pixel that an odd difference in size leaves over.
bool centred(const QRect &inner, const QRect &outer)
{
    const int horizontal = (inner.left() - outer.left()) - (outer.right() - inner.right());
    const int vertical = (inner.top() - outer.top()) - (outer.bottom() - inner.bottom());
    return qAbs(horizontal) <= 1 && qAbs(vertical) <= 1;
}

QByteArray describe(const QRect &inner, const QRect &outer)
{
    return QString::asprintf("frame (%d, %d %d x %d) in (%d, %d %d x %d)", inner.x(), inner.y(), inner.width(),
                             inner.height(), outer.x(), outer.y(), outer.width(), outer.height())
        .toLatin1();
}

} // namespace

class WindowFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void titlesAreTheCaptions();
    void mainWindowCentredOnScreen();
    void aboutWindowCentredOverMainWindow();

private:
    int m_beeps = 0;
    QStringList m_reports;
};

void WindowFrameTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
    app::setUpApplication(); // names the application as the program does
    qInfo("platform %s, %s window manager", qPrintable(QGuiApplication::platformName()),
          windowManagerRunning() ? "with a" : "without a");
}

void WindowFrameTest::titlesAreTheCaptions()
{
    if (!onX11())
        QSKIP("the titles are read from an X server");
    Form1 window;
    QVERIFY(showActive(&window));
    QCOMPARE(shownTitle(&window), QStringLiteral("Velmor Automatic Lubrication Systems"));
    QString aboutTitle;
    QVERIFY(whileAboutWindow<Form2>(window, [&](Form2 &about) { aboutTitle = shownTitle(&about); }));
    QCOMPARE(aboutTitle, QStringLiteral("About"));
}

void WindowFrameTest::mainWindowCentredOnScreen()
{
    Form1 window;
    QVERIFY(showActive(&window));
    QVERIFY(framed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QTRY_VERIFY2(centred(window.frameGeometry(), screen), describe(window.frameGeometry(), screen));

    // Shown, grown and moved, it is centred again with the frame it has.
    window.setFixedSize(window.size() + QSize(120, 80));
    window.move(window.pos() + QPoint(-30, 40));
    platform::centreOnScreen(&window);
    QTRY_VERIFY2(centred(window.frameGeometry(), screen) && window.frameGeometry().height() > 500,
                 describe(window.frameGeometry(), screen));
}

void WindowFrameTest::aboutWindowCentredOverMainWindow()
{
    Form1 window;
    QVERIFY(showActive(&window));
    QVERIFY(framed(&window));
    // The first time, and again after Close has hidden it.
    for (int opening = 1; opening <= 2; ++opening) {
        bool wasFramed = false;
        QRect frame;
        QVERIFY(whileAboutWindow<Form2>(window, [&](Form2 &about) {
            wasFramed = framed(&about);
            (void)QTest::qWaitFor([&] { return centred(about.frameGeometry(), window.frameGeometry()); });
            frame = about.frameGeometry();
        }));
        QVERIFY(wasFramed);
        QVERIFY2(centred(frame, window.frameGeometry()),
                 "opening " + QByteArray::number(opening) + ": " + describe(frame, window.frameGeometry()));
    }
}

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
