// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// What screen readers are told about both windows, read back through Qt's
// accessibility interfaces, and the keyboard's way through both windows.
// Runs headless on the offscreen platform.

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "main_window/welcome_text.h"
#include "model/text/contact_details.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/picture_box.h"
#include "platform/tab_control.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace main_window;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", object->metaObject()->className());
    return interface;
}

QString nameOf(QObject *object) { return accessible(object)->text(QAccessible::Name); }
QString descriptionOf(QObject *object) { return accessible(object)->text(QAccessible::Description); }

const QString kDefaultChartDescription =
    QStringLiteral("Lubrication Labor: current cost 14,400, Velmor cost 1,440, savings 12,960; "
                   "Lubricant Cost: current cost 5,000, Velmor cost 2,500, savings 2,500; "
                   "Bearing Cost: current cost 2,000, Velmor cost 400, savings 1,600; "
                   "Replacement Labor: current cost 1,200, Velmor cost 240, savings 960; "
                   "Lost Production: current cost 40,000, Velmor cost 8,000, savings 32,000");

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void captionLabelNames_data();
    void captionLabelNames();
    void fieldNames_data();
    void fieldNames();
    void figureNamesFollowTheRefresh_data();
    void figureNamesFollowTheRefresh();
    void controlsNamedAndRoled_data();
    void controlsNamedAndRoled();
    void chartDescription_data();
    void chartDescription();

    void everyFocusStopIsNamed_data();
    void everyFocusStopIsNamed();
    void ctrlTabTurnsTabsAndRefreshes_data();
    void ctrlTabTurnsTabsAndRefreshes();
    void ctrlTabAwayFromRedFieldSendsUserBack();
    void keysOnFocusedButton_data();
    void keysOnFocusedButton();
    void aboutWindowNames();
    void aboutWindowByKeyboard_data();
    void aboutWindowByKeyboard();

private:
    void openWindow();
    QWidget *control(const QString &name) const;
    bool runAboutWindow(Qt::Key openingKey, const std::function<void(Form2 &)> &whileOpen);

    std::unique_ptr<Form1> m_window;
    int m_beeps = 0;
    QStringList m_reports;
};

void AccessibilityTest::initTestCase() { useTestDesktop(m_beeps, m_reports); }

void AccessibilityTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // a test may change it
    m_beeps = 0;
    m_reports.clear();
    openWindow();
}

void AccessibilityTest::cleanup()
{
    m_window.reset();
    QVERIFY(m_reports.isEmpty());
}

void AccessibilityTest::openWindow()
{
    m_window.reset(); // the window reads the locale when it is made
    m_window = std::make_unique<Form1>();
    QVERIFY(showActive(m_window.get()));
}

// A control by its design name; the tab control's row of tabs has none.
QWidget *AccessibilityTest::control(const QString &name) const
{
    if (name == QLatin1StringView("tab row"))
        return m_window->SSTab1->tabBar();
    if (name == QLatin1StringView("Menu"))
        return m_window->menuButton();
    QWidget *widget = designControl(m_window.get(), name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// Opens the About window with a key on the focused About button, runs
// `whileOpen` in it and closes it with Space on whatever has the focus. True
// if the window was opened and closed by the keyboard.
bool AccessibilityTest::runAboutWindow(Qt::Key openingKey, const std::function<void(Form2 &)> &whileOpen)
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(AboutTab);
    w.Command3->setFocus();
    if (!QTest::qWaitFor([&] { return w.Command3->hasFocus(); }))
        return false;
    bool opened = false;
    const bool closed = whileModal([&] { QTest::keyClick(w.Command3, openingKey); },
                                   [&](QWidget &modal) {
        auto *about = qobject_cast<Form2 *>(&modal);
        if (!about)
            return;
        opened = true;
        whileOpen(*about);
        if (about->isVisible() && QApplication::focusWidget())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    return opened && closed;
}

// --- Names, descriptions and roles -------------------------------------------

// clang-format off
void AccessibilityTest::captionLabelNames_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("one line") << "" << "Close" << "Close";
    QTest::newRow("carriage return read as a line break")
        << "" << "Phone: 1\rFax: 2" << "Phone: 1\nFax: 2";
    QTest::newRow("two carriage returns leave an empty line") << "" << "a\r\rb" << "a\n\nb";
    QTest::newRow("blanks kept as shown") << "" << "     Welcome " << "     Welcome ";
    QTest::newRow("name follows a changed caption") << "$14,400.00" << "$10,000.00" << "$10,000.00";
    QTest::newRow("name follows a caption emptied") << "V. 1.0" << "" << "";
}
// clang-format on

void AccessibilityTest::captionLabelNames()
{
    QFETCH(QString, before);
    QFETCH(QString, caption);
    QFETCH(QString, name);
    platform::CaptionLabel label;
    label.setCaption(before);
    QCOMPARE(nameOf(&label), before);
    label.setCaption(caption);
    QCOMPARE(nameOf(&label), name);
    QCOMPARE(accessible(&label)->role(), QAccessible::StaticText);
    // The label still draws its breaks with line separators.
    QCOMPARE(label.text(), QString(caption).replace(u'\r', QChar::LineSeparator));
}

// clang-format off
void AccessibilityTest::fieldNames_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    // Caption and unit, their blanks trimmed, as a second, independent copy.
    QTest::newRow("YourData(0)") << 0 << "Number of bearings in facility, total" << "1000";
    QTest::newRow("YourData(1)") << 1 << "Number of bearing failures, per year" << "10";
    QTest::newRow("YourData(2)") << 2 << "Number of lubrication points, total" << "1000";
    QTest::newRow("YourData(3)") << 3 << "Lubrication frequency, per month" << "1";
    QTest::newRow("YourData(4)") << 4 << "Lubricant quantity, lbs/year" << "1000";
    QTest::newRow("YourData(5)") << 5 << "Hourly production rate, $/hour" << "1000";
    QTest::newRow("YourData(6)") << 6 << "Cost of Lubricant, $/lb." << "5";
    QTest::newRow("YourData(7)") << 7 << "Cost of Replacement Bearing, $/each" << "200";
    QTest::newRow("YourData(8) caption with a trailing blank") << 8 << "Lubrication, $/hour" << "24";
    QTest::newRow("YourData(9)") << 9 << "Bearing Replacement, $/hour" << "30";
    QTest::newRow("YourData(10)") << 10 << "Lubricate a single point, minutes" << "3";
    QTest::newRow("YourData(11)") << 11 << "Replace a bearing, hours" << "4";
}
// clang-format on

void AccessibilityTest::fieldNames()
{
    QFETCH(int, field);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QLineEdit *edit = m_window->YourData(field);
    QAccessibleInterface *a = accessible(edit);
    QCOMPARE(a->role(), QAccessible::EditableText);
    QCOMPARE(a->text(QAccessible::Name), name);
    QVERIFY(!a->text(QAccessible::Description).isEmpty());
    QCOMPARE(a->text(QAccessible::Value), value);
}

void AccessibilityTest::figureNamesFollowTheRefresh_data()
{
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("rowCaption");
    QTest::addColumn<QString>("figure");
    const struct {
        int label;
        const char *caption;
        const char *figure;
    } rows[] = {
        // The first row and the total of each frame; the Velmor frame's
        // figures run the other way round from its captions.
        {0, "Manual Labor to Lubricate", "$14,400.00"},
        {5, "Total anual cost of manual lubrication", "$62,600.00"},
        {22, "Labor to lubricate (90% reduction)", "$1,440.00"},
        {17, "Total annual cost using Velmor automatic lubrication", "$12,580.00"},
        {34, "Manual Labor to Lubricate", "$12,960.00"},
        {29, "Total annual savings over manual lubrication costs", "$50,020.00"},
    };
    for (const auto &row : rows)
        QTest::addRow("CurentCost(%d) %s", row.label, row.caption) << row.label << row.caption << row.figure;
}

void AccessibilityTest::figureNamesFollowTheRefresh()
{
    QFETCH(int, label);
    QFETCH(QString, rowCaption);
    QFETCH(QString, figure);
    Form1 &w = *m_window;
    QAccessibleInterface *a = accessible(w.CurentCost(label));
    QCOMPARE(a->role(), QAccessible::StaticText);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("0")); // before the first refresh
    QCOMPARE(a->text(QAccessible::Description), rowCaption);
    w.SSTab1->selectTab(CurrentCostTab);
    QCOMPARE(a->text(QAccessible::Name), figure);
    QCOMPARE(a->text(QAccessible::Description), rowCaption);
}

void AccessibilityTest::controlsNamedAndRoled_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("button") << "Command4" << QAccessible::Button << "More Information";
    QTest::newRow("input frame") << "Frame1_2" << QAccessible::Grouping << "MATERIAL COST (Average)";
    QTest::newRow("result frame") << "Frame2_0" << QAccessible::Grouping << "ANUAL COST OF MANUAL LUBRICATION";
    QTest::newRow("logo") << "Picture1" << QAccessible::Graphic << "Velmor logo";
    QTest::newRow("icon") << "Picture2" << QAccessible::Graphic << "Calculator icon";
    QTest::newRow("data banner") << "Picture3" << QAccessible::Graphic << "Velmor banner";
    for (const char *banner : {"Picture4", "Picture5", "Picture6"})
        QTest::addRow("result banner %s", banner) << banner << QAccessible::Graphic << "HALDMARK and Velmor banner";
    QTest::newRow("chart") << "MSChart1" << QAccessible::Chart << "Savings chart";
    QTest::newRow("copyright line") << "Label2" << QAccessible::StaticText << QString::fromUtf8(model::kCopyrightLine);
}

void AccessibilityTest::controlsNamedAndRoled()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QAccessibleInterface *a = accessible(this->control(control));
    QCOMPARE(a->role(), role);
    QCOMPARE(a->text(QAccessible::Name), name);
}

void AccessibilityTest::chartDescription_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("defaults, all fifteen values") << english << -1 << "" << kDefaultChartDescription;
    QTest::newRow("cents spoken where there are any")
        << english << 6 << "5.125"
        << "Lubricant Cost: current cost 5,125, Velmor cost 2,562.50, savings 2,562.50; ";
    QTest::newRow("negative figures keep their sign")
        << english << 9 << "-30"
        << "Replacement Labor: current cost -1,200, Velmor cost -240, savings -960; ";
    QTest::newRow("German grouping and decimal comma")
        << QLocale(QLocale::German, QLocale::Germany) << 6 << "5,125" // the German decimal comma
        << "Lubricant Cost: current cost 5.125, Velmor cost 2.562,50, savings 2.562,50; ";
}

void AccessibilityTest::chartDescription()
{
    QFETCH(QLocale, locale);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    if (locale != QLocale()) {
        QLocale::setDefault(locale);
        openWindow();
    }
    Form1 &w = *m_window;
    if (field >= 0)
        w.YourData(field)->setText(text);
    w.SSTab1->selectTab(GraphTab);
    QCOMPARE(w.SSTab1->selectedTab(), int(GraphTab));
    const QString description = descriptionOf(w.MSChart1);
    if (field < 0)
        QCOMPARE(description, expected);
    else
        QVERIFY2(description.contains(expected), qPrintable(description));
    QCOMPARE(description.count(u';'), 4);
    // A graph type changes the drawing, not the figures.
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QCOMPARE(descriptionOf(w.MSChart1), description);
}

// --- Keyboard ---------------------------------------------------------------

void AccessibilityTest::everyFocusStopIsNamed_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("About Velmor: the three buttons")
        << int(AboutTab) << QStringList{"tab row", "Command2", "Command3", "Command4", "Menu"};
    QTest::newRow("Your Data: costs, labor, times, then the facility")
        << int(YourDataTab) << QStringList{"tab row",     "YourData_6",  "YourData_7", "YourData_8", "YourData_9",
                                           "YourData_10", "YourData_11", "YourData_0", "YourData_1", "YourData_2",
                                           "YourData_3",  "YourData_4",  "YourData_5", "Menu"};
    QTest::newRow("Current Cost: only the tab row") << int(CurrentCostTab) << QStringList{"tab row", "Menu"};
    QTest::newRow("Graph: the chart itself, then its button")
        << int(GraphTab) << QStringList{"tab row", "MSChart1", "Command1", "Menu"};
}

void AccessibilityTest::everyFocusStopIsNamed()
{
    QFETCH(int, tab);
    QFETCH(QStringList, stops);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(tab);
    w.SSTab1->tabBar()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w.SSTab1->tabBar()->hasFocus());
    // Tab walks the stops in order, the Menu button after every designed
    // one, and comes round to the tab row again.
    for (int k = 1; k <= stops.size(); ++k) {
        const QString expected = stops.at(k % stops.size());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        const QString focusClass = QString::fromLatin1(focus ? focus->metaObject()->className() : "nothing");
        QVERIFY2(focus == control(expected),
                 qPrintable(QStringLiteral("step %1: expected %2, focus on %3").arg(k).arg(expected, focusClass)));
        QAccessibleInterface *a = accessible(focus);
        QVERIFY(a->state().focused);
        QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(expected));
    }
    QCOMPARE(w.SSTab1->selectedTab(), tab);
    QCOMPARE(m_beeps, 0);
}

void AccessibilityTest::ctrlTabTurnsTabsAndRefreshes_data()
{
    QTest::addColumn<int>("startTab");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("expectedTab");
    QTest::newRow("Ctrl+Tab from a field")
        << int(YourDataTab) << "YourData_3" << int(Qt::Key_Tab) << false << int(CurrentCostTab);
    QTest::newRow("Ctrl+Shift+Tab from a field")
        << int(YourDataTab) << "YourData_3" << int(Qt::Key_Tab) << true << int(AboutTab);
    QTest::newRow("Ctrl+Shift+Backtab from a field, as X sends it")
        << int(YourDataTab) << "YourData_6" << int(Qt::Key_Backtab) << true << int(AboutTab);
    QTest::newRow("Ctrl+Tab from the tab row")
        << int(VelmorCostTab) << "tab row" << int(Qt::Key_Tab) << false << int(SavingsTab);
    QTest::newRow("Ctrl+Tab from the chart wraps round to the first tab")
        << int(GraphTab) << "MSChart1" << int(Qt::Key_Tab) << false << int(AboutTab);
    QTest::newRow("Ctrl+Shift+Tab from a button wraps round to the last tab")
        << int(AboutTab) << "Command3" << int(Qt::Key_Tab) << true << int(GraphTab);
}

void AccessibilityTest::ctrlTabTurnsTabsAndRefreshes()
{
    QFETCH(int, startTab);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(int, expectedTab);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(startTab);
    QWidget *start = control(focus);
    start->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(start->hasFocus());
    // Typed without leaving the field: only the refresh of the tab change
    // can bring it into the figures.
    w.YourData(4)->setText(QStringLiteral("2000"));

    const Qt::KeyboardModifiers modifiers = shift ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
    QTest::keyClick(start, Qt::Key(key), modifiers);
    QCOMPARE(w.SSTab1->selectedTab(), expectedTab);
    // Where the new tab has nothing to focus, its page holds the focus and
    // goes by the tab's caption.
    QCOMPARE(nameOf(QApplication::focusWidget()).isEmpty(), false);
    if (QApplication::focusWidget() == w.SSTab1->currentWidget())
        QCOMPARE(nameOf(QApplication::focusWidget()), w.SSTab1->tabText(expectedTab));
    QCOMPARE(nameOf(w.CurentCost(1)), QStringLiteral("$10,000.00"));
    QVERIFY(descriptionOf(w.MSChart1).contains(QStringLiteral("Lubricant Cost: current cost 10,000,")));
    QCOMPARE(m_beeps, 0);
}

void AccessibilityTest::ctrlTabAwayFromRedFieldSendsUserBack()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    QLineEdit *field = w.YourData(2);
    field->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(field->hasFocus());
    field->setText(QStringLiteral("abc"));
    w.YourData(4)->setText(QStringLiteral("2000"));
    QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier);
    QTest::qWait(50);
    QCOMPARE(w.SSTab1->selectedTab(), int(YourDataTab));
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(m_beeps, 1);
    QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(nameOf(w.CurentCost(1)), QStringLiteral("$5,000.00")); // nothing was computed
}

void AccessibilityTest::keysOnFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("presses");
    QTest::newRow("Space presses it") << int(Qt::Key_Space) << 0 << true;
    QTest::newRow("Return presses it") << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("keypad Enter presses it") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    QTest::newRow("Ctrl+Return leaves it alone") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
}

void AccessibilityTest::keysOnFocusedButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, presses);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(GraphTab);
    w.Command1->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(w.Command1->hasFocus());
    QTest::keyClick(w.Command1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // One press moves the graph button on by one graph type.
    QCOMPARE(w.Command1->text(), presses ? QStringLiteral("Pie Chart") : QStringLiteral("Series Bar Graph"));
}

void AccessibilityTest::aboutWindowNames()
{
    struct Seen {
        QAccessible::Role role;
        QString name;
    };
    QList<Seen> seen;
    QStringList tabs;
    QVERIFY(runAboutWindow(Qt::Key_Space, [&](Form2 &about) {
        const QList<QObject *> controls{about.Command1,    about.Picture1(1), about.Picture1(0), about.Picture2(1),
                                        about.Picture2(0), about.Label3(1),   about.Label4(0)};
        for (QObject *object : controls)
            seen.append({accessible(object)->role(), nameOf(object)});
        QAccessibleInterface *bar = accessible(about.SSTab1->tabBar());
        for (int i = 0; i < bar->childCount(); ++i) {
            if (bar->child(i)->role() == QAccessible::PageTab)
                tabs << bar->child(i)->text(QAccessible::Name);
        }
    }));
    const QList<std::pair<QAccessible::Role, const char *>> expected{
        {QAccessible::Button, "Close"},
        {QAccessible::Graphic, "HALDMARK banner"},
        {QAccessible::Graphic, "Corvane Software logo"},
        {QAccessible::Graphic, "Calculator icon"},
        {QAccessible::Graphic, "Calculator icon"},
        {QAccessible::StaticText, "Phone: (937) 555-0142\nFax: (937) 555-0143"},
        {QAccessible::StaticText, "E-mail: design@corvane.com\nWWW: http://www.corvane.com"}};
    QCOMPARE(seen.size(), expected.size());
    for (qsizetype k = 0; k < seen.size(); ++k) {
        QCOMPARE(seen[k].role, expected[k].first);
        QCOMPARE(seen[k].name, QString::fromUtf8(expected[k].second));
    }
    QCOMPARE(tabs, QStringList({QStringLiteral("About HALDMARK\u00AE"), QStringLiteral("Software Design")}));
}

void AccessibilityTest::aboutWindowByKeyboard_data()
{
    QTest::addColumn<int>("openingKey");
    QTest::newRow("opened with Space") << int(Qt::Key_Space);
    QTest::newRow("opened with Return") << int(Qt::Key_Return);
}

void AccessibilityTest::aboutWindowByKeyboard()
{
    QFETCH(int, openingKey);
    QWidget *focusOnOpening = nullptr;
    QList<int> tabs;
    QVERIFY(runAboutWindow(Qt::Key(openingKey), [&](Form2 &about) {
        focusOnOpening = QApplication::focusWidget();
        tabs << about.SSTab1->selectedTab();
        // From the Close button, which stands outside the tab control.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        tabs << about.SSTab1->selectedTab();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        tabs << about.SSTab1->selectedTab();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        tabs << about.SSTab1->selectedTab();
        // From the tab row, where the tab control turns them itself.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == about.SSTab1->tabBar()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
            tabs << about.SSTab1->selectedTab();
        }
        about.Command1->setFocus(Qt::TabFocusReason); // Space then presses Close
    }));
    QVERIFY(m_window->aboutWindow());
    QCOMPARE(focusOnOpening, static_cast<QWidget *>(m_window->aboutWindow()->Command1));
    QCOMPARE(tabs, QList<int>({0, 1, 0, 1, 0}));
    QVERIFY(!m_window->aboutWindow()->isVisible());
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
