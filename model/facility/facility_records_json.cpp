// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/facility/facility_records_json.h"

#include "model/files/json_text.h"
#include "model/finance/records_risk.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>

namespace model {
namespace {

// The most runs a file may ask for: a hundred times the default still
// computes in seconds.
constexpr int kMaxRiskRuns = 1'000'000;

QString recordsInvalid(QLatin1StringView member)
{
    return QCoreApplication::translate("FacilityFile", "The file's work-order records are not valid (%1).")
        .arg(quotedForMessage(member));
}

QString riskInvalid(QLatin1StringView member)
{
    return QCoreApplication::translate("FacilityFile", "The file's risk ranges are not valid (%1).")
        .arg(quotedForMessage(member));
}

void writeMember(QByteArray &out, const char *key, const QByteArray &value, bool last = false)
{
    out += "        \"";
    out += key;
    out += "\": ";
    out += value;
    out += last ? "\n" : ",\n";
}

QByteArray optionalNumber(const std::optional<double> &value) { return value ? jsonNumber(*value) : "null"; }

// A name or word the report and the window show as it is: a text of at
// most kMaxRecordsNameLength characters, none of them a control character.
bool isName(const QJsonValue &value)
{
    const QString text = value.toString();
    return value.isString() && text.size() <= kMaxRecordsNameLength
           && std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// A list of names or words as the file keeps it.
QByteArray nameArray(const QStringList &names)
{
    QByteArray array = "[";
    for (qsizetype w = 0; w < names.size(); ++w)
        array += (w ? ", " : " ") + jsonString(names[w]);
    return array + " ]";
}

std::optional<QStringList> namesOf(const QJsonValue &value)
{
    if (!value.isArray() || value.toArray().size() > kMaxFailureWords)
        return std::nullopt;
    QStringList names;
    for (const QJsonValue &name : value.toArray()) {
        if (!isName(name))
            return std::nullopt;
        // A direction override would print the page's sentence backwards.
        names << withoutDirectionControls(name.toString());
    }
    return names;
}

std::optional<int> count(const QJsonValue &value)
{
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < 0 || number > std::numeric_limits<int>::max() || number != std::floor(number))
        return std::nullopt;
    return int(number);
}

// A count that files written before it was kept lack: 0 then.
std::optional<int> laterCount(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1StringView(key));
    return value.isUndefined() ? std::optional(0) : count(value);
}

// Absent or null is none; otherwise a finite number of hours, 0 or more.
bool readHours(const QJsonObject &object, QLatin1StringView key, std::optional<double> &hours)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    if (!value.isDouble() || !std::isfinite(value.toDouble()) || value.toDouble() < 0)
        return false;
    hours = value.toDouble();
    return true;
}

QByteArray isoDate(const QDate &date) { return jsonString(date.toString(Qt::ISODate)); }

// A date as the file writes it, or invalid.
QDate dateOf(const QJsonValue &value) { return QDate::fromString(value.toString(), Qt::ISODate); }

// The counting rule beyond the work types: each part absent where it is
// as by default, as in files written before it.
void writeCounting(QByteArray &out, const CountingRule &rule)
{
    if (rule.periodGiven())
        writeMember(out, "period", "[ " + isoDate(rule.from) + ", " + isoDate(rule.to) + " ]");
    if (rule.repeatDays != kRepeatOrderDays)
        writeMember(out, "repeatDays", QByteArray::number(rule.repeatDays));
    if (!rule.leftOut.empty()) {
        QByteArray orders = "[";
        for (const LeftOutOrder &order : rule.leftOut)
            orders += (orders.size() > 1 ? ",\n            [ " : "\n            [ ") + isoDate(order.date) + ", "
                      + jsonString(order.asset) + ", " + jsonString(order.description) + " ]";
        writeMember(out, "leftOut", orders + "\n        ]");
    }
    if (rule.installed.isValid())
        writeMember(out, "installed", isoDate(rule.installed));
}

std::optional<QLatin1StringView> readCounting(const QJsonObject &object, CountingRule &rule)
{
    if (const QJsonValue period = object.value(QLatin1StringView("period")); !period.isUndefined()) {
        rule.from = dateOf(period.toArray().at(0));
        rule.to = dateOf(period.toArray().at(1));
        if (period.toArray().size() != 2 || !rule.periodGiven() || rule.from >= rule.to)
            return QLatin1StringView("period");
    }
    if (const QJsonValue days = object.value(QLatin1StringView("repeatDays")); !days.isUndefined()) {
        const std::optional<int> read = count(days);
        if (!read || *read > kMaxRepeatDays)
            return QLatin1StringView("repeatDays");
        rule.repeatDays = *read;
    }
    const QJsonValue leftOutValue = object.value(QLatin1StringView("leftOut"));
    const QJsonArray leftOut = leftOutValue.toArray();
    if ((!leftOutValue.isUndefined() && !leftOutValue.isArray()) || std::size_t(leftOut.size()) > kMaxLeftOutOrders)
        return QLatin1StringView("leftOut");
    for (const QJsonValue &value : leftOut) {
        const QJsonArray order = value.toArray();
        LeftOutOrder read{dateOf(order.at(0)), order.at(1).toString(), order.at(2).toString()};
        if (order.size() != 3 || !read.date.isValid() || !isName(order.at(1)) || !isName(order.at(2)))
            return QLatin1StringView("leftOut");
        rule.leftOut.push_back(read);
    }
    if (const QJsonValue installed = object.value(QLatin1StringView("installed")); !installed.isUndefined()) {
        rule.installed = dateOf(installed);
        if (!rule.installed.isValid())
            return QLatin1StringView("installed");
    }
    return std::nullopt;
}

bool isSha256(const QString &text)
{
    return text.size() == 64
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() || (c >= u'a' && c <= u'f'); });
}

} // namespace

void writeRecordsMember(QByteArray &out, const RecordsEvidence &records)
{
    const RecordsSummary &summary = records.summary;
    out += ",\n    \"records\": {\n";
    writeMember(out, "file", jsonString(records.fileName));
    writeMember(out, "sha256", jsonString(records.sha256));
    writeMember(out, "sheet", jsonString(records.sheet));
    QByteArray columns = "{ ";
    for (int c = 0; c < kWorkOrderColumnCount; ++c) {
        columns += '"' + QByteArray(columnKey(WorkOrderColumn(c)).latin1()) + "\": ";
        columns += jsonString(records.columns[std::size_t(c)]);
        columns += c + 1 < kWorkOrderColumnCount ? ", " : " }";
    }
    writeMember(out, "columns", columns);
    writeMember(out, "dateForm", jsonString(dateFormName(records.dateForm)));
    writeMember(out, "failureWords", nameArray(records.failureWords));
    if (records.counting.failureTypes)
        writeMember(out, "failureTypes", nameArray(*records.counting.failureTypes));
    writeCounting(out, records.counting);
    writeMember(out, "applied", records.applied ? "true" : "false");
    if (records.stopsOnDowntime)
        writeMember(out, "stopsOnDowntime", "true");
    writeMember(out, "workOrders", QByteArray::number(summary.workOrders));
    writeMember(out, "failures", QByteArray::number(summary.failures));
    writeMember(out, "duplicates", QByteArray::number(summary.duplicates));
    writeMember(out, "undated", QByteArray::number(summary.undated));
    writeMember(out, "ofFailureTypes", QByteArray::number(summary.ofFailureTypes));
    if (summary.failureOrders > summary.failures)
        writeMember(out, "failureOrders", QByteArray::number(summary.failureOrders));
    if (summary.outsidePeriod > 0)
        writeMember(out, "outsidePeriod", QByteArray::number(summary.outsidePeriod));
    if (summary.leftOut > 0)
        writeMember(out, "leftOutOrders", QByteArray::number(summary.leftOut));
    writeMember(out, "first", isoDate(summary.first));
    writeMember(out, "last", isoDate(summary.last));
    if (summary.endsOnFailure)
        writeMember(out, "endsOnFailure", "true");
    if (!summary.eventDates.empty()) {
        QByteArray dates = "[";
        for (std::size_t i = 0; i < summary.eventDates.size(); ++i)
            dates += (i % 6 ? ", " : (i ? ",\n            " : "\n            ")) + isoDate(summary.eventDates[i]);
        writeMember(out, "events", dates + "\n        ]");
    }
    if (summary.meanHours)
        writeMember(out, "meanHours", optionalNumber(summary.meanHours));
    if (summary.hoursDeviation) {
        writeMember(out, "hoursCount", QByteArray::number(summary.hoursCount));
        writeMember(out, "hoursDeviation", jsonNumber(*summary.hoursDeviation));
    }
    writeMember(out, "medianHours", optionalNumber(summary.medianHours));
    writeMember(out, "hours10", optionalNumber(summary.hours10));
    writeMember(out, "hours90", optionalNumber(summary.hours90));
    if (!summary.worstAssets.empty()) {
        QByteArray assets = "[";
        for (const AssetFailures &asset : summary.worstAssets)
            assets += (assets.size() > 1 ? ", [" : " [") + jsonString(asset.asset) + ", "
                      + QByteArray::number(asset.failures) + ", " + optionalNumber(asset.medianRepairHours) + ", "
                      + optionalNumber(asset.medianDowntime) + "]";
        writeMember(out, "assets", assets + " ]");
    }
    if (summary.check)
        writeMember(out, "check",
                    "{ \"installed\": " + isoDate(summary.check->installed)
                        + ", \"before\": " + QByteArray::number(summary.check->before)
                        + ", \"after\": " + QByteArray::number(summary.check->after) + " }");
    if (summary.trend)
        writeMember(out, "trend",
                    "{ \"u\": " + jsonNumber(summary.trend->laplaceU) + ", \"p\": " + jsonNumber(summary.trend->p)
                        + ", \"beta\": " + jsonNumber(summary.trend->beta) + " }");
    if (summary.meanDowntime)
        writeMember(out, "meanDowntime", jsonNumber(*summary.meanDowntime));
    writeMember(out, "medianDowntime", optionalNumber(summary.medianDowntime), true);
    out += "    }";
}

void writeRiskMember(QByteArray &out, const RiskRanges &ranges)
{
    out += ",\n    \"risk\": {\n";
    writeMember(out, "seed", jsonString(QString::number(ranges.seed)));
    writeMember(out, "runs", QByteArray::number(ranges.runs));
    // The inputs left to the records by name: their draws are the records'
    // when the file is opened. Programs before them read them as fixed.
    QByteArray fromRecords;
    for (int i = 0; i < kRiskInputCount; ++i) {
        if (ranges.fromRecords[std::size_t(i)])
            fromRecords += (fromRecords.isEmpty() ? "[ " : ", ") + jsonString(QString(riskInputKey(RiskInput(i))));
    }
    if (!fromRecords.isEmpty())
        writeMember(out, "fromRecords", fromRecords + " ]");
    out += "        \"ranges\": {";
    bool first = true;
    for (int i = 0; i < kRiskInputCount; ++i) {
        const std::optional<PertRange> &range = ranges.ranges[std::size_t(i)];
        if (!range || ranges.fromRecords[std::size_t(i)])
            continue;
        out += first ? "\n" : ",\n";
        first = false;
        out += "            \"" + QByteArray(riskInputKey(RiskInput(i)).latin1()) + "\": [ " + jsonNumber(range->low)
               + ", " + jsonNumber(range->likely) + ", " + jsonNumber(range->high) + " ]";
    }
    out += first ? "}\n    }" : "\n        }\n    }";
}

namespace {

// Where the records came from and how they were counted; the first member
// that is not as written, or none.
std::optional<QLatin1StringView> readRecordsSource(const QJsonObject &object, RecordsEvidence &read)
{
    const std::pair<const char *, QString RecordsEvidence::*> names[] = {
        {"file", &RecordsEvidence::fileName}, {"sha256", &RecordsEvidence::sha256}, {"sheet", &RecordsEvidence::sheet}};
    for (const auto &[key, member] : names) {
        const QJsonValue name = object.value(QLatin1StringView(key));
        if (!isName(name))
            return QLatin1StringView(key);
        // A direction override would print the page's sentence backwards.
        read.*member = withoutDirectionControls(name.toString());
    }
    if (!isSha256(read.sha256))
        return QLatin1StringView("sha256");
    const QJsonObject columns = object.value(QLatin1StringView("columns")).toObject();
    for (int c = 0; c < kWorkOrderColumnCount; ++c) {
        const QJsonValue name = columns.value(columnKey(WorkOrderColumn(c)));
        if (!name.isUndefined() && !isName(name))
            return columnKey(WorkOrderColumn(c));
        read.columns[std::size_t(c)] = name.toString();
    }
    const std::optional<DateForm> form = dateFormNamed(object.value(QLatin1StringView("dateForm")).toString());
    if (!form)
        return QLatin1StringView("dateForm");
    read.dateForm = *form;
    const std::optional<QStringList> words = namesOf(object.value(QLatin1StringView("failureWords")));
    if (!words)
        return QLatin1StringView("failureWords");
    read.failureWords = *words;
    // Files written before the work-type rule have none: every order was searched.
    if (const QJsonValue types = object.value(QLatin1StringView("failureTypes")); !types.isUndefined()) {
        read.counting.failureTypes = namesOf(types);
        if (!read.counting.failureTypes)
            return QLatin1StringView("failureTypes");
    }
    if (const std::optional<QLatin1StringView> invalid = readCounting(object, read.counting))
        return *invalid;
    const QJsonValue applied = object.value(QLatin1StringView("applied"));
    if (!applied.isBool())
        return QLatin1StringView("applied");
    read.applied = applied.toBool();
    const QJsonValue stopsOnDowntime = object.value(QLatin1StringView("stopsOnDowntime"));
    if (!stopsOnDowntime.isUndefined() && !stopsOnDowntime.isBool())
        return QLatin1StringView("stopsOnDowntime");
    read.stopsOnDowntime = stopsOnDowntime.toBool();
    return std::nullopt;
}

// The counts, the period and the failures' dates.
std::optional<QLatin1StringView> readRecordsCounts(const QJsonObject &object, RecordsSummary &summary,
                                                   const CountingRule &counting)
{
    const std::optional<int> workOrders = count(object.value(QLatin1StringView("workOrders")));
    const std::optional<int> failures = count(object.value(QLatin1StringView("failures")));
    const std::optional<int> duplicates = count(object.value(QLatin1StringView("duplicates")));
    if (!workOrders || *workOrders == 0)
        return QLatin1StringView("workOrders");
    if (!failures || *failures > *workOrders)
        return QLatin1StringView("failures");
    if (!duplicates)
        return QLatin1StringView("duplicates");
    summary.workOrders = *workOrders;
    summary.failures = *failures;
    summary.duplicates = *duplicates;
    const std::optional<int> undated = laterCount(object, "undated");
    if (!undated)
        return QLatin1StringView("undated");
    summary.undated = *undated;
    const std::optional<int> typed = laterCount(object, "ofFailureTypes");
    if (!typed || *typed > *workOrders)
        return QLatin1StringView("ofFailureTypes");
    summary.ofFailureTypes = *typed;
    // Absent where each failure is one order, as in every file written
    // before repeat orders were merged.
    const QJsonValue ordersValue = object.value(QLatin1StringView("failureOrders"));
    const std::optional<int> orders = ordersValue.isUndefined() ? std::optional(0) : count(ordersValue);
    if (!orders || (!ordersValue.isUndefined() && *orders <= *failures) || *orders > *workOrders)
        return QLatin1StringView("failureOrders");
    summary.failureOrders = *orders;
    for (const auto &[key, counted] :
         {std::pair{"outsidePeriod", &summary.outsidePeriod}, std::pair{"leftOutOrders", &summary.leftOut}}) {
        const std::optional<int> read = laterCount(object, key);
        if (!read)
            return QLatin1StringView(key);
        *counted = *read;
    }
    summary.first = dateOf(object.value(QLatin1StringView("first")));
    summary.last = dateOf(object.value(QLatin1StringView("last")));
    if (!summary.first.isValid())
        return QLatin1StringView("first");
    if (!summary.last.isValid() || summary.last < summary.first)
        return QLatin1StringView("last");
    summary.periodGiven = counting.periodGiven();
    if (summary.periodGiven && (summary.first != counting.from || summary.last != counting.to))
        return QLatin1StringView("period");
    const QJsonValue endsOnFailure = object.value(QLatin1StringView("endsOnFailure"));
    if (!endsOnFailure.isUndefined() && (!endsOnFailure.isBool() || summary.periodGiven))
        return QLatin1StringView("endsOnFailure");
    summary.endsOnFailure = endsOnFailure.toBool();
    // The failures' dates, in order within the period; files written before
    // they were kept have none.
    const QJsonValue eventsValue = object.value(QLatin1StringView("events"));
    if (!eventsValue.isUndefined() && !eventsValue.isArray())
        return QLatin1StringView("events");
    const QJsonArray events = eventsValue.toArray();
    for (const QJsonValue &value : events) {
        const QDate date = dateOf(value);
        if (!date.isValid() || date < summary.first || date > summary.last
            || (!summary.eventDates.empty() && date < summary.eventDates.back()))
            return QLatin1StringView("events");
        summary.eventDates.push_back(date);
    }
    if (!events.isEmpty() && events.size() != summary.failures)
        return QLatin1StringView("events");
    return std::nullopt;
}

// The repair hours, their spread and the worst actors.
std::optional<QLatin1StringView> readRecordsHours(const QJsonObject &object, RecordsSummary &summary)
{
    for (const auto &[key, hours] :
         {std::pair{"meanHours", &summary.meanHours}, std::pair{"medianHours", &summary.medianHours},
          std::pair{"hours10", &summary.hours10}, std::pair{"hours90", &summary.hours90},
          std::pair{"medianDowntime", &summary.medianDowntime}, std::pair{"meanDowntime", &summary.meanDowntime}}) {
        if (!readHours(object, QLatin1StringView(key), *hours))
            return QLatin1StringView(key);
    }
    // The spread of the repair hours, in files written since it was kept:
    // both members or neither, from two failures with hours to all of them,
    // and no wider than hours of 0 or more can spread about their mean
    // (s ≤ m √k).
    const QJsonValue hoursCount = object.value(QLatin1StringView("hoursCount"));
    if (!readHours(object, QLatin1StringView("hoursDeviation"), summary.hoursDeviation))
        return QLatin1StringView("hoursDeviation");
    if (summary.hoursDeviation || !hoursCount.isUndefined()) {
        const std::optional<int> counted = count(hoursCount);
        if (!counted || *counted < 2 || *counted > summary.failures || !summary.hoursDeviation || !summary.meanHours)
            return QLatin1StringView("hoursCount");
        if (*summary.hoursDeviation > *summary.meanHours * std::sqrt(double(*counted)) * (1 + 1e-9))
            return QLatin1StringView("hoursDeviation");
        summary.hoursCount = *counted;
    }
    // The worst actors: [name, failures, median repair hours, median downtime].
    const QJsonArray assets = object.value(QLatin1StringView("assets")).toArray();
    if (assets.size() > kWorstAssetsKept)
        return QLatin1StringView("assets");
    for (const QJsonValue &value : assets) {
        const QJsonArray asset = value.toArray();
        const std::optional<int> failed = count(asset.at(1));
        AssetFailures read{asset.at(0).toString(), failed.value_or(0), std::nullopt, std::nullopt};
        const auto hours = [](const QJsonValue &v, std::optional<double> &to) {
            to = v.isDouble() ? std::optional(v.toDouble()) : std::nullopt;
            return v.isNull() || (v.isDouble() && v.toDouble() >= 0 && std::isfinite(v.toDouble()));
        };
        if (asset.size() != 4 || !isName(asset.at(0)) || read.asset.isEmpty() || !failed || *failed < 1
            || *failed > summary.failures || !hours(asset.at(2), read.medianRepairHours)
            || !hours(asset.at(3), read.medianDowntime))
            return QLatin1StringView("assets");
        read.asset = withoutDirectionControls(read.asset);
        summary.worstAssets.push_back(read);
    }
    return std::nullopt;
}

// What was found from the counts: the savings check and the trend.
std::optional<QLatin1StringView> readRecordsFindings(const QJsonObject &object, RecordsSummary &summary)
{
    // The counts before and after the installation; the rest computed again.
    if (const QJsonValue check = object.value(QLatin1StringView("check")); !check.isUndefined()) {
        const QJsonObject values = check.toObject();
        const std::optional<int> before = count(values.value(QLatin1StringView("before")));
        const std::optional<int> after = count(values.value(QLatin1StringView("after")));
        const QDate installed = QDate::fromString(values.value(QLatin1StringView("installed")).toString(), Qt::ISODate);
        if (before && after && *before + qint64(*after) == summary.failures)
            summary.check = savingsCheckOf(*before, *after, summary.first, summary.last, installed);
        if (!summary.check)
            return QLatin1StringView("check");
    }
    // Files written before the trend was tested have none.
    if (const QJsonValue trend = object.value(QLatin1StringView("trend")); !trend.isUndefined()) {
        const QJsonObject values = trend.toObject();
        const double u = values.value(QLatin1StringView("u")).toDouble(qQNaN());
        const double p = values.value(QLatin1StringView("p")).toDouble(qQNaN());
        const double beta = values.value(QLatin1StringView("beta")).toDouble(qQNaN());
        if (!trend.isObject() || !std::isfinite(u) || !(p >= 0 && p <= 1) || !(beta > 0 && beta < 1e6))
            return QLatin1StringView("trend");
        summary.trend = FailureTrend{u, p, beta};
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> readRecordsMember(const QJsonValue &value, std::optional<RecordsEvidence> &records)
{
    records.reset();
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isObject())
        return recordsInvalid(QLatin1StringView("records"));
    const QJsonObject object = value.toObject();
    RecordsEvidence read;
    RecordsSummary &summary = read.summary;
    std::optional<QLatin1StringView> invalid = readRecordsSource(object, read);
    if (!invalid)
        invalid = readRecordsCounts(object, summary, read.counting);
    if (!invalid)
        invalid = readRecordsHours(object, summary);
    if (!invalid)
        invalid = readRecordsFindings(object, summary);
    if (invalid)
        return recordsInvalid(*invalid);
    // As the records were summed up: the rate from the count over the days.
    summary.rate = rateOf(summary);
    records = std::move(read);
    return std::nullopt;
}

std::optional<QString> readRiskMember(const QJsonValue &value, std::optional<RiskRanges> &ranges)
{
    ranges.reset();
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isObject())
        return riskInvalid(QLatin1StringView("risk"));
    const QJsonObject object = value.toObject();
    RiskRanges read;
    bool seedRead = false;
    const QString seed = object.value(QLatin1StringView("seed")).toString();
    read.seed = seed.toULongLong(&seedRead);
    if (!seedRead || seed != QString::number(read.seed))
        return riskInvalid(QLatin1StringView("seed"));
    const std::optional<int> runs = count(object.value(QLatin1StringView("runs")));
    if (!runs || *runs < 1 || *runs > kMaxRiskRuns)
        return riskInvalid(QLatin1StringView("runs"));
    read.runs = *runs;
    const QJsonValue held = object.value(QLatin1StringView("ranges"));
    if (!held.isObject())
        return riskInvalid(QLatin1StringView("ranges"));
    const QJsonValue fromRecords = object.value(QLatin1StringView("fromRecords"));
    if (!fromRecords.isUndefined() && !fromRecords.isArray())
        return riskInvalid(QLatin1StringView("fromRecords"));
    for (const QJsonValue &key : fromRecords.toArray()) {
        int i = 0;
        while (i < kRiskInputCount && key.toString() != riskInputKey(RiskInput(i)))
            ++i;
        if (i == kRiskInputCount || held.toObject().contains(key.toString()))
            return riskInvalid(QLatin1StringView("fromRecords"));
        read.fromRecords[std::size_t(i)] = true;
    }
    for (int i = 0; i < kRiskInputCount; ++i) {
        const QLatin1StringView key = riskInputKey(RiskInput(i));
        const QJsonValue range = held.toObject().value(key);
        if (range.isUndefined())
            continue;
        const QJsonArray three = range.toArray();
        const bool numbers = three.size() == 3 && std::all_of(three.begin(), three.end(), [](const QJsonValue &v) {
                                 return v.isDouble() && std::isfinite(v.toDouble()) && v.toDouble() >= 0;
                             });
        const PertRange pert{three.at(0).toDouble(), three.at(1).toDouble(), three.at(2).toDouble()};
        const bool reduction = i < kReducedRowCount;
        if (!numbers || pert.low > pert.likely || pert.likely > pert.high || (reduction && pert.high > 100))
            return riskInvalid(key);
        read.ranges[std::size_t(i)] = pert;
    }
    ranges = read;
    return std::nullopt;
}

} // namespace model
