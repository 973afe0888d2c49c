// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/risk_simulation.h"
#include "model/records/records_evidence.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <optional>

// The facility file's "records" and "risk" members (model/facility_file.h
// shows their form).
namespace model {

// Appends ",\n    \"records\": { … }" and ",\n    \"risk\": { … }".
void writeRecordsMember(QByteArray &out, const RecordsEvidence &records);
void writeRiskMember(QByteArray &out, const RiskRanges &ranges);

// Reads a member that may be absent (then none); on failure a sentence
// naming the member that is wrong.
std::optional<QString> readRecordsMember(const QJsonValue &value, std::optional<RecordsEvidence> &records);
std::optional<QString> readRiskMember(const QJsonValue &value, std::optional<RiskRanges> &ranges);

} // namespace model
