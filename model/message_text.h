// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

namespace model {

// A file's name or a text from a file, in the quotation marks of the
// interface's language, ready to stand in a message: characters that would
// not show, or would cut the message short on a terminal (a NUL, a line
// break, an escape), appear as \0, \n, \x1B, \u202E and so on.
QString quotedForMessage(const QString &text);

// The same text without the quotation marks, for a message that has its own
// ("Unknown option '%1'.").
QString escapedForMessage(const QString &text);

// The text trimmed and ending in a full stop, so that reasons from Qt or the
// system ("No space left on device") read as sentences.
QString asSentence(QString text);

// The system's own description of errno value error, as a sentence ("Too
// many levels of symbolic links.").
QString systemErrorText(int error);

} // namespace model
