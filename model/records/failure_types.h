// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/export_table.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace model {

// A value of the work-type (or cause, or priority) column and how many
// work orders hold it.
struct WorkTypeCount {
    QString type;
    int orders = 0;
    friend bool operator==(const WorkTypeCount &, const WorkTypeCount &) = default;
};

// The values the column holds, blanks around them aside, the most frequent
// first; none when there are more than a work-type column has (it is then
// no such column: the rule is not applied).
inline constexpr int kMostWorkTypes = 200;
std::vector<WorkTypeCount> workTypesOf(const ExportTable &table, std::optional<int> column);

// The values that mean a corrective or breakdown order, by the codes and
// words maintenance systems use for them (CM, EM, BRK, "Störung",
// "Instandsetzung", "corrective", "breakdown", "panne", "correctivo",
// "corretiva"…); preventive orders, inspections and lubrication rounds
// (PM, "Inspektion", "préventive", "preventivo"…) are not among them.
QStringList guessFailureTypes(const std::vector<WorkTypeCount> &types);

// Whether type (a cell's text) is one of types, blanks and case aside.
bool isOfTypes(QStringView type, const QStringList &types);

} // namespace model
