// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

#include <cstdio>

namespace platform {

// On Windows the program is a windowed one, which has no console of its
// own: typed in cmd.exe or PowerShell, what the command line writes would
// go nowhere. This attaches to the console of the program that started it,
// where there is one, for each standard stream that was not redirected;
// streams sent to a file or a pipe stay where they were sent. Elsewhere the
// streams already are the terminal's, and nothing changes.
void useStartingConsole();

// Writes the text to standard output or error: through the console's own
// characters where the stream is a Windows console (whose code page would
// garble quotation marks and umlauts), else as UTF-8.
void writeText(std::FILE *stream, const QString &text);

// The text and a line end.
inline void writeLine(std::FILE *stream, const QString &text) { writeText(stream, text + u'\n'); }

} // namespace platform
