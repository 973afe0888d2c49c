// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The Business Case window's options: the one typed here, the others beside
// it, the Alternatives dialog that chooses among them and the tab that sets
// them side by side.
#include "dialogs/alternatives_dialog.h"
#include "dialogs/alternatives_table.h"
#include "dialogs/business_case_window.h"
#include "dialogs/investment_fields.h"
#include "document/facility_document.h"
#include "model/case_alternatives.h"
#include "model/text/list_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

model::CaseOption BusinessCaseWindow::selectedOption() const
{
    return {m_optionName, m_reductions, investment(), capital()};
}

model::FacilityFigures BusinessCaseWindow::typedFacts() const
{
    model::FacilityFigures typed = model::withOption(m_facility.figures(), selectedOption());
    typed.otherOptions = m_otherOptions;
    return typed;
}

void BusinessCaseWindow::editAlternatives()
{
    AlternativesDialog dialog(typedFacts(), m_facility.heldAsNoNumber(), m_facility.locale(), m_zoom, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_otherOptions = dialog.others();
    showOption(dialog.selected());
    showAlternativesTab();
    recompute();
}

void BusinessCaseWindow::showOption(const model::CaseOption &option)
{
    m_optionName = option.name;
    m_reductions = option.reductionPercent;
    m_fields->setTexts(option.investment);
    const model::CapitalTexts &capital = option.capital;
    using model::CapitalField;
    const std::pair<CapitalField, const QString *> texts[] = {
        {CapitalField::LabourEscalation, &capital.labourEscalation},
        {CapitalField::LubricantEscalation, &capital.lubricantEscalation},
        {CapitalField::BearingEscalation, &capital.bearingEscalation},
        {CapitalField::ProductionValueEscalation, &capital.productionValueEscalation},
        {CapitalField::UpkeepEscalation, &capital.upkeepEscalation},
        {CapitalField::TaxRate, &capital.taxRate},
        {CapitalField::DepreciationYears, &capital.depreciationYears},
        {CapitalField::DecliningRate, &capital.decliningRate},
        {CapitalField::ResidualValue, &capital.residualValue},
        {CapitalField::FirstYearShare, &capital.firstYearShare},
        {CapitalField::Contingency, &capital.contingency},
        {CapitalField::AccuracyBelow, &capital.accuracyBelow},
        {CapitalField::AccuracyAbove, &capital.accuracyAbove},
        {CapitalField::HurdleRate, &capital.hurdleRate},
    };
    for (const auto &[field, text] : texts)
        m_capital[std::size_t(field)]->setText(*text);
    // The choices' own signals would recompute before every field is set.
    const QSignalBlocker depreciation(m_depreciation);
    const QSignalBlocker timing(m_timing);
    m_depreciation->setCurrentIndex(int(capital.depreciation));
    m_timing->setCurrentIndex(int(capital.timing));
    m_otherSavings = capital.otherSavings;
    m_oneOffs = capital.oneOffs;
}

void BusinessCaseWindow::showAlternativesTab()
{
    if (m_alternatives || m_otherOptions.empty())
        return;
    auto *view = new QWidget;
    auto *layout = new QVBoxLayout(view);
    m_alternatives = new AlternativesTable;
    layout->addWidget(m_alternatives, 1);
    m_alternativesSentences = new QLabel;
    m_alternativesSentences->setObjectName(QStringLiteral("alternativesSentences"));
    m_alternativesSentences->setTextFormat(Qt::PlainText);
    m_alternativesSentences->setWordWrap(true);
    layout->addWidget(m_alternativesSentences);
    m_cashFlowViews->addTab(view, tr("Alternatives"));
}

void BusinessCaseWindow::showAlternatives(const model::FacilityFigures &typed)
{
    if (!m_alternatives)
        return;
    const model::AlternativesComparison compared =
        model::compareAlternatives(typed, m_facility.locale(), m_facility.heldAsNoNumber());
    m_alternatives->showComparison(compared, m_facility.locale(), symbol());
    m_alternativesSentences->setText(compared.rows.empty() ? tr("The case weighs one option against doing nothing.")
                                                           : model::sentencesText(model::alternativesSentences(
                                                               compared, m_facility.locale(), symbol())));
}
