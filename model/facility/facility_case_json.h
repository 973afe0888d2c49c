// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/facility/facility_file.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

// The facility file's members of the approver's case (model/facility_file.h
// shows their form), written only where one of their inputs is given, so
// that a file without them stays as older versions wrote it.
namespace model {

// Whether the file needs format 6 to keep what these members hold.
bool needsCaseMembers(const FacilityFigures &figures);

// Appends the members whose inputs are given: "lostProduction",
// "savingsKinds", "otherSavings" and "oneOffItems".
void writeCaseMembers(QByteArray &out, const FacilityFigures &figures);

// Reads those members of the file's root, each of which may be absent, their
// texts' control characters blanked; on failure a sentence naming the member
// that is wrong.
std::optional<QString> readCaseMembers(const QJsonObject &root, FacilityFigures &figures);

} // namespace model
