// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QTemporaryDir;

namespace workbook {

// A file that a library writes by its name and the program then reads back,
// gone with the object. On Linux it lives in memory (memfd_create()) and is
// named through /proc/self/fd, so that not even a kill mid-write leaves it
// behind; elsewhere it lies in a temporary folder of its own.
class ScratchFile {
public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // Why there is no such file, as a sentence; nothing when there is.
    const std::optional<QString> &failure() const { return m_failure; }
    // The name it is opened by, in the file system's encoding.
    const QByteArray &name() const { return m_name; }
    // Its bytes, or nothing when they cannot be read whole.
    std::optional<QByteArray> contents() const;

private:
    int m_memoryFile = -1;
    std::unique_ptr<QTemporaryDir> m_folder;
    QByteArray m_name;
    std::optional<QString> m_failure;
};

} // namespace workbook
