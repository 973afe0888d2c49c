// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/records_choice.h"

#include "model/records/failure_types.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct RecordsChoiceText {
    Q_DECLARE_TR_FUNCTIONS(RecordsChoiceText)
};

std::vector<QStringView> columnTexts(const ExportTable &table, int column)
{
    std::vector<QStringView> texts;
    texts.reserve(table.rowCount());
    for (std::size_t r = 0; r < table.rowCount(); ++r)
        texts.push_back(table.cell(r, column));
    return texts;
}

// As the regional settings write a short date: month first in the United
// States, day first nearly everywhere else.
DateForm slashFormOf(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype month = format.indexOf(u'M');
    const qsizetype day = format.indexOf(u'd');
    return month >= 0 && day >= 0 && month < day ? DateForm::SlashMonthDay : DateForm::SlashDayMonth;
}

// A name or word as a facility file keeps it: no control characters (an
// escape sequence could rewrite a terminal), no controls of the writing
// direction (an override would print a page's sentence backwards), at most
// so long.

// The first line whose hours in a chosen column read below zero, or 0.
int lineOfNegativeHours(const ExportTable &table, const ColumnMapping &mapping)
{
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        for (const WorkOrderColumn column : {WorkOrderColumn::RepairHours, WorkOrderColumn::DowntimeHours}) {
            const std::optional<int> c = mapping[std::size_t(column)];
            const QStringView text = c ? table.cell(r, *c).trimmed() : QStringView();
            if (text.startsWith(u'-') || text.startsWith(u'\u2212'))
                return table.lineOf(r);
        }
    }
    return 0;
}

} // namespace

DateColumn dateColumnOf(const ExportTable &table, std::optional<int> column)
{
    return column ? dateFormOf(columnTexts(table, *column)) : DateColumn{};
}

DateForm dateFormToTry(const ExportTable &table, std::optional<int> column)
{
    for (std::size_t r = 0; column && r < table.rowCount(); ++r) {
        const QStringView first = table.cell(r, *column);
        if (isUndated(first))
            continue;
        for (const DateForm form :
             {DateForm::Iso, DateForm::DottedDayMonth, DateForm::SlashDayMonth, DateForm::SlashMonthDay}) {
            if (readDate(first, form))
                return form;
        }
        break;
    }
    return DateForm::Iso;
}

RecordsChoice startingChoice(const ExportTable &table, const std::optional<RecordsEvidence> &previous,
                             const QLocale &locale)
{
    RecordsChoice choice;
    // The columns as before only for an export laid out as before: its
    // date column is there under the same name.
    const auto named = [&](const QString &name) -> std::optional<int> {
        const qsizetype at = name.isEmpty() ? -1 : table.header.indexOf(name);
        return at >= 0 ? std::optional(int(at)) : std::nullopt;
    };
    if (previous && named(previous->columns[std::size_t(WorkOrderColumn::Date)])) {
        for (int c = 0; c < kWorkOrderColumnCount; ++c)
            choice.mapping[std::size_t(c)] = named(previous->columns[std::size_t(c)]);
    } else {
        choice.mapping = guessMapping(table.header);
    }
    choice.failureWords = previous ? previous->failureWords : defaultFailureWords();
    // The gap, the orders left out and the installation as before; the
    // period is an export's own.
    if (previous) {
        choice.counting.repeatDays = previous->counting.repeatDays;
        choice.counting.leftOut = previous->counting.leftOut;
        choice.counting.installed = previous->counting.installed;
        choice.stopsOnDowntime = previous->stopsOnDowntime;
    }
    const std::vector<WorkTypeCount> types = workTypesOf(table, choice.mapping[std::size_t(WorkOrderColumn::WorkType)]);
    if (!types.empty()) {
        QStringList kept;
        for (const WorkTypeCount &type : types)
            if (previous && previous->counting.failureTypes && isOfTypes(type.type, *previous->counting.failureTypes))
                kept << type.type;
        choice.counting.failureTypes = kept.isEmpty() ? guessFailureTypes(types) : kept;
    }

    const std::optional<int> dateColumn = choice.mapping[std::size_t(WorkOrderColumn::Date)];
    const DateColumn dates = dateColumnOf(table, dateColumn);
    if (dates.form) {
        choice.dateForm = *dates.form;
    } else if (dates.ambiguous) {
        choice.dateOrderOpen = true;
        const bool chosenBefore =
            previous
            && (previous->dateForm == DateForm::SlashDayMonth || previous->dateForm == DateForm::SlashMonthDay);
        choice.dateForm = chosenBefore ? previous->dateForm : slashFormOf(locale);
    } else {
        choice.dateForm = dateFormToTry(table, dateColumn);
    }
    return choice;
}

QStringList failureWordsOf(const QString &typed)
{
    static const QRegularExpression separators(QStringLiteral("[,;\uFF0C\uFF1B\u3001]"));
    QStringList words;
    for (const QString &part : typed.split(separators)) {
        const QString word = keptRecordsName(part);
        if (!word.isEmpty() && !words.contains(word, Qt::CaseInsensitive))
            words << word;
    }
    return words;
}

EvidenceReading evidenceOf(const ExportTable &table, const RecordsChoice &choice, const QString &fileName,
                           const QString &sha256, const QString &sheet, const QLocale &locale)
{
    EvidenceReading reading;
    // A facility file keeps no more than these; one it could not open again
    // would lose every figure in it.
    if (choice.failureWords.size() > kMaxFailureWords) {
        reading.problem = RecordsChoiceText::tr("At most %1 words can mark a bearing failure.").arg(kMaxFailureWords);
        return reading;
    }
    const auto tooLong = [](const QString &text) { return text.size() > kMaxRecordsNameLength; };
    if (std::any_of(choice.failureWords.begin(), choice.failureWords.end(), tooLong)) {
        reading.problem = RecordsChoiceText::tr("A word that marks a bearing failure is longer than %1 characters.")
                              .arg(kMaxRecordsNameLength);
        return reading;
    }
    RecordsEvidence evidence;
    // A header name that is no name to keep is kept as far as it is one:
    // the columns are then guessed again when a later export is read.
    for (int c = 0; c < kWorkOrderColumnCount; ++c) {
        if (const std::optional<int> column = choice.mapping[std::size_t(c)])
            evidence.columns[std::size_t(c)] = keptRecordsName(table.header.value(*column));
    }
    const CountingRule &rule = choice.counting;
    if (rule.from.isValid() != rule.to.isValid() || (rule.periodGiven() && rule.from >= rule.to)) {
        reading.problem = RecordsChoiceText::tr("The period of the records needs a start before its end.");
        return reading;
    }
    if (rule.repeatDays < 0 || rule.repeatDays > kMaxRepeatDays) {
        reading.problem =
            RecordsChoiceText::tr("Repeat orders are those within 0 to %1 days of each other.").arg(kMaxRepeatDays);
        return reading;
    }
    if (rule.leftOut.size() > kMaxLeftOutOrders) {
        reading.problem = RecordsChoiceText::tr("At most %1 orders can be left out by hand.").arg(kMaxLeftOutOrders);
        return reading;
    }
    CountingRule counting = choice.counting;
    if (!choice.mapping[std::size_t(WorkOrderColumn::WorkType)])
        counting.failureTypes.reset();
    const std::optional<QStringList> &types = counting.failureTypes;
    if (types && types->size() > kMaxFailureWords) {
        reading.problem = RecordsChoiceText::tr("At most %1 work types can mark a failure.").arg(kMaxFailureWords);
        return reading;
    }
    const RecordsReading records =
        summariseRecords(table, choice.mapping, choice.dateForm, choice.failureWords, locale, counting);
    if (!records.summary) {
        reading.problem = records.problem;
        return reading;
    }
    // Hours below zero would make records that no facility file could keep.
    const RecordsSummary &summary = *records.summary;
    for (const std::optional<double> &hours :
         {summary.meanHours, summary.medianHours, summary.hours10, summary.hours90, summary.medianDowntime}) {
        if (hours && *hours < 0) {
            reading.problem = RecordsChoiceText::tr("The hours on line %1 are below zero.")
                                  .arg(lineOfNegativeHours(table, choice.mapping));
            return reading;
        }
    }
    evidence.fileName = keptRecordsName(fileName);
    evidence.sha256 = sha256;
    evidence.sheet = keptRecordsName(sheet);
    evidence.dateForm = choice.dateForm;
    for (const QString &word : choice.failureWords)
        if (const QString kept = keptRecordsName(word); !kept.isEmpty())
            evidence.failureWords << kept;
    if (types) {
        for (QString &type : *counting.failureTypes)
            type = keptRecordsName(type);
    }
    evidence.counting = std::move(counting);
    evidence.stopsOnDowntime = choice.stopsOnDowntime;
    evidence.summary = *records.summary;
    reading.matched = records.matched;
    // The assets' names as a facility file can keep them.
    std::vector<AssetFailures> &assets = evidence.summary.worstAssets;
    for (AssetFailures &asset : assets)
        asset.asset = keptRecordsName(asset.asset);
    assets.erase(std::remove_if(assets.begin(), assets.end(), [](const AssetFailures &a) { return a.asset.isEmpty(); }),
                 assets.end());
    reading.evidence = std::move(evidence);
    return reading;
}

} // namespace model
