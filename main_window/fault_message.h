// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/model_text.h"

#include <QCoreApplication>
#include <QString>

namespace main_window {

// What the user is told when the figures overflow the arithmetic; the fields
// stay as typed, so the user can correct one and go on.
inline QString faultMessage(model::ArithmeticFault fault)
{
    return QCoreApplication::translate("Form1", "%1\n\nThe results cannot be computed from these figures. "
                                                "Please check the figures under \"Your Data\".")
        .arg(model::faultText(fault));
}

} // namespace main_window
