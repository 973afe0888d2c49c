// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/console_output.h"

namespace platform {

void useStartingConsole() {}

void writeText(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace platform
