// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility/facility_file.h"
#include "model/finance/business_case.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLocale>

QT_BEGIN_NAMESPACE
class QFormLayout;
class QLineEdit;
QT_END_NAMESPACE

class InvestmentFields;

// Asks for the report's details and the investment; the investment's
// figures are read as the figures are, and OK refuses one that is no number.
class ReportDetailsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ReportDetailsDialog)

public:
    // Drawn at zoom times its natural size, as the window it is opened from.
    ReportDetailsDialog(const model::ReportDetails &details, const model::InvestmentTexts &investment,
                        const QLocale &locale, QWidget *parent, QStringView symbol, qreal zoom = 1);

    model::ReportDetails details() const;
    model::InvestmentTexts investment() const;

    void accept() override;

private:
    static QLineEdit *field(const QString &text, const QString &label, QFormLayout *form);

    QLocale m_locale;
    QLineEdit *m_customer;
    QLineEdit *m_site;
    QLineEdit *m_preparedBy;
    InvestmentFields *m_investment;
};
