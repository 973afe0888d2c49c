// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/alternatives_table.h"

#include <QHeaderView>

AlternativesTable::AlternativesTable(QWidget *parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("alternativesTable"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(false);
}

void AlternativesTable::showComparison(const model::AlternativesComparison &comparison, const QLocale &locale,
                                       QStringView symbol)
{
    using model::AlternativesPart;
    const QStringList measures = model::alternativesHeadings(comparison, AlternativesPart::Measures);
    const QStringList headings = measures + model::alternativesHeadings(comparison, AlternativesPart::Increments);
    const int chosen = currentRow();
    setColumnCount(int(headings.size()));
    setHorizontalHeaderLabels(headings);
    setRowCount(int(comparison.rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const model::AlternativeRow &row = comparison.rows[std::size_t(r)];
        const QStringList cells =
            model::alternativeCells(comparison, r, AlternativesPart::Measures, locale, symbol)
            + model::alternativeCells(comparison, r, AlternativesPart::Increments, locale, symbol);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            // The money and rates stand right, as in every table of figures.
            const bool name = c == 0 || c == measures.size(); // the option's, the one it is set against
            item->setTextAlignment(name ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (row.selected) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            if (!row.problem.isEmpty() && !row.measures)
                item->setToolTip(row.problem);
            setItem(r, c, item);
        }
    }
    if (chosen >= 0 && chosen < rowCount())
        selectRow(chosen);
}
