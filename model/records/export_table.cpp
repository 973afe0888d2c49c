// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/export_table.h"

namespace model {

QStringView ExportTable::cell(std::size_t row, int column) const
{
    if (column < 0 || column >= cellCount(row))
        return {};
    const Span span = m_cells[m_rowStarts[row] + std::uint32_t(column)];
    return QStringView(m_texts).mid(span.start, span.length);
}

QStringList ExportTable::rowTexts(std::size_t row) const
{
    QStringList texts;
    const int width = std::max(int(header.size()), cellCount(row));
    texts.reserve(width);
    for (int c = 0; c < width; ++c)
        texts << cell(row, c).toString();
    return texts;
}

void ExportTable::beginRow(int line)
{
    m_lines.push_back(line);
    m_rowStarts.push_back(m_rowStarts.back());
}

void ExportTable::addCell(qsizetype start, qsizetype length)
{
    m_cells.push_back({std::uint32_t(start), std::uint32_t(length)});
    ++m_rowStarts.back();
}

void ExportTable::truncateRow(int count)
{
    const std::uint32_t end = m_rowStarts[m_rowStarts.size() - 2] + std::uint32_t(count);
    if (end < m_rowStarts.back()) {
        m_cells.resize(end);
        m_rowStarts.back() = end;
    }
}

void ExportTable::dropLastRow()
{
    m_rowStarts.pop_back();
    m_cells.resize(m_rowStarts.back());
    m_lines.pop_back();
}

} // namespace model
