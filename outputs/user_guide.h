// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/currency_units.h"

#include <QString>

namespace document {
class FacilityDocument;
}

namespace outputs {

// The pages of the user guide, in the order its contents list them.
enum class HelpTopic { Figures, Files, Computed, BusinessCase, Records, Glossary };
inline constexpr int kHelpTopicCount = 6;

QString helpTopicTitle(HelpTopic topic);

// A page as HTML: first what the program itself says on the topic, in the
// interface's language and the facility's currency and units (each field
// with its unit and meaning, each under an anchor "field-N"; the report's
// note on how the figures are computed; the business case's), then the
// guide's own page (docs/guide, built into the program), in English.
QString helpPageHtml(HelpTopic topic, const document::FacilityDocument &facility);

// A field's one line for What's This: its caption, unit and meaning, in the
// facility's currency and units.
QString fieldExplanation(int field, const model::CurrencyUnits &currency);

} // namespace outputs
