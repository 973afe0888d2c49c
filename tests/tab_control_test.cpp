// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The tab control's pages: filled with the back colour over whatever the
// window paints beneath, and drawn once per tab change. Runs headless.

#include "platform/designed_look.h"
#include "platform/tab_control.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

using platform::TabControl;

namespace {

// A label that counts its paint events.
class CountingLabel : public QLabel {
public:
    using QLabel::QLabel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        QLabel::paintEvent(event);
    }
};

// A window that paints itself a colour no page has, so that a page that
// fails to fill itself shows it.
class Window : public QWidget {
public:
    Window()
    {
        resize(400, 300);
        tabs = new TabControl(this);
        tabs->setGeometry(10, 10, 380, 280);
        for (int t = 0; t < 3; ++t) {
            tabs->addPage(QStringLiteral("Tab %1").arg(t));
            labels[t] = new CountingLabel(QStringLiteral("Caption %1").arg(t));
            tabs->place(t, labels[t], QRect(40, 60, 200, 20));
        }
        tabs->setBackColour(platform::kLightBlue);
    }

    TabControl *tabs = nullptr;
    CountingLabel *labels[3] = {};

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), Qt::red); }
};

void settle()
{
    for (int pass = 0; pass < 4; ++pass)
        QApplication::processEvents();
}

} // namespace

class TabControlTest : public QObject {
    Q_OBJECT
private slots:
    void pageFilledWithBackColour_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("first tab") << 0;
        QTest::newRow("tab selected later") << 2;
    }
    void pageFilledWithBackColour()
    {
        QFETCH(int, tab);
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabs->selectTab(tab);
        settle();

        QWidget *page = window.tabs->widget(tab);
        const QImage image = window.grab().toImage();
        const QRect area(page->mapTo(&window, QPoint(0, 0)), page->size());
        // Every pixel of the page away from its caption and the frame edge.
        for (int y = area.top() + 4; y < area.bottom() - 4; y += 3)
            for (int x = area.left() + 4; x < area.right() - 4; x += 3) {
                if (window.labels[tab]->geometry().translated(area.topLeft()).contains(x, y))
                    continue;
                QVERIFY2(image.pixelColor(x, y) == platform::kLightBlue,
                         qPrintable(QStringLiteral("%1,%2 is %3").arg(x).arg(y).arg(image.pixelColor(x, y).name())));
            }
    }

    // A tab change draws the new page's controls once and the others not at
    // all; a page drawn apart from the tab control around it drew them twice.
    void tabChangePaintsEachControlOnce_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("onto a tab never shown") << 0 << 1;
        QTest::newRow("back onto the first tab") << 1 << 0;
        QTest::newRow("across a tab") << 0 << 2;
    }
    void tabChangePaintsEachControlOnce()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabs->selectTab(from);
        settle();
        for (CountingLabel *label : window.labels)
            label->paints = 0;

        window.tabs->selectTab(to);
        settle();

        for (int t = 0; t < 3; ++t)
            QCOMPARE(window.labels[t]->paints, t == to ? 1 : 0);
    }
};

QTEST_MAIN(TabControlTest)
#include "tab_control_test.moc"
