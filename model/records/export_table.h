// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace model {

// A work-order export as a table: its header, and its rows as the cells the
// file holds. The cells' texts are kept end to end in one string and each
// cell is a span of it, so that a table costs a few bytes a cell beyond its
// text, and a text many cells share (a workbook's shared string, a merged
// range) is kept once. Rows are not padded: a cell beyond a row's end reads
// as empty.
class ExportTable {
public:
    QStringList header;
    QChar delimiter;
    QString encoding; // "UTF-8", "UTF-16LE", "UTF-16BE", "Windows-1252" or "xlsx"

    std::size_t rowCount() const { return m_lines.size(); }
    // The line of the file (a workbook's row number) the row starts on, from 1.
    int lineOf(std::size_t row) const { return m_lines[row]; }
    int cellCount(std::size_t row) const { return int(m_rowStarts[row + 1] - m_rowStarts[row]); }
    QStringView cell(std::size_t row, int column) const;
    // The row's cells as texts, as wide as the header (for a preview and tests).
    QStringList rowTexts(std::size_t row) const;

    // Building: the texts' characters, then each row's cells as spans of them.
    QString &texts() { return m_texts; }
    void beginRow(int line);
    void addCell(qsizetype start, qsizetype length);
    // Of the last row begun, its cells after the first count dropped.
    void truncateRow(int count);
    void dropLastRow();

private:
    struct Span {
        std::uint32_t start;
        std::uint32_t length;
    };
    QString m_texts;
    std::vector<Span> m_cells;
    std::vector<std::uint32_t> m_rowStarts{0}; // each row's first cell, then one past the last
    std::vector<int> m_lines;
};

// The most characters a table's texts may hold: a span counts them in 32 bits.
inline constexpr qsizetype kMaxExportCharacters = 1'000'000'000;
// The most columns a table is read with, and the most rows of a workbook
// sheet: a workbook's own limits.
inline constexpr int kMaxExportColumns = 16'384;
inline constexpr int kMaxExportRows = 1'048'576;

} // namespace model
