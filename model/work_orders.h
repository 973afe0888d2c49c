// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/csv_table.h"
#include "model/failure_rate.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace model {

// What a column of a work-order export holds.
enum class WorkOrderColumn { Date, Asset, WorkType, Description, RepairHours, DowntimeHours };
inline constexpr int kWorkOrderColumnCount = 6;

// Which column of the table holds each, none where the export has none.
using ColumnMapping = std::array<std::optional<int>, kWorkOrderColumnCount>;

// The mapping guessed from the header's names, in the interface's languages:
// "Date", "Datum", "Fecha", "Data", "日期" and so on; the first column that
// matches each, no column twice.
ColumnMapping guessMapping(const QStringList &header);

// How the dates of a column are written. The order of day and month is taken
// from the whole column: a first part above 12 makes it day first, a second
// part above 12 month first; when neither occurs it is ambiguous and is asked.
enum class DateForm { Iso, DottedDayMonth, SlashDayMonth, SlashMonthDay };
struct DateColumn {
    std::optional<DateForm> form; // none when the column is ambiguous or unread
    bool ambiguous = false;       // slashes with no part above 12
    int badRow = -1;              // the first row whose date does not read, or -1
};
DateColumn dateFormOf(const std::vector<QString> &texts);
std::optional<QDate> readDate(const QString &text, DateForm form);

// The words that mark a bearing failure in a work type or a description, in
// the interface's languages.
QStringList defaultFailureWords();

// What the records come to: the bearing failures among them, the years the
// records cover (from the first work order's date to the last's), the rate
// with its 90 % interval, and the repair hours of the failures (median, 10th
// and 90th percentiles). Rows that repeat another row field for field are
// counted once and reported.
struct RecordsSummary {
    int workOrders = 0;
    int failures = 0;
    int duplicates = 0;
    QDate first;
    QDate last;
    std::optional<FailureRate> rate;
    std::optional<double> medianHours;
    std::optional<double> hours10;
    std::optional<double> hours90;
    std::optional<double> medianDowntime;
    friend bool operator==(const RecordsSummary &, const RecordsSummary &) = default;
};
struct RecordsReading {
    std::optional<RecordsSummary> summary;
    QString problem; // naming the line
    int line = 0;
};
// Hours are read with the regional settings, or with a decimal comma.
RecordsReading summariseRecords(const ExportTable &table, const ColumnMapping &mapping, DateForm form,
                                const QStringList &failureWords, const QLocale &locale);

} // namespace model
