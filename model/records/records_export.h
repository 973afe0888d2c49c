// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/csv_table.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace model {

// A work-order export as read from its file: a workbook (by the suffix
// .xlsx) at one of its sheets, anything else as CSV; with the SHA-256 of
// the file's bytes, so that a facility file tells which export its figures
// came from.
struct RecordsExport {
    QString path;
    QString fileName;   // without the folder
    QString sha256;     // 64 lower-case hexadecimal digits
    QStringList sheets; // a workbook's sheet names in order; empty for CSV
    int sheet = 0;
    ExportTable table;
};

struct RecordsExportReading {
    std::optional<RecordsExport> records;
    QString problem; // naming the file, and the line where one is to blame
};

bool isWorkbookExport(const QString &path);
RecordsExportReading readRecordsExport(const QString &path, int sheet = 0);

// "Could not read the records of “orders.csv”. " and why.
QString recordsRefusal(const QString &path, const QString &why);

} // namespace model
