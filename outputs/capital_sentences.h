// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/finance/cash_flow.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace outputs {

// What the business case assumes beyond the investment, in sentences for the
// report's assumptions: the escalations, the income tax and how the outlay
// is depreciated, the residual value, the first year's share and when the
// yearly flows fall. With every input at its default, one sentence says the
// case is before tax, at today's prices, with the flows at each year's end.
QStringList capitalSentences(const model::CapitalInputs &capital, const model::Investment &investment,
                             const QLocale &locale, QStringView symbol);

} // namespace outputs
