// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/files/file_kinds.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QIODevice;

namespace model {

struct WriteResult {
    bool written = false;
    // When not written: one or two sentences saying why ("It is a device,
    // not a file."), without the file's name; the caller names the file.
    QString reason;

    explicit operator bool() const { return written; }
};

// Makes the contents. Returns nothing when they are made, or a sentence
// saying why they could not be; it need not check the device's writes,
// which writeFileSafely() checks for it.
using ContentsWriter = std::function<std::optional<QString>(QIODevice &device)>;

// Why path may not be written as a file of this kind, or nothing: it is a
// folder, a device, a pipe or a socket; it cannot be looked at (a loop of
// links, a folder that cannot be entered); its folder is missing; it is
// read-only; it exists and is not of this kind; it is a facility file that
// must not be replaced.
std::optional<QString> refusalToWrite(const QString &path, const FileKind &kind);

// The one way the program writes a file. After the refusals above, the
// contents go into a temporary file beside the target, every write checked
// (a full disk or a file size limit stops a write part way, which a buffered
// write would not report); only when every byte is written and on the disk
// does the temporary file take the target's place, with the target's
// permission bits, and the folder is flushed so that the new name survives
// a power cut too. On any failure before that the target is as it was and
// nothing is left beside it.
//
// A temporary file left by a write that was killed as it finished (named as
// the target, a dot and six letters: "sum.csv.kTqWzB") is removed when the
// next write to the same target starts, unless a running write still holds
// it.
WriteResult writeFileSafely(const QString &path, const FileKind &kind, const ContentsWriter &writeContents);

} // namespace model
