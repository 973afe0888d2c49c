// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/investment_fields.h"

#include "model/costs/currency_units.h"
#include "model/facility/facility_file.h"
#include "platform/system_seams.h"

#include <QFormLayout>
#include <QLineEdit>

InvestmentFields::InvestmentFields(const model::InvestmentTexts &texts, QWidget *parent, QStringView symbol)
    : QGroupBox(tr("Investment"), parent)
{
    setObjectName(QStringLiteral("investmentFields"));
    auto *form = new QFormLayout(this);
    using model::InvestmentField;
    const auto add = [&](InvestmentField which, const QString &text, const QString &label, const QString &placeholder) {
        auto *edit = new QLineEdit(text);
        edit->setMaxLength(int(model::kReportDetailMaxLength));
        edit->setPlaceholderText(placeholder);
        edit->setMinimumWidth(160);
        form->addRow(label, edit);
        connect(edit, &QLineEdit::textEdited, this, &InvestmentFields::edited);
        m_fields[std::size_t(which)] = edit;
    };
    add(InvestmentField::SystemPrice, texts.systemPrice,
        model::withCurrencySymbol(tr("Installed system price ($):"), symbol), tr("optional"));
    add(InvestmentField::InstallationCost, texts.installationCost,
        model::withCurrencySymbol(tr("Installation cost ($):"), symbol), tr("none"));
    add(InvestmentField::YearlyUpkeep, texts.yearlyUpkeep,
        model::withCurrencySymbol(tr("Annual upkeep of the system ($):"), symbol), tr("none"));
    add(InvestmentField::Years, texts.years, tr("Evaluation period (years):"), QString::number(model::kDefaultYears));
    add(InvestmentField::DiscountRate, texts.discountRate, tr("Discount rate (%):"),
        locale().toString(model::kDefaultDiscountRatePercent));
    field(InvestmentField::SystemPrice)->setObjectName(QStringLiteral("systemPrice"));
}

void InvestmentFields::setTexts(const model::InvestmentTexts &texts)
{
    using model::InvestmentField;
    field(InvestmentField::SystemPrice)->setText(texts.systemPrice);
    field(InvestmentField::InstallationCost)->setText(texts.installationCost);
    field(InvestmentField::YearlyUpkeep)->setText(texts.yearlyUpkeep);
    field(InvestmentField::Years)->setText(texts.years);
    field(InvestmentField::DiscountRate)->setText(texts.discountRate);
}

bool InvestmentFields::readsIn(const QLocale &locale)
{
    const model::InvestmentReading reading = model::readInvestment(texts(), locale);
    if (reading.problem.isEmpty() && !reading.unpriced)
        return true;
    // An installation or upkeep without a price would be kept but never
    // evaluated: the price is asked for instead.
    platform::reportRuntimeError(window(), reading.unpriced ? model::priceNeededText() : reading.problem);
    QLineEdit *at = field(reading.problemField.value_or(model::InvestmentField::SystemPrice));
    at->setFocus();
    at->selectAll();
    return false;
}

model::InvestmentTexts InvestmentFields::texts() const
{
    using model::InvestmentField;
    return {field(InvestmentField::SystemPrice)->text(), field(InvestmentField::InstallationCost)->text(),
            field(InvestmentField::YearlyUpkeep)->text(), field(InvestmentField::Years)->text(),
            field(InvestmentField::DiscountRate)->text()};
}
