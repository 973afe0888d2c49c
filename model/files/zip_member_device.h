// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <unzip.h>

namespace model {

// The archive at path (a name in the file system's encoding), opened with
// the system's own file functions; null when it is no zip archive.
unzFile openZip(const QByteArray &path);

// A zip archive held open while its members are read, closed at the end.
class ZipArchive {
public:
    explicit ZipArchive(const QByteArray &path) : m_archive(openZip(path)) {}
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;
    bool isOpen() const { return m_archive != nullptr; }
    unzFile handle() const { return m_archive; }

private:
    unzFile m_archive;
};

// One member of an open archive, inflated as it is read and never beyond a
// limit, nor beyond a hundred times its compressed size once past 16 MiB: a
// member that claims more stops with TooLarge, so that a small archive
// cannot fill the memory or keep the program busy; one that inflates to more
// than it claims is Damaged. Read to its end, its checksum is compared.
class ZipMemberDevice : public QIODevice {
public:
    enum class State { Reading, Whole, Missing, TooLarge, Damaged };
    ZipMemberDevice(const ZipArchive &archive, const QByteArray &name, qint64 limit);
    ~ZipMemberDevice() override;

    State state() const { return m_state; }
    // An XML part whose text or markup runs longer than this between a '<'
    // and a '>' is Damaged: no cell holds so long a text, and an XML reader
    // would hold all of it at once.
    void setLongestRun(qint64 bytes) { m_longestRun = bytes; }
    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

    // The whole member, or nothing when it is missing, too large or damaged.
    static QByteArray readWhole(const ZipArchive &archive, const QByteArray &name, qint64 limit, State &state);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void finish(State state);
    unzFile m_archive;
    qint64 m_limit;
    qint64 m_inflated = 0;
    qint64 m_claimed = 0;
    State m_state = State::Missing;
    qint64 m_longestRun = 0;
    qint64 m_run = 0;
};

} // namespace model
