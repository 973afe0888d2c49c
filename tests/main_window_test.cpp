// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The main window driven as a user would: tab changes, typing, the Tab key,
// the buttons. Runs headless on the offscreen platform.

#include "about_window/form2.h"
#include "dialogs/help_viewer.h"
#include "main_window/document_history.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/help_keys.h"
#include "main_window/main_layout.h"
#include "main_window/recovery.h"
#include "main_window/welcome_text.h"
#include "model/costs/input_table.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/designed_look.h"
#include "platform/line_control.h"
#include "platform/picture_box.h"
#include "platform/system_seams.h"
#include "platform/tab_control.h"
#include "system_test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <QWindow>

#include <memory>

using namespace main_window;
using platform::ChartControl;

namespace {

QRect onTabControl(const Form1 &w, const QWidget *control)
{
    return QRect(control->mapTo(w.SSTab1, QPoint(0, 0)), control->size());
}

QRect twips(int l, int t, int wd, int h) { return QRect(l / 15, t / 15, wd / 15, h / 15); }

// Records the web addresses that the program hands to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void undoAndRedoEachChange_data();
    void undoAndRedoEachChange();
    void undoGivesBackFiguresAFileReplaced();
    void recoveryAfterAKill_data();
    void recoveryAfterAKill();
    void recoveryChild();
    void helpOpensThePageOfTheFocus();
    void regionalCurrencyFromTheFirstPaint_data();
    void regionalCurrencyFromTheFirstPaint();

    void windowIsFixedAndCentred();
    void tabsAndStartState();
    void welcomeTextIsExact();
    void aboutTabLayout_data();
    void aboutTabLayout();
    void inputRowsLayout_data();
    void inputRowsLayout();
    void resultRowsLayout_data();
    void resultRowsLayout();
    void rulesLayout();
    void tabKeyWalksYourDataFields();

    void defaultResultsAfterTabChange_data();
    void defaultResultsAfterTabChange();
    void invalidFieldSendsUserBack_data();
    void invalidFieldSendsUserBack();
    void arithmeticFaultIsReportedAndProgramGoesOn();

    void fieldCheck_data();
    void fieldCheck();
    void invisibleCharactersAreDropped_data();
    void invisibleCharactersAreDropped();
    void undoAfterDroppedCharacters();
    void twoInvalidFieldsDoNotBounce();
    void tabHeadingClickWhileFieldIsRed();
    void commandKeysReachTheWindowFromAField();

    void chartReceivesRowsOneToFiveInOrder();
    void negativeFigureIsChartedNegative();
    void graphButtonWalksTheCycle_data();
    void graphButtonWalksTheCycle();
    void refreshKeepsGraphType();
    void unknownCaptionChangesNothingButRefreshes();
    void graphButtonStaysInFrontOfChart();

    void moreInformationOpensProductPageEachTime();
    void aboutWindowIsCreatedOnceAndShownModally();
    void closeButtonEndsTheEventLoop();
    void titleNamesTheFileAndItsChanges_data();
    void titleNamesTheFileAndItsChanges();
    void closingAsksAboutUnsavedChanges_data();
    void closingAsksAboutUnsavedChanges();

private:
    // The default figures in a facility file of their own.
    QString defaultFiguresFile(const QString &name);
    void typeIntoLubricant(const QString &text);

    std::unique_ptr<Form1> m_window;
    QTemporaryDir m_dir;
    int m_beeps = 0;
    QStringList m_reports;
};

void MainWindowTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
    QVERIFY(m_dir.isValid());
}

void MainWindowTest::init()
{
    m_beeps = 0;
    m_reports.clear();
    m_window = std::make_unique<Form1>();
    QVERIFY(showActive(m_window.get()));
}

void MainWindowTest::cleanup() { m_window.reset(); }

using Change = std::function<void(document::FacilityDocument &)>;

void MainWindowTest::undoAndRedoEachChange_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("name");
    QTest::newRow("typing, two keys one step") << Change([](auto &d) {
        d.setFigureText(2, QStringLiteral("12"));
        d.setFigureText(2, QStringLiteral("125"));
    }) << "Undo Typing in Number of lubrication points";
    QTest::newRow("investment") << Change([](auto &d) {
        d.setInvestment({QStringLiteral("20000"), {}, {}, {}, {}});
    }) << "Undo Change of the Investment";
    QTest::newRow("reductions") << Change([](auto &d) {
        model::Assumptions assumptions = d.assumptions();
        assumptions.reductionPercent[0] = 60;
        d.setAssumptions(assumptions);
    }) << "Undo Change of the Assumptions";
    QTest::newRow("currency and units") << Change([](auto &d) {
        d.setCurrencyUnits({QStringLiteral("€"), model::Units::Metric});
    }) << "Undo Change of the Currency and Units";
    QTest::newRow("options") << Change([](auto &d) {
        d.setOptions({QStringLiteral("Central"), d.assumptions().reductionPercent, d.investment(), d.capital()},
                     {{QStringLiteral("Manual"), {}, {}, {}}});
    }) << "Undo Change of the Investment";
}

// Each change is one step: undone, the facts and the fields are as before and
// the mark is gone; redone, they are as after it.
void MainWindowTest::undoAndRedoEachChange()
{
    QFETCH(Change, change);
    QFETCH(QString, name);
    Form1 &w = *m_window;
    document::FacilityDocument &d = *w.document();
    const model::FacilityFigures before = d.state().facts;
    change(d);
    const model::FacilityFigures after = d.state().facts;
    QAction *undo = w.history()->undoAction();
    QCOMPARE(undo->text(), name);
    undo->trigger();
    QCOMPARE(d.state().facts, before);
    QVERIFY(!d.isModified());
    QVERIFY(!undo->isEnabled());
    w.history()->redoAction()->trigger();
    QCOMPARE(d.state().facts, after);
    QVERIFY(d.isModified());
    for (int i = 0; i < model::kInputCount; ++i)
        QCOMPARE(w.YourData(i)->text(), d.figureTexts()[std::size_t(i)]);
}

// A file opened over figures typed and not saved: undone, the figures typed
// and their file are back, marked as changed; redone, the file opened is
// back unchanged.
void MainWindowTest::undoGivesBackFiguresAFileReplaced()
{
    QTemporaryDir dir;
    document::FacilityDocument &d = *m_window->document();
    const QString first = dir.filePath(QStringLiteral("first.velmor"));
    const QString second = dir.filePath(QStringLiteral("second.velmor"));
    QVERIFY(d.save(second));
    d.setFigureText(0, QStringLiteral("777"));
    QVERIFY(d.save(first));
    d.setFigureText(0, QStringLiteral("778"));
    QVERIFY(d.open(second));
    QCOMPARE(m_window->history()->undoAction()->text(), QStringLiteral("Undo Open \u201Csecond.velmor\u201D"));
    m_window->history()->undoAction()->trigger();
    QCOMPARE(d.figureTexts()[0], QStringLiteral("778"));
    QCOMPARE(d.filePath(), first);
    QVERIFY(d.isModified());
    m_window->history()->undoAction()->trigger(); // back to what the first file holds
    QCOMPARE(d.figureTexts()[0], QStringLiteral("777"));
    m_window->history()->redoAction()->trigger();
    m_window->history()->redoAction()->trigger();
    QCOMPARE(d.filePath(), second);
    QVERIFY(!d.isModified());
}

void MainWindowTest::recoveryAfterAKill_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("restored") << "Restore";
    QTest::newRow("discarded") << "Discard";
}

// A run killed (SIGKILL) with a figure typed and not saved: the next start
// offers it back, restored as a change of its file; restored or discarded,
// the start after offers nothing.
void MainWindowTest::recoveryAfterAKill()
{
    QFETCH(QString, answer);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Plant Süd.velmor"));
    QVERIFY(m_window->document()->save(file));
    QDir(Recovery::folder()).removeRecursively();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELMOR_RECOVERY_FILE"), file);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("recoveryChild")});
    QVERIFY(child.waitForStarted());
    const auto kept = [] {
        return !QDir(Recovery::folder()).entryList({QStringLiteral("recovery-*.origin")}, QDir::Files).isEmpty();
    };
    QTRY_VERIFY_WITH_TIMEOUT(kept(), 30'000);
    child.kill();
    QVERIFY(child.waitForFinished());

    document::FacilityDocument &d = *m_window->document();
    QTimer::singleShot(0, [answer] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(question);
        const QString text = question->text(); // the time is the minute the figure was kept
        QVERIFY2(text.startsWith(QStringLiteral("Figures of \u201CPlant Süd.velmor\u201D changed at "))
                     && text.endsWith(QStringLiteral(" were not saved.")),
                 qPrintable(text));
        for (QAbstractButton *button : question->buttons())
            if (button->text() == answer)
                button->click();
    });
    Recovery recovery(d);
    const bool restored = answer == u"Restore";
    QCOMPARE(recovery.offer(m_window.get()), restored);
    const QString figure = restored ? QStringLiteral("4242") : QStringLiteral("1000");
    QCOMPARE(d.figureTexts()[0], figure);
    QCOMPARE(m_window->YourData(0)->text(), figure);
    QCOMPARE(d.isModified(), restored);
    if (restored)
        QCOMPARE(d.filePath(), file);
    QVERIFY(!Recovery(d).offer(m_window.get()));
}

// The run recoveryAfterAKill() kills: a figure typed over a file, kept once
// the typing pauses.
void MainWindowTest::recoveryChild()
{
    const QString file = qEnvironmentVariable("VELMOR_RECOVERY_FILE");
    if (file.isEmpty())
        QSKIP("Run by recoveryAfterAKill.");
    QVERIFY(m_window->figureCommands()->openFigures(file));
    Recovery recovery(*m_window->document());
    m_window->YourData(0)->setText(QStringLiteral("4242"));
    QTest::qWait(120'000);
}

// F1 in a figure's field opens the guide at that field's line; in the
// records dialog at the records' page.
void MainWindowTest::helpOpensThePageOfTheFocus()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    w.YourData(3)->setFocus();
    QTest::keyClick(w.YourData(3), Qt::Key_F1);
    auto *viewer = w.findChild<HelpViewer *>(QStringLiteral("helpViewer"));
    QVERIFY(viewer);
    QCOMPARE(viewer->topic(), outputs::HelpTopic::Figures);
    const QString page = viewer->findChild<QTextBrowser *>(QStringLiteral("helpPage"))->toPlainText();
    QVERIFY2(page.contains(QStringLiteral("times each point is lubricated per month")), qPrintable(page.left(200)));
    QVERIFY(page.contains(QStringLiteral("Type twelve figures about the facility"))); // the guide's own page below
    QVERIFY(w.YourData(3)->whatsThis().startsWith(QStringLiteral("Lubrication frequency (per month)")));
    // In kilograms and euros, every word beside the lubricant says so.
    w.document()->setCurrencyUnits({QStringLiteral("\u20AC"), model::Units::Metric});
    QCOMPARE(w.YourData(6)->whatsThis(),
             QStringLiteral("Cost of Lubricant (\u20AC/kg): price of lubricant per kilogram."));
    QCOMPARE(w.YourData(4)->accessibleDescription(), QStringLiteral("kilograms of lubricant used per year"));
    QDialog records(&w);
    records.setObjectName(QStringLiteral("recordsDialog"));
    auto *field = new QLineEdit(&records);
    QCOMPARE(w.findChild<HelpKeys *>()->placeOf(field).topic, outputs::HelpTopic::Records);
    viewer->close();
}

// Started where the region's currency is not the dollar, the unit labels
// name it from the first paint, not only after a change.
// The region's currency and units from the first paint: pounds only where
// the region measures in US units.
void MainWindowTest::regionalCurrencyFromTheFirstPaint_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("quantityUnit");
    QTest::addColumn<QString>("priceUnit");
    QTest::newRow("Germany") << "de_DE"
                             << " kg/year"
                             << " \u20AC/kg";
    QTest::newRow("United Kingdom") << "en_GB"
                                    << " kg/year"
                                    << " \u00A3/kg";
    QTest::newRow("United States") << "en_US"
                                   << " lbs/year"
                                   << " $/lb.";
}

void MainWindowTest::regionalCurrencyFromTheFirstPaint()
{
    QFETCH(QString, region);
    QFETCH(QString, quantityUnit);
    QFETCH(QString, priceUnit);
    const QLocale was;
    const auto restore = qScopeGuard([was] { QLocale::setDefault(was); });
    QLocale::setDefault(QLocale(region));
    Form1 window;
    QCOMPARE(window.Label1(kInputRows[4].unitLabel)->caption(), quantityUnit);
    QCOMPARE(window.Label1(kInputRows[6].unitLabel)->caption(), priceUnit);
    QCOMPARE(window.YourData(6)->accessibleName(), QStringLiteral("Cost of Lubricant, ") + priceUnit.trimmed());
}

void MainWindowTest::windowIsFixedAndCentred()
{
    Form1 &w = *m_window;
    QCOMPARE(w.size(), QSize(601, 421));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velmor Automatic Lubrication Systems"));
    QVERIFY(!w.windowIcon().isNull());
    const QRect screen = w.screen()->availableGeometry();
    // Within the window frame's few pixels, which are unknown before showing.
    QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 4);
    QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 4);
    QCOMPARE(w.SSTab1->geometry(), twips(240, 720, 8535, 4935));
}

void MainWindowTest::tabsAndStartState()
{
    Form1 &w = *m_window;
    const QStringList captions{"About Velmor", "Your Data", "Current Cost", "Velmor Cost", "Savings", "Graph"};
    QCOMPARE(w.SSTab1->count(), 6);
    for (int t = 0; t < 6; ++t)
        QCOMPARE(w.SSTab1->tabText(t), captions[t]);
    QCOMPARE(w.SSTab1->selectedTab(), 0);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(w.YourData(i)->text(), QString::fromUtf8(model::kInputs[i].defaultText));
    for (const auto &table : kFigureLabels) {
        for (int label : table)
            QCOMPARE(w.CurentCost(label)->caption(), QStringLiteral("0"));
    }
    QCOMPARE(w.Command1->text(), QStringLiteral("Series Bar Graph"));
}

void MainWindowTest::welcomeTextIsExact()
{
    const QString text = m_window->Label3->caption();
    QCOMPARE(text, welcomeText());
    QVERIFY(!text.contains(u'\n'));
    QVERIFY(!text.endsWith(u'\r'));
    const QStringList paragraphs = text.split(QStringLiteral("\r\r"));
    QCOMPARE(paragraphs.size(), 4);
    QCOMPARE(paragraphs[0], QStringLiteral("     Welcome"));
    for (const QString &p : paragraphs) {
        QVERIFY(p.startsWith(QStringLiteral("     ")));
        QVERIFY(!p.startsWith(QStringLiteral("      ")));
        QVERIFY(!p.contains(u'\r'));
    }
    QVERIFY(paragraphs[2].contains(QStringLiteral("\"Your Data\" tab above.")));
    QVERIFY(paragraphs[3].endsWith(QStringLiteral("under the \"Graph\" tab above.")));
    QVERIFY(
        paragraphs[1].contains(QStringLiteral("VELMOR\u00AE Centralized Lubrication System by HALDMARK\u00AE Inc.")));
}

void MainWindowTest::aboutTabLayout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::newRow("logo") << "Picture1" << twips(240, 600, 3975, 3495) << "";
    QTest::newRow("welcome text") << "Label3" << twips(4440, 600, 3855, 3495) << "";
    QTest::newRow("icon") << "Picture2" << twips(165, 4260, 540, 495) << "";
    QTest::newRow("copyright line") << "Label2" << twips(720, 4440, 2055, 255) << "";
    QTest::newRow("More Information") << "Command4" << twips(3360, 4320, 1575, 375) << "More Information";
    QTest::newRow("About") << "Command3" << twips(5040, 4320, 1575, 375) << "About";
    QTest::newRow("Close") << "Command2" << twips(6720, 4320, 1575, 375) << "Close";
    QTest::newRow("chart") << "MSChart1" << twips(120, 480, 8295, 4335) << "";
    QTest::newRow("graph button") << "Command1" << twips(6720, 4320, 1575, 375) << "Series Bar Graph";
    QTest::newRow("data banner") << "Picture3" << twips(240, 600, 3975, 1335) << "";
}

void MainWindowTest::aboutTabLayout()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    Form1 &w = *m_window;
    QWidget *widget = designControl(&w, control);
    QVERIFY(widget);
    QCOMPARE(onTabControl(w, widget), place);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
}

void MainWindowTest::inputRowsLayout_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("captionLabel");
    QTest::addColumn<int>("unitLabel");
    // A second, independent copy of the layout: index, Frame1, row top,
    // Label1 of the caption and of the unit.
    const int rows[12][5] = {{0, 0, 360, 0, 19},  {1, 0, 720, 1, 18},   {2, 0, 1080, 5, 21}, {3, 0, 1440, 17, 20},
                             {4, 0, 1800, 2, 23}, {5, 0, 2160, 11, 22}, {6, 2, 360, 10, 12}, {7, 2, 720, 7, 3},
                             {8, 3, 360, 6, 14},  {9, 3, 720, 9, 13},   {10, 1, 360, 4, 16}, {11, 1, 720, 8, 15}};
    for (const auto &r : rows)
        QTest::addRow("YourData(%d)", r[0]) << r[0] << r[1] << r[2] << r[3] << r[4];
}

void MainWindowTest::inputRowsLayout()
{
    QFETCH(int, index);
    QFETCH(int, frame);
    QFETCH(int, top);
    QFETCH(int, captionLabel);
    QFETCH(int, unitLabel);
    Form1 &w = *m_window;
    const model::InputDefinition &input = model::kInputs[index];
    QGroupBox *box = w.Frame1(frame);
    QCOMPARE(box->title(), QString::fromUtf8(input.group));
    QCOMPARE(w.YourData(index)->parentWidget(), box);
    QCOMPARE(w.YourData(index)->geometry(), twips(2280, top, 735, 285));
    QCOMPARE(w.Label1(captionLabel)->caption(), QString::fromUtf8(input.caption));
    QCOMPARE(w.Label1(captionLabel)->geometry(), twips(120, top, index <= 1 ? 2295 : 2175, 255));
    QCOMPARE(w.Label1(unitLabel)->caption(), QString::fromUtf8(input.unit));
    QCOMPARE(w.Label1(unitLabel)->geometry(), twips(3000, top, 855, 255));
    QCOMPARE(w.YourData(index)->palette().color(QPalette::Text), QColor(Qt::black));
}

void MainWindowTest::resultRowsLayout_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("captionLabel");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("captionWidth"); // twips
    QTest::addColumn<int>("figureLabel");
    // The design's rows, written out again: CurentCost index and caption,
    // caption width, CurentCost index of the figure.
    const struct {
        int frame, row, captionLabel;
        const char *caption;
        int captionWidth, figureLabel;
    } rows[] = {
        {0, 1, 6, "Manual Labor to Lubricate", 2655, 0},
        {0, 2, 7, "Grease used for manual lubrication", 3495, 1},
        {0, 3, 8, "New replacement bearings", 2655, 2},
        {0, 4, 9, "Labor to replace failed bearings", 3375, 3},
        {0, 5, 10, "Lost Production", 2655, 4},
        {0, 6, 11, "Total anual cost of manual lubrication", 3615, 5},
        {1, 1, 16, "Labor to lubricate (90% reduction)", 3375, 22},
        {1, 2, 15, "Grease consumption (50% reduction)", 3495, 21},
        {1, 3, 14, "New replacement bearings (80% reduction)", 4095, 20},
        {1, 4, 13, "Bearing replacement labor (80% reduction)", 4095, 19},
        {1, 5, 23, "Lost Production (80% reduction)", 3135, 18},
        {1, 6, 12, "Total annual cost using Velmor automatic lubrication", 4815, 17},
        {2, 1, 28, "Manual Labor to Lubricate", 2655, 34},
        {2, 2, 27, "Grease used for manual lubrication", 3495, 33},
        {2, 3, 26, "New replacement bearings", 2655, 32},
        {2, 4, 25, "Labor to replace failed bearings", 3375, 31},
        {2, 5, 35, "Lost Production", 2655, 30},
        {2, 6, 24, "Total annual savings over manual lubrication costs", 4695, 29},
    };
    for (const auto &r : rows) {
        QTest::addRow("Frame2(%d) row %d", r.frame, r.row)
            << r.frame << r.row << r.captionLabel << r.caption << r.captionWidth << r.figureLabel;
    }
}

void MainWindowTest::resultRowsLayout()
{
    QFETCH(int, frame);
    QFETCH(int, row);
    QFETCH(int, captionLabel);
    QFETCH(QString, caption);
    QFETCH(int, captionWidth);
    QFETCH(int, figureLabel);
    Form1 &w = *m_window;
    platform::CaptionLabel *captionShown = w.CurentCost(captionLabel);
    platform::CaptionLabel *figure = w.CurentCost(figureLabel);
    QCOMPARE(captionShown->parentWidget(), w.Frame2(frame));
    QCOMPARE(figure->parentWidget(), w.Frame2(frame));
    const int top = 480 + 360 * (row - 1);
    QCOMPARE(captionShown->geometry(), twips(240, top, captionWidth, 255));
    // Every figure's right edge lines up at 7815 twips.
    QCOMPARE(figure->geometry().left() + figure->geometry().width(), 7815 / 15);
    QCOMPARE(figure->geometry().top(), top / 15);
    QCOMPARE(captionShown->caption(), caption);
    QCOMPARE(captionShown->font().bold(), false);
    QCOMPARE(figure->font().bold(), true);
    QCOMPARE(figure->font().pointSizeF(), 9.75);
    QVERIFY(figure->alignment() & Qt::AlignRight);
    QVERIFY(!figure->wordWrap());
    const QColor colour = row <= 5 ? platform::kNavy : QColor(Qt::black);
    QCOMPARE(captionShown->palette().color(QPalette::WindowText), colour);
    QCOMPARE(figure->palette().color(QPalette::WindowText), colour);
}

void MainWindowTest::rulesLayout()
{
    Form1 &w = *m_window;
    for (int f = 0; f < 3; ++f) {
        const int ys[5] = {1800, 1440, 1080, 720, 2160}; // Line2(5f + 0..4)
        for (int k = 0; k < 5; ++k) {
            platform::LineControl *line = w.Line2(5 * f + k);
            QCOMPARE(line->parentWidget(), w.Frame2(f));
            QCOMPARE(line->geometry(), QRect(16, ys[k] / 15, 520 - 16, k == 4 ? 2 : 1));
        }
    }
    QCOMPARE(w.Frame2(0)->title(), QStringLiteral("ANUAL COST OF MANUAL LUBRICATION"));
    QCOMPARE(w.CurentCost(11)->caption(), QStringLiteral("Total anual cost of manual lubrication"));
}

void MainWindowTest::tabKeyWalksYourDataFields()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    w.YourData(6)->setFocus();
    QTRY_VERIFY(w.YourData(6)->hasFocus());
    const int expected[] = {7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5};
    for (int next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY2(w.YourData(next)->hasFocus(), qPrintable(QString::number(next)));
    }
    QCOMPARE(m_beeps, 0);
}

void MainWindowTest::defaultResultsAfterTabChange_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("onto Current Cost") << int(CurrentCostTab);
    QTest::newRow("onto Savings") << int(SavingsTab);
    QTest::newRow("onto Your Data") << int(YourDataTab);
    QTest::newRow("onto Graph") << int(GraphTab);
}

void MainWindowTest::defaultResultsAfterTabChange()
{
    QFETCH(int, tab);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(tab);
    QCOMPARE(w.SSTab1->selectedTab(), tab);
    const QString misfit = defaultFiguresMisfit(&w);
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    // Rows 1 to 5 reach the chart, the totals do not.
    QCOMPARE(w.MSChart1->value(1, 1), 14400.0);
    QCOMPARE(w.MSChart1->value(5, 3), 32000.0);
    QCOMPARE(w.MSChart1->value(2, 2), 2500.0);
}

void MainWindowTest::invalidFieldSendsUserBack_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("first field holds abc") << 0 << "abc";
    QTest::newRow("last field empty") << 11 << "";
    QTest::newRow("blank between digits") << 5 << "2 5";
}

void MainWindowTest::invalidFieldSendsUserBack()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(SavingsTab);
    w.SSTab1->selectTab(AboutTab);
    w.YourData(field)->setText(text);
    for (int tab : {int(GraphTab), int(AboutTab), int(CurrentCostTab)}) {
        w.SSTab1->selectTab(tab);
        QCOMPARE(w.SSTab1->selectedTab(), int(YourDataTab));
        QVERIFY(w.YourData(field)->isVisible());
    }
    const QString misfit = defaultFiguresMisfit(&w);
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    QCOMPARE(w.YourData(field)->text(), text);
    QVERIFY(m_reports.isEmpty());

    // Corrected, the tab that was refused last shows the new figures: the
    // tab control must count "Your Data" as the tab left, not the refused one.
    w.YourData(field)->setText(QString::fromUtf8(model::kInputs[field].defaultText));
    w.YourData(4)->setText(QStringLiteral("2000"));
    w.SSTab1->selectTab(CurrentCostTab);
    QCOMPARE(w.SSTab1->selectedTab(), int(CurrentCostTab));
    QCOMPARE(w.CurentCost(1)->caption(), QStringLiteral("$10,000.00"));
}

void MainWindowTest::arithmeticFaultIsReportedAndProgramGoesOn()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(CurrentCostTab);
    w.SSTab1->selectTab(YourDataTab);
    w.YourData(1)->setText(QStringLiteral("1E200"));
    w.YourData(11)->setText(QStringLiteral("1E200"));
    w.SSTab1->selectTab(CurrentCostTab);

    QCOMPARE(m_reports.size(), 1);
    QVERIFY(m_reports.first().startsWith(QStringLiteral("Overflow")));
    QCOMPARE(w.SSTab1->selectedTab(), int(CurrentCostTab));
    // Row 4 overflowed before any label was written.
    const QString misfit = defaultFiguresMisfit(&w);
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    QCOMPARE(w.YourData(1)->text(), QStringLiteral("1E200"));

    // The user corrects the figures and goes on.
    w.SSTab1->selectTab(YourDataTab);
    w.YourData(1)->setText(QStringLiteral("20"));
    w.YourData(11)->setText(QStringLiteral("4"));
    w.SSTab1->selectTab(CurrentCostTab);
    QCOMPARE(m_reports.size(), 2); // the change back to "Your Data" also refreshed
    QCOMPARE(w.CurentCost(2)->caption(), QStringLiteral("$4,000.00"));
}

void MainWindowTest::fieldCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("emptied") << "" << false;
    QTest::newRow("overflowing figure") << "1E400" << false;
    QTest::newRow("plain number") << "12" << true;
    QTest::newRow("regional thousands") << "1,000" << true;
    QTest::newRow("misplaced thousands separator") << "1,00,0" << false;
    QTest::newRow("blanks around") << " 25 " << true;
}

void MainWindowTest::fieldCheck()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    QLineEdit *field = w.YourData(7);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Tab);

    if (valid) {
        QTRY_VERIFY(w.YourData(8)->hasFocus());
        QTest::qWait(20);
        QVERIFY(w.YourData(8)->hasFocus());
        QCOMPARE(m_beeps, 0);
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::black));
    } else {
        QTRY_VERIFY(field->hasFocus());
        QTest::qWait(20);
        QVERIFY(field->hasFocus());
        QCOMPARE(m_beeps, 1);
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::red));
        // Corrected, the field turns black again and lets the focus go.
        field->setText(QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Tab);
        QTRY_VERIFY(w.YourData(8)->hasFocus());
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(m_beeps, 1);
    }
}

// However text comes into a field, what cannot be seen does not stay: the
// field never turns red while it looks right.
enum class Entry { SetText, Insert, Paste, InputMethod };

// clang-format off
void MainWindowTest::invisibleCharactersAreDropped_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("valid");

    QTest::newRow("set: spreadsheet cell") << Entry::SetText << "" << "12\r\n" << "12" << true;
    QTest::newRow("set: NUL between digits")
        << Entry::SetText << "" << QString(QStringLiteral("1")) + QChar(u'\0') + u'2' << "12" << true;
    QTest::newRow("inserted at the end") << Entry::Insert << "10" << "00\r\n" << "1000" << true;
    QTest::newRow("inserted line break keeps figures apart")
        << Entry::Insert << "12" << "\n3" << "12 3" << false;
    QTest::newRow("pasted over the whole text") << Entry::Paste << "10" << "\t2000\r\n" << "2000" << true;
    QTest::newRow("typed through an input method")
        << Entry::InputMethod << "1" << QStringLiteral("5\u007F\u0085") << "15" << true;
}
// clang-format on

void MainWindowTest::invisibleCharactersAreDropped()
{
    QFETCH(Entry, entry);
    QFETCH(QString, before);
    QFETCH(QString, entered);
    QFETCH(QString, after);
    QFETCH(bool, valid);
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    QLineEdit *field = w.YourData(7);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText(before);

    switch (entry) {
    case Entry::SetText:
        field->setText(entered);
        break;
    case Entry::Insert:
        field->insert(entered);
        break;
    case Entry::Paste:
        QGuiApplication::clipboard()->setText(entered);
        field->selectAll();
        field->paste();
        break;
    case Entry::InputMethod: {
        QInputMethodEvent event;
        event.setCommitString(entered);
        QCoreApplication::sendEvent(field, &event);
        break;
    }
    }
    QCOMPARE(field->text(), after);
    QCOMPARE(field->cursorPosition(), after.size());

    QTest::keyClick(field, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(field->palette().color(QPalette::Text), QColor(valid ? Qt::black : Qt::red));
}

// Undo goes on working around a paste that lost invisible characters, and
// never brings them back.
void MainWindowTest::undoAfterDroppedCharacters()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    QLineEdit *field = w.YourData(7);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());

    QTest::keyClicks(field, QStringLiteral("5"));
    QCOMPARE(field->text(), QStringLiteral("2005"));
    field->undo();
    QCOMPARE(field->text(), QStringLiteral("200"));

    field->insert(QStringLiteral("0\r\n"));
    QCOMPARE(field->text(), QStringLiteral("2000"));
    field->undo();
    QVERIFY2(field->text() == QStringLiteral("200") || field->text() == QStringLiteral("2000"),
             qPrintable(field->text()));

    field->setText(QStringLiteral("2000"));
    field->insert(QStringLiteral("\u0001"));
    QTest::keyClicks(field, QStringLiteral("5"));
    QCOMPARE(field->text(), QStringLiteral("20005"));
    field->undo();
    QCOMPARE(field->text(), QStringLiteral("2000"));
    field->redo();
    QCOMPARE(field->text(), QStringLiteral("20005"));
}

void MainWindowTest::twoInvalidFieldsDoNotBounce()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    w.YourData(8)->setText(QString());
    QLineEdit *first = w.YourData(7);
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    first->setText(QStringLiteral("abc"));
    QTest::keyClick(first, Qt::Key_Tab); // into the empty field 8
    QTest::qWait(50);
    QVERIFY(first->hasFocus());
    QCOMPARE(m_beeps, 1);
    QCOMPARE(w.YourData(8)->palette().color(QPalette::Text), QColor(Qt::black));
}

void MainWindowTest::tabHeadingClickWhileFieldIsRed()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    QLineEdit *field = w.YourData(2);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->setText(QStringLiteral("abc"));
    QTabBar *bar = w.SSTab1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(SavingsTab).center());
    QTest::qWait(50);
    QCOMPARE(w.SSTab1->selectedTab(), int(YourDataTab));
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(m_beeps, 1);
    QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(w.CurentCost(0)->caption(), QStringLiteral("$14,400.00"));
}

// On X11 a line edit claims Ctrl+E (end of line); the menus give it to
// "Export Report as PDF". Run under xcb (make test-x11) to see the difference.
void MainWindowTest::commandKeysReachTheWindowFromAField()
{
    QLineEdit *field = m_window->YourData(4);
    for (const QAction *command : m_window->actions()) {
        for (const QKeySequence &keys : command->shortcuts()) {
            QKeyEvent key(QEvent::ShortcutOverride, keys[0].key(), keys[0].keyboardModifiers());
            QApplication::sendEvent(field, &key);
            QVERIFY2(!key.isAccepted(), qPrintable(keys.toString()));
        }
    }
    QKeyEvent undo(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier); // the field's own
    QApplication::sendEvent(field, &undo);
    QVERIFY(undo.isAccepted());
}

void MainWindowTest::chartReceivesRowsOneToFiveInOrder()
{
    Form1 &w = *m_window;
    QSignalSpy sent(w.MSChart1, &ChartControl::dataSent);
    QSignalSpy refreshed(w.MSChart1, &ChartControl::refreshed);
    w.SSTab1->selectTab(GraphTab);
    const char *texts[3][5] = {{"14400", "5000", "2000", "1200", "40000"},
                               {"1440", "2500", "400", "240", "8000"},
                               {"12960", "2500", "1600", "960", "32000"}};
    QCOMPARE(sent.size(), 15);
    int k = 0;
    for (int c = 1; c <= 3; ++c) {
        for (int r = 1; r <= 5; ++r, ++k) {
            const QList<QVariant> call = sent.at(k);
            QCOMPARE(call.at(0).toInt(), r);
            QCOMPARE(call.at(1).toInt(), c);
            QCOMPARE(call.at(2).toString(), QString::fromLatin1(texts[c - 1][r - 1]));
        }
    }
    QCOMPARE(refreshed.size(), 0); // the fill leaves drawing to the chart
    QCOMPARE(w.MSChart1->chartType(), int(ChartControl::Bar2d));
    QCOMPARE(w.MSChart1->stacking(), true);
    QCOMPARE(w.Command1->text(), QStringLiteral("Series Bar Graph"));
}

void MainWindowTest::negativeFigureIsChartedNegative()
{
    Form1 &w = *m_window;
    w.YourData(9)->setText(QStringLiteral("-30")); // replacement labour rate
    QSignalSpy sent(w.MSChart1, &ChartControl::dataSent);
    w.SSTab1->selectTab(GraphTab);
    QCOMPARE(sent.at(3).at(2).toString(), QStringLiteral("-1200"));
    QCOMPARE(sent.at(13).at(2).toString(), QStringLiteral("-960"));
    QCOMPARE(w.MSChart1->value(4, 3), -960.0);
    QCOMPARE(w.CurentCost(31)->caption(), QStringLiteral("-$960.00"));
}

namespace {

// Translates every text by marking it, as any catalogue changes the captions
// the graph button compares.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
};

} // namespace

void MainWindowTest::graphButtonWalksTheCycle_data()
{
    QTest::addColumn<bool>("translated");
    QTest::newRow("English") << false;
    QTest::newRow("in another language") << true;
}

void MainWindowTest::graphButtonWalksTheCycle()
{
    QFETCH(bool, translated);
    MarkingTranslator marking;
    if (translated) {
        QCoreApplication::installTranslator(&marking);
        m_window = std::make_unique<Form1>();
        QVERIFY(showActive(m_window.get()));
    }
    const auto cleanup = qScopeGuard([&] { QCoreApplication::removeTranslator(&marking); });
    Form1 &w = *m_window;
    w.SSTab1->selectTab(GraphTab);
    struct Step {
        const char *caption;
        ChartControl::Type type;
        bool stacking;
    };
    const Step after[7] = {
        {"Pie Chart", ChartControl::Bar2d, false},         {"Line Graph", ChartControl::Pie2d, false},
        {"Area Graph", ChartControl::Line2d, true},        {"Step Graph", ChartControl::Area2d, true},
        {"Stacked Bar Graph", ChartControl::Step2d, true}, {"Series Bar Graph", ChartControl::Bar2d, true},
        {"Pie Chart", ChartControl::Bar2d, false}};
    const double before = w.MSChart1->value(1, 1);
    for (const Step &step : after) {
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        const QString caption = QString::fromLatin1(step.caption);
        QCOMPARE(w.Command1->text(), translated ? u'<' + caption + u'>' : caption);
        QCOMPARE(w.MSChart1->chartType(), int(step.type));
        QCOMPARE(w.MSChart1->stacking(), step.stacking);
    }
    QCOMPARE(w.MSChart1->value(1, 1), before);
}

void MainWindowTest::refreshKeepsGraphType()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(GraphTab);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(w.Command1, Qt::LeftButton);
    w.SSTab1->selectTab(YourDataTab);
    w.YourData(4)->setText(QStringLiteral("2000"));
    w.SSTab1->selectTab(GraphTab);
    QCOMPARE(w.MSChart1->value(2, 1), 10000.0);
    QCOMPARE(w.Command1->text(), QStringLiteral("Area Graph"));
    QCOMPARE(w.MSChart1->chartType(), int(ChartControl::Line2d));
    QCOMPARE(w.MSChart1->stacking(), true);
}

void MainWindowTest::unknownCaptionChangesNothingButRefreshes()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(GraphTab);
    w.Command1->setText(QStringLiteral("series bar graph")); // compared case-sensitively
    QSignalSpy refreshed(w.MSChart1, &ChartControl::refreshed);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QCOMPARE(w.Command1->text(), QStringLiteral("series bar graph"));
    QCOMPARE(w.MSChart1->chartType(), int(ChartControl::Bar2d));
    QCOMPARE(w.MSChart1->stacking(), true);
    QCOMPARE(refreshed.size(), 1);
}

void MainWindowTest::graphButtonStaysInFrontOfChart()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(GraphTab);
    QApplication::processEvents();
    QVERIFY(w.Command1->isVisible());
    QVERIFY(w.MSChart1->geometry().contains(w.Command1->geometry())); // lies over its corner
    const QPoint centre = w.Command1->mapTo(&w, w.Command1->rect().center());
    QCOMPARE(w.childAt(centre), static_cast<QWidget *>(w.Command1));
}

void MainWindowTest::moreInformationOpensProductPageEachTime()
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "open");
    QTest::mouseClick(m_window->Command4, Qt::LeftButton);
    QTest::mouseClick(m_window->Command4, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(recorder.opened.size(), 2);
    const QUrl page = recorder.opened.first();
    QCOMPARE(page.scheme(), QStringLiteral("http"));
    QVERIFY(page.host().contains(QStringLiteral("haldmark")));
    QCOMPARE(page.path(), QStringLiteral("/info.html"));
    QCOMPARE(recorder.opened.last(), page);
    QVERIFY(m_window->isVisible());
}

void MainWindowTest::aboutWindowIsCreatedOnceAndShownModally()
{
    Form1 &w = *m_window;
    QVERIFY(!w.aboutWindow());
    QList<QWidget *> modals;
    for (int round = 0; round < 2; ++round) {
        // The click returns when the window is hidden.
        QVERIFY(whileModal([&] { QTest::mouseClick(w.Command3, Qt::LeftButton); },
                           [&](QWidget &modal) {
            modals << &modal;
            if (auto *about = qobject_cast<Form2 *>(&modal))
                about->Command1->click();
        }));
    }
    QCOMPARE(modals.size(), 2);
    QVERIFY(w.aboutWindow());
    QCOMPARE(modals[0], static_cast<QWidget *>(w.aboutWindow()));
    QCOMPARE(modals[1], modals[0]);
    QVERIFY(!w.aboutWindow()->isVisible());
}

void MainWindowTest::closeButtonEndsTheEventLoop()
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QTimer::singleShot(0, this, [this] { QTest::mouseClick(m_window->Command2, Qt::LeftButton); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QString MainWindowTest::defaultFiguresFile(const QString &name)
{
    model::FacilityFigures figures;
    for (int i = 0; i < 12; ++i)
        figures.figures[std::size_t(i)] = QString::fromUtf8(model::kInputs[std::size_t(i)].defaultText);
    figures.locale = QStringLiteral("en_US");
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    return model::saveFacilityFile(path, figures) ? path : QString();
}

void MainWindowTest::typeIntoLubricant(const QString &text)
{
    QLineEdit *field = m_window->YourData(4);
    m_window->SSTab1->selectTab(YourDataTab);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, text);
}

void MainWindowTest::titleNamesTheFileAndItsChanges_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("title"); // as the title bar shows it
    QTest::addColumn<bool>("modified");
    const QString designed = QStringLiteral("Velmor Automatic Lubrication Systems");
    const QString plant = "plant.velmor \u2014 " + designed;
    const QString plantChanged = "plant.velmor* \u2014 " + designed;
    QTest::newRow("never opened or saved") << QStringList{} << designed << false;
    QTest::newRow("edited without a file: the designed title") << QStringList{"type", "details"} << designed << false;
    QTest::newRow("opened") << QStringList{"open"} << plant << false;
    QTest::newRow("opened, a figure typed") << QStringList{"open", "type"} << plantChanged << true;
    QTest::newRow("opened, the report details changed") << QStringList{"open", "details"} << plantChanged << true;
    QTest::newRow("typed, then saved") << QStringList{"open", "type", "save"} << plant << false;
    QTest::newRow("saved under a new name")
        << QStringList{"type", "saveAs"} << "other.velmor \u2014 " + designed << false;
    QTest::newRow("a name holding the marker's placeholder")
        << QStringList{"openOdd", "type"} << "a[*]b.velmor* \u2014 " + designed << true;
}

void MainWindowTest::titleNamesTheFileAndItsChanges()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, title);
    QFETCH(bool, modified);
    FigureCommands *commands = m_window->figureCommands();
    for (const QString &step : std::as_const(steps)) {
        if (step == QLatin1StringView("open"))
            QVERIFY(commands->openFigures(defaultFiguresFile(QStringLiteral("plant.velmor"))));
        else if (step == QLatin1StringView("openOdd") && !system_test::fileNamesMayHoldWildcards())
            QSKIP("This system's file names cannot hold a \"*\".");
        else if (step == QLatin1StringView("openOdd"))
            QVERIFY(commands->openFigures(defaultFiguresFile(QStringLiteral("a[*]b.velmor"))));
        else if (step == QLatin1StringView("type"))
            typeIntoLubricant(QStringLiteral("5"));
        else if (step == QLatin1StringView("details"))
            m_window->document()->setReportDetails({"Riverside Mill", "", ""});
        else if (step == QLatin1StringView("save"))
            QVERIFY(commands->saveFigures(m_window->document()->filePath()));
        else if (step == QLatin1StringView("saveAs"))
            QVERIFY(commands->saveFigures(m_dir.filePath(QStringLiteral("other.velmor"))));
    }
    QCOMPARE(m_window->windowHandle()->title(), title);
    QCOMPARE(m_window->isWindowModified(), modified);
}

void MainWindowTest::closingAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<bool>("titleBar");  // the title bar's close box, else the Close button
    QTest::addColumn<QString>("before"); // "": no file; "open": opened; "edit": opened and edited
    QTest::addColumn<int>("answer");     // a QMessageBox::StandardButton, or 0 when not asked
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("saved"); // the edited figure in the file afterwards
    for (const bool titleBar : {false, true}) {
        const char *how = titleBar ? "title bar" : "Close";
        QTest::addRow("%s, never opened or saved: ends at once", how) << titleBar << "" << 0 << true << "";
        QTest::addRow("%s, opened, unchanged: ends at once", how) << titleBar << "open" << 0 << true << "1000";
        QTest::addRow("%s, changed, Save: saved, ends", how)
            << titleBar << "edit" << int(QMessageBox::Save) << true << "10005";
        QTest::addRow("%s, changed, Discard: ends, the file as it was", how)
            << titleBar << "edit" << int(QMessageBox::Discard) << true << "1000";
        QTest::addRow("%s, changed, Cancel: stays open", how)
            << titleBar << "edit" << int(QMessageBox::Cancel) << false << "1000";
    }
    // The file's folder is gone: the save fails, is told, and nothing is lost.
    QTest::newRow("Close, changed, Save fails: stays open")
        << false << "edit, folder gone" << int(QMessageBox::Save) << false << "";
}

void MainWindowTest::closingAsksAboutUnsavedChanges()
{
    QFETCH(bool, titleBar);
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(bool, ends);
    QFETCH(QString, saved);
    const QString path = defaultFiguresFile(QStringLiteral("closing/plant.velmor"));
    if (!before.isEmpty())
        QVERIFY(m_window->figureCommands()->openFigures(path));
    if (before.isEmpty() || before.startsWith(QLatin1StringView("edit")))
        typeIntoLubricant(QStringLiteral("5"));
    if (before.endsWith(QLatin1StringView("folder gone")))
        QVERIFY(QDir(QFileInfo(path).path()).removeRecursively());
    m_window->SSTab1->selectTab(AboutTab);

    // Ending is the event loop's end; a window left open lets the watchdog end it.
    constexpr int kStillOpen = 99;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] { QCoreApplication::exit(kStillOpen); });
    watchdog.start(300);
    QString question;
    bool asked = false;
    QTimer::singleShot(0, this, [&] {
        asked = whileModal(
            [&] {
            if (titleBar) {
                QCloseEvent close;
                QApplication::sendEvent(m_window->windowHandle(), &close);
            } else {
                QTest::mouseClick(m_window->Command2, Qt::LeftButton);
            }
            },
            [&](QWidget &modal) {
            if (auto *box = qobject_cast<QMessageBox *>(&modal)) {
                question = box->text();
                box->button(QMessageBox::StandardButton(answer))->click();
            }
        });
    });
    const int status = QCoreApplication::exec();

    QCOMPARE(asked, answer != 0);
    if (asked)
        QVERIFY2(question.contains(QStringLiteral("plant.velmor")), qPrintable(question));
    QCOMPARE(status, ends ? 0 : kStillOpen);
    QCOMPARE(m_window->isVisible(), !ends || !titleBar);
    if (!ends) {
        QCOMPARE(m_window->YourData(4)->text(), QStringLiteral("10005"));
        QVERIFY(m_window->isWindowModified());
    }
    QCOMPARE(m_reports.size(), saved.isEmpty() && !before.isEmpty() ? 1 : 0);
    if (!saved.isEmpty())
        QCOMPARE(model::openFacilityFile(path).figures.value().figures[4], saved);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
