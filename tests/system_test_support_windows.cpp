// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The system's misbehaviour for the suites on Windows: no named pipes or
// symbolic links in a plain folder, no file size limit and no copies of a
// process, so those cases skip; the heap is walked through the C runtime.
#include "system_test_support.h"

#include <io.h>
#include <malloc.h>
#include <stdio.h>

namespace system_test {

bool makeNamedPipe(const QString &) { return false; }

// Symbolic links need a privilege an ordinary user lacks.
bool makeLinkLoop(const QString &) { return false; }

// Read permission cannot be taken away through QFile::setPermissions.
bool permissionsAreIgnored() { return true; }

FileSizeLimit::FileSizeLimit(qint64) {}

FileSizeLimit::~FileSizeLimit() = default;

bool FileSizeLimit::available() { return false; }

StandardErrorTo::StandardErrorTo(int descriptor)
{
    fflush(stderr);
    m_saved = _dup(2);
    _dup2(descriptor, 2);
}

StandardErrorTo::~StandardErrorTo()
{
    fflush(stderr);
    _dup2(m_saved, 2);
    _close(m_saved);
}

bool killCopyDuring(const std::function<void()> &, int) { return false; }

bool canKillCopies() { return false; }

CopyRun runInCopy(const std::function<int()> &, int) { return {}; }

bool settingsAreFiles() { return false; }

bool regionalSettingsFromEnvironment() { return false; }

bool fileNamesMayHoldWildcards() { return false; }

bool pdfReaderStarts() { return false; }

qint64 heapInUse()
{
    _HEAPINFO entry{};
    qint64 used = 0;
    int status;
    while ((status = _heapwalk(&entry)) == _HEAPOK) {
        if (entry._useflag == _USEDENTRY)
            used += qint64(entry._size);
    }
    return status == _HEAPEND ? used : -1;
}

} // namespace system_test
