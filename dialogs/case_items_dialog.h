// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/case_items.h"

#include <QDialog>
#include <QLocale>

#include <vector>

QT_BEGIN_NAMESPACE
class QTableWidget;
QT_END_NAMESPACE

// "Other Savings and One-off Items": the yearly savings a case has beyond
// the cost rows (caption, amount a year, escalation, cash or not) and its
// one-off items (caption, amount, year, every so many years), typed in the
// regional settings. OK refuses a row that does not read, naming it, and
// keeps everything typed.
class CaseItemsDialog : public QDialog {
    Q_OBJECT
public:
    CaseItemsDialog(const std::vector<model::OtherSaving> &savings, const std::vector<model::OneOffItem> &items,
                    const QLocale &locale, QStringView currencySymbol, qreal zoom, QWidget *parent = nullptr);

    const std::vector<model::OtherSaving> &otherSavings() const { return m_savings; }
    const std::vector<model::OneOffItem> &oneOffs() const { return m_items; }

    void accept() override;

private:
    QTableWidget *table(const QStringList &headings, const char *name);
    // Why a row does not read, or nothing.
    QString readSavings(std::vector<model::OtherSaving> &savings) const;
    QString readItems(std::vector<model::OneOffItem> &items) const;

    QLocale m_locale;
    QTableWidget *m_savingsTable = nullptr;
    QTableWidget *m_itemsTable = nullptr;
    std::vector<model::OtherSaving> m_savings;
    std::vector<model::OneOffItem> m_items;
};
