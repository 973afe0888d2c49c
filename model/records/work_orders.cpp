// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/work_orders.h"

#include "model/records/csv_table.h"
#include "model/records/failure_events.h"
#include "model/records/failure_types.h"
#include "model/text/message_text.h"
#include "model/text/numeric_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <set>
#include <tuple>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct WorkOrderText {
    Q_DECLARE_TR_FUNCTIONS(WorkOrderText)
};

// Header names in English, German, French, Spanish, Portuguese and Chinese,
// by column, lower case; a header matches when it contains one.
const std::array<QStringList, kWorkOrderColumnCount> kHeaderWords{
    QStringList{"date", "datum", "fecha", "data", "日期"},
    QStringList{"asset", "equipment", "machine", "anlage", "maschine", "équipement", "equipo", "equipamento", "设备"},
    QStringList{"type", "cause", "art", "ursache", "tipo", "causa", "类型", "原因"},
    QStringList{"description", "beschreibung", "text", "descripción", "descrição", "描述"},
    QStringList{"repair", "hours", "stunden", "arbeit", "heures", "horas", "工时"},
    QStringList{"downtime", "stillstand", "arrêt", "parada", "停机"},
};

// A date at the start of a cell, then at most a time of day.
const QString kTimeOfDay = QStringLiteral("(?:[ T]\\d{1,2}:\\d{2}(?::\\d{2}(?:[.,]\\d+)?)?(?: ?[AaPp][Mm])?Z?)?$");
const QRegularExpression kIsoDate(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})") + kTimeOfDay);
const QRegularExpression kDottedDate(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4}|\\d{2})") + kTimeOfDay);
const QRegularExpression kSlashDate(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4}|\\d{2})") + kTimeOfDay);

// Two-digit years as spreadsheets read them: 00 to 29 this century, 30 to 99
// the last.
int yearOf(QStringView digits)
{
    const int year = digits.toInt();
    return digits.size() == 4 ? year : year < 30 ? 2000 + year : 1900 + year;
}

// A repair longer than two weeks is no repair of one bearing.
constexpr double kMostHoursOfOneRepair = 24 * 14;

// "1,234" or "1.234": a separator followed by exactly three digits, which
// may group thousands or mark decimals.
bool groupsThousands(QStringView text, QChar mark)
{
    const qsizetype at = text.lastIndexOf(mark);
    return at > 0 && text.size() - at == 4 && text.indexOf(mark) == at
           && std::all_of(text.begin() + at + 1, text.end(), [](QChar c) { return c.isDigit(); });
}

// The decimal mark of a column of hours: the one its texts show where it
// cannot group thousands, or, where every text could be either, the one that
// keeps each repair within two weeks.
QChar decimalMarkOf(const ExportTable &table, int column)
{
    int points = 0;
    int commas = 0;
    bool pointCouldGroup = false; // "1.125"
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        const QStringView text = table.cell(r, column).trimmed();
        const qsizetype point = text.lastIndexOf(u'.');
        const qsizetype comma = text.lastIndexOf(u',');
        if (point >= 0 && comma >= 0)
            ++(point > comma ? points : commas);
        else if (point >= 0 && groupsThousands(text, u'.'))
            pointCouldGroup = true;
        else if (point >= 0)
            ++points;
        else if (comma >= 0 && !groupsThousands(text, u','))
            ++commas;
    }
    if (points != commas)
        return points > commas ? u'.' : u',';
    // Every separator could group thousands, which would make each repair
    // of a thousand hours or more: the separator is the decimal mark.
    return pointCouldGroup ? u'.' : u',';
}

// The hours of a cell with the column's decimal mark: none for an empty
// cell or one that holds no number; NaN for "nan" and "inf", which no
// export means as hours.
std::optional<double> readHours(QStringView cell, QChar mark, const QLocale &locale)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QStringView trimmed = cell.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QString plain = trimmed.toString();
    plain.remove(u' ').remove(u'\u00A0').remove(u'\u202F').remove(u'\'');
    plain.remove(mark == u'.' ? u',' : u'.');
    plain.replace(mark, u'.');
    if (number.match(plain).hasMatch())
        return plain.toDouble();
    static const QRegularExpression notFinite(QStringLiteral("^[-+]?(nan|inf|infinity)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (notFinite.match(trimmed).hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    return readFigure(trimmed, locale);
}

// How well a header name stands for a column: the word itself, a name with
// no word of another column, any name that holds the word; 0 for none.
int matchOf(const QString &name, WorkOrderColumn column)
{
    const QStringList &words = kHeaderWords[std::size_t(column)];
    const auto holds = [&](const QStringList &list) {
        return std::any_of(list.begin(), list.end(), [&](const QString &w) { return name.contains(w); });
    };
    if (words.contains(name))
        return 3;
    if (!holds(words))
        return 0;
    for (int other = 0; other < kWorkOrderColumnCount; ++other) {
        if (other != int(column) && holds(kHeaderWords[std::size_t(other)]))
            return 1;
    }
    return 2;
}

// The rows' indices in an order where rows that repeat one another, blanks
// around a cell aside, stand together.
std::vector<std::uint32_t> rowsInRepeatOrder(const ExportTable &table, std::vector<std::size_t> &hashes)
{
    hashes.resize(table.rowCount());
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        std::size_t hash = 0;
        for (int c = 0; c < table.cellCount(r); ++c)
            hash = hash * 31 + qHash(table.cell(r, c).trimmed());
        hashes[r] = hash;
    }
    std::vector<std::uint32_t> order(table.rowCount());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::uint32_t a, std::uint32_t b) { return hashes[a] < hashes[b]; });
    return order;
}

bool sameRow(const ExportTable &table, std::size_t a, std::size_t b)
{
    const int width = std::max(table.cellCount(a), table.cellCount(b));
    for (int c = 0; c < width; ++c) {
        if (table.cell(a, c).trimmed() != table.cell(b, c).trimmed())
            return false;
    }
    return true;
}

// Which rows repeat an earlier one.
std::vector<bool> repeatedRows(const ExportTable &table)
{
    std::vector<std::size_t> hashes;
    const std::vector<std::uint32_t> order = rowsInRepeatOrder(table, hashes);
    std::vector<bool> repeated(table.rowCount(), false);
    for (std::size_t i = 0; i < order.size();) {
        std::size_t end = i + 1;
        while (end < order.size() && hashes[order[end]] == hashes[order[i]])
            ++end;
        // Within one hash, each row against the earlier rows not repeated.
        for (std::size_t j = i + 1; j < end; ++j) {
            for (std::size_t k = i; k < j; ++k) {
                if (!repeated[order[k]] && sameRow(table, order[k], order[j])) {
                    repeated[order[j]] = true;
                    break;
                }
            }
        }
        i = end;
    }
    return repeated;
}

} // namespace

ColumnMapping guessMapping(const QStringList &header)
{
    ColumnMapping mapping;
    std::set<int> taken;
    // Downtime before repair hours, so that "Downtime hours" is not taken for
    // the repair's.
    for (const WorkOrderColumn column :
         {WorkOrderColumn::Date, WorkOrderColumn::DowntimeHours, WorkOrderColumn::Description,
          WorkOrderColumn::WorkType, WorkOrderColumn::Asset, WorkOrderColumn::RepairHours}) {
        int best = 0;
        for (int c = 0; c < header.size(); ++c) {
            const int match = taken.count(c) ? 0 : matchOf(header[c].toLower(), column);
            if (match > best) {
                best = match;
                mapping[std::size_t(column)] = c;
            }
        }
        if (const std::optional<int> c = mapping[std::size_t(column)])
            taken.insert(*c);
    }
    return mapping;
}

bool isUndated(QStringView text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

DateColumn dateFormOf(const std::vector<QStringView> &texts)
{
    DateColumn column;
    bool dayFirst = false;
    bool monthFirst = false;
    std::optional<DateForm> form;
    for (std::size_t r = 0; r < texts.size(); ++r) {
        const QStringView text = texts[r].trimmed();
        if (isUndated(text))
            continue;
        std::optional<DateForm> found;
        if (kIsoDate.match(text).hasMatch()) {
            found = DateForm::Iso;
        } else if (kDottedDate.match(text).hasMatch()) {
            found = DateForm::DottedDayMonth;
        } else if (const QRegularExpressionMatch slash = kSlashDate.match(text); slash.hasMatch()) {
            found = DateForm::SlashDayMonth;
            dayFirst |= slash.capturedView(1).toInt() > 12;
            monthFirst |= slash.capturedView(2).toInt() > 12;
        }
        if (!found || (form && *form != *found)) {
            column.badRow = int(r);
            return column;
        }
        form = found;
    }
    if (form == DateForm::SlashDayMonth) {
        if (dayFirst == monthFirst) {
            // Neither part above 12, or both: nothing tells the order.
            column.ambiguous = !dayFirst;
            if (dayFirst)
                column.badRow = 0;
            return column;
        }
        form = dayFirst ? DateForm::SlashDayMonth : DateForm::SlashMonthDay;
    }
    column.form = form;
    return column;
}

std::optional<QDate> readDate(QStringView text, DateForm form)
{
    const QStringView trimmed = text.trimmed();
    QDate date;
    if (form == DateForm::Iso) {
        const QRegularExpressionMatch m = kIsoDate.match(trimmed);
        if (m.hasMatch())
            date = QDate(m.capturedView(1).toInt(), m.capturedView(2).toInt(), m.capturedView(3).toInt());
    } else {
        const QRegularExpressionMatch m = (form == DateForm::DottedDayMonth ? kDottedDate : kSlashDate).match(trimmed);
        if (m.hasMatch()) {
            const int first = m.capturedView(1).toInt();
            const int second = m.capturedView(2).toInt();
            const bool dayFirst = form != DateForm::SlashMonthDay;
            date = QDate(yearOf(m.capturedView(3)), dayFirst ? second : first, dayFirst ? first : second);
        }
    }
    return date.isValid() ? std::optional(date) : std::nullopt;
}

QStringList defaultFailureWords()
{
    return {QStringLiteral("bearing"),    QStringLiteral("Lager"),     QStringLiteral("roulement"),
            QStringLiteral("rodamiento"), QStringLiteral("rolamento"), QStringLiteral("轴承")};
}

namespace {

// What the failure orders of the records come to: the failures with their
// repeat orders merged, the worst actors, the trend, the savings check, the
// rate and the repair hours' spread.
void summariseFailures(std::vector<FailureOrder> failures, const CountingRule &rule, RecordsSummary &summary)
{
    // One failure, one count: its repeat orders add their hours to it.
    const std::vector<FailureEvent> events = failureEventsOf(std::move(failures), rule.repeatDays);
    summary.failures = int(events.size());
    std::vector<double> hours;
    std::vector<double> downtimes;
    int orders = 0;
    for (const FailureEvent &event : events) {
        orders += event.orders;
        if (event.repairHours)
            hours.push_back(*event.repairHours);
        if (event.downtimeHours)
            downtimes.push_back(*event.downtimeHours);
    }
    summary.failureOrders = orders > summary.failures ? orders : 0;
    // Each failure in the middle of its day, over the whole days the records span.
    std::vector<double> times;
    for (const FailureEvent &event : events)
        times.push_back(double(summary.first.daysTo(event.date)) + 0.5);
    summary.worstAssets = worstAssetsOf(events);
    for (const FailureEvent &event : events)
        summary.eventDates.push_back(event.date);
    summary.endsOnFailure = !summary.periodGiven && summary.failures >= 2 && events.back().date == summary.last;
    summary.check = savingsCheckOf(summary.eventDates, summary.first, summary.last, rule.installed);
    summary.trend = trendOf(times, double(summary.first.daysTo(summary.last) + 1));
    summary.rate = rateOf(summary);
    if (!hours.empty())
        summary.meanHours = std::accumulate(hours.begin(), hours.end(), 0.0) / double(hours.size());
    summary.medianHours = percentileOf(hours, 0.5);
    summary.hours10 = percentileOf(hours, 0.1);
    summary.hours90 = percentileOf(hours, 0.9);
    summary.medianDowntime = percentileOf(downtimes, 0.5);
    if (!downtimes.empty())
        summary.meanDowntime = std::accumulate(downtimes.begin(), downtimes.end(), 0.0) / double(downtimes.size());
    summary.hoursCount = int(hours.size());
    if (hours.size() >= 2) {
        double squares = 0;
        for (const double h : hours)
            squares += (h - *summary.meanHours) * (h - *summary.meanHours);
        summary.hoursDeviation = std::sqrt(squares / double(hours.size() - 1));
    }
}

} // namespace

RecordsReading summariseRecords(const ExportTable &table, const ColumnMapping &mapping, DateForm form,
                                const QStringList &failureWords, const QLocale &locale, const CountingRule &rule)
{
    const std::optional<QStringList> &failureTypes = rule.failureTypes;
    RecordsReading reading;
    const std::optional<int> dateColumn = mapping[std::size_t(WorkOrderColumn::Date)];
    if (!dateColumn) {
        reading.problem = WorkOrderText::tr("No column is chosen for the date.");
        return reading;
    }
    const auto cell = [&](std::size_t row, WorkOrderColumn column) {
        const std::optional<int> c = mapping[std::size_t(column)];
        return c ? table.cell(row, *c) : QStringView();
    };
    const auto markOf = [&](WorkOrderColumn column) {
        const std::optional<int> c = mapping[std::size_t(column)];
        return c ? decimalMarkOf(table, *c) : QChar(u'.');
    };
    const bool byType = failureTypes && mapping[std::size_t(WorkOrderColumn::WorkType)];
    const QChar repairMark = markOf(WorkOrderColumn::RepairHours);
    const QChar downtimeMark = markOf(WorkOrderColumn::DowntimeHours);
    QStringList words;
    for (const QString &word : failureWords)
        if (!word.trimmed().isEmpty())
            words << word.trimmed();
    RecordsSummary summary;
    const std::vector<bool> repeated = repeatedRows(table);
    std::vector<FailureOrder> failures;
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        if (repeated[r]) {
            ++summary.duplicates;
            continue;
        }
        const QStringView dateText = table.cell(r, *dateColumn);
        if (isUndated(dateText)) {
            ++summary.undated;
            continue;
        }
        const std::optional<QDate> date = readDate(dateText, form);
        if (!date) {
            reading.line = table.lineOf(r);
            reading.problem = WorkOrderText::tr("The date %1 on line %2 does not read as a date.")
                                  .arg(cellQuoted(dateText))
                                  .arg(table.lineOf(r));
            return reading;
        }
        if (rule.periodGiven() && (*date < rule.from || *date > rule.to)) {
            ++summary.outsidePeriod;
            continue;
        }
        ++summary.workOrders;
        if (!summary.first.isValid() || *date < summary.first)
            summary.first = *date;
        if (!summary.last.isValid() || *date > summary.last)
            summary.last = *date;
        const QStringView type = cell(r, WorkOrderColumn::WorkType);
        const QStringView description = cell(r, WorkOrderColumn::Description);
        if (byType && !isOfTypes(type, *failureTypes))
            continue;
        summary.ofFailureTypes += byType;
        const bool failure = std::any_of(words.begin(), words.end(), [&](const QString &word) {
            return type.contains(word, Qt::CaseInsensitive) || description.contains(word, Qt::CaseInsensitive);
        });
        if (!failure)
            continue;
        const bool leftOut =
            !rule.leftOut.empty()
            && std::find(rule.leftOut.begin(), rule.leftOut.end(), leftOutOrderOf(table, mapping, r, *date))
                   != rule.leftOut.end();
        reading.matched.push_back(MatchedOrder{r, leftOut});
        if (leftOut) {
            ++summary.leftOut;
            continue;
        }
        FailureOrder &order = failures.emplace_back(
            FailureOrder{cell(r, WorkOrderColumn::Asset).toString(), *date, std::nullopt, std::nullopt});
        for (const auto &[column, mark, value] :
             {std::tuple{WorkOrderColumn::RepairHours, repairMark, &order.repairHours},
              std::tuple{WorkOrderColumn::DowntimeHours, downtimeMark, &order.downtimeHours}}) {
            const std::optional<double> h = readHours(cell(r, column), mark, locale);
            if (h && !std::isfinite(*h)) {
                reading.line = table.lineOf(r);
                reading.problem = WorkOrderText::tr("The hours %1 on line %2 are no number.")
                                      .arg(cellQuoted(cell(r, column)))
                                      .arg(table.lineOf(r));
                return reading;
            }
            if (h && column == WorkOrderColumn::RepairHours && *h > kMostHoursOfOneRepair) {
                reading.line = table.lineOf(r);
                reading.problem =
                    WorkOrderText::tr("The repair hours %1 on line %2 are more than two weeks for one repair.")
                        .arg(cellQuoted(cell(r, column)))
                        .arg(table.lineOf(r));
                return reading;
            }
            *value = h;
        }
    }
    if (summary.workOrders == 0) {
        reading.problem = rule.periodGiven() ? WorkOrderText::tr("The records hold no work orders from %1 to %2.")
                                                   .arg(rule.from.toString(Qt::ISODate), rule.to.toString(Qt::ISODate))
                                             : WorkOrderText::tr("The records hold no work orders.");
        return reading;
    }
    if (rule.periodGiven()) {
        summary.first = rule.from;
        summary.last = rule.to;
        summary.periodGiven = true;
    }
    summariseFailures(std::move(failures), rule, summary);
    reading.summary = summary;
    return reading;
}

std::optional<FailureRate> rateOf(const RecordsSummary &summary)
{
    const double years = summary.first.daysTo(summary.last) / 365.25;
    return summary.endsOnFailure ? failureTruncatedRateOf(summary.failures, years)
                                 : failureRateOf(summary.failures, years);
}

QString keptRecordsName(const QString &text)
{
    QString kept;
    for (const QChar c : withoutDirectionControls(text))
        kept += c.category() == QChar::Other_Control ? u' ' : c;
    return kept.simplified().left(kMaxRecordsNameLength);
}

LeftOutOrder leftOutOrderOf(const ExportTable &table, const ColumnMapping &mapping, std::size_t row, const QDate &date)
{
    const auto trimmed = [&](WorkOrderColumn column) {
        const std::optional<int> c = mapping[std::size_t(column)];
        return c ? keptRecordsName(table.cell(row, *c).toString()) : QString();
    };
    return LeftOutOrder{date, trimmed(WorkOrderColumn::Asset), trimmed(WorkOrderColumn::Description)};
}

} // namespace model
