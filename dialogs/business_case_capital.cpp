// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The Business Case window's Capital group: its fields, the items' dialog
// it opens and the texts it gives.
#include "dialogs/business_case_window.h"
#include "dialogs/case_items_dialog.h"
#include "document/facility_document.h"
#include "model/costs/currency_units.h"
#include "model/facility/facility_file.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The fields of model::CapitalTexts, three to a row to keep the window's height.
QGroupBox *BusinessCaseWindow::capitalGroup(const model::CapitalTexts &capital)
{
    auto *box = new QGroupBox(tr("Capital"));
    box->setObjectName(QStringLiteral("capitalFields"));
    auto *grid = new QGridLayout(box);
    int cell = 0;
    const auto place = [&](const QString &label, QWidget *field) {
        auto *caption = new QLabel(label);
        caption->setBuddy(field);
        grid->addWidget(caption, cell / 3, cell % 3 * 2);
        grid->addWidget(field, cell / 3, cell % 3 * 2 + 1);
        ++cell;
    };
    using model::CapitalField;
    const auto add = [&](CapitalField which, const char *name, const QString &text, const QString &label,
                         const QString &placeholder) {
        auto *edit = new QLineEdit(text);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(int(model::kReportDetailMaxLength));
        edit->setPlaceholderText(placeholder);
        edit->setMinimumWidth(80);
        place(label, edit);
        connect(edit, &QLineEdit::textEdited, this, &BusinessCaseWindow::recompute);
        m_capital[std::size_t(which)] = edit;
    };
    const QString none = m_facility.locale().toString(0);
    add(CapitalField::LabourEscalation, "labourEscalation", capital.labourEscalation,
        tr("Labor rates' escalation (% a year):"), none);
    add(CapitalField::LubricantEscalation, "lubricantEscalation", capital.lubricantEscalation,
        tr("Lubricant price's escalation (% a year):"), none);
    add(CapitalField::BearingEscalation, "bearingEscalation", capital.bearingEscalation,
        tr("Bearing price's escalation (% a year):"), none);
    add(CapitalField::ProductionValueEscalation, "productionValueEscalation", capital.productionValueEscalation,
        tr("Production value's escalation (% a year):"), none);
    add(CapitalField::UpkeepEscalation, "upkeepEscalation", capital.upkeepEscalation,
        tr("Upkeep's escalation (% a year):"), none);
    add(CapitalField::TaxRate, "taxRate", capital.taxRate, tr("Income tax rate (%):"), none);

    m_depreciation = new QComboBox;
    m_depreciation->setObjectName(QStringLiteral("depreciation"));
    // In the order of model::Depreciation.
    m_depreciation->addItems({tr("None"), tr("Straight-line"), tr("Declining balance")});
    m_depreciation->setCurrentIndex(int(capital.depreciation));
    place(tr("Depreciation:"), m_depreciation);
    add(CapitalField::DepreciationYears, "depreciationYears", capital.depreciationYears,
        tr("Depreciation period (years):"), QString::number(model::kDefaultYears));
    add(CapitalField::DecliningRate, "decliningRate", capital.decliningRate, tr("Declining-balance rate (%):"),
        m_facility.locale().toString(model::CapitalInputs().decliningRatePercent));
    add(CapitalField::ResidualValue, "residualValue", capital.residualValue,
        model::withCurrencySymbol(tr("Residual value ($):"), symbol()), tr("none"));
    add(CapitalField::FirstYearShare, "firstYearShare", capital.firstYearShare,
        tr("First year's share of the savings (%):"), m_facility.locale().toString(100));
    add(CapitalField::Contingency, "contingency", capital.contingency, tr("Contingency on price and installation (%):"),
        none);
    add(CapitalField::AccuracyBelow, "accuracyBelow", capital.accuracyBelow, tr("Estimate accuracy, below (%):"),
        tr("none"));
    add(CapitalField::AccuracyAbove, "accuracyAbove", capital.accuracyAbove, tr("Estimate accuracy, above (%):"),
        tr("none"));
    add(CapitalField::HurdleRate, "hurdleRate", capital.hurdleRate, tr("Company's hurdle rate (%):"), tr("none"));

    m_timing = new QComboBox;
    m_timing->setObjectName(QStringLiteral("timing"));
    // In the order of model::CashFlowTiming.
    m_timing->addItems({tr("At each year's end"), tr("Spread over the year")});
    m_timing->setCurrentIndex(int(capital.timing));
    place(tr("Annual flows fall:"), m_timing);

    for (QComboBox *choice : {m_depreciation, m_timing}) {
        // As wide as its longest choice, however narrow the window: the
        // columns give way first.
        choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        choice->setSizePolicy(QSizePolicy::Minimum, choice->sizePolicy().verticalPolicy());
        connect(choice, &QComboBox::currentIndexChanged, this, &BusinessCaseWindow::recompute);
    }

    m_otherSavings = capital.otherSavings;
    m_oneOffs = capital.oneOffs;
    auto *items = new QPushButton(tr("Other Savings and One-off Items\u2026"));
    items->setObjectName(QStringLiteral("caseItems"));
    grid->addWidget(items, cell / 3, cell % 3 * 2, 1, 2);
    ++cell;
    auto *alternatives = new QPushButton(tr("Alternatives\u2026"));
    alternatives->setObjectName(QStringLiteral("alternatives"));
    grid->addWidget(alternatives, cell / 3, cell % 3 * 2, 1, 2);
    connect(alternatives, &QPushButton::clicked, this, &BusinessCaseWindow::editAlternatives);
    connect(items, &QPushButton::clicked, this, [this] {
        CaseItemsDialog dialog(m_otherSavings, m_oneOffs, m_facility.locale(), symbol(), m_zoom, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        m_otherSavings = dialog.otherSavings();
        m_oneOffs = dialog.oneOffs();
        recompute();
    });
    return box;
}

model::CapitalTexts BusinessCaseWindow::capital() const
{
    using model::CapitalField;
    const auto text = [this](CapitalField which) { return m_capital[std::size_t(which)]->text(); };
    model::CapitalTexts capital;
    capital.labourEscalation = text(CapitalField::LabourEscalation);
    capital.lubricantEscalation = text(CapitalField::LubricantEscalation);
    capital.bearingEscalation = text(CapitalField::BearingEscalation);
    capital.productionValueEscalation = text(CapitalField::ProductionValueEscalation);
    capital.upkeepEscalation = text(CapitalField::UpkeepEscalation);
    capital.taxRate = text(CapitalField::TaxRate);
    capital.depreciation = model::Depreciation(m_depreciation->currentIndex());
    capital.depreciationYears = text(CapitalField::DepreciationYears);
    capital.decliningRate = text(CapitalField::DecliningRate);
    capital.residualValue = text(CapitalField::ResidualValue);
    capital.firstYearShare = text(CapitalField::FirstYearShare);
    capital.timing = model::CashFlowTiming(m_timing->currentIndex());
    capital.contingency = text(CapitalField::Contingency);
    capital.accuracyBelow = text(CapitalField::AccuracyBelow);
    capital.accuracyAbove = text(CapitalField::AccuracyAbove);
    capital.hurdleRate = text(CapitalField::HurdleRate);
    capital.otherSavings = m_otherSavings;
    capital.oneOffs = m_oneOffs;
    return capital;
}
