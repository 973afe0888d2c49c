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

// Why the file at path, which does not exist as far as QFileInfo tells, cannot
// be opened: a loop of links or a folder that cannot be entered is not a
// missing file, and the system says what it is; else "The file does not
// exist."
QString missingFileText(const QString &path);

// The text without the controls that embed, override or isolate a writing
// direction (U+202A to U+202E, U+2066 to U+2069): an override would print
// the words after it backwards; the text's own letters still set their
// direction, so that Arabic or Hebrew names read as they are written.
QString withoutDirectionControls(QString text);

// A text of a file with each control character but the line feed a blank:
// an escape sequence would otherwise reach a terminal through the summary's
// CSV. Refusing them instead would lose every figure of a file whose detail
// holds a pasted tab. A line feed is kept, as a detail of two lines is.
QString withControlsBlanked(QString text);

// The text trimmed and ending in a full stop, so that reasons from Qt or the
// system ("No space left on device") read as sentences.
QString asSentence(QString text);

// The system's own description of errno value error, as a sentence ("Too
// many levels of symbolic links.").
QString systemErrorText(int error);

} // namespace model
