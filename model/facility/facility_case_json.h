// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/lost_production.h"
#include "model/costs/savings_kinds.h"
#include "model/finance/case_items.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <optional>

// The facility file's members of the approver's case (model/facility_file.h
// shows their form), written only where one of their inputs is given, so
// that a file without them stays as older versions wrote it.
namespace model {

// Whether the file needs format 6 to keep what these members hold.
bool needsCaseMembers(const LostProductionRule &lostProduction, const std::optional<SavingsKinds> &kinds);

// Appends ",\n    \"lostProduction\": { … }" with the figures given.
void writeLostProductionMember(QByteArray &out, const LostProductionRule &rule);

// Appends ",\n    \"savingsKinds\": { \"hard\": [ … ], \"freedHoursTo\": … }" where the
// savings are split.
void writeSavingsKindsMember(QByteArray &out, const std::optional<SavingsKinds> &kinds);

// Appends ",\n    \"otherSavings\": [ … ]" and ",\n    \"oneOffItems\": [ … ]" where
// there are any.
void writeCaseItemsMembers(QByteArray &out, const std::vector<OtherSaving> &savings,
                           const std::vector<OneOffItem> &items);

// Read a member that may be absent (then the empty rule, no split); on
// failure a sentence naming the member that is wrong.
std::optional<QString> readLostProductionMember(const QJsonValue &value, LostProductionRule &rule);
std::optional<QString> readSavingsKindsMember(const QJsonValue &value, std::optional<SavingsKinds> &kinds);
std::optional<QString> readCaseItemsMembers(const QJsonValue &savingsValue, const QJsonValue &itemsValue,
                                            std::vector<OtherSaving> &savings, std::vector<OneOffItem> &items);

} // namespace model
