// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_tables.h"

#include <QCoreApplication>
#include <QString>

namespace model {

// The tables of input_table.h and cost_rows.h hold English source texts, so
// that they stay constant expressions; these give one of them in the
// interface language (the English text itself when no translation is
// installed). Each table has its own translation context.
inline QString inputText(const char *source) { return QCoreApplication::translate("Inputs", source); }
inline QString costRowText(const char *source) { return QCoreApplication::translate("CostRows", source); }

// The fault's name in the interface language ("Overflow"), as every message
// that names an arithmetic fault shows it.
inline QString faultText(ArithmeticFault fault)
{
    return QCoreApplication::translate("ArithmeticFault", faultName(fault));
}

// What every output says of a field that holds no number ("The figure for
// “Lubricant quantity” is not a number."); with the field's text, also what
// it reads, its first 20 characters ("It reads “1,2,3”.").
QString notANumberText(int field);
QString notANumberText(int field, const QString &text);

// What the user is told when the figures overflow the arithmetic; the fields
// stay as typed, so the user can correct one and go on.
QString faultMessage(ArithmeticFault fault);

} // namespace model
