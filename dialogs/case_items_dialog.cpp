// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/case_items_dialog.h"

#include "dialogs/dialog_size.h"
#include "model/costs/currency_units.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"
#include "model/text/message_text.h"
#include "model/text/numeric_text.h"
#include "platform/system_seams.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum SavingColumn { SavingCaption, SavingAmount, SavingEscalation, SavingCash };
enum ItemColumn { ItemCaption, ItemAmount, ItemYear, ItemEvery };

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

void setCell(QTableWidget *table, int row, int column, const QString &text)
{
    table->setItem(row, column, new QTableWidgetItem(text));
}

QTableWidgetItem *cashItem(bool hard)
{
    auto *cash = new QTableWidgetItem;
    cash->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    cash->setCheckState(hard ? Qt::Checked : Qt::Unchecked);
    return cash;
}

// The table's rows and the buttons that add and remove one; a new row of
// the savings has its box for cash.
QWidget *withButtons(QTableWidget *table, const QString &caption, int cashColumn = -1)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(caption);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(table);
    auto *buttons = new QDialogButtonBox;
    QPushButton *add = buttons->addButton(CaseItemsDialog::tr("Add Row"), QDialogButtonBox::ActionRole);
    QPushButton *remove = buttons->addButton(CaseItemsDialog::tr("Remove Row"), QDialogButtonBox::ActionRole);
    QObject::connect(add, &QPushButton::clicked, table, [table, cashColumn] {
        if (table->rowCount() >= model::kMaxCaseItems)
            return;
        table->insertRow(table->rowCount());
        if (cashColumn >= 0)
            table->setItem(table->rowCount() - 1, cashColumn, cashItem(false));
        table->setCurrentCell(table->rowCount() - 1, 0);
        table->editItem(table->currentItem());
    });
    QObject::connect(remove, &QPushButton::clicked, table, [table] {
        if (table->currentRow() >= 0)
            table->removeRow(table->currentRow());
    });
    layout->addWidget(buttons);
    return box;
}

} // namespace

CaseItemsDialog::CaseItemsDialog(const std::vector<model::OtherSaving> &savings,
                                 const std::vector<model::OneOffItem> &items, const QLocale &locale,
                                 QStringView currencySymbol, qreal zoom, QWidget *parent)
    : QDialog(parent), m_locale(locale), m_savings(savings), m_items(items)
{
    setObjectName(QStringLiteral("caseItemsDialog"));
    setWindowTitle(tr("Other Savings and One-off Items"));
    dialogs::zoomFont(this, zoom);
    auto *layout = new QVBoxLayout(this);

    const QString money = model::withCurrencySymbol(tr("Amount ($)"), currencySymbol);
    m_savingsTable = table({tr("Caption"), model::withCurrencySymbol(tr("Amount a year ($)"), currencySymbol),
                            tr("Escalation (% a year)"), tr("Cash")},
                           "otherSavings");
    for (const model::OtherSaving &saving : savings) {
        const int row = m_savingsTable->rowCount();
        m_savingsTable->insertRow(row);
        setCell(m_savingsTable, row, SavingCaption, saving.caption);
        setCell(m_savingsTable, row, SavingAmount, model::numberTextReadingBack(saving.amount, locale));
        setCell(m_savingsTable, row, SavingEscalation, model::numberTextReadingBack(saving.escalationPercent, locale));
        m_savingsTable->setItem(row, SavingCash, cashItem(saving.hard));
    }
    layout->addWidget(withButtons(m_savingsTable,
                                  tr("Annual savings beyond the cost rows, such as work orders no "
                                     "longer raised for routine greasing or waste grease disposal; "
                                     "cash where the plant stops paying them:"),
                                  SavingCash));

    m_itemsTable =
        table({tr("Caption"), money, tr("Year (0: at the start)"), tr("Every (years; empty: once)")}, "oneOffItems");
    for (const model::OneOffItem &item : items) {
        const int row = m_itemsTable->rowCount();
        m_itemsTable->insertRow(row);
        setCell(m_itemsTable, row, ItemCaption, item.caption);
        setCell(m_itemsTable, row, ItemAmount, model::numberTextReadingBack(item.amount, locale));
        setCell(m_itemsTable, row, ItemYear, locale.toString(item.year));
        setCell(m_itemsTable, row, ItemEvery, item.every > 0 ? locale.toString(item.every) : QString());
    }
    layout->addWidget(withButtons(m_itemsTable, tr("One-off items: an outlay in a given year, such as a pump "
                                                   "replaced every few years; below zero money received, such as a "
                                                   "rebate or grant at the start:")));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CaseItemsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(int(560 * zoom));
}

QTableWidget *CaseItemsDialog::table(const QStringList &headings, const char *name)
{
    auto *table = new QTableWidget(0, int(headings.size()));
    table->setObjectName(QLatin1StringView(name));
    table->setHorizontalHeaderLabels(headings);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < headings.size(); ++c)
        table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    table->verticalHeader()->hide();
    return table;
}

QString CaseItemsDialog::readSavings(std::vector<model::OtherSaving> &savings) const
{
    for (int row = 0; row < m_savingsTable->rowCount(); ++row) {
        model::OtherSaving saving;
        saving.caption = cellText(m_savingsTable, row, SavingCaption).left(model::kMaxCaseItemCaption);
        const std::optional<double> amount = model::readFigure(cellText(m_savingsTable, row, SavingAmount), m_locale);
        const QString escalationText = cellText(m_savingsTable, row, SavingEscalation);
        const std::optional<double> escalation =
            escalationText.isEmpty() ? std::optional(0.0) : model::readFigure(escalationText, m_locale);
        if (!amount || std::abs(*amount) > model::kMaxInvestmentMoney)
            return tr("The annual saving in row %1 has no amount a year that reads.").arg(row + 1);
        if (!escalation || *escalation < model::kMinEscalationPercent || *escalation > model::kMaxEscalationPercent)
            return tr("The escalation of the annual saving in row %1 is not a percentage from %2 to %3.")
                .arg(row + 1)
                .arg(model::kMinEscalationPercent)
                .arg(model::kMaxEscalationPercent);
        saving.amount = *amount;
        saving.escalationPercent = *escalation;
        const QTableWidgetItem *cash = m_savingsTable->item(row, SavingCash);
        saving.hard = cash && cash->checkState() == Qt::Checked;
        savings.push_back(saving);
    }
    return QString();
}

QString CaseItemsDialog::readItems(std::vector<model::OneOffItem> &items) const
{
    const auto wholeYears = [&](const QString &text, int low) -> std::optional<int> {
        const std::optional<double> years = model::readFigure(text, m_locale);
        if (!years || *years != std::floor(*years) || *years < low || *years > model::kMaxYears)
            return std::nullopt;
        return int(*years);
    };
    for (int row = 0; row < m_itemsTable->rowCount(); ++row) {
        model::OneOffItem item;
        item.caption = cellText(m_itemsTable, row, ItemCaption).left(model::kMaxCaseItemCaption);
        const std::optional<double> amount = model::readFigure(cellText(m_itemsTable, row, ItemAmount), m_locale);
        if (!amount || std::abs(*amount) > model::kMaxInvestmentMoney)
            return tr("The one-off item in row %1 has no amount that reads.").arg(row + 1);
        const QString yearText = cellText(m_itemsTable, row, ItemYear);
        const std::optional<int> year = yearText.isEmpty() ? std::optional(0) : wholeYears(yearText, 0);
        if (!year)
            return tr("The year of the one-off item in row %1 is not a whole year from 0 to %2.")
                .arg(row + 1)
                .arg(model::kMaxYears);
        const QString everyText = cellText(m_itemsTable, row, ItemEvery);
        const std::optional<int> every = everyText.isEmpty() ? std::optional(0) : wholeYears(everyText, 1);
        if (!every)
            return tr("The one-off item in row %1 recurs every 1 to %2 whole years or, left empty, falls once.")
                .arg(row + 1)
                .arg(model::kMaxYears);
        item.amount = *amount;
        item.year = *year;
        item.every = *every;
        items.push_back(item);
    }
    return QString();
}

void CaseItemsDialog::accept()
{
    std::vector<model::OtherSaving> savings;
    std::vector<model::OneOffItem> items;
    QString problem = readSavings(savings);
    if (problem.isEmpty())
        problem = readItems(items);
    if (!problem.isEmpty()) {
        platform::reportRuntimeError(this, problem);
        return;
    }
    m_savings = std::move(savings);
    m_items = std::move(items);
    QDialog::accept();
}
