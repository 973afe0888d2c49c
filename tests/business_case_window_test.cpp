// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The Business Case window: its measures, cases and charts follow the
// investment as it is typed, and a bad figure keeps the window open.

#include "checked_records.h"
#include "dialogs/alternatives_dialog.h"
#include "dialogs/business_case_window.h"
#include "dialogs/case_items_dialog.h"
#include "dialogs/risk_ranges_dialog.h"
#include "document/facility_document.h"
#include "model/finance/risk_text.h"
#include "model/records/measured_reduction.h"
#include "model/text/money_text.h"
#include "outputs/business_case_charts.h"
#include "outputs/capital_sentences.h"
#include "window_test_support.h"

#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

#include <memory>

Q_DECLARE_METATYPE(model::CapitalInputs)

namespace {

constexpr model::InputValues kDefaultValues{1000, 10, 1000, 1, 1000, 1000, 5, 200, 24, 30, 3, 4};

// A facility of the default figures with the investment and capital inputs given.
std::unique_ptr<document::FacilityDocument> facilityWith(const model::InvestmentTexts &investment,
                                                         const model::CapitalTexts &capital = {})
{
    auto facility = std::make_unique<document::FacilityDocument>(QLocale());
    facility->setInvestment(investment);
    facility->setCapital(capital);
    return facility;
}

QString measures(const BusinessCaseWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("measures"))->text();
}

} // namespace

class BusinessCaseWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useTestDesktop(m_beeps, m_reports); }
    void measuresFollowTheInvestment_data();
    void measuresFollowTheInvestment();
    void sensitivityFollowsTheStep();
    void sensitivityChoiceSwitchesTheChart_data();
    void sensitivityChoiceSwitchesTheChart();
    void badFigureKeepsTheWindowOpen();
    void tornadoTicksOnWholeDollars_data();
    void tornadoTicksOnWholeDollars();
    void tornadoSettlesAtEveryWidth_data();
    void tornadoSettlesAtEveryWidth();
    void costsWithoutAPriceAskForIt();
    void capitalInputsFollowAndKeep_data();
    void capitalInputsFollowAndKeep();
    void riskRunsWhenShown();
    void riskRangesRefused_data();
    void riskRangesRefused();
    void riskRangesAccepted();
    void measuredReductionApplied_data();
    void measuredReductionApplied();
    void riskRangesFromTheRecords();
    void caseItemsRead_data();
    void caseItemsRead();
    void capitalSentencesHold_data();
    void capitalSentencesHold();
    void spiderLinesAlikeShareAnEntry();
    void alternativesChooseTheOptionShown();

private:
    int m_beeps = 0;
    QStringList m_reports;
};

// clang-format off
void BusinessCaseWindowTest::measuresFollowTheInvestment_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("assumedPayback");
    QTest::newRow("no price") << "" << "Enter the installed system price" << "\u2014";
    QTest::newRow("a price") << "20,000" << "Simple payback: 4.8 months" << "4.8 months";
    QTest::newRow("net present value") << "20000" << "Net present value at 10%: $169,615.15" << "4.8 months";
    QTest::newRow("no number") << "lots" << "The installed system price \u201Clots\u201D is not a sum of money"
                               << "\u2014";
    QTest::newRow("nothing invested") << "0" << "Simple payback: none, nothing is invested" << "none";
    QTest::newRow("a tenth of a cent") << "0.001" << "Discounted payback: none, nothing is invested" << "none";
    QTest::newRow("no plausible sum") << "1e300" << "\u201C1e300\u201D is more than 1,000,000,000,000" << "\u2014";
}
// clang-format on

void BusinessCaseWindowTest::measuresFollowTheInvestment()
{
    QFETCH(QString, price);
    QFETCH(QString, line);
    QFETCH(QString, assumedPayback);

    const auto facility = facilityWith({});
    BusinessCaseWindow window(*facility, 1);
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("systemPrice"));
    QTest::keyClicks(field, price);
    QVERIFY2(measures(window).contains(line), qPrintable(measures(window)));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("case_1_2"))->text(), assumedPayback);
    // The cases beside the assumed one: half of every reduction, and halfway to 100 %.
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("case_0_0"))->text(), QStringLiteral("45 / 25 / 40 / 40 / 40%"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("case_2_1"))->text(), QStringLiteral("$56,310.00"));
    for (int c = 1; c < 5; ++c) // each heading stands as the figures beneath it
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("caseHeading_%1").arg(c))->alignment(),
                 window.findChild<QLabel *>(QStringLiteral("case_1_%1").arg(c - 1))->alignment());
    QCOMPARE(window.investment().systemPrice, price);
    if (qEnvironmentVariableIsSet("VELMOR_PICTURES")) {
        window.show();
        QApplication::processEvents();
        window.grab().save(QStringLiteral("%1/business-case-%2.png")
                               .arg(qEnvironmentVariable("VELMOR_PICTURES"),
                                    QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-')));
    }
}

void BusinessCaseWindowTest::sensitivityFollowsTheStep()
{
    const auto facility = facilityWith(investmentOf("20000"));
    BusinessCaseWindow window(*facility, 1);
    const auto largestRise = [&] {
        auto *series = qobject_cast<QHorizontalStackedBarSeries *>(
            window.findChild<QChartView *>(QStringLiteral("tornadoChart"))->chart()->series().first());
        const QBarSet *raised = series->barSets().at(1);
        return raised->at(raised->count() - 1); // the largest effect stands last, at the top
    };
    // Bearing failures: ±20 % of the 34,560 dollars of savings they drive.
    QCOMPARE(largestRise(), 6912.0);
    window.findChild<QDoubleSpinBox *>(QStringLiteral("sensitivityStep"))->setValue(10);
    QCOMPARE(largestRise(), 3456.0);
}

void BusinessCaseWindowTest::sensitivityChoiceSwitchesTheChart_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("series");
    QTest::newRow("annual savings") << 0 << "Change of the annual savings ($) at \u00B120%" << 1;
    QTest::newRow("net present value") << 1 << "Change of the net present value ($) at \u00B120%" << 1;
    QTest::newRow("spider") << 2 << "Net present value ($) as the five strongest inputs move" << 5;
}

// The savings' tornado unless another is chosen; a tornado's figures at its
// bars' ends are their values and stay inside the plot area.
void BusinessCaseWindowTest::sensitivityChoiceSwitchesTheChart()
{
    QFETCH(int, choice);
    QFETCH(QString, title);
    QFETCH(int, series);
    model::CapitalTexts capital;
    capital.taxRate = QStringLiteral("30");
    capital.labourEscalation = QStringLiteral("3");
    const auto facility = facilityWith(investmentOf("20000"), capital);
    BusinessCaseWindow window(*facility, 1);
    auto *chosen = window.findChild<QComboBox *>(QStringLiteral("sensitivityChoice"));
    QCOMPARE(chosen->currentIndex(), 0);
    chosen->setCurrentIndex(choice);
    QVERIFY(showActive(&window));
    const QChart *chart = window.findChild<QChartView *>(QStringLiteral("tornadoChart"))->chart();
    // A tornado draws its title over the whole width, as an item of its own.
    QString shownTitle =
        chart->title().replace(QStringLiteral("<br>"), QStringLiteral(" ")); // in lines as wide as the chart
    for (const QGraphicsItem *item : chart->childItems())
        if (const auto *text = dynamic_cast<const QGraphicsSimpleTextItem *>(item);
            text && text->font() == chart->titleFont())
            shownTitle = text->text();
    QCOMPARE(shownTitle, title);
    QCOMPARE(chart->series().size(), series);
    const auto &bars = choice == 1 ? window.study().npvSensitivity : window.study().sensitivity;
    // The bars' names left of the plot, their figures inside it.
    const QStringList names =
        choice == 2 ? QStringList() : chart->axes(Qt::Vertical).first()->property("categories").toStringList();
    QStringList figures;
    for (const QGraphicsItem *item : chart->childItems()) {
        if (const auto *text = dynamic_cast<const QGraphicsSimpleTextItem *>(item)) {
            const QRectF box = text->mapRectToParent(text->boundingRect());
            QVERIFY(text->isVisible());
            if (text->text() == shownTitle) {
                QVERIFY(box.bottom() < chart->plotArea().top() && box.left() >= 0
                        && box.right() <= chart->size().width());
            } else if (names.contains(text->text())) {
                QVERIFY(box.right() < chart->plotArea().left() && box.left() >= 0);
            } else {
                QVERIFY(chart->plotArea().contains(box));
                figures << text->text();
            }
        }
    }
    QCOMPARE(figures.contains(model::currencyText(bars.front().high, QLocale(), u"$")), choice != 2);
    if (qEnvironmentVariableIsSet("VELMOR_PICTURES"))
        window.grab().save(QStringLiteral("%1/business-case-sensitivity-%2.png")
                               .arg(qEnvironmentVariable("VELMOR_PICTURES"))
                               .arg(choice));
}

void BusinessCaseWindowTest::badFigureKeepsTheWindowOpen()
{
    const auto facility =
        facilityWith({QStringLiteral("20000"), QString(), QString(), QStringLiteral("5.5"), QString()});
    BusinessCaseWindow window(*facility, 1);
    QVERIFY(showActive(&window));
    m_reports.clear();
    window.accept();
    QVERIFY(window.isVisible());
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.first().contains(QStringLiteral("evaluation period \u201C5.5\u201D")),
             qPrintable(m_reports.first()));
    QCOMPARE(QApplication::focusWidget(), window.findChild<QLineEdit *>(QStringLiteral("systemPrice"))
                                              ->parentWidget()
                                              ->findChildren<QLineEdit *>()
                                              .at(3));
}

void BusinessCaseWindowTest::costsWithoutAPriceAskForIt()
{
    const auto facility = facilityWith({QString(), QStringLiteral("5000"), QString(), QString(), QString()});
    BusinessCaseWindow window(*facility, 1);
    QVERIFY(showActive(&window));
    m_reports.clear();
    window.accept();
    QVERIFY(window.isVisible());
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.first().startsWith(QStringLiteral("An installed system price is needed")),
             qPrintable(m_reports.first()));
    QCOMPARE(QApplication::focusWidget(), window.findChild<QLineEdit *>(QStringLiteral("systemPrice")));
}

void BusinessCaseWindowTest::capitalInputsFollowAndKeep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem"); // empty: read
    QTest::newRow("tax rate") << "taxRate"
                              << "40" << QString();
    QTest::newRow("residual value no sum") << "residualValue"
                                           << "x" << u"The residual value \u201Cx\u201D is not a sum of money."_qs;
    QTest::newRow("share above 100 %") << "firstYearShare"
                                       << "120" << u"first-year share of the savings \u201C120\u201D"_qs;
}

// The capital fields change the measures as typed; one that does not read
// stands in their place and keeps the window open, its field in focus.
void BusinessCaseWindowTest::capitalInputsFollowAndKeep()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    model::CapitalTexts capital;
    capital.depreciation = model::Depreciation::StraightLine;
    const auto facility = facilityWith(investmentOf("20000"), capital);
    BusinessCaseWindow window(*facility, 1);
    QVERIFY(showActive(&window));
    const QString pretax = measures(window);
    QVERIFY2(pretax.contains(QStringLiteral("$169,615.15")), qPrintable(pretax));
    auto *edit = window.findChild<QLineEdit *>(field);
    QTest::keyClicks(edit, typed);
    // Given back as typed, each text in its own field.
    const auto kept = facilityWith(investmentOf("20000"), window.capital());
    const BusinessCaseWindow reopened(*kept, 1);
    QCOMPARE(reopened.findChild<QLineEdit *>(field)->text(), typed);
    QCOMPARE(reopened.capital(), window.capital());
    m_reports.clear();
    window.accept();
    if (problem.isEmpty()) {
        QVERIFY(!measures(window).contains(QStringLiteral("$169,615.15")));
        QVERIFY(!window.isVisible());
        return;
    }
    QVERIFY2(measures(window).contains(problem), qPrintable(measures(window)));
    QVERIFY(window.isVisible());
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(QApplication::focusWidget(), edit);
}

void BusinessCaseWindowTest::tornadoTicksOnWholeDollars_data()
{
    QTest::addColumn<double>("effect");
    QTest::newRow("nothing saved") << 0.0;
    QTest::newRow("a dollar") << 1.0;
    QTest::newRow("thousands") << 12345.0;
}

// Labelled in whole dollars, each tick a different whole number.
void BusinessCaseWindowTest::tornadoTicksOnWholeDollars()
{
    QFETCH(double, effect);
    const std::vector<model::SensitivityBar> bars{{false, 0, -effect, effect}};
    const auto chart = outputs::tornadoChart(bars, 0, 10, model::Assumptions::designed(), QLocale::c());
    const auto *axis = qobject_cast<QValueAxis *>(chart->axes(Qt::Horizontal).first());
    QVERIFY(axis->min() <= -effect && axis->max() >= effect);
    const double interval = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    QVERIFY2(interval >= 1 && interval == std::round(interval), qPrintable(QString::number(interval)));
}

void BusinessCaseWindowTest::tornadoSettlesAtEveryWidth_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"fr_FR", "pt_BR", "de_DE", "en_US"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Widening the axis for its figures and then labelling fewer of its ticks
// must come to rest: at some widths the two once undid each other for ever,
// until the stack ran out.
void BusinessCaseWindowTest::tornadoSettlesAtEveryWidth()
{
    QFETCH(QString, locale);
    const std::vector<model::SensitivityBar> bars{{false, 1, 43108, 56932}, {false, 11, 43428, 56612},
                                                  {false, 5, 43620, 56420}, {true, 5, 43620, 56420},
                                                  {false, 2, 47428, 52612}, {false, 6, 49520, 50520}};
    const auto chart = outputs::tornadoChart(bars, 50020, 20, model::Assumptions::designed(), QLocale(locale), u"CHF");
    QImage image(1000, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int width = 300; width <= 1000; width += 3)
        outputs::paintChart(*chart, painter, QRectF(0, 0, width, 400), QSizeF(width, 400));
    const auto *axis = qobject_cast<QValueAxis *>(chart->axes(Qt::Horizontal).first());
    QVERIFY(axis->min() <= -6912 && axis->max() >= 6912);
}

// The runs wait for the Risk view, show its P50 and chance, and follow the ranges.
void BusinessCaseWindowTest::riskRunsWhenShown()
{
    document::FacilityDocument facility(QLocale(QLocale::English, QLocale::UnitedStates));
    facility.setInvestment(investmentOf(QStringLiteral("20000")));
    BusinessCaseWindow window(facility, 1);
    QVERIFY(showActive(&window));
    const auto *lines = window.findChild<QLabel *>(QStringLiteral("riskLines"));
    QVERIFY(lines->text().isEmpty());
    window.findChild<QTabWidget *>(QStringLiteral("cashFlowViews"))
        ->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("riskView")));
    const model::RiskSummary &summary = *facility.riskSummary();
    QVERIFY2(lines->text().contains(model::currencyText(summary.npv->p50, QLocale())), qPrintable(lines->text()));
    QVERIFY(lines->text().contains(QStringLiteral("Chance that the NPV is below zero: ")));
    model::RiskRanges ranges = facility.riskRanges();
    ranges.seed = 99;
    facility.setRiskRanges(ranges);
    QTRY_VERIFY(lines->text().contains(QStringLiteral("seed 99")));
}

void BusinessCaseWindowTest::riskRangesRefused_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QStringList>("typed"); // low, most likely, high
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("said");
    const int failures = int(model::RiskInput::BearingFailures);
    QTest::newRow("low above high") << failures << QStringList{"5", "3", "2"} << 0 << "out of order";
    QTest::newRow("likely above high") << int(model::RiskInput::HoursPerReplacement) << QStringList{"2", "9", "8"} << 2
                                       << "out of order";
    QTest::newRow("reduction over 100") << 0 << QStringList{"50", "90", "120"} << 2 << "each from 0 to 100";
    QTest::newRow("no number") << int(model::RiskInput::ProductionRate) << QStringList{"100", "abc", "300"} << 1
                               << "\u201Cabc\u201D";
    QTest::newRow("one left empty") << failures << QStringList{"1", "", "3"} << 1 << "leave all three empty";
    QTest::newRow("negative figure") << failures << QStringList{"-1", "2", "3"} << 0 << "may not be negative";
    QTest::newRow("runs that would overflow")
        << int(model::RiskInput::ProductionRate) << QStringList{"1", "2", "1E308"} << 2 << "overflows";
}

// OK names the input, keeps the dialog open with what was typed and puts
// the focus in the field at fault.
void BusinessCaseWindowTest::riskRangesRefused()
{
    QFETCH(int, input);
    QFETCH(QStringList, typed);
    QFETCH(int, focused);
    QFETCH(QString, said);
    const model::RiskRanges defaults = model::defaultRiskRanges(model::Assumptions::designed());
    RiskRangesDialog dialog(defaults, defaults, kDefaultValues, model::Assumptions::designed(), QLocale(), 1);
    QVERIFY(showActive(&dialog));
    for (int c = 0; c < 3; ++c)
        dialog.findChild<QLineEdit *>(QStringLiteral("risk_%1_%2").arg(input).arg(c))->setText(typed[c]);
    m_reports.clear();
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_reports.size(), 1);
    const QString name = model::riskInputName(model::RiskInput(input));
    QVERIFY2(m_reports.first().contains(u'\u201C' + name + u'\u201D') && m_reports.first().contains(said),
             qPrintable(m_reports.first()));
    for (int c = 0; c < 3; ++c)
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("risk_%1_%2").arg(input).arg(c))->text(), typed[c]);
    QCOMPARE(QApplication::focusWidget(),
             dialog.findChild<QLineEdit *>(QStringLiteral("risk_%1_%2").arg(input).arg(focused)));
}

// A range typed is taken as typed, the shown ones exactly; the defaults
// restored are none of the user's own.
void BusinessCaseWindowTest::riskRangesAccepted()
{
    model::RiskRanges defaults = model::defaultRiskRanges(model::Assumptions::designed());
    defaults.ranges[std::size_t(model::RiskInput::BearingFailures)] = model::PertRange{5.4166666, 8.5, 12.75};
    RiskRangesDialog dialog(defaults, defaults, kDefaultValues, model::Assumptions::designed(), QLocale(), 1);
    dialog.findChild<QLineEdit *>(QStringLiteral("risk_6_0"))->setText(QStringLiteral("2"));
    dialog.findChild<QLineEdit *>(QStringLiteral("risk_6_1"))->setText(QStringLiteral("4"));
    dialog.findChild<QLineEdit *>(QStringLiteral("risk_6_2"))->setText(QStringLiteral("8"));
    dialog.accept();
    QVERIFY(dialog.ranges());
    model::RiskRanges expected = defaults;
    expected.ranges[std::size_t(model::RiskInput::HoursPerReplacement)] = model::PertRange{2, 4, 8};
    QVERIFY(*dialog.ranges() == expected);
    dialog.findChild<QPushButton *>(QStringLiteral("restoreDefaults"))->click();
    dialog.accept();
    QVERIFY(!dialog.ranges());
}

void BusinessCaseWindowTest::measuredReductionApplied_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<double>("preset");  // the failure-driven reductions to start with; 0: as designed
    QTest::addColumn<double>("applied"); // what the button makes them; 0: the button is disabled
    QTest::addColumn<QString>("said");   // by the tooltip
    // 12 in 366 days, 3 in 365: 1 − (3 ÷ 0.99932) ÷ (12 ÷ 1.00205) = 74.93 %.
    QTest::newRow("fewer after") << 12 << 3 << 0.0 << 74.9 << "by the measured 74.9%";
    QTest::newRow("none after") << 10 << 0 << 0.0 << 100.0 << "by the measured 100%";
    QTest::newRow("more after") << 3 << 9 << 0.0 << 0.0 << "failures rose";
    QTest::newRow("applied already") << 12 << 3 << 74.9 << 0.0 << "already";
}

// The button sets the three failure-driven reductions in the facility, to
// the tenth, and the window's comparison follows; a rise is no reduction.
void BusinessCaseWindowTest::measuredReductionApplied()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(double, preset);
    QFETCH(double, applied);
    QFETCH(QString, said);
    document::FacilityDocument facility(QLocale(QLocale::English, QLocale::UnitedStates));
    facility.setRecords(checkedRecords(before, after));
    if (preset > 0)
        facility.setAssumptions(model::withFailureDrivenReduction(facility.assumptions(), preset));
    const model::Assumptions was = facility.assumptions();
    facility.setInvestment(investmentOf("20000"));
    BusinessCaseWindow window(facility, 1);
    auto *button = window.findChild<QPushButton *>(QStringLiteral("applyMeasuredReduction"));
    QVERIFY(button);
    QCOMPARE(button->isEnabled(), applied > 0);
    QVERIFY2(button->toolTip().contains(said), qPrintable(button->toolTip()));
    button->click();
    const std::array<double, 5> expected{90, 50, applied ? applied : was.reductionPercent[2],
                                         applied ? applied : was.reductionPercent[3],
                                         applied ? applied : was.reductionPercent[4]};
    QCOMPARE(facility.assumptions().reductionPercent, expected);
    const QString comparison = window.findChild<QLabel *>(QStringLiteral("savingsCheckText"))->text();
    QVERIFY2(comparison.startsWith(QStringLiteral("The case assumes %1% fewer").arg(expected[2])),
             qPrintable(comparison));
    QVERIFY(!button->isEnabled());
}

// An input the records give shows the records' P10, P50 and P90 and takes
// nothing typed until its box is unchecked; then it takes the user's range.
void BusinessCaseWindowTest::riskRangesFromTheRecords()
{
    model::RiskRanges defaults = model::defaultRiskRanges(model::Assumptions::designed());
    defaults.draws[5] = model::GammaDraw{17.5, 0.5};
    defaults.fromRecords[5] = true;
    std::array<QString, model::kRiskInputCount> said;
    said[5] = QStringLiteral("the gamma posterior");
    RiskRangesDialog dialog(defaults, defaults, kDefaultValues, model::Assumptions::designed(), QLocale::c(), 1,
                            nullptr, u"$", said);
    auto *low = dialog.findChild<QLineEdit *>(QStringLiteral("risk_5_0"));
    QCOMPARE(low->text(), QStringLiteral("6.2"));
    QVERIFY(low->isReadOnly());
    QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("riskRecordsText_5"))->text().contains(said[5]));
    dialog.findChild<QCheckBox *>(QStringLiteral("riskFromRecords_5"))->setChecked(false);
    low->setText(QStringLiteral("2"));
    dialog.accept();
    QVERIFY(dialog.ranges() && !dialog.ranges()->fromRecords[5] && !dialog.ranges()->draws[5]);
    QCOMPARE(dialog.ranges()->ranges[5]->low, 2.0);
    dialog.findChild<QCheckBox *>(QStringLiteral("riskFromRecords_5"))->setChecked(true);
    dialog.accept();
    QVERIFY(!dialog.ranges());
}

// The items' rows as typed in German: amounts with their grouping, an
// empty year at the start, an empty spacing once; a row that does not read
// keeps the dialog open and names its row.
void BusinessCaseWindowTest::caseItemsRead_data()
{
    QTest::addColumn<QStringList>("item"); // caption, amount, year, every
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("every");

    QTest::newRow("a grant at the start") << QStringList{"Zuschuss", "-5.000", "", ""} << QString() << -5000.0 << 0;
    QTest::newRow("a pump every 3 years") << QStringList{"Pumpe", "3.000,50", "3", "3"} << QString() << 3000.5 << 3;
    QTest::newRow("a year of tenths") << QStringList{"Pumpe", "300", "2,5", ""} << "row 1" << 0.0 << 0;
    QTest::newRow("no amount") << QStringList{"Pumpe", "viel", "1", ""} << "row 1 has no amount" << 0.0 << 0;
}

void BusinessCaseWindowTest::caseItemsRead()
{
    QFETCH(QStringList, item);
    QFETCH(QString, refusal);
    QFETCH(double, amount);
    QFETCH(int, every);

    CaseItemsDialog dialog({{QStringLiteral("Entsorgung"), 1200.5, 2, true}}, {}, QLocale(QLocale::German), u"\u20AC",
                           1);
    auto *items = dialog.findChild<QTableWidget *>(QStringLiteral("oneOffItems"));
    items->insertRow(0);
    for (int c = 0; c < item.size(); ++c)
        items->setItem(0, c, new QTableWidgetItem(item.at(c)));
    m_reports.clear();
    dialog.accept();
    QCOMPARE(dialog.result() == QDialog::Accepted, refusal.isEmpty());
    if (!refusal.isEmpty()) {
        QVERIFY2(m_reports.size() == 1 && m_reports.first().contains(refusal), qPrintable(m_reports.join(u'|')));
        return;
    }
    QCOMPARE(dialog.oneOffs().size(), std::size_t(1));
    QCOMPARE(dialog.oneOffs().front().amount, amount);
    QCOMPARE(dialog.oneOffs().front().every, every);
    // The saving given comes back as it was shown.
    QCOMPARE(dialog.otherSavings(), (std::vector<model::OtherSaving>{{QStringLiteral("Entsorgung"), 1200.5, 2, true}}));
}

// The assumptions' sentences on the items and the contingency say what the
// figures hold: a saving that escalates is not at today's prices, and a
// contingency raises the price and installation, not the outlay a grant lowers.
void BusinessCaseWindowTest::capitalSentencesHold_data()
{
    QTest::addColumn<model::CapitalInputs>("capital");
    QTest::addColumn<QString>("holds");
    QTest::addColumn<QString>("never");

    model::CapitalInputs escalating;
    escalating.otherSavings = {{QStringLiteral("Disposal"), 1200, 2, true}};
    QTest::newRow("a saving that escalates") << escalating << "escalating 2% a year, cash"
                                             << "Before income tax, at";
    model::CapitalInputs granted;
    granted.contingencyPercent = 10;
    granted.oneOffs = {{QStringLiteral("Grant"), -5000, 0, 0}};
    QTest::newRow("a contingency beside a grant") << granted << "raises them to $22,000.00"
                                                  << "$17,000.00";
}

void BusinessCaseWindowTest::capitalSentencesHold()
{
    QFETCH(model::CapitalInputs, capital);
    QFETCH(QString, holds);
    QFETCH(QString, never);

    const QString text = outputs::capitalSentences(capital, model::Investment{20000, 0, 500, 5, 10},
                                                   QLocale(QLocale::English, QLocale::UnitedStates), u"$")
                             .join(u' ');
    QVERIFY2(text.contains(holds) && !text.contains(never), qPrintable(text));
}

// Without a bearing price or a replacement rate the failures, the hours and
// the production value all scale the lost production alone: one line, one
// legend entry naming all three.
void BusinessCaseWindowTest::spiderLinesAlikeShareAnEntry()
{
    const auto facility = facilityWith(investmentOf("20000"));
    facility->setFigureText(int(model::Input::BearingPrice), QStringLiteral("0"));
    facility->setFigureText(int(model::Input::ReplacementLabourRate), QStringLiteral("0"));
    const std::unique_ptr<QChart> chart = outputs::spiderChart(*facility->businessCase(), QLocale(), u"$");
    QStringList names;
    for (const QAbstractSeries *series : chart->series())
        names << series->name();
    QCOMPARE(names.size(), 3);
    QVERIFY2(names.filter(QStringLiteral("Bearing failures, ")).size() == 1, qPrintable(names.join(u'|')));
}

// With a cheaper option beside it, the window sets both against doing nothing
// in a tab of its own. Its Alternatives dialog selects the cheaper one, whose
// price the fields then show, and adds a copy of it under the name typed.
void BusinessCaseWindowTest::alternativesChooseTheOptionShown()
{
    auto facility = facilityWith(investmentOf("20000"));
    facility->setOptions({QStringLiteral("Central"), {90, 50, 80, 80, 80}, investmentOf("20000"), {}},
                         {{QStringLiteral("Manual"), {45, 25, 40, 40, 40}, investmentOf("5000"), {}}});
    BusinessCaseWindow window(*facility, 1);
    auto *views = window.findChild<QTabWidget *>(QStringLiteral("cashFlowViews"));
    QCOMPARE(views->tabText(views->count() - 1), QStringLiteral("Alternatives"));
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("alternativesTable"));
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Manual")); // the cheaper above
    QVERIFY(table->item(2, 0)->font().bold());

    const auto button = [](QWidget *in, const QString &text) {
        for (auto *found : in->findChildren<QPushButton *>())
            if (found->text() == text)
                return found;
        return static_cast<QPushButton *>(nullptr);
    };
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<AlternativesDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QTableWidget *>(QStringLiteral("alternativesTable"))->selectRow(1);
        button(dialog, QStringLiteral("&Select"))->click();
        QTimer::singleShot(0, [] {
            auto *input = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(input);
            input->setTextValue(QStringLiteral("Manual, second shift"));
            input->accept();
        });
        button(dialog, QStringLiteral("&Add Option\u2026"))->click();
        dialog->accept();
    });
    window.findChild<QPushButton *>(QStringLiteral("alternatives"))->click();
    QCOMPARE(window.investment().systemPrice, QStringLiteral("5000"));
    QCOMPARE(window.selectedOption().name, QStringLiteral("Manual"));
    QCOMPARE(window.selectedOption().reductionPercent[0], 45.0);
    QCOMPARE(window.otherOptions().size(), std::size_t(2));
    QCOMPARE(window.otherOptions()[1].name, QStringLiteral("Manual, second shift"));
    QCOMPARE(window.otherOptions()[1].investment.systemPrice, QStringLiteral("5000"));
    QCOMPARE(table->rowCount(), 4);
}

QTEST_MAIN(BusinessCaseWindowTest)
#include "business_case_window_test.moc"
