// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/files/safe_write.h"

#include <QFileDevice>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// What the safe write asks of the operating system beyond what Qt offers:
// what a name leads to, a file written beside its target that takes its
// place only when complete, and clearing what a killed write left. One
// implementation per system: safe_write_posix.cpp, safe_write_windows.cpp.
namespace model::safe_write_system {

// What a name leads to, links followed.
struct Target {
    enum class Kind {
        Missing,      // nothing of that name (the folder is looked at by the caller)
        DanglingLink, // a link to nothing, which a write would replace by a file
        File,         // a regular file
        NotAFile,     // a folder, a device, a pipe, a socket: reason says which
        Unknowable,   // it cannot be looked at (a loop of links, no access): reason says why
    };
    explicit Target(Kind kind, QString reason = {}) : kind(kind), reason(std::move(reason)) {}

    Kind kind;
    QString reason;
    // Its permission bits or attributes make it read-only (not whether this
    // user may write it: root may write anything, but a file made read-only
    // is meant to stay as it is).
    bool readOnly = false;
    qint64 size = 0;
};

Target lookAt(const QString &path);

// The new contents, written into a temporary file beside the target: its
// name, a dot and six letters ("sum.csv.kTqWzB"). Until commit() the target
// is as it was; a file not committed is removed when the object goes.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString &target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Makes the temporary file, unbuffered; nothing, or why it could not.
    std::optional<QString> open();
    QFileDevice &device();
    // Flushes the file to the disk, gives it the permissions (when asked
    // and the system has them), puts it in the target's place and makes the
    // new name last through a power cut. Not written on any failure.
    WriteResult commit(std::optional<QFileDevice::Permissions> permissions);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Removes path when it is a regular file of this user's with no other name,
// that no running write holds, and that mayGo() allows to go (it says
// whether a write could replace it). Anything else is left as it is.
void removeUnheldFile(const QString &path, const std::function<bool()> &mayGo);

} // namespace model::safe_write_system
