// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Zooming the main window: the commands and their limits, a layout that
// grows in proportion with nothing cut off, the About window at the same
// zoom, and the drawn window back exactly at 100 %. CTest runs this on the
// offscreen platform's 800 x 600 screen, where 125 % is the largest zoom
// that fits, and on a 1920 x 1080 screen, where every step fits.

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"
#include "window_test_support.h"

#include <QApplication>
#include <QChart>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

constexpr QSize kDrawnMain(601, 421);
constexpr QSize kDrawnAbout(404, 210);

// The largest step whose window fits the test screen (no window frame here).
int largestStepOnScreen()
{
    const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
    int largest = 100;
    for (int step = 125; step <= 200; step += 25) {
        if (kDrawnMain.width() * step / 100.0 <= free.width() && kDrawnMain.height() * step / 100.0 <= free.height())
            largest = step;
    }
    return largest;
}

QList<QImage> grabEveryTab(Form1 &window)
{
    QList<QImage> shots;
    for (int tab = 0; tab < window.SSTab1->count(); ++tab) {
        window.SSTab1->selectTab(tab);
        QApplication::processEvents();
        shots << window.grab().toImage();
    }
    return shots;
}

// The texts of the menu that pops up while trigger runs.
QStringList menuTexts(const std::function<void()> &trigger)
{
    QStringList texts;
    QTimer poll;
    int polls = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu && ++polls < 200)
            return;
        poll.stop();
        if (menu) {
            for (const QAction *action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text();
            menu->close();
        }
    });
    poll.start(10);
    trigger();
    if (!QTest::qWaitFor([&] { return !poll.isActive(); }, 5000))
        qWarning("the menu never closed");
    return texts;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoomCommands_data();
    void zoomCommands();
    void layoutGrowsInProportion_data();
    void layoutGrowsInProportion();
    void actualSizeIsTheDrawnWindow();
    void contextMenuHoldsTheCommands_data();
    void contextMenuHoldsTheCommands();

private:
    bool withAboutWindow(const std::function<void(Form2 &)> &f) { return whileAboutWindow<Form2>(*m_window, f); }

    int m_beeps = 0;
    QStringList m_reports;
    std::unique_ptr<Form1> m_window;
};

void ZoomTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
    qInfo("largest zoom on this screen: %d %%", largestStepOnScreen());
}

void ZoomTest::init()
{
    m_window = std::make_unique<Form1>();
    QVERIFY(showActive(m_window.get()));
}

void ZoomTest::cleanup()
{
    m_window.reset();
    QVERIFY(m_reports.isEmpty());
}

void ZoomTest::zoomCommands_data()
{
    QTest::addColumn<QString>("keys"); // Ctrl and each of these keys in turn
    QTest::addColumn<int>("expected"); // where the screen has room for it
    QTest::newRow("Ctrl++") << "+" << 125;
    QTest::newRow("Ctrl+= as well") << "=" << 125;
    QTest::newRow("up to 200 % and no further") << "+++++" << 200;
    QTest::newRow("Ctrl+- goes back a step") << "+++-" << 150;
    QTest::newRow("not below 100 %") << "-" << 100;
    QTest::newRow("Ctrl+0 from any zoom") << "+++0" << 100;
}

void ZoomTest::zoomCommands()
{
    QFETCH(QString, keys);
    QFETCH(int, expected);
    const QHash<QChar, Qt::Key> key{
        {u'+', Qt::Key_Plus}, {u'=', Qt::Key_Equal}, {u'-', Qt::Key_Minus}, {u'0', Qt::Key_0}};
    // From a field, whose text editing keeps none of these.
    m_window->SSTab1->selectTab(1);
    m_window->YourData(6)->setFocus();
    for (QChar c : keys)
        QTest::keyClick(m_window->YourData(6), key[c], Qt::ControlModifier);

    // On a small screen the steps stop at the largest that fits.
    int percent = 100;
    for (QChar c : keys)
        percent = c == u'0' ? 100 : std::clamp(percent + (c == u'-' ? -25 : 25), 100, largestStepOnScreen());
    if (largestStepOnScreen() == 200)
        QCOMPARE(percent, expected);
    QCOMPARE(m_window->zoomPercent(), percent);
    QCOMPARE(m_window->size(), (QSizeF(kDrawnMain) * (percent / 100.0)).toSize());
    QCOMPARE(m_window->YourData(6)->text(), QStringLiteral("5")); // nothing typed
    // Fixed size, centred on the screen's free area.
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const QPoint offCentre = m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void ZoomTest::layoutGrowsInProportion_data()
{
    QTest::addColumn<int>("percent");
    for (int percent : {125, 150, 175, 200})
        QTest::addRow("%d %%", percent) << percent;
}

void ZoomTest::layoutGrowsInProportion()
{
    QFETCH(int, percent);
    if (percent > largestStepOnScreen())
        QSKIP("does not fit this screen");
    const qreal factor = percent / 100.0;

    // A window never zoomed stands for the drawn layout.
    Form1 drawn;
    drawn.show(); // builds the chart with its tab, as in the zoomed window
    Form1 &w = *m_window;
    w.setZoomPercent(percent);
    QCOMPARE(w.zoomPercent(), percent);
    QCOMPARE(w.size(), (QSizeF(kDrawnMain) * factor).toSize());

    // Every control on every tab, page by page, against its drawn twin.
    for (int tab = 0; tab < w.SSTab1->count(); ++tab) {
        w.SSTab1->selectTab(tab);
        drawn.SSTab1->selectTab(tab);
        QApplication::processEvents();
        const QList<QWidget *> zoomedControls = w.SSTab1->widget(tab)->findChildren<QWidget *>();
        const QList<QWidget *> drawnControls = drawn.SSTab1->widget(tab)->findChildren<QWidget *>();
        QCOMPARE(zoomedControls.size(), drawnControls.size());
        for (qsizetype i = 0; i < zoomedControls.size(); ++i) {
            QWidget *z = zoomedControls[i];
            const QWidget *d = drawnControls[i];
            if (!d->isVisible() || d->parentWidget()->inherits("QChartView"))
                continue; // the chart's own drawing surface
            const QRect expected(QPointF(QPointF(d->mapTo(&drawn, QPoint(0, 0))) * factor).toPoint(),
                                 (QSizeF(d->size()) * factor).toSize());
            const QRect actual(z->mapTo(&w, QPoint(0, 0)), z->size());
            const auto far = [](int a, int b) { return qAbs(a - b) > 1; };
            QVERIFY2(!far(actual.left(), expected.left()) && !far(actual.top(), expected.top())
                         && !far(actual.width(), expected.width()) && !far(actual.height(), expected.height()),
                     qPrintable(QStringLiteral("%1 on tab %2 at %3,%4 %5x%6, expected %7,%8 %9x%10")
                                    .arg(QString::fromLatin1(z->metaObject()->className()))
                                    .arg(tab)
                                    .arg(actual.x())
                                    .arg(actual.y())
                                    .arg(actual.width())
                                    .arg(actual.height())
                                    .arg(expected.x())
                                    .arg(expected.y())
                                    .arg(expected.width())
                                    .arg(expected.height())));
            QCOMPARE(z->font().pointSizeF(), d->font().pointSizeF() * factor);
            if (auto *picture = qobject_cast<platform::PictureBox *>(z)) {
                const QSizeF natural = qobject_cast<const platform::PictureBox *>(d)->pixmap().deviceIndependentSize();
                QVERIFY(qAbs(picture->pixmap().deviceIndependentSize().width() - natural.width() * factor) <= 0.5);
            }
            if (auto *label = qobject_cast<platform::CaptionLabel *>(z)) {
                const QString misfit = captionMisfit(label, label == w.Label3 ? Wrapping::ByDesign : Wrapping::None);
                QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
            }
        }
    }
    // The tabs stay in one row, without scroll buttons.
    QTabBar *bar = w.SSTab1->tabBar();
    QVERIFY(bar->tabRect(bar->count() - 1).right() < w.SSTab1->width());
    // The chart is the drawn chart, enlarged.
    QCOMPARE(w.MSChart1->chart()->size() * factor, QSizeF(w.MSChart1->size()));

    QSize aboutSize;
    QStringList aboutMisfits;
    QVERIFY(withAboutWindow([&](Form2 &about) {
        aboutSize = about.size();
        for (int array = 1; array <= 4; ++array) {
            const QString misfit =
                captionMisfit(designControl<platform::CaptionLabel>(&about, QStringLiteral("Label%1").arg(array), 1));
            if (!misfit.isEmpty())
                aboutMisfits << misfit;
        }
    }));
    QCOMPARE(aboutSize, (QSizeF(kDrawnAbout) * factor).toSize());
    QVERIFY2(aboutMisfits.isEmpty(), qPrintable(aboutMisfits.join(u'\n')));
}

void ZoomTest::actualSizeIsTheDrawnWindow()
{
    const QList<QImage> before = grabEveryTab(*m_window);
    m_window->setZoomPercent(200);
    QVERIFY(m_window->zoomPercent() > 100);
    grabEveryTab(*m_window);
    QTest::keyClick(m_window.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(m_window->zoomPercent(), 100);
    const QList<QImage> after = grabEveryTab(*m_window);
    for (qsizetype tab = 0; tab < before.size(); ++tab)
        QVERIFY2(after[tab] == before[tab], qPrintable(QStringLiteral("tab %1").arg(tab)));
}

void ZoomTest::contextMenuHoldsTheCommands_data()
{
    QTest::addColumn<std::function<void(Form1 &)>>("open");
    QTest::addColumn<bool>("inField");
    using Open = std::function<void(Form1 &)>;
    QTest::newRow("right-click on the page") << Open([](Form1 &w) {
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, w.Label3->mapTo(&w, QPoint(5, 5)));
    }) << false;
    QTest::newRow("Shift+F10") << Open([](Form1 &w) { QTest::keyClick(&w, Qt::Key_F10, Qt::ShiftModifier); }) << false;
    QTest::newRow("menu key") << Open([](Form1 &w) { QTest::keyClick(w.Command3, Qt::Key_Menu); }) << false;
    QTest::newRow("right-click in a field") << Open([](Form1 &w) {
        w.SSTab1->selectTab(1);
        QApplication::processEvents();
        QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, w.YourData(0)->mapTo(&w, QPoint(5, 5)));
    }) << true;
    QTest::newRow("menu key in a field") << Open([](Form1 &w) {
        w.SSTab1->selectTab(1);
        w.YourData(0)->setFocus();
        QTest::keyClick(w.YourData(0), Qt::Key_Menu);
    }) << true;
}

void ZoomTest::contextMenuHoldsTheCommands()
{
    QFETCH(std::function<void(Form1 &)>, open);
    QFETCH(bool, inField);
    const QStringList texts = menuTexts([&] { open(*m_window); });
    // The zoom commands, then the figure commands.
    const QStringList window{"Zoom In",
                             "Zoom Out",
                             "Actual Size",
                             "Open Figures\u2026",
                             "Open Recent",
                             "Save Figures",
                             "Save Figures As\u2026",
                             "Report Details\u2026",
                             "Assumptions\u2026",
                             "Currency and Units\u2026",
                             "Open Maintenance Records\u2026",
                             "Business Case\u2026",
                             "Export Report as PDF\u2026",
                             "Export Workbook\u2026",
                             "Print Report\u2026",
                             "Copy Results"};
    QVERIFY2(texts.size() >= window.size() && texts.mid(texts.size() - window.size()) == window,
             qPrintable(texts.join(u'|')));
    // A field keeps its own editing commands above them.
    QCOMPARE(texts.size() > window.size(), inField);
    QCOMPARE(m_beeps, 0);
}

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
