// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The window's figure commands: facility files saved and opened across
// regional settings, the report and the clipboard from the window's figures,
// each answering bad figures as a tab change does; maintenance records
// applied, kept or cancelled.

#include "language/language.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "model/text/money_text.h"
#include "platform/tab_control.h"
#include "system_test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <memory>

using namespace main_window;

namespace {

constexpr int kLubricant = 4; // "Lubricant quantity"

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// Each page's text, as pdftotext parts them.
QStringList pdfPageTexts(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(20000);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    for (QString &page : pages)
        page = page.simplified();
    pages.removeAll(QString());
    return pages;
}

bool isRed(const QLineEdit *field) { return field->palette().color(QPalette::Text) == QColor(Qt::red); }

// Runs the command; the title of the modal window it opened, which is
// closed at once, or "" when it opened none.
QString modalOpenedBy(const std::function<void()> &command)
{
    QString title;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle().isEmpty() ? QString::fromLatin1(modal->metaObject()->className())
                                                   : modal->windowTitle();
            modal->hide();
        }
    });
    command();
    return title;
}

} // namespace

class FigureCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void recentFilesListTheFilesKept();
    void printWithoutAPrinterOffersThePdf();
    void fileDialogsLeaveQtsStateAsFound();

    void menuHoldsTheCommands();
    void figuresTravelAcrossRegionalSettings_data();
    void figuresTravelAcrossRegionalSettings();
    void badFileChangesNothing();
    void droppedFileOpens();
    void reportAndClipboardShowTheWindowsFigures();
    void reportEndsWithTheRiskPage_data();
    void reportEndsWithTheRiskPage();
    void reportStatesTheInvestment_data();
    void reportStatesTheInvestment();
    void capitalInputsReachEveryOutput_data();
    void capitalInputsReachEveryOutput();
    void badFiguresAnsweredAsByATabChange_data();
    void badFiguresAnsweredAsByATabChange();
    void commandsCheckFiguresBeforeAnyDialog_data();
    void commandsCheckFiguresBeforeAnyDialog();
    void printerHasTheExportedPage_data();
    void printerHasTheExportedPage();
    void openingOverUnsavedChangesAsks_data();
    void openingOverUnsavedChangesAsks();
    void assumptionsShowOnTheVelmorTab_data();
    void assumptionsShowOnTheVelmorTab();
    void assumptionsDialogReadsRegionalPercentages();
    void assumptionsAndInvestmentTravelInTheFile();
    void currencyAndUnitsFollowEverywhere();
    void currencyDialogRefusesBadSymbols();
    void unitCaptionsFit_data();
    void unitCaptionsFit();
    void maintenanceRecords_data();
    void maintenanceRecords();
    void recordsCounting_data();
    void recordsCounting();

private:
    std::unique_ptr<Form1> newWindow(const QLocale &locale);

    int m_beeps = 0;
    QStringList m_reports;
    QTemporaryDir m_dir;
    std::unique_ptr<Form1> m_window;
};

void FigureCommandsTest::initTestCase()
{
    useTestDesktop(m_beeps, m_reports);
    QVERIFY(m_dir.isValid());
    // The plural forms ("3 years") come from the English catalogue, as the program's.
    QVERIFY(language::installLanguage(QStringLiteral("en")));
}

void FigureCommandsTest::cleanup()
{
    m_window.reset();
    m_reports.clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

std::unique_ptr<Form1> FigureCommandsTest::newWindow(const QLocale &locale)
{
    QLocale::setDefault(locale);
    auto window = std::make_unique<Form1>();
    window->show();
    return window;
}

// Qt keeps every Qt program's file dialog state under one name; the
// program's dialogs leave it as they found it.
void FigureCommandsTest::fileDialogsLeaveQtsStateAsFound()
{
    QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
    shared.remove(QStringLiteral("FileDialog"));
    shared.setValue(QStringLiteral("FileDialog/lastVisited"), QStringLiteral("file:///another/program"));
    shared.sync();
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QAction *saveAs = m_window->figureCommands()->actions().at(3);
    QCOMPARE(saveAs->text(), QStringLiteral("Save Figures As\u2026"));
    QVERIFY(whileModal([&] { saveAs->trigger(); }, [](QWidget &dialog) { static_cast<QDialog &>(dialog).reject(); }));
    shared.sync();
    shared.beginGroup(QStringLiteral("FileDialog"));
    QCOMPARE(shared.allKeys(), QStringList{QStringLiteral("lastVisited")});
    QCOMPARE(shared.value(QStringLiteral("lastVisited")).toString(), QStringLiteral("file:///another/program"));
}

void FigureCommandsTest::menuHoldsTheCommands()
{
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QToolButton *menu = m_window->menuButton();
    QCOMPARE(menu->accessibleName(), QStringLiteral("Menu"));
    // In the free space of the tab row, right of the last heading.
    QTabBar *headings = m_window->SSTab1->tabBar();
    const QRect lastHeading(headings->mapTo(m_window.get(), headings->tabRect(headings->count() - 1).topLeft()),
                            headings->tabRect(headings->count() - 1).size());
    QVERIFY(menu->geometry().left() > lastHeading.right());
    QVERIFY(m_window->SSTab1->geometry().contains(menu->geometry()));
    QVERIFY(menu->geometry().bottom() <= lastHeading.bottom());

    QStringList shown;
    for (const QAction *action : menu->menu()->actions())
        if (!action->isSeparator())
            shown << action->text() + u' ' + action->shortcut().toString();
    QCOMPARE(shown.mid(0, 13),
             QStringList({"Open Figures\u2026 Ctrl+O", "Open Recent ", "Save Figures Ctrl+S",
                          "Save Figures As\u2026 Ctrl+Shift+S", "Report Details\u2026 ", "Assumptions\u2026 ",
                          "Currency and Units\u2026 ", "Open Maintenance Records\u2026 ", "Business Case\u2026 ",
                          "Export Report as PDF\u2026 Ctrl+E", "Export Workbook\u2026 ", "Print Report\u2026 Ctrl+P",
                          "Copy Results Ctrl+Shift+C"}));
}

// clang-format off
void FigureCommandsTest::figuresTravelAcrossRegionalSettings_data()
{
    QTest::addColumn<QString>("savedIn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("openedIn");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("red");
    QTest::newRow("same settings: exactly as typed") << "de_DE" << "2.000" << "de_DE" << "2.000" << false;
    QTest::newRow("German thousands in the US") << "de_DE" << "2.000" << "en_US" << "2000" << false;
    QTest::newRow("US decimals in Germany") << "en_US" << "2.5" << "de_DE" << "2,5" << false;
    QTest::newRow("no number stays as it was, red") << "en_US" << "abc" << "de_DE" << "abc" << true;
    // "1,5" was no number where it was typed; in Germany it would read as
    // 1.5, so it stays red and counts as no number until it is edited.
    QTest::newRow("no number that would read as one elsewhere") << "en_US" << "1,5" << "de_DE" << "1,5" << true;
}
// clang-format on

void FigureCommandsTest::figuresTravelAcrossRegionalSettings()
{
    QFETCH(QString, savedIn);
    QFETCH(QString, typed);
    QFETCH(QString, openedIn);
    QFETCH(QString, shown);
    QFETCH(bool, red);
    const QString path = m_dir.filePath(QStringLiteral("plant.velmor"));

    m_window = newWindow(QLocale(savedIn));
    m_window->YourData(kLubricant)->setText(typed);
    m_window->document()->setReportDetails({"Riverside Mill", "Line 3", "J. Example"});
    m_window->document()->setInvestment(investmentOf("20000"));
    QVERIFY(m_window->figureCommands()->saveFigures(path));
    QCOMPARE(m_window->document()->filePath(), path);

    m_window = newWindow(QLocale(openedIn));
    QVERIFY(m_window->figureCommands()->openFigures(path));
    QCOMPARE(m_window->YourData(kLubricant)->text(), shown);
    QCOMPARE(isRed(m_window->YourData(kLubricant)), red);
    QCOMPARE(m_window->YourData(0)->text(), QStringLiteral("1000"));
    QCOMPARE(m_window->document()->reportDetails().customer, QStringLiteral("Riverside Mill"));
    QCOMPARE(m_window->SSTab1->selectedTab(), int(YourDataTab));
    // Colour and figures agree: a red figure keeps the results out of reach.
    m_window->SSTab1->selectTab(CurrentCostTab);
    QCOMPARE(m_window->SSTab1->selectedTab(), red ? int(YourDataTab) : int(CurrentCostTab));
    if (red) { // until the user makes it a figure
        QTest::keyClicks(m_window->YourData(kLubricant), QStringLiteral("0"));
        m_window->SSTab1->selectTab(CurrentCostTab);
        QCOMPARE(m_window->SSTab1->selectedTab(),
                 typed == QLatin1StringView("1,5") ? int(CurrentCostTab) : int(YourDataTab));
    }
    QVERIFY(m_reports.isEmpty());
}

void FigureCommandsTest::badFileChangesNothing()
{
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    m_window->YourData(kLubricant)->setText(QStringLiteral("1234"));
    const QString path = m_dir.filePath(QStringLiteral("notes.velmor"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("shopping list");
    file.close();
    QVERIFY(!m_window->figureCommands()->openFigures(path));
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.first().contains(QStringLiteral("notes.velmor")), qPrintable(m_reports.first()));
    QCOMPARE(m_window->YourData(kLubricant)->text(), QStringLiteral("1234"));
    QVERIFY(m_window->document()->filePath().isEmpty());
}

void FigureCommandsTest::droppedFileOpens()
{
    const QString path = m_dir.filePath(QStringLiteral("dropped.velmor"));
    document::FacilityDocument saved(QLocale(QLocale::English, QLocale::UnitedStates));
    saved.setFigureText(kLubricant, QStringLiteral("777"));
    QVERIFY(saved.save(path));
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));

    // Dropped onto a field, the file opens; its name is not typed in.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path);
    QLineEdit *field = m_window->YourData(0);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    QTRY_COMPARE(m_window->YourData(kLubricant)->text(), QStringLiteral("777"));
    QCOMPARE(field->text(), QStringLiteral("1000"));
}

void FigureCommandsTest::reportAndClipboardShowTheWindowsFigures()
{
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    FigureCommands *commands = m_window->figureCommands();
    m_window->document()->setReportDetails({"Riverside Mill", "Line 3", "J. Example"});
    m_window->document()->setInvestment(investmentOf("20,000"));

    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(commands->exportReport(pdf));
    const QString text = pdfText(pdf);
    for (const char *phrase :
         {"Lubrication Cost Savings Report", "Riverside Mill", "Lubricant quantity 1000 lbs/year",
          "Total anual cost of manual lubrication $62,600.00", "$12,580.00", "$50,020.00", "Payback period: 4.8 months",
          "Net cash flow over 3 years: $130,060.00", "Net cash flow over 5 years: $230,100.00", "by 90%"})
        QVERIFY2(text.contains(QLatin1StringView(phrase)), phrase);

    // Printing paints the same page.
    const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPdfWriter printer(printed);
        printer.setResolution(96);
        QVERIFY(commands->printReport(printer));
    }
    QVERIFY(pdfText(printed).contains(QStringLiteral("Net cash flow over 5 years: $230,100.00")));

    // The workbook of the same figures (its cells are checked in workbook_test).
    const QString xlsx = m_dir.filePath(QStringLiteral("figures.xlsx"));
    QVERIFY(commands->exportWorkbook(xlsx));
    QFile book(xlsx);
    QVERIFY(book.open(QIODevice::ReadOnly));
    QCOMPARE(book.read(4), QByteArray("PK\x03\x04"));

    QVERIFY(commands->copyResults());
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    const QStringList lines = copied->text().split(u'\n', Qt::SkipEmptyParts);
    // The costs, the business case's 11 measures, the cash flows of years 0
    // to 5 and the risk simulation's three percentiles and chance.
    QCOMPARE(lines.size(), 7 + 1 + 11 + 1 + 6 + 1 + 4);
    QCOMPARE(lines.at(25), QStringLiteral("5\t50020.00\t0.00\t50020.00\t31058.48\t230100.00\t169615.15"));
    QVERIFY2(lines.back().startsWith(QStringLiteral("Chance that the NPV is below zero\t")), qPrintable(lines.back()));
    QCOMPARE(lines.first(), QStringLiteral("Cost\tCurrent Cost\tVelmor Cost\tSavings"));
    QCOMPARE(lines.at(6), QStringLiteral("Total\t62600.00\t12580.00\t50020.00"));
    QCOMPARE(lines.at(9), QStringLiteral("Simple payback (months)\t4.8"));
    QVERIFY(copied->html().contains(QStringLiteral("<td>Lost Production</td><td sdval=\"40000\"")));
    QVERIFY(copied->html().contains(QStringLiteral(">$40,000.00</td>")));
    QVERIFY(m_reports.isEmpty());
}

void FigureCommandsTest::reportEndsWithTheRiskPage_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("pages");
    QTest::newRow("the savings alone") << "" << 2;
    QTest::newRow("with an investment") << "20,000" << 4;
}

// The last page states the simulation's P50, of the NPV with an investment,
// and the chance of a negative NPV only then.
void FigureCommandsTest::reportEndsWithTheRiskPage()
{
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    QFETCH(QString, price);
    QFETCH(int, pages);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    m_window->document()->setInvestment(investmentOf(price));
    const QString pdf = m_dir.filePath(QStringLiteral("risk.pdf"));
    QVERIFY(m_window->figureCommands()->exportReport(pdf));
    const QStringList texts = pdfPageTexts(pdf);
    QCOMPARE(texts.size(), pages);
    const model::RiskSummary &summary = *m_window->document()->riskSummary();
    const double p50 = summary.npv ? summary.npv->p50 : summary.savings.p50;
    const QString &last = texts.back();
    QVERIFY2(last.contains(QStringLiteral("Risk")) && last.contains(QStringLiteral("Ranges the runs are drawn from")),
             qPrintable(last));
    QVERIFY2(last.contains(model::currencyText(p50, QLocale())), qPrintable(last));
    QCOMPARE(last.contains(QStringLiteral("Chance that the NPV is below zero: ")), summary.npv.has_value());
}

// Nothing invested pays nothing back; costs without a price are named, with
// what is missing, not dropped.
void FigureCommandsTest::reportStatesTheInvestment_data()
{
    QTest::addColumn<QStringList>("investment"); // price, installation, upkeep[, years]
    QTest::addColumn<QStringList>("phrases");
    QTest::addColumn<QString>("absent");
    QTest::newRow("nothing invested") << QStringList{"0", "", ""}
                                      << QStringList{"No payback: nothing is invested.",
                                                     "Simple payback: none, nothing is invested"}
                                      << "Payback period";
    QTest::newRow("a tenth of a cent") << QStringList{"0.001", "", ""}
                                       << QStringList{"Initial investment (price and installation): $0.00",
                                                      "Discounted payback: none, nothing is invested"}
                                       << "0.0 months";
    QTest::newRow("installation without a price")
        << QStringList{"", "5,000", "200"}
        << QStringList{"Installation cost: $5,000.00", "Annual upkeep: $200.00", "An installed system price is needed"}
        << "Business Case";
    // Beyond ten years the cash flow goes on the third page, whose title says so.
    QTest::newRow("ten years") << QStringList{"20000", "", "", "10"}
                               << QStringList{"Sensitivity of the Net Present Value"} << "Cash Flow and Sensitivity";
    QTest::newRow("twenty years") << QStringList{"20000", "", "", "20"}
                                  << QStringList{"Cash Flow and Sensitivity of the Net Present Value",
                                                 "Net cash flow over 20 years"}
                                  << "haldmark.com Sensitivity of the Net Present Value";
}

void FigureCommandsTest::reportStatesTheInvestment()
{
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    QFETCH(QStringList, investment);
    QFETCH(QStringList, phrases);
    QFETCH(QString, absent);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    FigureCommands *commands = m_window->figureCommands();
    m_window->document()->setInvestment({investment[0], investment[1], investment[2], investment.value(3), QString()});
    const QString pdf = m_dir.filePath(QStringLiteral("investment.pdf"));
    QVERIFY(commands->exportReport(pdf));
    const QString text = pdfText(pdf);
    for (const QString &phrase : std::as_const(phrases))
        QVERIFY2(text.contains(phrase), qPrintable(phrase));
    QVERIFY2(!text.contains(absent), qPrintable(absent));
}

// 50,020 saved a year, a 40 % tax, 5 years' straight line: 20,000 nets 31,612
// a year, 7.6 months and an NPV of 99,834.35 on page 1, page 2 and the
// clipboard; the workbook is written too.
void FigureCommandsTest::capitalInputsReachEveryOutput_data()
{
    QTest::addColumn<QStringList>("investment"); // price, years
    QTest::addColumn<QString>("taxRate");
    QTest::addColumn<QStringList>("report");
    QTest::addColumn<QStringList>("copied");
    QTest::newRow("pre-tax, as ever") << QStringList{"20000", ""} << ""
                                      << QStringList{"Payback period: 4.8 months", "Net cash flow over 5 years",
                                                     "Net present value at 10%: $169,615.15"}
                                      << QStringList{"\t4.8\n", "\t169615.15\n"};
    QTest::newRow("40% tax, straight line")
        << QStringList{"20000", ""} << "40"
        << QStringList{"Payback period: 7.6 months", "Simple payback: 7.6 months", "Net cash flow over 5 year",
                       "Net present value at 10%: $99,834.35"}
        << QStringList{"\t7.6\n", "\t99834.35\n"};
    // 200,000 nets 46,012 a year and is credited 0.4 × 80,000 for the book
    // value left: −29,964 after 3 years, paid 12.0 months later at the 30,012
    // a year it nets once written off.
    QTest::newRow("not within the period")
        << QStringList{"200000", "3"} << "40"
        << QStringList{"Payback period: 48.0 months after tax, not within the 3 year", "Net cash flow over 3 year",
                       ": -$29,964.00"}
        << QStringList{"\tnot within 3 years\n"};
}

void FigureCommandsTest::capitalInputsReachEveryOutput()
{
    QFETCH(QStringList, investment);
    QFETCH(QString, taxRate);
    QFETCH(QStringList, report);
    QFETCH(QStringList, copied);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    FigureCommands *commands = m_window->figureCommands();
    m_window->document()->setInvestment({investment[0], QString(), QString(), investment[1], QString()});
    model::CapitalTexts capital;
    capital.taxRate = taxRate;
    capital.depreciation = taxRate.isEmpty() ? model::Depreciation::None : model::Depreciation::StraightLine;
    m_window->document()->setCapital(capital);

    QVERIFY(commands->copyResults());
    for (const QString &figure : std::as_const(copied))
        QVERIFY2(QGuiApplication::clipboard()->text().contains(figure), qPrintable(figure));

    const QString xlsx = m_dir.filePath(QStringLiteral("capital.xlsx"));
    QFile::remove(xlsx);
    // Written whatever the capital inputs; its cells are checked in workbook_test.
    QVERIFY(commands->exportWorkbook(xlsx));
    QVERIFY(QFile::exists(xlsx));
    QVERIFY(m_reports.isEmpty());

    const QString pdf = m_dir.filePath(QStringLiteral("capital.pdf"));
    QVERIFY(commands->exportReport(pdf));
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    const QString text = pdfText(pdf).simplified();
    for (const QString &phrase : std::as_const(report))
        QVERIFY2(text.contains(phrase), qPrintable(phrase));
}

void FigureCommandsTest::badFiguresAnsweredAsByATabChange_data()
{
    QTest::addColumn<QStringList>("figures"); // index=text
    QTest::addColumn<bool>("toYourData");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("investment"); // price, installation, upkeep, years, rate
    const QStringList none{"", "", "", "", ""};
    QTest::newRow("no number: back to Your Data") << QStringList{"4=abc"} << true << "" << none;
    QTest::newRow("overflow: told, as a tab change tells it")
        << QStringList{"1=1E200", "11=1E200"} << false << "Overflow" << none;
    // Savings that compute, but whose discounted flows of fifty years at −99 % do not.
    QTest::newRow("business case overflow: told the same way")
        << QStringList{"2=1E210"} << false << "Overflow" << QStringList{"20000", "", "", "50", "-99"};
}

void FigureCommandsTest::badFiguresAnsweredAsByATabChange()
{
    QFETCH(QStringList, figures);
    QFETCH(bool, toYourData);
    QFETCH(QString, report);
    QFETCH(QStringList, investment);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const QString &figure : std::as_const(figures))
        m_window->YourData(figure.section(u'=', 0, 0).toInt())->setText(figure.section(u'=', 1));
    FigureCommands *commands = m_window->figureCommands();
    m_window->document()->setInvestment({investment[0], investment[1], investment[2], investment[3], investment[4]});
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    const QString pdf = m_dir.filePath(QStringLiteral("never.pdf"));
    QVERIFY(!commands->exportReport(pdf));
    QVERIFY(!QFile::exists(pdf));
    const QString xlsx = m_dir.filePath(QStringLiteral("never.xlsx"));
    QVERIFY(!commands->exportWorkbook(xlsx));
    QVERIFY(!QFile::exists(xlsx));
    QVERIFY(!commands->copyResults());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(m_window->SSTab1->selectedTab(), toYourData ? int(YourDataTab) : int(AboutTab));
    QCOMPARE(m_reports.size(), report.isEmpty() ? 0 : 3);
    for (const QString &message : std::as_const(m_reports))
        QVERIFY2(message.startsWith(report), qPrintable(message));
}

void FigureCommandsTest::commandsCheckFiguresBeforeAnyDialog_data()
{
    QTest::addColumn<QKeySequence>("command");
    QTest::addColumn<QStringList>("figures"); // index=text
    QTest::addColumn<bool>("focusInField");   // in the refused field, else on the About tab
    QTest::addColumn<int>("refused");         // the field sent back to, or -1
    QTest::addColumn<QString>("report");
    const struct {
        const char *name;
        QKeySequence keys;
    } commands[] = {{"export", QKeySequence(Qt::CTRL | Qt::Key_E)},
                    {"print", QKeySequence(Qt::CTRL | Qt::Key_P)},
                    {"copy", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}};
    for (const auto &c : commands) {
        QTest::addRow("%s: typed 12abc, the focus still in it", c.name)
            << c.keys << QStringList{"4=12abc"} << true << 4 << "";
        // The first bad field in the fields' order is the one sent back to.
        QTest::addRow("%s: two bad fields behind another tab", c.name)
            << c.keys << QStringList{"9=x", "7=12abc"} << false << 7 << "";
        QTest::addRow("%s: overflow is told", c.name)
            << c.keys << QStringList{"1=1E200", "11=1E200"} << false << -1 << "Overflow";
    }
}

void FigureCommandsTest::commandsCheckFiguresBeforeAnyDialog()
{
    QFETCH(QKeySequence, command);
    QFETCH(QStringList, figures);
    QFETCH(bool, focusInField);
    QFETCH(int, refused);
    QFETCH(QString, report);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(showActive(m_window.get()));
    for (const QString &figure : std::as_const(figures))
        m_window->YourData(figure.section(u'=', 0, 0).toInt())->setText(figure.section(u'=', 1));
    QWidget *focus = m_window->Command2;
    if (focusInField) {
        m_window->SSTab1->selectTab(YourDataTab);
        focus = m_window->YourData(refused);
    }
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    m_beeps = 0;

    const QString dialog = modalOpenedBy([&] { QTest::keySequence(focus, command); });
    QVERIFY2(dialog.isEmpty(), qPrintable(dialog + " opened"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    if (refused >= 0) {
        QLineEdit *field = m_window->YourData(refused);
        QCOMPARE(m_window->SSTab1->selectedTab(), int(YourDataTab));
        QTRY_VERIFY(field->hasFocus());
        for (int i = 0; i < 12; ++i)
            QVERIFY2(isRed(m_window->YourData(i)) == (i == refused), qPrintable(QString::number(i)));
        QCOMPARE(m_beeps, 1);
        QVERIFY(m_reports.isEmpty());
    } else {
        QCOMPARE(m_window->SSTab1->selectedTab(), int(AboutTab));
        QCOMPARE(m_beeps, 0);
        QCOMPARE(m_reports.size(), 1);
        QVERIFY2(m_reports.first().startsWith(report), qPrintable(m_reports.first()));
    }
}

void FigureCommandsTest::printerHasTheExportedPage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::addColumn<QString>("points");
    QTest::newRow("en_US: US Letter") << "en_US" << QPageSize::Letter << "612 x 792 pts";
    QTest::newRow("de_DE: A4") << "de_DE" << QPageSize::A4 << "595 x 842 pts";
}

void FigureCommandsTest::printerHasTheExportedPage()
{
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    QFETCH(QString, locale);
    QFETCH(QPageSize::PageSizeId, size);
    QFETCH(QString, points);
    m_window = newWindow(QLocale(locale));
    const std::optional<report::ReportContent> content = m_window->figureCommands()->reportOfWindow();
    QVERIFY(content);
    QPrinter printer(QPrinter::ScreenResolution);
    setUpReportPrinter(printer, *content);
    const QPageLayout layout = printer.pageLayout();
    QCOMPARE(layout.pageSize().id(), size);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.margins(QPageLayout::Point), QMarginsF(36, 36, 36, 36));

    const QString pdf = m_dir.filePath(QStringLiteral("page.pdf"));
    QVERIFY(m_window->figureCommands()->exportReport(pdf));
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(pdfinfo.waitForFinished(20000));
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    QVERIFY2(info.contains(points), qPrintable(info));
}

// clang-format off
void FigureCommandsTest::openingOverUnsavedChangesAsks_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("shown"); // the edited figure once the file is dropped again
    QTest::addColumn<QString>("saved");
    QTest::newRow("Save: saved, then opened") << QMessageBox::Save << "10005" << "10005";
    QTest::newRow("Discard: opened as saved before") << QMessageBox::Discard << "1000" << "1000";
    QTest::newRow("Cancel: not opened, the edit stays") << QMessageBox::Cancel << "10005" << "1000";
}
// clang-format on

void FigureCommandsTest::openingOverUnsavedChangesAsks()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, shown);
    QFETCH(QString, saved);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(showActive(m_window.get()));
    const QString path = m_dir.filePath(QStringLiteral("first.velmor"));
    QVERIFY(m_window->figureCommands()->saveFigures(path));
    QLineEdit *field = m_window->YourData(kLubricant);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("5"));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    // The file opens once the drop is over; the question comes then.
    QString question;
    QVERIFY(whileModal([] { QTest::qWait(50); },
                       [&](QWidget &modal) {
        if (auto *box = qobject_cast<QMessageBox *>(&modal)) {
            question = box->text();
            box->button(answer)->click();
        }
    }));
    QVERIFY2(question.contains(QStringLiteral("first.velmor")), qPrintable(question));
    QCOMPARE(field->text(), shown);
    QCOMPARE(model::openFacilityFile(path).figures.value().figures[kLubricant], saved);
    QCOMPARE(m_window->isWindowModified(), answer == QMessageBox::Cancel);
    QVERIFY(m_reports.isEmpty());
}

// clang-format off
void FigureCommandsTest::assumptionsShowOnTheVelmorTab_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("reduction"); // of every row
    QTest::addColumn<QString>("labourCaption");
    QTest::addColumn<QString>("velmorTotal");
    QTest::newRow("designed") << "en_US" << -1.0 << "Labor to lubricate (90% reduction)" << "$12,580.00";
    QTest::newRow("none") << "en_US" << 0.0 << "Labor to lubricate (0% reduction)" << "$62,600.00";
    QTest::newRow("a fraction, in Germany") << "de_DE" << 72.5 << "Labor to lubricate (72,5% reduction)"
                                            << "17.215,00\u00A0\u20AC";
    QTest::newRow("all of it") << "en_US" << 100.0 << "Labor to lubricate (100% reduction)" << "$.00";
    QTest::newRow("the longest") << "en_US" << 33.3 << "Labor to lubricate (33.3% reduction)" << "$41,754.20";
}
// clang-format on

void FigureCommandsTest::assumptionsShowOnTheVelmorTab()
{
    QFETCH(QString, locale);
    QFETCH(double, reduction);
    QFETCH(QString, labourCaption);
    QFETCH(QString, velmorTotal);
    m_window = newWindow(QLocale(locale));
    model::Assumptions assumptions = model::Assumptions::designed();
    if (reduction >= 0)
        assumptions.reductionPercent.fill(reduction);
    m_window->document()->setAssumptions(assumptions);
    m_window->SSTab1->selectTab(VelmorCostTab);
    QCOMPARE(m_window->CurentCost(16)->caption(), labourCaption);
    QCOMPARE(m_window->CurentCost(17)->caption(), velmorTotal);
    // Every caption of the tab still fits its label.
    for (const ResultRow &row : kResultRows[1])
        QCOMPARE(captionMisfit(m_window->CurentCost(row.captionLabel)), QString());
}

void FigureCommandsTest::assumptionsDialogReadsRegionalPercentages()
{
    m_window = newWindow(QLocale(QLocale::German, QLocale::Germany));
    QAction *command = m_window->figureCommands()->actions().at(5);
    QCOMPARE(command->text(), QStringLiteral("Assumptions\u2026"));
    // A percentage above 100 is refused and the dialog stays; a German
    // decimal comma is read; the designed values come back on request.
    QVERIFY(whileModal([&] { command->trigger(); },
                       [&](QWidget &dialog) {
        auto *labour = dialog.findChild<QLineEdit *>(QStringLiteral("reduction_1"));
        QCOMPARE(labour->text(), QStringLiteral("90"));
        for (const char *refused : {"120", "33,125"}) {
            labour->setText(QString::fromLatin1(refused));
            QMetaObject::invokeMethod(&dialog, "accept");
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(m_reports.size(), 2);
        dialog.findChild<QPushButton *>(QStringLiteral("restoreDesigned"))->click();
        QCOMPARE(labour->text(), QStringLiteral("90"));
        dialog.findChild<QLineEdit *>(QStringLiteral("reduction_2"))->setText(QStringLiteral("37,5"));
        QMetaObject::invokeMethod(&dialog, "accept");
    }));
    QCOMPARE(m_window->document()->assumptions().reductionPercent, (std::array<double, 5>{90, 37.5, 80, 80, 80}));
    QCOMPARE(m_window->CurentCost(15)->caption(), QStringLiteral("Grease consumption (37,5% reduction)"));
}

void FigureCommandsTest::assumptionsAndInvestmentTravelInTheFile()
{
    const QString path = m_dir.filePath(QStringLiteral("case.velmor"));
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    model::Assumptions assumptions = model::Assumptions::designed();
    assumptions.reductionPercent[4] = 60;
    m_window->document()->setAssumptions(assumptions);
    m_window->document()->setInvestment({"20,000", "2,500", "800", "7", "8.5"});
    QVERIFY(m_window->figureCommands()->saveFigures(path));
    // A change of the reductions is a change of the file's figures.
    m_window->document()->setAssumptions(model::Assumptions::designed());
    QVERIFY(m_window->isWindowModified());

    m_window = newWindow(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(m_window->figureCommands()->openFigures(path));
    QCOMPARE(m_window->document()->assumptions(), assumptions);
    QCOMPARE(m_window->CurentCost(23)->caption(), QStringLiteral("Lost Production (60% reduction)"));
    const model::InvestmentTexts expected{"20000", "2500", "800", "7", "8,5"};
    QCOMPARE(m_window->document()->investment(), expected);
    QVERIFY(!m_window->isWindowModified());
}

// Euro and kilograms, chosen in the dialog, show in the labels, the figures,
// the report, the clipboard and the file; pounds again give the typed
// figures back.
void FigureCommandsTest::currencyAndUnitsFollowEverywhere()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString euro = QStringLiteral("\u20AC");
    const QString path = m_dir.filePath(QStringLiteral("euro.velmor"));
    // Figures typed in dollars and pounds, opened in Germany.
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(m_window->figureCommands()->saveFigures(path));
    m_window = newWindow(german);
    QVERIFY(m_window->figureCommands()->openFigures(path));
    QAction *command = m_window->figureCommands()->actions().at(6);
    QCOMPARE(command->text(), QStringLiteral("Currency and Units\u2026"));
    QVERIFY(whileModal([&] { command->trigger(); },
                       [&](QWidget &dialog) {
        auto *symbol = dialog.findChild<QComboBox *>(QStringLiteral("currencySymbol"));
        auto *note = dialog.findChild<QLabel *>(QStringLiteral("unitsNote"));
        QVERIFY(note->isHidden());
        symbol->setCurrentText(euro);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("currencyPreview"))->text(),
                 QStringLiteral("62.600,00\u00A0\u20AC"));
        dialog.findChild<QRadioButton *>(QStringLiteral("metricUnits"))->click();
        QVERIFY(!note->isHidden());
        QVERIFY2(note->text().contains(QStringLiteral("converted to kilograms")), qPrintable(note->text()));
        QMetaObject::invokeMethod(&dialog, "accept");
    }));
    const model::CurrencyUnits chosen{euro, model::Units::Metric};
    QCOMPARE(m_window->document()->currencyUnits(), chosen);
    QVERIFY(m_window->isWindowModified());

    const auto unitOf = [&](int input) {
        return m_window->Label1(kInputRows[std::size_t(input)].unitLabel)->caption();
    };
    QCOMPARE(unitOf(4), QStringLiteral(" kg/year"));
    QCOMPARE(unitOf(6), QStringLiteral(" \u20AC/kg"));
    QCOMPARE(unitOf(8), QStringLiteral(" \u20AC/hour"));
    QCOMPARE(m_window->YourData(4)->text(), QStringLiteral("453,592"));
    QCOMPARE(m_window->YourData(6)->text(), QStringLiteral("11,023113"));
    m_window->SSTab1->selectTab(CurrentCostTab);
    QCOMPARE(m_window->CurentCost(kFigureLabels[0][5])->caption(), QStringLiteral("62.600,00\u00A0\u20AC"));
    QCOMPARE(m_window->CurentCost(kFigureLabels[0][1])->caption(), QStringLiteral("5.000,00\u00A0\u20AC"));

    const std::optional<report::ReportContent> report = m_window->figureCommands()->reportOfWindow();
    QVERIFY(report);
    QCOMPARE(report->figures[4].unit, QStringLiteral(" kg/year"));
    QCOMPARE(report->tables[0].figures[5], QStringLiteral("62.600,00\u00A0\u20AC"));
    QVERIFY(report->assumptions.contains(QStringLiteral("price per kg")));
    QVERIFY(report->assumptions.contains(QStringLiteral("in \u20AC.")));

    QVERIFY(m_window->figureCommands()->copyResults());
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied->html().contains(QStringLiteral("62.600,00\u00A0\u20AC")));
    QVERIFY(copied->html().contains(QStringLiteral("#,##0.00&quot;\u00A0\u20AC&quot;")));
    QVERIFY(!copied->html().contains(u'$'));

    QVERIFY(m_window->figureCommands()->saveFigures(path));
    QCOMPARE(model::openFacilityFile(path).figures.value().currency, chosen);
    auto reopened = newWindow(german);
    QVERIFY(reopened->figureCommands()->openFigures(path));
    QCOMPARE(reopened->document()->currencyUnits(), chosen);
    QCOMPARE(reopened->Label1(kInputRows[6].unitLabel)->caption(), QStringLiteral(" \u20AC/kg"));

    // Back to pounds without an edit: the figures as they were typed.
    m_window->document()->setCurrencyUnits({euro, model::Units::Imperial});
    QCOMPARE(m_window->YourData(4)->text(), QStringLiteral("1000"));
    QCOMPARE(m_window->YourData(6)->text(), QStringLiteral("5"));
    QCOMPARE(unitOf(6), QStringLiteral(" \u20AC/lb."));
}

void FigureCommandsTest::currencyDialogRefusesBadSymbols()
{
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QAction *command = m_window->figureCommands()->actions().at(6);
    QVERIFY(whileModal([&] { command->trigger(); },
                       [&](QWidget &dialog) {
        auto *symbol = dialog.findChild<QComboBox *>(QStringLiteral("currencySymbol"));
        for (const char *refused : {"E1", "-", "kr."}) {
            symbol->setCurrentText(QString::fromLatin1(refused));
            QMetaObject::invokeMethod(&dialog, "accept");
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(m_reports.size(), 3);
        symbol->setCurrentText(QStringLiteral("  "));
        QMetaObject::invokeMethod(&dialog, "accept");
    }));
    QVERIFY(m_window->document()->currencyUnits().isDesigned());
    QCOMPARE(m_window->YourData(4)->text(), QStringLiteral("1000"));
}

// Every unit caption fits its label, in every offered currency and the
// widest the dialog takes.
void FigureCommandsTest::unitCaptionsFit_data()
{
    QTest::addColumn<QString>("symbol");
    for (const char *symbol : {"$", "\u20AC", "\u00A3", "CHF", "R$", "\u00A5", "\u20B9", "US$", "MXN", "NZ$"})
        QTest::newRow(symbol) << QString::fromUtf8(symbol);
}

void FigureCommandsTest::unitCaptionsFit()
{
    QFETCH(QString, symbol);
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const model::Units units : {model::Units::Metric, model::Units::Imperial}) {
        m_window->document()->setCurrencyUnits({symbol, units});
        for (const InputRow &row : kInputRows)
            QCOMPARE(captionMisfit(m_window->Label1(row.unitLabel)), QString());
    }
}

// The samples hold 17 bearing failures among 120 work orders from
// 2023-03-01 to 2025-03-01: 8.5 a year, a median of 4.2 hours to replace.
void FigureCommandsTest::maintenanceRecords_data()
{
    const auto sample = [](const char *name) {
        QFile file(QStringLiteral(":/data/%1").arg(QLatin1StringView(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("words");  // typed over the default ones, unless null
    QTest::addColumn<QString>("button"); // "applyRecords", "keepRecords" or "cancel"
    QTest::addColumn<QString>("count");  // the count shown; empty: refused
    QTest::addColumn<bool>("dateOrderAsked");
    QTest::addColumn<QString>("failuresFigure"); // after, "" where unchanged
    // clang-format off
    const QString seventeen = QStringLiteral("Bearing failures: 17 of 120 work orders.");
    QTest::newRow("CSV applied") << "orders.csv" << sample("work_orders_comma.csv") << QString() << "applyRecords" << seventeen << false << "8.5";
    QTest::newRow("Windows-1252 kept") << "orders.csv" << sample("work_orders_semicolon.csv") << QString() << "keepRecords" << seventeen << false << "";
    QTest::newRow("UTF-16 cancelled") << "orders.txt" << sample("work_orders_tab.csv") << QString() << "cancel" << seventeen << false << "";
    QTest::newRow("workbook applied") << "orders.xlsx" << sample("work_orders.xlsx") << QString() << "applyRecords" << seventeen << false << "8.5";
    QTest::newRow("count follows the words") << "orders.csv" << sample("work_orders_comma.csv") << "Lager; Coupling" << "keepRecords" << "Bearing failures: 25 of 120 work orders." << false << "";
    QTest::newRow("no words, no failures") << "orders.csv" << sample("work_orders_comma.csv") << " , " << "keepRecords" << "Bearing failures: 0 of 120 work orders." << false << "";
    QTest::newRow("day and month left open, asked") << "open.csv" << QByteArray("Date,Text\n01/02/2024,Bearing\n02/01/2025,x\n") << QString() << "applyRecords" << "Bearing failures: 1 of 2 work orders." << true << "0.9";
    QTest::newRow("hours below zero named") << "minus.csv" << QByteArray("Date,Text,Hours\n2024-01-02,Bearing,4\n2024-06-01,Bearing,-3\n") << QString() << "cancel" << "The hours on line 3 are below zero." << false << "";
    QTest::newRow("empty file refused") << "empty.csv" << QByteArray() << QString() << "" << "" << false << "";
    QTest::newRow("binary file refused") << "binary.xlsx" << QByteArray("\x7F""ELF\x02\x01\0\0", 8) << QString() << "" << "" << false << "";
    // Made 200 MB long without being written: refused before it is read.
    QTest::newRow("200 MB export refused") << "huge.csv" << QByteArray("Date,Text\n") << QString() << "" << "" << false << "";
    QTest::newRow("200 MB workbook refused") << "huge.xlsx" << QByteArray("PK") << QString() << "" << "" << false << "";
    // clang-format on
}

void FigureCommandsTest::maintenanceRecords()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, words);
    QFETCH(QString, button);
    QFETCH(QString, count);
    QFETCH(bool, dateOrderAsked);
    QFETCH(QString, failuresFigure);
    const QString path = m_dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    if (name.startsWith(u"huge"))
        QVERIFY(file.resize(qint64(200) << 20));
    file.close();
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    document::FacilityDocument &facility = *m_window->document();
    const document::FacilityDocument::FigureTexts before = facility.figureTexts();

    bool opened = false;
    QString shownCount;
    bool asked = false;
    const bool modal = whileModal([&] { opened = m_window->figureCommands()->openRecords(path); },
                                  [&](QWidget &dialog) {
        if (!words.isNull())
            dialog.findChild<QLineEdit *>(QStringLiteral("failureWords"))->setText(words);
        shownCount = dialog.findChild<QLabel *>(QStringLiteral("failureCount"))->text();
        asked = dialog.findChild<QComboBox *>(QStringLiteral("dateOrder"))->isVisibleTo(&dialog);
        // Words that match nothing give no figures to apply.
        if (shownCount.contains(QLatin1StringView(" 0 of ")))
            QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("applyRecords"))->isEnabled());
        if (button == u"cancel")
            qobject_cast<QDialog *>(&dialog)->reject();
        else
            dialog.findChild<QPushButton *>(button)->click();
    });
    if (count.isEmpty()) {
        QVERIFY(!modal && !opened);
        QCOMPARE(m_reports.size(), 1);
        QVERIFY2(m_reports.first().contains(name), qPrintable(m_reports.first()));
        QVERIFY2(!name.startsWith(u"huge") || m_reports.first().contains(u"100 MB"), qPrintable(m_reports.first()));
    } else {
        QVERIFY(modal);
        QCOMPARE(shownCount, count);
        QCOMPARE(asked, dateOrderAsked);
        QCOMPARE(opened, button != u"cancel");
    }
    // Cancelled or refused, nothing changes; kept, only the records.
    QCOMPARE(facility.records().has_value(), opened);
    QCOMPARE(facility.isModified(), opened);
    if (opened) {
        QCOMPARE(facility.records()->applied, button == u"applyRecords");
        QCOMPARE(count, QStringLiteral("Bearing failures: %1 of %2 work orders.")
                            .arg(facility.records()->summary.failures)
                            .arg(facility.records()->summary.workOrders));
    }
    const auto failures = std::size_t(model::Input::BearingFailures);
    QCOMPARE(facility.figureTexts()[failures], failuresFigure.isEmpty() ? before[failures] : failuresFigure);
    if (failuresFigure.isEmpty())
        QCOMPARE(facility.figureTexts(), before);
}

// The files saved or opened, newest first with their folder; one gone since
// is greyed and removable; the desktop's list holds each once.
void FigureCommandsTest::recentFilesListTheFilesKept()
{
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    FigureCommands &commands = *m_window->figureCommands();
    QMenu *recent = commands.actions().at(1)->menu();
    const auto entries = [recent] {
        emit recent->aboutToShow();
        QList<QAction *> shown;
        for (QAction *action : recent->actions())
            if (!action->isSeparator())
                shown << action;
        return shown;
    };
    const auto named = [&](const QString &text) {
        for (QAction *action : entries())
            if (action->text() == text)
                return action;
        return static_cast<QAction *>(nullptr);
    };
    named(QStringLiteral("Clear Recent"))->trigger();
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.velmor"));
    const QString second = dir.filePath(QStringLiteral("second.velmor"));
    QVERIFY(commands.saveFigures(first));
    QVERIFY(commands.saveFigures(second));
    QVERIFY(commands.openFigures(first));
    const QString folder = QDir::toNativeSeparators(QDir(dir.path()).absolutePath());
    QCOMPARE(entries().at(0)->text(), QStringLiteral("first.velmor (%1)").arg(folder));
    QCOMPARE(entries().at(1)->text(), QStringLiteral("second.velmor (%1)").arg(folder));
    QVERIFY(QFile::remove(second));
    QVERIFY(!entries().at(1)->isEnabled());
    named(QStringLiteral("Remove Missing Files"))->trigger();
    QCOMPARE(entries().size(), 3); // the first file, then Remove Missing Files and Clear Recent
    QVERIFY(!entries().at(1)->isEnabled());
#ifndef Q_OS_WIN
    QFile list(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                   .filePath(QStringLiteral("recently-used.xbel")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll().count(QUrl::fromLocalFile(first).toEncoded()), 1);
#endif
}

// With no printer installed, Print Report… says so and offers the PDF
// rather than a print dialog with nothing to print to.
void FigureCommandsTest::printWithoutAPrinterOffersThePdf()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("A printer is installed here.");
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    QAction *print = m_window->figureCommands()->actions().at(11);
    QCOMPARE(print->text(), QStringLiteral("Print Report\u2026"));
    QString said;
    QVERIFY(whileModal([&] { print->trigger(); },
                       [&](QWidget &modal) {
        auto &box = static_cast<QMessageBox &>(modal);
        said = box.text() + u' ' + box.informativeText();
        box.reject();
    }));
    QCOMPARE(said, QStringLiteral("No printer is installed. Export the report as a PDF document instead?"));
}

QTEST_MAIN(FigureCommandsTest)
// The counting rule set in the dialog: an order left out by hand (and still
// left out when the dialog opens again), a period given, the installation.
void FigureCommandsTest::recordsCounting_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("evidence"); // a line or part of one the evidence holds
    QTest::newRow("first order left out") << "leaveOut" << 16 << "left out by hand";
    QTest::newRow("period given") << "period" << 9 << "The period is the one given for the export";
    QTest::newRow("installation") << "installed" << 17 << "Failures before 2024-03-01: 8 in 1.0 years; after: 9";
}

void FigureCommandsTest::recordsCounting()
{
    QFETCH(QString, change);
    QFETCH(int, failures);
    QFETCH(QString, evidence);
    const QString path = m_dir.filePath(QStringLiteral("orders.csv"));
    // Written rather than copied: a copy of a resource is read-only on
    // Windows, and the next row could not replace it.
    QFile sample(QStringLiteral(":/data/work_orders_comma.csv"));
    QFile file(path);
    QVERIFY(sample.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write(sample.readAll()) > 0);
    file.close();
    m_window = newWindow(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto count = [](QWidget &dialog) {
        return dialog.findChild<QLabel *>(QStringLiteral("failureCount"))->text();
    };
    QVERIFY(whileModal([&] { m_window->figureCommands()->openRecords(path); },
                       [&](QWidget &dialog) {
        if (change == u"leaveOut") {
            auto *orders = dialog.findChild<QTableView *>(QStringLiteral("matchedOrders"))->model();
            orders->setData(orders->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        } else {
            const bool period = change == u"period";
            dialog.findChild<QCheckBox *>(period ? QStringLiteral("periodGiven") : QStringLiteral("installedGiven"))
                ->setChecked(true);
            dialog.findChild<QDateEdit *>(period ? QStringLiteral("periodFrom") : QStringLiteral("installedOn"))
                ->setDate(QDate(2024, 3, 1));
        }
        dialog.findChild<QPushButton *>(QStringLiteral("keepRecords"))->click();
    }));
    const std::optional<model::RecordsEvidence> &records = m_window->document()->records();
    QVERIFY(records);
    QCOMPARE(records->summary.failures, failures);
    const QString lines = model::evidenceLines(*records, QLocale::c()).join(u'\n');
    QVERIFY2(lines.contains(evidence), qPrintable(lines));
    // Opened again on the same export, the order is left out as before.
    if (change == u"leaveOut")
        QVERIFY(whileModal([&] { m_window->figureCommands()->openRecords(path); },
                           [&](QWidget &dialog) {
            QCOMPARE(count(dialog), QStringLiteral("Bearing failures: 16 of 120 work orders."));
            qobject_cast<QDialog *>(&dialog)->reject();
        }));
}

#include "figure_commands_test.moc"
