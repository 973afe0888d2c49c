// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/export_table.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace model {

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

// Reads CSV as maintenance systems write it: comma, semicolon or tab between
// fields (the one that splits a line of the first few into the most fields,
// counted outside quotes); UTF-8 with or without a byte-order mark, UTF-16
// with one, or else Windows-1252; fields in double quotes may hold the
// delimiter, doubled quotes and line breaks. Title lines above the header
// (fewer than two texts) are skipped, and so are lines with no text at all
// (";;;;"). The header ends at its last name: a row's empty fields beyond
// it are left out, a text there refuses the file, as does a header wider
// than a workbook can be. The bytes are let go once decoded.
ExportReading readCsv(QByteArray bytes);

// A cell's text quoted in a refusal: at most its first 40 characters.
QString cellQuoted(QStringView text);

} // namespace model
