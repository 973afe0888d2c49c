// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/failure_types.h"

#include <QHash>

#include <algorithm>

namespace model {
namespace {

// Codes that stand alone in the column, compared whole.
const QStringList kFailureCodes{"cm", "em", "brk", "bd", "bm"};
// Words within a value, in the interface's languages.
const QStringList kFailureWords{
    "corrective", "correctif",      "breakdown",  "failure", "emergency", "repair",     "störung",
    "stoerung",   "instandsetzung", "reparatur",  "ausfall", "panne",     "dépannage",  "depannage",
    "réparation", "correctivo",     "correctiva", "avería",  "averia",    "reparación", "corretiva",
    "corretivo",  "quebra",         "falha",      "reparo",  "故障",      "抢修"};
const QStringList kPlannedWords{"preventive",  "préventi", "preventi", "inspection", "inspektion", "wartung",
                                "lubrication", "schmier",  "graiss",   "lubrica",    "planned",    "geplant",
                                "routine",     "预防",     "保养",     "巡检",       "点检"};

bool holdsAny(const QString &value, const QStringList &words)
{
    return std::any_of(words.begin(), words.end(), [&](const QString &w) { return value.contains(w); });
}

} // namespace

std::vector<WorkTypeCount> workTypesOf(const ExportTable &table, std::optional<int> column)
{
    std::vector<WorkTypeCount> types;
    if (!column)
        return types;
    QHash<QString, int> at;
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        const QString type = table.cell(r, *column).trimmed().toString();
        if (type.isEmpty())
            continue;
        const auto found = at.constFind(type.toCaseFolded());
        if (found != at.constEnd()) {
            ++types[std::size_t(*found)].orders;
            continue;
        }
        if (int(types.size()) == kMostWorkTypes)
            return {};
        at.insert(type.toCaseFolded(), int(types.size()));
        types.push_back({type, 1});
    }
    std::stable_sort(types.begin(), types.end(),
                     [](const WorkTypeCount &a, const WorkTypeCount &b) { return a.orders > b.orders; });
    return types;
}

QStringList guessFailureTypes(const std::vector<WorkTypeCount> &types)
{
    QStringList failures;
    for (const WorkTypeCount &count : types) {
        const QString value = count.type.toLower();
        if (kFailureCodes.contains(value) || (holdsAny(value, kFailureWords) && !holdsAny(value, kPlannedWords)))
            failures << count.type;
    }
    return failures;
}

bool isOfTypes(QStringView type, const QStringList &types)
{
    const QStringView trimmed = type.trimmed();
    return std::any_of(types.begin(), types.end(),
                       [&](const QString &t) { return trimmed.compare(t, Qt::CaseInsensitive) == 0; });
}

} // namespace model
