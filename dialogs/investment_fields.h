// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/business_case.h"

#include <QGroupBox>

#include <array>

QT_BEGIN_NAMESPACE
class QLineEdit;
QT_END_NAMESPACE

// The "Investment" group: the system's price, its installation, its yearly
// upkeep, the years evaluated and the discount rate, typed as the figures
// are. The Report Details dialog and the Business Case window both show it.
class InvestmentFields : public QGroupBox {
    Q_OBJECT
public:
    // The money fields name the currency of symbol.
    explicit InvestmentFields(const model::InvestmentTexts &texts, QWidget *parent = nullptr,
                              QStringView symbol = u"$");

    model::InvestmentTexts texts() const;
    void setTexts(const model::InvestmentTexts &texts);
    QLineEdit *field(model::InvestmentField which) const { return m_fields[std::size_t(which)]; }

    // Whether the texts read as an investment in locale, with a price when
    // an installation or upkeep is given; if not, tells the user why over
    // the dialog and puts the focus in the field at fault.
    bool readsIn(const QLocale &locale);

signals:
    void edited();

private:
    std::array<QLineEdit *, model::kInvestmentFieldCount> m_fields{};
};
