// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/work_orders.h"

#include "model/numeric_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <set>

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
    QStringList{"repair", "hours", "stunden", "heures", "horas", "工时"},
    QStringList{"downtime", "stillstand", "arrêt", "parada", "停机"},
};

const QRegularExpression kIsoDate(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})"));
const QRegularExpression kDottedDate(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})"));
const QRegularExpression kSlashDate(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})"));

std::optional<double> readHours(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const std::optional<double> value = readFigure(trimmed, locale))
        return value;
    bool ok = false;
    const double value = QString(trimmed).replace(u',', u'.').toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
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
        for (int c = 0; c < header.size(); ++c) {
            const QString name = header[c].toLower();
            const QStringList &words = kHeaderWords[std::size_t(column)];
            if (!taken.count(c)
                && std::any_of(words.begin(), words.end(), [&](const QString &w) { return name.contains(w); })) {
                mapping[std::size_t(column)] = c;
                taken.insert(c);
                break;
            }
        }
    }
    return mapping;
}

DateColumn dateFormOf(const std::vector<QString> &texts)
{
    DateColumn column;
    bool dayFirst = false;
    bool monthFirst = false;
    std::optional<DateForm> form;
    for (std::size_t r = 0; r < texts.size(); ++r) {
        const QString text = texts[r].trimmed();
        std::optional<DateForm> found;
        if (kIsoDate.match(text).hasMatch()) {
            found = DateForm::Iso;
        } else if (kDottedDate.match(text).hasMatch()) {
            found = DateForm::DottedDayMonth;
        } else if (const QRegularExpressionMatch slash = kSlashDate.match(text); slash.hasMatch()) {
            found = DateForm::SlashDayMonth;
            dayFirst |= slash.captured(1).toInt() > 12;
            monthFirst |= slash.captured(2).toInt() > 12;
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

std::optional<QDate> readDate(const QString &text, DateForm form)
{
    const QString trimmed = text.trimmed();
    QDate date;
    if (form == DateForm::Iso) {
        const QRegularExpressionMatch m = kIsoDate.match(trimmed);
        if (m.hasMatch())
            date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    } else {
        const QRegularExpressionMatch m = (form == DateForm::DottedDayMonth ? kDottedDate : kSlashDate).match(trimmed);
        if (m.hasMatch()) {
            const int first = m.captured(1).toInt();
            const int second = m.captured(2).toInt();
            const bool dayFirst = form != DateForm::SlashMonthDay;
            date = QDate(m.captured(3).toInt(), dayFirst ? second : first, dayFirst ? first : second);
        }
    }
    return date.isValid() ? std::optional(date) : std::nullopt;
}

QStringList defaultFailureWords()
{
    return {QStringLiteral("bearing"),    QStringLiteral("Lager"),     QStringLiteral("roulement"),
            QStringLiteral("rodamiento"), QStringLiteral("rolamento"), QStringLiteral("轴承")};
}

RecordsReading summariseRecords(const ExportTable &table, const ColumnMapping &mapping, DateForm form,
                                const QStringList &failureWords, const QLocale &locale)
{
    RecordsReading reading;
    const std::optional<int> dateColumn = mapping[std::size_t(WorkOrderColumn::Date)];
    if (!dateColumn) {
        reading.problem = WorkOrderText::tr("No column is chosen for the date.");
        return reading;
    }
    const auto cell = [&](const QStringList &row, WorkOrderColumn column) {
        const std::optional<int> c = mapping[std::size_t(column)];
        return c && *c < row.size() ? row[*c] : QString();
    };
    RecordsSummary summary;
    std::set<QStringList> seen;
    std::vector<double> hours;
    std::vector<double> downtimes;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const QStringList &row = table.rows[r];
        if (!seen.insert(row).second) {
            ++summary.duplicates;
            continue;
        }
        const std::optional<QDate> date = readDate(row.value(*dateColumn), form);
        if (!date) {
            reading.line = table.lines[r];
            reading.problem = WorkOrderText::tr("The date %1 on line %2 does not read as a date.")
                                  .arg(row.value(*dateColumn).trimmed())
                                  .arg(table.lines[r]);
            return reading;
        }
        ++summary.workOrders;
        if (!summary.first.isValid() || *date < summary.first)
            summary.first = *date;
        if (!summary.last.isValid() || *date > summary.last)
            summary.last = *date;
        const QString marked = cell(row, WorkOrderColumn::WorkType) + u' ' + cell(row, WorkOrderColumn::Description);
        const bool failure = std::any_of(failureWords.begin(), failureWords.end(), [&](const QString &word) {
            return !word.trimmed().isEmpty() && marked.contains(word.trimmed(), Qt::CaseInsensitive);
        });
        if (!failure)
            continue;
        ++summary.failures;
        if (const std::optional<double> h = readHours(cell(row, WorkOrderColumn::RepairHours), locale))
            hours.push_back(*h);
        if (const std::optional<double> h = readHours(cell(row, WorkOrderColumn::DowntimeHours), locale))
            downtimes.push_back(*h);
    }
    if (summary.workOrders == 0) {
        reading.problem = WorkOrderText::tr("The records hold no work orders.");
        return reading;
    }
    summary.rate = failureRateOf(summary.failures, summary.first.daysTo(summary.last) / 365.25);
    summary.medianHours = percentileOf(hours, 0.5);
    summary.hours10 = percentileOf(hours, 0.1);
    summary.hours90 = percentileOf(hours, 0.9);
    summary.medianDowntime = percentileOf(downtimes, 0.5);
    reading.summary = summary;
    return reading;
}

} // namespace model
