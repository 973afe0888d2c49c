// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/safe_write_system.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model::safe_write_system {
namespace {

// A second descriptor of the open temporary file, holding a lock on it
// until the write is over. The lock belongs to the file, not to one
// descriptor, so it lasts while QSaveFile closes its own descriptor just
// before the rename.
class WriteLock {
public:
    explicit WriteLock(int handle) : m_handle(handle >= 0 ? ::dup(handle) : -1)
    {
        if (m_handle >= 0)
            ::flock(m_handle, LOCK_EX | LOCK_NB);
    }
    ~WriteLock()
    {
        if (m_handle >= 0)
            ::close(m_handle);
    }
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

private:
    int m_handle;
};

// Flushes the folder's entries to the disk, so that a renamed file is found
// under its new name after a power cut. 0, or the errno value.
int syncFolder(const QString &folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return errno;
    const int error = ::fsync(handle) == 0 ? 0 : errno;
    ::close(handle);
    return error;
}

QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("SafeWrite", "A folder of that name is in the way.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("SafeWrite", "It is a device, not a file.");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("SafeWrite", "It is a pipe (FIFO), not a file.");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("SafeWrite", "It is a socket, not a file.");
    return QCoreApplication::translate("SafeWrite", "It is not a regular file.");
}

} // namespace

Target lookAt(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat target {};
    if (::stat(encoded.constData(), &target) != 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR)
            return Target(Target::Kind::Unknowable, systemErrorText(error));
        struct stat link {};
        if (::lstat(encoded.constData(), &link) == 0)
            return Target(Target::Kind::DanglingLink);
        return Target(Target::Kind::Missing);
    }
    if (!S_ISREG(target.st_mode))
        return Target(Target::Kind::NotAFile, notAFile(target.st_mode));
    Target file(Target::Kind::File);
    file.readOnly = (target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    file.size = qint64(target.st_size);
    return file;
}

// QSaveFile writes a temporary file beside the target and renames it over
// the target only on commit(), removing it otherwise.
struct ReplacingFile::Private {
    explicit Private(const QString &target) : file(target) {}
    QSaveFile file;
    std::optional<WriteLock> lock;
};

ReplacingFile::ReplacingFile(const QString &target) : d(std::make_unique<Private>(target)) {}

ReplacingFile::~ReplacingFile() = default;

std::optional<QString> ReplacingFile::open()
{
    if (!d->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return asSentence(d->file.errorString());
    d->lock.emplace(d->file.handle());
    return std::nullopt;
}

QFileDevice &ReplacingFile::device() { return d->file; }

WriteResult ReplacingFile::commit(std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile &file = d->file;
    if (::fsync(file.handle()) != 0) {
        const int error = errno;
        file.cancelWriting();
        return {false, systemErrorText(error)};
    }
    if (permissions && !file.setPermissions(*permissions)) {
        file.cancelWriting();
        return {false, asSentence(file.errorString())};
    }
    if (!file.commit())
        return {false, asSentence(file.errorString())};
    if (const int error = syncFolder(QFileInfo(file.fileName()).absolutePath())) {
        return {false, QCoreApplication::translate("SafeWrite", "The new file is in place, but the system did not "
                                                                "confirm that it is on the disk: %1")
                           .arg(systemErrorText(error))};
    }
    return {true, QString()};
}

void removeUnheldFile(const QString &path, const std::function<bool()> &mayGo)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat named {};
    if (::lstat(encoded.constData(), &named) != 0 || !S_ISREG(named.st_mode))
        return;
    const int handle = ::open(encoded.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return;
    struct stat opened {};
    const bool same = ::fstat(handle, &opened) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
    if (same && S_ISREG(opened.st_mode) && opened.st_nlink == 1 && opened.st_uid == ::geteuid()
        && ::flock(handle, LOCK_EX | LOCK_NB) == 0 && mayGo()) {
        // Still the same file under that name, now that it is locked.
        struct stat again {};
        if (::lstat(encoded.constData(), &again) == 0 && again.st_dev == opened.st_dev && again.st_ino == opened.st_ino)
            ::unlink(encoded.constData());
    }
    ::close(handle);
}

} // namespace model::safe_write_system
