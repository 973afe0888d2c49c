// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "document/facility_document.h"

#include <QStringList>

namespace outputs {

// The facility's maintenance records for the report's assumptions: what they
// come to (model::evidenceLines()) and whether the report's figures are taken
// from them (FacilityDocument::recordsApplied()) or they are kept as evidence
// only. None without records.
QStringList recordsSentences(const document::FacilityDocument &facility);

} // namespace outputs
