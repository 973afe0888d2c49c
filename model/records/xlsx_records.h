// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/csv_table.h"

#include <QByteArray>
#include <QStringList>

namespace model {

// A work-order export saved as a workbook: the sheet at index (0 the first),
// its header the first row that holds two texts or more (up to ten title
// rows above it, merged across the columns or not, are skipped). Shared and
// inline strings are read as texts; numbers in a date format (the built-in
// ones, or a format of days, months and years) as ISO dates ("2024-03-01"),
// in the workbook's date system (1900 or 1904), other numbers as written. A
// merged range's value, which the file keeps in its first cell, is read into
// each of its cells within the header's columns (an asset merged over its
// work orders belongs to each). The rows' "lines" are the sheet's row
// numbers. Only the parts needed are inflated, each once and within a
// limit; a part that is damaged, declares entities, or names a cell or a
// shared string beyond what a workbook holds refuses the file. sheets gets
// the workbook's sheet names in their order, so that another can be chosen.
// path is in the file system's encoding.
ExportReading readXlsxRecords(const QByteArray &path, int sheet, QStringList *sheets = nullptr);

} // namespace model
