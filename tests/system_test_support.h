// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// What the suites ask of the operating system itself to make a file, a
// limit or a process misbehave, in one place for each system. Where a system
// has no such thing the function says so, and the case skips with a reason.
#pragma once

#include <QString>

#include <functional>

namespace system_test {

// A named pipe at path, which blocks whoever opens it until a writer comes;
// false where the file system has no such entries.
bool makeNamedPipe(const QString &path);

// A symbolic link at path that points at itself; false where the system
// cannot make one.
bool makeLinkLoop(const QString &path);

// True when file permissions do not stop this process from reading.
bool permissionsAreIgnored();

// While it lives, every file this process writes stops at a size, as on a
// full disk: writes beyond it fail instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    // False where the system has no such limit; nothing is limited then.
    bool active() const { return m_active; }
    static bool available();

private:
    bool m_active = false;
    qint64 m_old = 0;
};

// While it lives, what is written to standard error goes to the file with
// the given descriptor instead.
class StandardErrorTo {
public:
    explicit StandardErrorTo(int descriptor);
    ~StandardErrorTo();
    StandardErrorTo(const StandardErrorTo &) = delete;
    StandardErrorTo &operator=(const StandardErrorTo &) = delete;

private:
    int m_saved = -1;
};

// Runs work in a copy of this process and kills the copy after the delay,
// without a chance to clean up; false where a process cannot be copied.
bool killCopyDuring(const std::function<void()> &work, int delayMicroseconds);
bool canKillCopies();

// How work ran in a copy of this process: whether it ended by itself within
// the time (it is killed after), its exit status, the most memory it held
// and how long it took; ran is false where a process cannot be copied.
struct CopyRun {
    bool ran = false;
    bool ended = false;
    int status = 0;
    qint64 peakBytes = 0;
    double seconds = 0;
};
CopyRun runInCopy(const std::function<int()> &work, int seconds);

// False where the program's settings are no files under XDG_CONFIG_HOME
// (Windows keeps them in the registry).
bool settingsAreFiles();

// False where the regional settings and the language of a run come from the
// system rather than from LANGUAGE, LC_ALL, LC_NUMERIC and LANG.
bool regionalSettingsFromEnvironment();

// False where a file name cannot hold * or ?.
bool fileNamesMayHoldWildcards();

// False where the suites cannot start poppler's pdftotext and pdfinfo to
// read a PDF back (the Windows build under Wine).
bool pdfReaderStarts();

// Bytes allocated on the heap and not freed, or -1 where that is unknown.
qint64 heapInUse();

} // namespace system_test
