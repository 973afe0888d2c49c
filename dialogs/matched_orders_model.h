// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/export_table.h"
#include "model/records/work_orders.h"

#include <QAbstractTableModel>

#include <vector>

// The work orders that the words and work types matched, as the export
// writes them: whether each is counted (a check box the user clears to
// leave an order out that is no failure), its date, asset, work type and
// description. The export's own table is shown, not copied.
class MatchedOrdersModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Counted, Date, Asset, WorkType, Description, ColumnCount };

    explicit MatchedOrdersModel(QObject *parent = nullptr) : QAbstractTableModel(parent) {}

    // The orders of table matched as mapping reads it; the table outlives
    // the model's use of it.
    void show(const model::ExportTable *table, const model::ColumnMapping &mapping,
              std::vector<model::MatchedOrder> matched);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    // The user checked or cleared the order of the table's row.
    void countedChanged(std::size_t row, bool counted);

private:
    QString cellText(std::size_t row, model::WorkOrderColumn column) const;

    const model::ExportTable *m_table = nullptr;
    model::ColumnMapping m_mapping;
    std::vector<model::MatchedOrder> m_matched;
};
