// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/matched_orders_model.h"

namespace {

using model::WorkOrderColumn;

constexpr WorkOrderColumn kShownColumns[] = {WorkOrderColumn::Date, WorkOrderColumn::Asset, WorkOrderColumn::WorkType,
                                             WorkOrderColumn::Description};

bool sameRows(const std::vector<model::MatchedOrder> &a, const std::vector<model::MatchedOrder> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const model::MatchedOrder &x, const model::MatchedOrder &y) { return x.row == y.row; });
}

} // namespace

void MatchedOrdersModel::show(const model::ExportTable *table, const model::ColumnMapping &mapping,
                              std::vector<model::MatchedOrder> matched)
{
    // Only an order checked or cleared: the view keeps its place.
    if (table == m_table && mapping == m_mapping && sameRows(matched, m_matched)) {
        m_matched = std::move(matched);
        if (!m_matched.empty())
            emit dataChanged(index(0, Counted), index(rowCount() - 1, Counted), {Qt::CheckStateRole});
        return;
    }
    beginResetModel();
    m_table = table;
    m_mapping = mapping;
    m_matched = std::move(matched);
    endResetModel();
}

int MatchedOrdersModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_matched.size());
}

int MatchedOrdersModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString MatchedOrdersModel::cellText(std::size_t row, WorkOrderColumn column) const
{
    const std::optional<int> c = m_mapping[std::size_t(column)];
    // A description of several lines shows on one.
    return c ? m_table->cell(row, *c).toString().simplified() : QString();
}

QVariant MatchedOrdersModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_matched.size())
        return {};
    const model::MatchedOrder &order = m_matched[std::size_t(index.row())];
    if (index.column() == Counted)
        return role == Qt::CheckStateRole ? QVariant(order.leftOut ? Qt::Unchecked : Qt::Checked) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return cellText(order.row, kShownColumns[index.column() - Date]);
}

QVariant MatchedOrdersModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section < rowCount() ? QVariant(m_table->lineOf(m_matched[std::size_t(section)].row)) : QVariant();
    switch (section) {
    case Counted:
        return tr("Counted");
    case Date:
        return tr("Date");
    case Asset:
        return tr("Asset");
    case WorkType:
        return tr("Work type");
    case Description:
        return tr("Description");
    default:
        return {};
    }
}

Qt::ItemFlags MatchedOrdersModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Counted ? flags | Qt::ItemIsUserCheckable : flags;
}

bool MatchedOrdersModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Counted || role != Qt::CheckStateRole)
        return false;
    model::MatchedOrder &order = m_matched[std::size_t(index.row())];
    const bool counted = value.toInt() == Qt::Checked;
    if (counted == !order.leftOut)
        return true;
    order.leftOut = !counted;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit countedChanged(order.row, counted);
    return true;
}
