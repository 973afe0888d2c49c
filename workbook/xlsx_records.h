// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/csv_table.h"

#include <QByteArray>
#include <QStringList>

namespace workbook {

// A work-order export saved as a workbook: the sheet at index (0 the first),
// its header the first row that holds two texts or more (a title above it,
// merged across the columns or not, is skipped). Shared and inline strings
// are read as texts; numbers in a date format (the built-in ones, or a
// format of days, months and years) as ISO dates ("2024-03-01"), other
// numbers as written. A merged range's value, which the file keeps in its
// first cell, is read into each of its cells (an asset merged over its work
// orders belongs to each). The rows' "lines" are the sheet's row numbers.
// path is in the file system's encoding.
model::ExportReading readXlsxRecords(const QByteArray &path, int sheet = 0);

// The names of the workbook's sheets in their order, none when it is no
// workbook, so that a sheet other than the first can be chosen.
QStringList xlsxSheetNames(const QByteArray &path);

} // namespace workbook
