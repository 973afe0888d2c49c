// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/records_request.h"

#include "model/text/message_text.h"

#include <QCoreApplication>

namespace model {
namespace {

struct RecordsRequestText {
    Q_DECLARE_TR_FUNCTIONS(RecordsRequestText)
};

} // namespace

std::optional<QString> readColumnsOption(const QString &text, std::array<QString, kWorkOrderColumnCount> &columns)
{
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(u'=');
        const QString key = part.left(equals).trimmed();
        int column = 0;
        while (column < kWorkOrderColumnCount && columnKey(WorkOrderColumn(column)) != key)
            ++column;
        if (equals < 0 || column == kWorkOrderColumnCount || part.mid(equals + 1).trimmed().isEmpty())
            return RecordsRequestText::tr("%1 is no column=name; the columns are %2")
                .arg(quotedForMessage(part), QStringLiteral("date, asset, workType, description, repairHours, "
                                                            "downtimeHours"));
        columns[std::size_t(column)] = part.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

std::optional<QString> readPeriodOption(const QString &text, RecordsRequest &request)
{
    const QStringList parts = text.split(u':');
    if (parts.size() == 2) {
        request.from = QDate::fromString(parts[0].trimmed(), Qt::ISODate);
        request.to = QDate::fromString(parts[1].trimmed(), Qt::ISODate);
    }
    if (parts.size() != 2 || !request.from.isValid() || !request.to.isValid())
        return RecordsRequestText::tr("%1 is no period such as 2023-01-01:2024-12-31").arg(quotedForMessage(text));
    if (request.from >= request.to)
        return RecordsRequestText::tr("the period %1 ends before it begins").arg(quotedForMessage(text));
    return std::nullopt;
}

std::optional<DateForm> slashOrderNamed(const QString &text)
{
    if (text == u"dmy")
        return DateForm::SlashDayMonth;
    if (text == u"mdy")
        return DateForm::SlashMonthDay;
    return std::nullopt;
}

std::optional<QString> applyRequest(RecordsChoice &choice, const ExportTable &table, const RecordsRequest &request)
{
    for (int c = 0; c < kWorkOrderColumnCount; ++c) {
        const QString &name = request.columns[std::size_t(c)];
        if (name.isEmpty())
            continue;
        const qsizetype at = table.header.indexOf(name);
        if (at < 0)
            return RecordsRequestText::tr("The header has no column %1.").arg(quotedForMessage(name));
        // The column named is this one's alone.
        for (std::optional<int> &other : choice.mapping)
            if (other == int(at))
                other.reset();
        choice.mapping[std::size_t(c)] = int(at);
    }
    if (std::any_of(request.columns.begin(), request.columns.end(), [](const QString &n) { return !n.isEmpty(); })) {
        const DateColumn dates = dateColumnOf(table, choice.mapping[std::size_t(WorkOrderColumn::Date)]);
        choice.dateOrderOpen = dates.ambiguous;
        choice.dateForm = dates.form.value_or(dateFormToTry(table, choice.mapping[0]));
    }
    if (request.slashOrder && choice.dateOrderOpen) {
        choice.dateForm = *request.slashOrder;
        choice.dateOrderOpen = false;
    }
    if (request.failureWords)
        choice.failureWords = *request.failureWords;
    if (request.failureTypes)
        choice.counting.failureTypes = *request.failureTypes;
    if (request.installed.isValid())
        choice.counting.installed = request.installed;
    if (request.from.isValid()) {
        choice.counting.from = request.from;
        choice.counting.to = request.to;
    }
    if (request.repeatDays)
        choice.counting.repeatDays = *request.repeatDays;
    if (request.stopsOnDowntime)
        choice.stopsOnDowntime = true;
    return std::nullopt;
}

} // namespace model
