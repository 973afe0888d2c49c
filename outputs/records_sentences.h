// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records_evidence.h"

#include <QLocale>
#include <QStringList>

#include <optional>

namespace outputs {

// The maintenance records for the report's assumptions: what they come to
// (model::evidenceLines()) and whether the report's figures are taken from
// them or they are kept as evidence only. None without records.
QStringList recordsSentences(const std::optional<model::RecordsEvidence> &records, const QLocale &locale);

} // namespace outputs
