// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The system's misbehaviour for the suites on Linux (glibc).
#include "system_test_support.h"

#include <QElapsedTimer>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace system_test {

bool makeNamedPipe(const QString &path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

bool makeLinkLoop(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    return symlink(encoded.constData(), encoded.constData()) == 0;
}

bool permissionsAreIgnored() { return geteuid() == 0; }

namespace {
void (*oldFileSizeHandler)(int) = SIG_DFL;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_old = qint64(limit.rlim_cur);
    // Past the limit the kernel sends SIGXFSZ, which would end the process.
    oldFileSizeHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!m_active)
        return;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_old);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldFileSizeHandler);
}

bool FileSizeLimit::available() { return true; }

StandardErrorTo::StandardErrorTo(int descriptor)
{
    std::fflush(stderr);
    m_saved = dup(2);
    dup2(descriptor, 2);
}

StandardErrorTo::~StandardErrorTo()
{
    std::fflush(stderr);
    dup2(m_saved, 2);
    close(m_saved);
}

bool killCopyDuring(const std::function<void()> &work, int delayMicroseconds)
{
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    if (child < 0)
        return false;
    usleep(useconds_t(delayMicroseconds));
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return true;
}

bool canKillCopies() { return true; }

CopyRun runInCopy(const std::function<int()> &work, int seconds)
{
    CopyRun run;
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        alarm(unsigned(seconds));
        _exit(work());
    }
    if (child < 0)
        return run;
    int status = 0;
    struct rusage usage {};
    wait4(child, &status, 0, &usage);
    run.ran = true;
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.ended = WIFEXITED(status);
    run.status = run.ended ? WEXITSTATUS(status) : -WTERMSIG(status);
    run.peakBytes = qint64(usage.ru_maxrss) * 1024;
    return run;
}

bool settingsAreFiles() { return true; }

bool regionalSettingsFromEnvironment() { return true; }

bool fileNamesMayHoldWildcards() { return true; }

bool pdfReaderStarts() { return true; }

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

} // namespace system_test
