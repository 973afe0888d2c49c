// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "platform/system_seams.h"

#include <QString>

#include <exception>

namespace platform {

// Runs an event handler's body. A run-time error that escapes it is told to
// the user and the program goes on: letting it unwind through Qt's event
// loop would end the process and lose everything typed.
template <typename Body>
void guarded(QWidget *parent, Body &&body)
{
    try {
        body();
    } catch (const std::exception &error) {
        reportRuntimeError(parent, QString::fromUtf8(error.what()));
    }
}

} // namespace platform
