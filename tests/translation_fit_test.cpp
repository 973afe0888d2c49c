// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Every caption of the main window (all tabs) and of the About window fits
// its designed box in every language, at every zoom step, with the designed
// figures and with the widest reductions, currency and units a user can
// choose; and the customer report, both pages, lies whole on its pages
// with no text on another. Fails, naming the
// language, the control and the text, until each translation is written to
// fit. VELMOR_LANGUAGE=de (or a list, "de fr") checks only those languages.
#include "about_window/form2.h"
#include "caption_fit.h"
#include "chart_text_check.h"
#include "checked_records.h"
#include "dialogs/business_case_window.h"
#include "language/language.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/graph_type_cycle.h"
#include "outputs/report_builder.h"
#include "pdf_words.h"
#include "platform/tab_control.h"
#include "platform/zoom.h"
#include "report/report_page.h"
#include "system_test_support.h"
#include "window_test_support.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class TranslationFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void captionsFit_data();
    void captionsFit();
    void dialogsFit_data();
    void dialogsFit();
    void reportFits_data();
    void reportFits();
    void chartsStayWhole_data();
    void chartsStayWhole();
    void windowChartsStayWhole_data() { chartsStayWhole_data(); }
    void windowChartsStayWhole();

private:
    int m_beeps = 0;
    QStringList m_reports;
    QTemporaryDir m_dir;
};

namespace {

QStringList languagesUnderTest()
{
    const QString chosen = qEnvironmentVariable("VELMOR_LANGUAGE").simplified();
    if (!chosen.isEmpty())
        return chosen.split(u' ');
    QStringList all;
    for (const language::Language &language : language::kLanguages)
        all << QString::fromLatin1(language.code);
    return all;
}

// An export with every column and dates that leave the order of day and
// month open, so that the records dialog shows every row it has.
QString recordsExport(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("orders.csv"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("Date,Asset,Work type,Description,Repair hours,Downtime\n"
                   "01/02/2024,Fan,Corrective,Bearing replaced,4,6\n02/01/2025,Pump,Corrective,Bearing replaced,3,5\n");
    return path;
}

// The graph button shows each graph type's caption in turn.
QStringList graphCaptions(const QPushButton *button)
{
    QStringList captions;
    if (button->objectName() == QLatin1StringView("Command1") && qobject_cast<const Form1 *>(button->window())) {
        for (const auto &step : main_window::kGraphCycle)
            captions << Form1::tr(step.captionBefore);
    }
    return captions;
}

// Makes each chart of the report note where it lands, in points on its page
// (the pages' margins included), page by page, once the report is drawn.
std::shared_ptr<const QList<QList<QRectF>>> recordChartAreas(report::ReportContent &content)
{
    auto areas = std::make_shared<QList<QList<QRectF>>>(5);
    const auto recorded = [&](std::function<void(QPainter &, const QRectF &)> &draw, int page) {
        if (!draw)
            return;
        draw = [draw, page, areas](QPainter &painter, const QRectF &target) {
            draw(painter, target);
            const qreal points = 72.0 / painter.device()->logicalDpiX();
            (*areas)[page] << QTransform::fromScale(points, points)
                                  .mapRect(painter.transform().mapRect(target))
                                  .translated(36, 36);
        };
    };
    recorded(content.drawChart, 0);
    if (content.businessCase) {
        recorded(content.businessCase->drawCashFlow, 1);
        recorded(content.businessCase->drawTornado, 1);
        recorded(content.businessCase->drawNpvTornado, 2);
        recorded(content.businessCase->drawSpider, 2);
    }
    if (content.risk) {
        recorded(content.risk->drawHistogram, 3);
        recorded(content.risk->drawCurve, 3);
    }
    if (content.savingsCheck)
        recorded(content.savingsCheck->drawEvents, 4);
    return areas;
}

// The test row's plant (its data's language, years and scale, the plant's
// size against the designed one) in euros, with records whose savings check
// has a chart; false when the language has no catalogue.
bool chartedPlant(document::FacilityDocument &facility)
{
    QFETCH(QString, language);
    QFETCH(QString, years);
    QFETCH(int, scale);
    model::FacilityFigures facts = facility.figures();
    for (const std::size_t input : {0, 1, 2, 4, 5})
        facts.figures[input] = QString::number(facts.figures[input].toDouble() * scale);
    facts.records = checkedRecords(12, 3);
    facts.investment = {QString::number(20000 * scale), QString::number(5000 * scale), QString::number(1000 * scale),
                        years, QString()};
    facts.currency = {QStringLiteral("\u20AC"), model::Units::Metric};
    facility.setFacts(facts);
    return language::installLanguage(language);
}

} // namespace

void TranslationFitTest::initTestCase() { useTestDesktop(m_beeps, m_reports); }

void TranslationFitTest::cleanupTestCase() { language::installLanguage(QStringLiteral("en")); }

void TranslationFitTest::captionsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("percent");
    for (const QString &language : languagesUnderTest()) {
        for (int percent : platform::kZoomSteps)
            QTest::addRow("%s at %d %%", qPrintable(language), percent) << language << percent;
    }
}

void TranslationFitTest::captionsFit()
{
    QFETCH(QString, language);
    QFETCH(int, percent);
    QVERIFY2(language::isLanguageCode(language), qPrintable(QStringLiteral("no language \"%1\"").arg(language)));
    QVERIFY2(language::installLanguage(language), qPrintable(QStringLiteral("no catalogue for %1").arg(language)));

    Form1 w;
    w.show();
    w.setZoomPercent(percent);
    if (w.zoomPercent() != percent)
        QSKIP("this zoom step does not fit the test screen");
    // Each tab shown once, so that its page is laid out; then every
    // control of the window at once.
    for (int tab = 0; tab < w.SSTab1->count(); ++tab) {
        w.SSTab1->selectTab(tab);
        QApplication::processEvents();
    }
    QStringList misfits;
    for (const QString &misfit : captionMisfits(&w, {QStringLiteral("Label3")}, graphCaptions))
        misfits << QStringLiteral("main window: %1").arg(misfit);
    // The graph type button stands over the chart's corner, never over its plot.
    const QRectF plot = w.MSChart1->chart()->plotArea().translated(w.MSChart1->pos());
    if (percent == 100 && plot.right() > w.Command1->geometry().left() && plot.bottom() > w.Command1->geometry().top())
        misfits << QStringLiteral("main window: the graph type button covers the plot");

    // Reductions of four characters ("88.8") on every Velmor caption, the
    // widest symbol in the unit labels and kilograms.
    model::Assumptions widest;
    widest.reductionPercent.fill(88.8);
    w.document()->setAssumptions(widest);
    w.document()->setCurrencyUnits({QStringLiteral("CHF"), model::Units::Metric});
    for (int tab = 0; tab < w.SSTab1->count(); ++tab) {
        w.SSTab1->selectTab(tab);
        QApplication::processEvents();
    }
    for (const QString &misfit : captionMisfits(&w, {QStringLiteral("Label3")}, graphCaptions))
        misfits << QStringLiteral("main window, 88.8 %, CHF/kg: %1").arg(misfit);
    // The graph tab's chart whole in every graph type.
    w.SSTab1->selectTab(w.SSTab1->count() - 1);
    for (std::size_t step = 0; step < main_window::kGraphCycle.size(); ++step) {
        QApplication::processEvents();
        for (const QString &fault : chartTextFaults(*w.MSChart1->chart()))
            misfits << QStringLiteral("main window's chart, %1: %2").arg(step).arg(fault);
        w.Command1->click();
    }
    // In francs, no caption names dollars, in any language.
    for (const auto *label : w.findChildren<platform::CaptionLabel *>()) {
        if (label->caption().contains(u'$'))
            misfits << QStringLiteral("main window, CHF: \"%1\" names another currency").arg(label->caption());
    }

    QVERIFY(whileAboutWindow<Form2>(w, [&](Form2 &about) {
        for (int tab = 0; tab < about.SSTab1->count(); ++tab) {
            about.SSTab1->selectTab(tab);
            QApplication::processEvents();
        }
        for (const QString &misfit : captionMisfits(&about))
            misfits << QStringLiteral("About window: %1").arg(misfit);
    }));

    for (QString &misfit : misfits)
        misfit.prepend(QStringLiteral("[%1, %2 %] ").arg(language).arg(percent));
    QVERIFY2(misfits.isEmpty(),
             qPrintable(QStringLiteral("%1 caption(s) do not fit:\n").arg(misfits.size()) + misfits.join(u'\n')));
}

void TranslationFitTest::dialogsFit_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("metric"); // kilograms chosen in the dialog, so that its note shows
    const std::pair<const char *, bool> dialogs[] = {
        {"Report Details\u2026", false},          {"Assumptions\u2026", false},   {"Currency and Units\u2026", false},
        {"Currency and Units\u2026", true},       {"Business Case\u2026", false}, {"Risk Ranges\u2026", false},
        {"Open Maintenance Records\u2026", false}};
    for (const QString &language : languagesUnderTest()) {
        for (int percent : platform::kZoomSteps) {
            for (const auto &[command, metric] : dialogs)
                QTest::addRow("%s at %d %%, %s%s", qPrintable(language), percent, command, metric ? " in kg" : "")
                    << language << percent << QString::fromUtf8(command) << metric;
        }
    }
}

void TranslationFitTest::dialogsFit()
{
    QFETCH(QString, language);
    QFETCH(int, percent);
    QFETCH(QString, command);
    QFETCH(bool, metric);
    QVERIFY2(language::installLanguage(language), qPrintable(QStringLiteral("no catalogue for %1").arg(language)));
    Form1 w;
    w.show();
    w.setZoomPercent(percent);
    if (w.zoomPercent() != percent)
        QSKIP("this zoom step does not fit the test screen");
    w.document()->setInvestment(investmentOf(QStringLiteral("20000")));
    // The risk ranges dialog is opened from the Business Case window's risk view.
    const bool riskRanges = command == QStringLiteral("Risk Ranges\u2026");
    const QString opened = riskRanges ? QStringLiteral("Business Case\u2026") : command;
    // With records whose check measures a rise, the longest comparison.
    if (opened == QStringLiteral("Business Case\u2026"))
        w.document()->setRecords(checkedRecords(3, 9));
    const QList<QAction *> actions = w.figureCommands()->actions();
    const auto action = std::find_if(actions.begin(), actions.end(), [&](const QAction *a) {
        return a->text() == QCoreApplication::translate("FigureCommands", opened.toUtf8().constData());
    });
    QVERIFY2(action != actions.end(), qPrintable(command));
    const bool recordsDialog = command.startsWith(QLatin1StringView("Open Maintenance Records"));
    QStringList misfits;
    // Every window within the screen's free area, whatever its size.
    const auto onScreen = [&](const QWidget &window) {
        const QSize free = window.screen()->availableGeometry().size();
        if (window.frameGeometry().width() > free.width() || window.frameGeometry().height() > free.height())
            misfits << QStringLiteral("%1 x %2 px: larger than the screen's %3 x %4")
                           .arg(window.frameGeometry().width())
                           .arg(window.frameGeometry().height())
                           .arg(free.width())
                           .arg(free.height());
    };
    QVERIFY(whileModal(
        [&] {
        if (recordsDialog)
            w.figureCommands()->openRecords(recordsExport(m_dir));
        else
            (*action)->trigger();
        },
        [&](QWidget &dialog) {
        if (metric)
            dialog.findChild<QRadioButton *>(QStringLiteral("metricUnits"))->click();
        QApplication::processEvents();
        if (riskRanges) {
            const bool ran = whileModal([&] { dialog.findChild<QPushButton *>(QStringLiteral("riskRanges"))->click(); },
                                        [&](QWidget &ranges) {
                QApplication::processEvents();
                misfits = dialogMisfits(&ranges);
                onScreen(ranges);
                qobject_cast<QDialog *>(&ranges)->reject();
            });
            if (!ran)
                misfits << QStringLiteral("the risk ranges dialog did not open");
        } else {
            misfits = dialogMisfits(&dialog);
            onScreen(dialog);
            // Each further page of the records dialog.
            if (auto *pages = dialog.findChild<QTabWidget *>(QStringLiteral("recordsTabs"))) {
                for (int page = 1; page < pages->count(); ++page) {
                    pages->setCurrentIndex(page);
                    QApplication::processEvents();
                    misfits << dialogMisfits(&dialog);
                }
            }
        }
        qobject_cast<QDialog *>(&dialog)->reject();
    }));
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));
}

void TranslationFitTest::reportFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QLocale>("locale");
    for (const QString &language : languagesUnderTest()) {
        QTest::addRow("%s, Letter", qPrintable(language))
            << language << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::addRow("%s, A4", qPrintable(language)) << language << QLocale(QLocale::German, QLocale::Germany);
    }
}

void TranslationFitTest::reportFits()
{
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader, poppler's pdftotext and pdfinfo, is not started from a Windows program here; "
              "the command line run reads this build's reports.");
    QFETCH(QString, language);
    QFETCH(QLocale, locale);
    QVERIFY2(language::installLanguage(language), qPrintable(QStringLiteral("no catalogue for %1").arg(language)));

    // All five pages, with the widest reductions and currency, in kilograms,
    // and records of ten assets with a savings check.
    document::FacilityDocument facility(locale);
    model::FacilityFigures facts = facility.figures();
    facts.records = checkedRecords(12, 3);
    for (int i = 2; i < model::kWorstAssetsKept; ++i)
        facts.records->summary.worstAssets.push_back({QStringLiteral("Conveyor C-%1").arg(i), 1, 1234.5, 99.9});
    facts.report = {QStringLiteral("Riverside Mill"), QStringLiteral("Line 3"), QStringLiteral("J. Example")};
    facts.investment = {QStringLiteral("20000"), QStringLiteral("5000"), QStringLiteral("1000"), QString(), QString()};
    facts.assumptions.reductionPercent.fill(88.8);
    facts.currency = {QStringLiteral("CHF"), model::Units::Metric};
    facility.setFacts(facts);
    outputs::BuiltReport built = outputs::buildReport(facility, QDate(2026, 12, 8));
    QVERIFY2(built.content, qPrintable(built.problem));
    report::ReportContent &content = *built.content;

    // Where the charts land, page by page: their own labels are their business.
    const auto chartAreas = recordChartAreas(content);
    QVERIFY(content.businessCase && content.risk && content.savingsCheck);

    const QString path = m_dir.filePath(QStringLiteral("report-%1.pdf").arg(language));
    QString error;
    QVERIFY2(report::exportReportPdf(path, content, &error), qPrintable(error));
    const QList<PdfPage> pages = pdfPages(path);
    QCOMPARE(pages.size(), 5);
    QStringList misplaced;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const QString &word : misplacedWords(pages[p], 36, (*chartAreas)[p]))
            misplaced << QStringLiteral("[%1, page %2] %3").arg(language).arg(p + 1).arg(word);
    }
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(u'\n')));
    // Every caption of the tables and the savings check's comparison whole,
    // in the order drawn; a no-break space is extracted as a blank.
    static const QRegularExpression blanks(QStringLiteral("\\s"), QRegularExpression::UseUnicodePropertiesOption);
    const QString text = pdfText(path, {QStringLiteral("-raw")}).remove(blanks);
    for (const report::CostTableText &table : content.tables) {
        QVERIFY2(text.contains(QString(table.title).remove(blanks)), qPrintable(table.title));
        for (const QString &caption : table.captions)
            QVERIFY2(text.contains(QString(caption).remove(blanks)), qPrintable(caption));
    }
    QVERIFY2(text.contains(QString(content.savingsCheck->comparison).remove(blanks)),
             qPrintable(content.savingsCheck->comparison));
    // Lists joined as the language joins them: no ASCII comma between Chinese words.
    static const QRegularExpression asciiJoin(QStringLiteral("[\\x{3400}-\\x{9fff}][,;][\\x{3400}-\\x{9fff}]"));
    const QRegularExpressionMatch join = asciiJoin.match(text);
    QVERIFY2(!join.hasMatch(), qPrintable(join.captured()));
}

void TranslationFitTest::chartsStayWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("years");
    QTest::addColumn<int>("scale"); // the plant's size against the designed one
    for (const QString &language : languagesUnderTest()) {
        for (const char *years : {"1", "5", "10", "15", "30", "50"}) {
            for (const int scale : {1, 100})
                QTest::addRow("%s, %s years, %d×", qPrintable(language), years, scale)
                    << language << QString::fromLatin1(years) << scale;
        }
    }
}

// Every chart of the report, at every period and for a small and a large
// plant, writes each label whole, inside the chart and apart from the others.
void TranslationFitTest::chartsStayWhole()
{
    if (!system_test::pdfReaderStarts())
        QSKIP("The PDF reader is not started from a Windows program here.");
    document::FacilityDocument facility(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(chartedPlant(facility));
    outputs::BuiltReport built = outputs::buildReport(facility, QDate(2026, 12, 8));
    QVERIFY2(built.content, qPrintable(built.problem));
    const auto chartAreas = recordChartAreas(*built.content);
    const QString path = m_dir.filePath(QStringLiteral("charts.pdf"));
    QString error;
    QVERIFY2(report::exportReportPdf(path, *built.content, &error), qPrintable(error));
    const QList<PdfPage> pages = pdfPages(path);
    QStringList faults;
    for (qsizetype p = 0; p < pages.size() && p < chartAreas->size(); ++p) {
        for (const QString &fault : chartWordFaults(pages[p], (*chartAreas)[p]))
            faults << QStringLiteral("page %1: %2").arg(p + 1).arg(fault);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

// The Business Case window's charts, each view shown in turn, as laid out
// in the window on the test screen.
void TranslationFitTest::windowChartsStayWhole()
{
    document::FacilityDocument facility(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(chartedPlant(facility));
    BusinessCaseWindow window(facility, 1);
    window.show();
    auto *views = window.findChild<QTabWidget *>(QStringLiteral("cashFlowViews"));
    auto *choice = window.findChild<QComboBox *>(QStringLiteral("sensitivityChoice"));
    QVERIFY(views && choice);
    QStringList faults;
    for (int view = 0; view < views->count(); ++view) {
        views->setCurrentIndex(view);
        for (int chosen = 0; chosen < choice->count(); ++chosen) {
            choice->setCurrentIndex(chosen);
            QApplication::processEvents();
            for (QChartView *shown : window.findChildren<QChartView *>()) {
                if (!shown->isVisible() || !shown->chart())
                    continue;
                for (const QString &fault : chartTextFaults(*shown->chart()))
                    faults << shown->objectName() + QStringLiteral(": ") + fault;
            }
        }
    }
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TranslationFitTest)
#include "translation_fit_test.moc"
