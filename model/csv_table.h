// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace model {

// A table read from a work-order export (a CSV file, or the first sheet of a
// workbook, which workbook/xlsx_records.h reads). readCsv() reads CSV as
// maintenance systems write it: comma,
// semicolon or tab between fields (the one that splits the header into the
// most fields, counted outside quotes); UTF-8 with or without a byte-order
// mark, UTF-16 with one, or else Windows-1252; fields in double quotes may
// hold the delimiter, doubled quotes and line breaks.
struct ExportTable {
    QStringList header;
    std::vector<QStringList> rows; // blank lines left out; short rows padded
    std::vector<int> lines;        // the line of the file each row starts on, from 1
    QChar delimiter;
    QString encoding; // "UTF-8", "UTF-16LE", "UTF-16BE" or "Windows-1252"
};

// Larger exports are refused: no plant's work orders come near it, and the
// file is held whole while it is read.
inline constexpr qint64 kMaxCsvBytes = 100 * 1024 * 1024;
// The refusal of a larger export: "It is larger than 100 MB."
QString exportTooLargeText();

struct ExportReading {
    std::optional<ExportTable> table;
    QString problem; // one sentence naming the line, when there is no table
    int line = 0;
};
ExportReading readCsv(const QByteArray &bytes);

} // namespace model
