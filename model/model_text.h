// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QCoreApplication>
#include <QString>

namespace model {

// The tables of input_table.h and cost_rows.h hold English source texts, so
// that they stay constant expressions; these give one of them in the
// interface language (the English text itself when no translation is
// installed). Each table has its own translation context.
inline QString inputText(const char *source) { return QCoreApplication::translate("Inputs", source); }
inline QString costRowText(const char *source) { return QCoreApplication::translate("CostRows", source); }

} // namespace model
