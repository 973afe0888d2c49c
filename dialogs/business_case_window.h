// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/input_table.h"
#include "model/facility/case_options.h"
#include "model/facility_outcome.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"
#include "model/finance/risk_simulation.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <optional>

QT_BEGIN_NAMESPACE
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
QT_END_NAMESPACE

namespace document {
class FacilityDocument;
}

class AlternativesTable;
class InvestmentFields;

// The "Business Case" window: the investment and the capital request's
// inputs (escalations, tax and depreciation, residual value, first-year
// share, timing of the flows), what they come to (payback,
// return, net present value, internal rate of return, discounted payback),
// the break-even values, the cash flows (charted, undiscounted and
// discounted, and as a table), the sensitivity of the savings to every figure
// and reduction or of the NPV to those and the investment's inputs (a
// tornado, or the NPV against ±30 % of the five strongest inputs), the
// cases beside the assumed one and, where the case weighs other options,
// those side by side with doing nothing. Everything follows
// the fields as they are typed. Modal, like the About window.
//
// Given the facility, a "Risk" view beside the cash flows shows what the
// simulation of its risk ranges comes to (the P10, P50 and P90, the chance of
// a negative NPV, a histogram and an S-curve), or which range would let runs
// overflow, and opens the "Risk Ranges" dialog. The simulation runs only
// while the view is shown, once per change: the facility's own when the
// investment is as it holds it, otherwise one of the investment as typed.
// Where the facility's records have a savings check, the reduction they
// measure stands beside the one assumed, and "Apply Measured Reduction"
// makes it the failure-driven rows' (model::kFailureDrivenRows) in the
// facility; a rise in the failures is no reduction to apply.
class BusinessCaseWindow : public QDialog {
    Q_OBJECT
public:
    // Of the facility's figures, which compute without a fault; its
    // investment and capital inputs are edited here and kept by the caller
    // when the window is closed with OK.
    BusinessCaseWindow(document::FacilityDocument &facility, qreal zoom, QWidget *parent = nullptr);

    // The investment as typed, kept when the window is closed with OK.
    model::InvestmentTexts investment() const;
    // The capital inputs as typed, kept with the investment.
    model::CapitalTexts capital() const;
    // The option shown, as typed here, and the options beside it, kept with
    // the investment on OK; the Alternatives dialog may choose another.
    model::CaseOption selectedOption() const;
    const std::vector<model::CaseOption> &otherOptions() const { return m_otherOptions; }
    // What the window shows now; no investment when none is given.
    const model::BusinessCaseStudy &study() const;
    bool hasInvestment() const;

    void accept() override;

private:
    QGroupBox *capitalGroup(const model::CapitalTexts &capital);
    QGroupBox *casesGroup();
    QLayout *chartsRow(qreal zoom);
    // The charts the sensitivity's choice offers, in its order.
    enum class SensitivityChart { SavingsTornado, NpvTornado, NpvSpider };

    // The facility with the option as typed here and the others held here.
    model::FacilityFigures typedFacts() const;
    void editAlternatives();
    // The option's investment and capital inputs in the fields.
    void showOption(const model::CaseOption &option);
    // The options side by side, in a tab of their own while there are others.
    void showAlternativesTab();
    void showAlternatives(const model::FacilityFigures &typed);

    void recompute();
    void showCases();
    void showCashFlowTable(const model::CashFlowTable &table);
    void showSensitivity();
    QWidget *riskView(qreal zoom);
    void riskChanged();
    void showRisk();
    void editRiskRanges();
    QWidget *savingsCheckBox();
    void showSavingsCheck();
    void applyMeasuredReduction();

    // The currency of every money figure.
    QString symbol() const;

    document::FacilityDocument &m_facility;
    // What the facility comes to with the investment and capital inputs typed here.
    model::FacilityOutcome m_outcome;

    InvestmentFields *m_fields = nullptr;
    std::array<QLineEdit *, model::kCapitalFieldCount> m_capital{};
    std::vector<model::OtherSaving> m_otherSavings; // as the items' dialog gave them
    std::vector<model::OneOffItem> m_oneOffs;
    QComboBox *m_depreciation = nullptr;
    QComboBox *m_timing = nullptr;
    QLabel *m_measures = nullptr;
    QDoubleSpinBox *m_step = nullptr;
    QComboBox *m_sensitivityChoice = nullptr;
    QTabWidget *m_cashFlowViews = nullptr;
    QChartView *m_cashFlow = nullptr;
    QChartView *m_discountedCashFlow = nullptr;
    QTableWidget *m_cashFlowTable = nullptr;
    QChartView *m_tornado = nullptr;
    std::array<std::array<QLabel *, 4>, model::kScenarioCount> m_caseCells{};

    qreal m_zoom = 1;
    QString m_optionName;
    std::array<double, model::kReducedRowCount> m_reductions{};
    std::vector<model::CaseOption> m_otherOptions;
    QWidget *m_riskView = nullptr;
    QLabel *m_riskLines = nullptr;
    QChartView *m_riskHistogram = nullptr;
    QChartView *m_riskCurve = nullptr;
    QTimer *m_riskTimer = nullptr; // typing waits for a pause before the runs
    bool m_riskStale = true;
    std::optional<model::RiskSummary> m_typedRisk; // of an investment the facility does not hold
    AlternativesTable *m_alternatives = nullptr;   // where the case weighs other options
    QLabel *m_alternativesSentences = nullptr;
    QLabel *m_savingsCheck = nullptr;
    QPushButton *m_applyMeasured = nullptr;
};
