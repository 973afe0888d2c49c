// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/report_details_dialog.h"

#include "dialogs/dialog_size.h"
#include "dialogs/investment_fields.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

ReportDetailsDialog::ReportDetailsDialog(const model::ReportDetails &details, const model::InvestmentTexts &investment,
                                         const QLocale &locale, QWidget *parent, QStringView symbol, qreal zoom)
    : QDialog(parent), m_locale(locale)
{
    setWindowTitle(tr("Report Details"));
    dialogs::zoomFont(this, zoom);
    auto *form = new QFormLayout(this);
    m_customer = field(details.customer, tr("Customer:"), form);
    m_site = field(details.site, tr("Site:"), form);
    m_preparedBy = field(details.preparedBy, tr("Prepared by:"), form);
    m_investment = new InvestmentFields(investment, nullptr, symbol);
    form->addRow(m_investment);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReportDetailsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(int(420 * zoom));
}

model::ReportDetails ReportDetailsDialog::details() const
{
    return {m_customer->text(), m_site->text(), m_preparedBy->text()};
}

model::InvestmentTexts ReportDetailsDialog::investment() const { return m_investment->texts(); }

void ReportDetailsDialog::accept()
{
    if (m_investment->readsIn(m_locale))
        QDialog::accept();
}

QLineEdit *ReportDetailsDialog::field(const QString &text, const QString &label, QFormLayout *form)
{
    auto *edit = new QLineEdit(text);
    edit->setMaxLength(int(model::kReportDetailMaxLength));
    edit->setMinimumWidth(240);
    form->addRow(label, edit);
    return edit;
}
