// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/asset_failures.h"
#include "model/records/export_table.h"
#include "model/records/failure_events.h"
#include "model/records/failure_rate.h"
#include "model/records/failure_trend.h"
#include "model/records/savings_check.h"

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
// "Date", "Datum", "Fecha", "Data", "日期" and so on; no column twice. A
// name that is the word itself comes first, then one that holds no word of
// another column ("Description" before "Asset Description"), then the
// leftmost that holds it.
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
// Dates may carry a time ("2024-03-01 08:15"); two-digit years are of 1930
// to 2029 ("05.02.24"). A cell without a digit is no date and is passed over
// (an open order, a "Total" row).
DateColumn dateFormOf(const std::vector<QStringView> &texts);
std::optional<QDate> readDate(QStringView text, DateForm form);
// Whether a date cell holds no date at all: no digit in it.
bool isUndated(QStringView text);

// The words that mark a bearing failure in a work type or a description, in
// the interface's languages.
QStringList defaultFailureWords();

// A matched order the user left out by hand (an order counted as a
// failure that was none): its date, asset and description, trimmed, so that
// the same order is left out of a later export of the same period.
struct LeftOutOrder {
    QDate date;
    QString asset;
    QString description;
    friend bool operator==(const LeftOutOrder &, const LeftOutOrder &) = default;
};

// How the failures are counted beyond the words: the work types of failures
// (none: every order may be one), the period the records stand for (from
// and to as given, both invalid for the export's first and last order), the
// gap within which orders on one asset are one failure, the orders left out
// by hand, and when the system went in.
struct CountingRule {
    std::optional<QStringList> failureTypes;
    QDate from;
    QDate to;
    int repeatDays = kRepeatOrderDays;
    std::vector<LeftOutOrder> leftOut;
    QDate installed;
    bool periodGiven() const { return from.isValid() && to.isValid(); }
    friend bool operator==(const CountingRule &, const CountingRule &) = default;
};
inline constexpr int kMaxRepeatDays = 365;
// The most orders a facility file keeps as left out by hand.
inline constexpr std::size_t kMaxLeftOutOrders = 1000;

// What the records come to: the bearing failures among them, the period
// the records stand for (as given, else from the first work order's date to
// the last's), the rate with its 90 % interval, and the repair hours of the
// failures (mean, median, 10th and 90th percentiles), a failure being the
// orders on one asset within the rule's gap of each other
// (failureEventsOf()). Rows that repeat another row field for field are
// counted once and reported, blanks around a cell aside; rows without a date
// are left out and counted, as are orders outside a given period and those
// left out by hand.
struct RecordsSummary {
    int workOrders = 0;
    int failures = 0;
    int duplicates = 0;
    int undated = 0;
    int ofFailureTypes = 0; // the orders of the failure types, where the type rule is applied
    int failureOrders = 0;  // the orders the failures gave where repeats were merged, else 0
    int outsidePeriod = 0;  // orders before or after a given period
    int leftOut = 0;        // matched orders left out by hand
    QDate first;
    QDate last;
    bool periodGiven = false;
    // The period is the export's and ends on a failure: the rate is
    // (n − 1) ÷ years, as for records that stop at a failure.
    bool endsOnFailure = false;
    std::optional<FailureRate> rate;
    std::optional<FailureTrend> trend; // of the failures' dates over the records' days
    std::optional<double> meanHours;   // what replacements cost on average; the figure applied
    std::optional<double> medianHours;
    std::optional<double> hours10;
    std::optional<double> hours90;
    std::optional<double> medianDowntime;
    std::optional<double> meanDowntime;     // what a stop lasts on average; none in files written before
    std::vector<AssetFailures> worstAssets; // the assets with the most failures, first ten
    std::optional<SavingsCheck> check;      // before and after the installation, where one is given
    std::vector<QDate> eventDates;          // of the failures, in order
    // The failures with repair hours and the hours' standard deviation (from
    // two of them), which give the mean's standard error; 0 and none in
    // files written before they were kept.
    int hoursCount = 0;
    std::optional<double> hoursDeviation;
    friend bool operator==(const RecordsSummary &, const RecordsSummary &) = default;
};
// The rate the summary's count stands for over its period, as above.
std::optional<FailureRate> rateOf(const RecordsSummary &summary);

// A work order the words and types matched: its row of the table, and
// whether it was left out by hand.
struct MatchedOrder {
    std::size_t row = 0;
    bool leftOut = false;
};
struct RecordsReading {
    std::optional<RecordsSummary> summary;
    std::vector<MatchedOrder> matched; // in the rows' order
    QString problem;                   // naming the line
    int line = 0;
};
// The hours of a column are read with the decimal mark the whole column
// tells (a workbook's numbers with a point): "2,500" is two and a half hours
// where a comma is the mark, and a comma that could group thousands is taken
// for the mark where the thousands would make a repair of weeks. Hours that
// read as no number ("n/a") are passed over; "nan" and "inf" refuse the
// export, naming the line; text in the regional settings' own digits is read
// with locale.
// With the rule's failure types and a work-type column, only orders of those
// types are failures (the words then apply within them); without, every
// order is.
RecordsReading summariseRecords(const ExportTable &table, const ColumnMapping &mapping, DateForm form,
                                const QStringList &failureWords, const QLocale &locale, const CountingRule &rule = {});

// A name or word as a facility file keeps it: control characters as blanks,
// blanks simplified, no direction controls, at most kMaxRecordsNameLength.
inline constexpr qsizetype kMaxRecordsNameLength = 255;
QString keptRecordsName(const QString &text);

// The order of a row as it would be left out, its texts kept as above.
LeftOutOrder leftOutOrderOf(const ExportTable &table, const ColumnMapping &mapping, std::size_t row, const QDate &date);

} // namespace model
