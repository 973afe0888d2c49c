// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/business_case_window.h"

#include "dialogs/alternatives_table.h"
#include "dialogs/dialog_size.h"
#include "dialogs/fitted_scroll_area.h"
#include "dialogs/investment_fields.h"
#include "dialogs/risk_ranges_dialog.h"
#include "document/facility_document.h"
#include "model/costs/currency_units.h"
#include "model/costs/model_text.h"
#include "model/facility/facility_file.h"
#include "model/finance/business_case_text.h"
#include "model/finance/cash_flow_text.h"
#include "model/finance/records_risk.h"
#include "model/finance/risk_text.h"
#include "model/records/measured_reduction.h"
#include "model/records/savings_check_text.h"
#include "model/text/money_text.h"
#include "model/text/percentage_text.h"
#include "model/text/regional_digits.h"
#include "outputs/business_case_charts.h"
#include "outputs/risk_charts.h"
#include "platform/chart_zoomed_view.h"
#include "platform/system_seams.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString reductionsText(const model::Assumptions &assumptions, const QLocale &locale)
{
    QStringList parts;
    for (const double reduction : assumptions.reductionPercent)
        parts << model::percentText(reduction, locale);
    return model::withPercentSign(parts.join(QStringLiteral(" / ")), locale);
}

// A chart view drawn at the window's zoom: the charts' own type sizes, set
// for the printed report, grow with the window's text.
QChartView *zoomedChartView(const QString &name, qreal zoom, QSize minimum)
{
    auto *view = new platform::ZoomedChartView;
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setZoom(zoom);
    view->setMinimumSize(minimum * zoom);
    return view;
}

void replaceChart(QChartView *view, std::unique_ptr<QChart> chart)
{
    QChart *old = view->chart();
    view->setChart(chart.release());
    delete old;
    // The new chart laid out at the view's size less the zoom, as the old one was.
    if (auto *zoomed = dynamic_cast<platform::ZoomedChartView *>(view))
        zoomed->setZoom(view->transform().m11());
}

} // namespace

BusinessCaseWindow::BusinessCaseWindow(document::FacilityDocument &facility, qreal zoom, QWidget *parent)
    : QDialog(parent), m_facility(facility), m_zoom(zoom), m_optionName(facility.figures().optionName),
      m_reductions(facility.assumptions().reductionPercent), m_otherOptions(facility.otherOptions())
{
    const QLocale &locale = m_facility.locale();
    setObjectName(QStringLiteral("businessCaseWindow"));
    setWindowTitle(tr("Business Case"));
    setLocale(locale);
    dialogs::zoomFont(this, zoom);

    // Everything but the buttons scrolls where the screen is too small.
    auto *contents = new QWidget;
    auto *layout = new QVBoxLayout(contents);
    auto *top = new QHBoxLayout;
    m_fields = new InvestmentFields(m_facility.investment(), nullptr, symbol());
    top->addWidget(m_fields);
    auto *measuresBox = new QGroupBox(tr("Measures"));
    auto *measuresLayout = new QVBoxLayout(measuresBox);
    m_measures = new QLabel;
    m_measures->setObjectName(QStringLiteral("measures"));
    m_measures->setTextFormat(Qt::PlainText);
    m_measures->setWordWrap(true);
    m_measures->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_measures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    measuresLayout->addWidget(m_measures);
    top->addWidget(measuresBox, 1);
    layout->addLayout(top);
    layout->addWidget(capitalGroup(m_facility.capital()));

    layout->addWidget(casesGroup());
    if (QWidget *check = savingsCheckBox())
        layout->addWidget(check);

    layout->addLayout(chartsRow(zoom), 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    dialogs::layOutAboveButtons(this, contents, buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &BusinessCaseWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_fields, &InvestmentFields::edited, this, &BusinessCaseWindow::recompute);
    connect(m_step, &QDoubleSpinBox::valueChanged, this, &BusinessCaseWindow::recompute);
    connect(m_sensitivityChoice, &QComboBox::currentIndexChanged, this, &BusinessCaseWindow::showSensitivity);
    m_riskTimer = new QTimer(this);
    m_riskTimer->setSingleShot(true);
    m_riskTimer->setInterval(300);
    connect(m_riskTimer, &QTimer::timeout, this, &BusinessCaseWindow::showRisk);
    connect(m_cashFlowViews, &QTabWidget::currentChanged, this, [this] {
        if (m_cashFlowViews->currentWidget() == m_riskView && m_riskStale)
            showRisk();
    });
    connect(&m_facility, &document::FacilityDocument::changed, this, &BusinessCaseWindow::riskChanged);
    // The measured reduction applied: the cases and measures follow it; a
    // change of the ranges alone is the risk view's.
    connect(&m_facility, &document::FacilityDocument::changed, this, [this](document::FacilityDocument::Changes what) {
        if (!what.testFlag(document::FacilityDocument::Change::Assumptions))
            return;
        // The facility's reductions are the shown option's while no other is chosen here.
        if (m_optionName == m_facility.figures().optionName)
            m_reductions = m_facility.assumptions().reductionPercent;
        recompute();
    });

    recompute();
    // As large as its contents where the screen has room, at any zoom; the
    // fonts and styles resolved first, which the contents' size depends on.
    ensurePolished();
    if (const QScreen *screen = parent ? parent->screen() : nullptr)
        resize(sizeHint().boundedTo(screen->availableGeometry().size() * 0.95));
}

// The assumed, conservative and optimistic cases side by side.
QGroupBox *BusinessCaseWindow::casesGroup()
{
    auto *casesBox = new QGroupBox(tr("Cases"));
    auto *cases = new QGridLayout(casesBox);
    const QStringList headings{tr("Case"), tr("Reductions"), tr("Annual savings"), tr("Payback"),
                               tr("Net present value")};
    for (int c = 0; c < headings.size(); ++c) {
        auto *heading = new QLabel(headings[c]);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        // Over the money and payback figures a heading stands right, as they do.
        heading->setAlignment(c >= 2 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        heading->setObjectName(QStringLiteral("caseHeading_%1").arg(c));
        cases->addWidget(heading, 0, c);
    }
    for (int s = 0; s < model::kScenarioCount; ++s) {
        cases->addWidget(new QLabel(model::scenarioName(model::Scenario(s))), s + 1, 0);
        for (int c = 0; c < 4; ++c) {
            auto *cell = new QLabel;
            cell->setObjectName(QStringLiteral("case_%1_%2").arg(s).arg(c));
            cell->setAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            cases->addWidget(cell, s + 1, c + 1);
            m_caseCells[std::size_t(s)][std::size_t(c)] = cell;
        }
    }
    return casesBox;
}

// The cash flow's charts, table and risk beside the sensitivity chart and
// its choices.
QLayout *BusinessCaseWindow::chartsRow(qreal zoom)
{
    auto *charts = new QHBoxLayout;
    m_cashFlow = zoomedChartView(QStringLiteral("cashFlowChart"), zoom, QSize(380, 330));
    m_discountedCashFlow = zoomedChartView(QStringLiteral("discountedCashFlowChart"), zoom, QSize(380, 330));
    m_tornado = zoomedChartView(QStringLiteral("tornadoChart"), zoom, QSize(380, 330));
    m_cashFlowTable = new QTableWidget;
    m_cashFlowTable->setObjectName(QStringLiteral("cashFlowTable"));
    m_cashFlowTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_cashFlowTable->verticalHeader()->hide();
    m_cashFlowViews = new QTabWidget;
    m_cashFlowViews->setObjectName(QStringLiteral("cashFlowViews"));
    m_cashFlowViews->addTab(m_cashFlow, tr("Cash flow"));
    m_cashFlowViews->addTab(m_discountedCashFlow, tr("Discounted"));
    m_cashFlowViews->addTab(m_cashFlowTable, tr("Table"));
    m_cashFlowViews->addTab(riskView(zoom), model::riskCaption(model::RiskCaption::Risk));
    showAlternativesTab();
    charts->addWidget(m_cashFlowViews, 2);
    auto *tornadoColumn = new QVBoxLayout;
    tornadoColumn->addWidget(m_tornado, 1);
    auto *stepRow = new QHBoxLayout;
    auto *showLabel = new QLabel(tr("Sensitivity of:"));
    m_sensitivityChoice = new QComboBox;
    m_sensitivityChoice->setObjectName(QStringLiteral("sensitivityChoice"));
    // In the order of SensitivityChart.
    m_sensitivityChoice->addItems({tr("Annual savings"), tr("Net present value"), tr("Net present value (spider)")});
    showLabel->setBuddy(m_sensitivityChoice);
    stepRow->addWidget(showLabel);
    stepRow->addWidget(m_sensitivityChoice);
    auto *stepLabel = new QLabel(tr("Step of the sensitivity (\u00B1%):"));
    m_step = new QDoubleSpinBox;
    m_step->setObjectName(QStringLiteral("sensitivityStep"));
    m_step->setLocale(m_facility.locale());
    m_step->setRange(1, 100);
    m_step->setDecimals(0);
    m_step->setValue(model::kDefaultSensitivityStepPercent);
    stepLabel->setBuddy(m_step);
    stepRow->addStretch(1);
    stepRow->addWidget(stepLabel);
    stepRow->addWidget(m_step);
    tornadoColumn->addLayout(stepRow);
    charts->addLayout(tornadoColumn, 3);
    return charts;
}

QString BusinessCaseWindow::symbol() const { return m_facility.currencyUnits().symbol; }

model::InvestmentTexts BusinessCaseWindow::investment() const { return m_fields->texts(); }

void BusinessCaseWindow::accept()
{
    if (!m_fields->readsIn(m_facility.locale()))
        return;
    // As the investment's fields do: the reason told, the focus in the field.
    const model::CapitalReading reading = model::readCapitalInputs(capital(), m_facility.locale());
    if (!reading.inputs) {
        platform::reportRuntimeError(this, reading.problem);
        QLineEdit *at = m_capital[std::size_t(*reading.problemField)];
        at->setFocus();
        at->selectAll();
        return;
    }
    QDialog::accept();
}

const model::BusinessCaseStudy &BusinessCaseWindow::study() const
{
    static const model::BusinessCaseStudy none;
    return m_outcome.study ? *m_outcome.study : none;
}

bool BusinessCaseWindow::hasInvestment() const { return m_outcome.investment.investment.has_value(); }

void BusinessCaseWindow::recompute()
{
    const model::FacilityFigures typed = typedFacts();
    m_outcome = model::outcomeOf(typed, m_facility.locale(),
                                 {m_facility.heldAsNoNumber(), m_step->value(), model::StudyReach::Always});
    // An investment read with capital inputs that do not is not evaluated.
    const QString &problem = m_outcome.investment.problem;
    const model::Investment investment = m_outcome.investment.investment.value_or(model::Investment());
    // Measures that overflow are told as the tables' overflow is, in place of them.
    const bool overflows = hasInvestment() && study().fault;
    const bool refused = !problem.isEmpty() || overflows;

    if (!problem.isEmpty())
        m_measures->setText(problem);
    else if (overflows)
        m_measures->setText(model::faultMessage(*study().fault));
    else if (!hasInvestment())
        m_measures->setText(tr("Enter the installed system price to see the payback, the return on investment, "
                               "the net present value and the internal rate of return."));
    else {
        QStringList lines =
            model::measureLines(study().measures, investment, m_facility.locale(), symbol(), study().capital);
        if (m_outcome.hardMeasures)
            lines << model::hardSavingsLine(*m_outcome.hardMeasures, m_facility.locale(), symbol());
        lines += model::breakEvenLines(study().breakEven, m_facility.locale(), symbol());
        m_measures->setText(model::keptInWrittenOrder(lines.join(u'\n')));
    }
    QPalette palette = m_measures->palette();
    palette.setColor(QPalette::WindowText, refused ? QColor(Qt::red) : palette.color(QPalette::Text));
    m_measures->setPalette(palette);

    showCases();
    showSavingsCheck();
    showAlternatives(typed);
    // Figures that overflow are not charted, only hidden behind the message.
    const model::BusinessCase &charted = overflows ? model::BusinessCase() : study().measures;
    replaceChart(m_cashFlow, outputs::cashFlowChart(charted, m_facility.locale(), symbol()));
    replaceChart(m_discountedCashFlow,
                 outputs::cashFlowChart(charted, m_facility.locale(), symbol(), outputs::CashFlowBasis::Discounted));
    showCashFlowTable(charted.cashFlow);
    showSensitivity();
    // Without cash flows the risk view, of the savings then, is all there is.
    const bool flows = hasInvestment() && !overflows;
    for (int view = 0; view < 3; ++view)
        m_cashFlowViews->setTabVisible(view, flows);
    if (!flows && m_riskView)
        m_cashFlowViews->setCurrentWidget(m_riskView);
    m_cashFlowViews->setVisible(flows || m_riskView);
    riskChanged();
    dialogs::growToContents(this);
}

QWidget *BusinessCaseWindow::riskView(qreal zoom)
{
    m_riskView = new QWidget;
    m_riskView->setObjectName(QStringLiteral("riskView"));
    auto *layout = new QVBoxLayout(m_riskView);
    m_riskLines = new QLabel;
    m_riskLines->setObjectName(QStringLiteral("riskLines"));
    m_riskLines->setTextFormat(Qt::PlainText);
    m_riskLines->setWordWrap(true);
    m_riskLines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_riskLines);
    auto *charts = new QHBoxLayout;
    m_riskHistogram = zoomedChartView(QStringLiteral("riskHistogram"), zoom, QSize(240, 230));
    m_riskCurve = zoomedChartView(QStringLiteral("riskCurve"), zoom, QSize(240, 230));
    for (QChartView *view : {m_riskHistogram, m_riskCurve})
        charts->addWidget(view, 1);
    layout->addLayout(charts, 1);
    auto *buttonRow = new QHBoxLayout;
    auto *ranges = new QPushButton(tr("Risk Ranges\u2026"));
    ranges->setObjectName(QStringLiteral("riskRanges"));
    buttonRow->addStretch(1);
    buttonRow->addWidget(ranges);
    layout->addLayout(buttonRow);
    connect(ranges, &QPushButton::clicked, this, &BusinessCaseWindow::editRiskRanges);
    return m_riskView;
}

// What the runs depend on has changed: they run again once the view is shown.
void BusinessCaseWindow::riskChanged()
{
    m_riskStale = true;
    if (m_cashFlowViews->currentWidget() == m_riskView && m_cashFlowViews->isVisible())
        m_riskTimer->start();
}

void BusinessCaseWindow::showRisk()
{
    m_riskTimer->stop();
    m_riskStale = false;
    const std::optional<model::RiskSummary> *summary = &m_facility.riskSummary();
    std::optional<model::RiskInput> overflow = m_facility.riskOverflow();
    m_typedRisk.reset();
    if (investment() != m_facility.investment() || capital() != m_facility.capital()) {
        const std::optional<model::Investment> &invested = m_outcome.investment.investment;
        const model::CapitalInputs inputs = m_outcome.capital.inputs.value_or(model::CapitalInputs());
        const model::RiskRanges ranges = m_facility.riskRanges();
        overflow = model::overflowingRiskInput(m_facility.results().values, m_facility.assumptions(), invested, inputs,
                                               ranges);
        m_typedRisk =
            model::simulateRisk(m_facility.results().values, m_facility.assumptions(), invested, inputs, ranges);
        summary = &m_typedRisk;
    }
    const model::RiskSummary shown = summary->value_or(model::RiskSummary());
    if (overflow)
        m_riskLines->setText(model::riskOverflowText(*overflow, symbol()));
    else if (!*summary)
        m_riskLines->setText(model::noRiskRunsText());
    else {
        const model::RiskRanges ranges = m_facility.riskRanges();
        QStringList lines = model::riskLines(shown, ranges.seed, m_facility.locale(), symbol());
        if (const QString records = model::riskRecordsText(ranges, m_facility.records(), m_facility.locale(), symbol());
            !records.isEmpty())
            lines << records;
        m_riskLines->setText(model::keptInWrittenOrder(lines.join(u'\n')));
    }
    replaceChart(m_riskHistogram, outputs::riskHistogramChart(shown, m_facility.locale(), symbol()));
    replaceChart(m_riskCurve, outputs::riskCurveChart(shown, m_facility.locale(), symbol()));
    dialogs::growToContents(this);
}

void BusinessCaseWindow::editRiskRanges()
{
    std::array<QString, model::kRiskInputCount> recordsTexts;
    for (int i = 0; m_facility.records() && i < model::kRiskInputCount; ++i)
        recordsTexts[std::size_t(i)] =
            model::recordsDrawText(model::RiskInput(i), m_facility.records()->summary, m_facility.locale());
    RiskRangesDialog dialog(m_facility.riskRanges(), m_facility.defaultRiskRanges(), m_facility.results().values,
                            m_facility.assumptions(), m_facility.locale(), m_zoom, this, symbol(), recordsTexts);
    dialog.setInvestment(hasInvestment() ? std::optional(study().investment) : std::nullopt, study().capital);
    if (dialog.exec() == QDialog::Accepted)
        m_facility.setRiskRanges(dialog.ranges());
}

// The measured beside the assumed reduction, where the records have a check.
QWidget *BusinessCaseWindow::savingsCheckBox()
{
    if (!m_facility.records() || !m_facility.records()->summary.check)
        return nullptr;
    auto *box = new QGroupBox(model::savingsCheckCaption(model::SavingsCheckCaption::SavingsCheck));
    box->setObjectName(QStringLiteral("savingsCheck"));
    auto *row = new QHBoxLayout(box);
    m_savingsCheck = new QLabel;
    m_savingsCheck->setObjectName(QStringLiteral("savingsCheckText"));
    m_savingsCheck->setTextFormat(Qt::PlainText);
    m_savingsCheck->setWordWrap(true);
    m_savingsCheck->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_savingsCheck, 1);
    m_applyMeasured = new QPushButton(tr("Apply Measured Reduction"));
    m_applyMeasured->setObjectName(QStringLiteral("applyMeasuredReduction"));
    row->addWidget(m_applyMeasured, 0, Qt::AlignVCenter);
    connect(m_applyMeasured, &QPushButton::clicked, this, &BusinessCaseWindow::applyMeasuredReduction);
    return box;
}

void BusinessCaseWindow::showSavingsCheck()
{
    if (!m_savingsCheck)
        return;
    const model::SavingsCheck &check = *m_facility.records()->summary.check;
    const double assumed = m_facility.assumptions().reductionPercent[std::size_t(model::RiskInput::BearingsReduction)];
    m_savingsCheck->setText(
        model::keptInWrittenOrder(model::assumedBesideMeasuredText(check, assumed, m_facility.locale())));
    const std::optional<double> measured = model::measuredReductionPercent(check);
    const bool applied =
        measured && model::withFailureDrivenReduction(m_facility.assumptions(), *measured) == m_facility.assumptions();
    m_applyMeasured->setEnabled(measured && !applied);
    if (!measured)
        m_applyMeasured->setToolTip(
            tr("The failures rose after the installation: the records measure no reduction to apply."));
    else if (applied)
        m_applyMeasured->setToolTip(tr("The replacement bearings, their labor and the lost production are reduced "
                                       "by the measured %1 already.")
                                        .arg(model::percentageText(*measured, m_facility.locale())));
    else
        m_applyMeasured->setToolTip(tr("Reduces the replacement bearings, their labor and the lost production by "
                                       "the measured %1.")
                                        .arg(model::percentageText(*measured, m_facility.locale())));
}

// Through the facility, as the risk ranges go: the main window's tables
// follow, and so does this window.
void BusinessCaseWindow::applyMeasuredReduction()
{
    if (const std::optional<double> measured = model::measuredReductionPercent(*m_facility.records()->summary.check))
        m_facility.setAssumptions(model::withFailureDrivenReduction(m_facility.assumptions(), *measured));
}

// The chart of the sensitivity chosen; the NPV's have no bars or lines
// without an investment, as the measures say.
void BusinessCaseWindow::showSensitivity()
{
    switch (SensitivityChart(m_sensitivityChoice->currentIndex())) {
    case SensitivityChart::SavingsTornado:
        replaceChart(m_tornado, outputs::tornadoChart(study(), outputs::SensitivityMeasure::AnnualSavings,
                                                      m_facility.locale(), symbol()));
        break;
    case SensitivityChart::NpvTornado:
        replaceChart(m_tornado, outputs::tornadoChart(study(), outputs::SensitivityMeasure::NetPresentValue,
                                                      m_facility.locale(), symbol()));
        break;
    case SensitivityChart::NpvSpider:
        replaceChart(m_tornado, outputs::spiderChart(study(), m_facility.locale(), symbol()));
        break;
    }
}

void BusinessCaseWindow::showCases()
{
    for (int s = 0; s < model::kScenarioCount; ++s) {
        const model::CaseSummary &summary = study().cases[std::size_t(s)];
        auto &cells = m_caseCells[std::size_t(s)];
        const bool measured = summary.computed && hasInvestment() && !summary.measures.fault;
        const QString texts[] = {
            reductionsText(summary.assumptions, m_facility.locale()),
            summary.computed ? model::currencyText(summary.annualSavings, m_facility.locale(), symbol())
                             : QStringLiteral("\u2014"),
            measured ? model::paybackText(summary.measures, m_facility.locale()) : QStringLiteral("\u2014"),
            measured ? model::npvText(summary.measures, m_facility.locale(), symbol()) : QStringLiteral("\u2014")};
        // "٤٥ / ٢٥ / ٤٠" would otherwise read right to left in Egypt.
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c]->setText(model::keptInWrittenOrder(texts[c]));
    }
}

void BusinessCaseWindow::showCashFlowTable(const model::CashFlowTable &table)
{
    const std::vector<model::CashFlowColumn> columns = model::shownCashFlowColumns(table);
    m_cashFlowTable->clear();
    m_cashFlowTable->setColumnCount(int(columns.size()));
    m_cashFlowTable->setRowCount(int(table.years.size()));
    QStringList headings;
    for (const model::CashFlowColumn column : columns)
        headings << model::cashFlowHeading(column);
    m_cashFlowTable->setHorizontalHeaderLabels(headings);
    for (int t = 0; t < int(table.years.size()); ++t) {
        for (int c = 0; c < int(columns.size()); ++c) {
            const model::CashFlowColumn column = columns[std::size_t(c)];
            auto *item = new QTableWidgetItem(
                model::cashFlowCellText(table.years[std::size_t(t)], column, m_facility.locale(), symbol()));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_cashFlowTable->setItem(t, c, item);
        }
    }
    m_cashFlowTable->resizeColumnsToContents();
    m_cashFlowTable->resizeRowsToContents();
}
