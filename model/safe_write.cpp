// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/safe_write.h"

#include "model/facility_file.h"
#include "model/message_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model {
namespace {

// What the system is asked beyond what Qt offers: a lock that tells a
// temporary file still being written, and flushing a folder. Kept together,
// as another system asks for them in its own way.
namespace system_calls {

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

// Removes path when it is a regular file of this user's with no other name,
// that no running write holds, and that check() allows to go (it says
// whether a write could replace it). Anything else is left as it is.
template <typename Check>
void removeUnheldFile(const QString &path, Check check)
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
        && ::flock(handle, LOCK_EX | LOCK_NB) == 0 && check()) {
        // Still the same file under that name, now that it is locked.
        struct stat again {};
        if (::lstat(encoded.constData(), &again) == 0 && again.st_dev == opened.st_dev && again.st_ino == opened.st_ino)
            ::unlink(encoded.constData());
    }
    ::close(handle);
}

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

} // namespace system_calls

// Passes every write on to the file in full, or remembers why it could not:
// QIODevice::write() may write only part of what it is given, and a device
// handed to another writer (a PDF writer) is not asked how much went out.
class CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(QFileDevice &file) : m_file(file) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    qint64 written() const { return m_written; }
    const QString &failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        if (!m_failure.isEmpty())
            return -1;
        for (qint64 done = 0; done < size;) {
            errno = 0;
            const qint64 n = m_file.write(data + done, size - done);
            if (n <= 0) {
                const int error = errno;
                m_failure = error ? systemErrorText(error) : asSentence(m_file.errorString());
                if (m_failure.isEmpty())
                    m_failure = QCoreApplication::translate("SafeWrite", "Not every byte could be written.");
                return -1;
            }
            done += n;
        }
        m_written += size;
        return size;
    }

private:
    QFileDevice &m_file;
    qint64 m_written = 0;
    QString m_failure;
};

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

QString kindName(const FileKind &kind) { return QCoreApplication::translate("SafeWrite", kind.name); }

QString facilityFileName() { return QCoreApplication::translate("SafeWrite", kFacilityFileKind.name); }

bool hasFacilitySuffix(const QFileInfo &info)
{
    return info.suffix().compare(QLatin1StringView(kFacilityFileSuffix), Qt::CaseInsensitive) == 0;
}

// Whether the first bytes of a file are the whole of a JSON object, as every
// facility file is; a file larger than a facility file may be is none.
bool isJsonObject(const QByteArray &head)
{
    return head.size() <= kFacilityFileMaxBytes && head.trimmed().startsWith('{')
           && QJsonDocument::fromJson(head).isObject();
}

// Whether the first bytes of a file are text: no NUL byte, and not the start
// of a PDF document or a workbook, which may have none so early.
bool isText(const QByteArray &head)
{
    constexpr qsizetype kLookedAt = 4096;
    return !head.left(kLookedAt).contains('\0') && !head.startsWith(kPdfKind.signature)
           && !head.startsWith(kWorkbookKind.signature);
}

// Whether the file's contents allow a file of this kind to take its place;
// an empty file holds nothing to lose. Nothing when they do, else the reason.
std::optional<QString> notOfKind(const QString &path, const FileKind &kind, qint64 size)
{
    if (size == 0 || (kind.signature.isEmpty() && !kind.sparesFacilityFiles && !kind.replacesOnlyText))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("SafeWrite", "It cannot be read to see what it holds: %1")
            .arg(asSentence(file.errorString()));
    const QByteArray head = file.read(kFacilityFileMaxBytes + 1);
    if (kind.sparesFacilityFiles && isJsonObject(head)) {
        return QCoreApplication::translate("SafeWrite", "It holds JSON as a %1 does, which a %2 never replaces.")
            .arg(facilityFileName(), kindName(kind));
    }
    if (kind.replacesOnlyText ? isText(head) : head.startsWith(kind.signature))
        return std::nullopt;
    return QCoreApplication::translate("SafeWrite", "It is not a %1, so it is not replaced.").arg(kindName(kind));
}

// QSaveFile's temporary files for target: its name, a dot and six letters.
// Only names that mix capitals and small letters are taken for one, as the
// random ones nearly always do: a name a user gave ("sum.csv.backup") is
// typed in one case.
bool isTemporaryNameFor(const QString &name, const QString &targetName)
{
    constexpr qsizetype kRandomLetters = 6;
    if (name.size() != targetName.size() + 1 + kRandomLetters || !name.startsWith(targetName)
        || name[targetName.size()] != u'.')
        return false;
    bool capital = false;
    bool small = false;
    for (const QChar c : QStringView(name).right(kRandomLetters)) {
        capital = capital || (c >= u'A' && c <= u'Z');
        small = small || (c >= u'a' && c <= u'z');
        if (!(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z'))
            return false;
    }
    return capital && small;
}

// Removes what a write to target that was killed as it finished left beside
// it, never a file a running write holds and only what this write could
// have replaced.
void removeStaleTemporaries(const QString &target, const FileKind &kind)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (!isTemporaryNameFor(name, info.fileName()))
            continue;
        const QString path = folder.filePath(name);
        system_calls::removeUnheldFile(path, [&] { return !refusalToWrite(path, kind); });
    }
}

} // namespace

std::optional<QString> refusalToWrite(const QString &path, const FileKind &kind)
{
    if (path.isEmpty())
        return QCoreApplication::translate("SafeWrite", "No file name was given.");
    const QFileInfo info(path);
    if (kind.sparesFacilityFiles && hasFacilitySuffix(info)) {
        return QCoreApplication::translate("SafeWrite", "Its name is that of a %1, which a %2 never replaces.")
            .arg(facilityFileName(), kindName(kind));
    }

    const QByteArray encoded = QFile::encodeName(path);
    struct stat target {};
    if (::stat(encoded.constData(), &target) != 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR)
            return systemErrorText(error); // a loop of links, a folder that cannot be entered, ...
        // A dangling link would be replaced by a file where the link was.
        struct stat link {};
        if (::lstat(encoded.constData(), &link) == 0)
            return QCoreApplication::translate("SafeWrite", "It is a link to a file that does not exist.");
        const QFileInfo folder(info.absolutePath());
        const QString folderName = quotedForMessage(QDir::toNativeSeparators(folder.filePath()));
        if (!folder.exists())
            return QCoreApplication::translate("SafeWrite", "The folder %1 does not exist.").arg(folderName);
        if (!folder.isDir())
            return QCoreApplication::translate("SafeWrite", "%1 is not a folder.").arg(folderName);
        return std::nullopt;
    }
    if (!S_ISREG(target.st_mode))
        return notAFile(target.st_mode);
    // Write permission is asked of the bits, not of access(): root may write
    // anything, but a file made read-only is meant to stay as it is.
    if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return QCoreApplication::translate("SafeWrite", "The file is read-only.");
    // Through a link, the file it leads to is the one replaced.
    const QFileInfo replaced(info.canonicalFilePath());
    if (kind.sparesFacilityFiles && hasFacilitySuffix(replaced)) {
        return QCoreApplication::translate("SafeWrite",
                                           "It is a link to %1, whose name is that of a %2, which a %3 never replaces.")
            .arg(quotedForMessage(QDir::toNativeSeparators(replaced.filePath())), facilityFileName(), kindName(kind));
    }
    return notOfKind(path, kind, target.st_size);
}

WriteResult writeFileSafely(const QString &path, const FileKind &kind, const ContentsWriter &writeContents)
{
    if (const std::optional<QString> refusal = refusalToWrite(path, kind))
        return {false, *refusal};

    // Through a link, the file it points to is replaced and the link kept.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : path;
    const std::optional<QFileDevice::Permissions> permissions =
        info.exists() ? std::optional(QFile::permissions(target)) : std::nullopt;

    removeStaleTemporaries(target, kind);
    // QSaveFile writes a temporary file beside the target and renames it
    // over the target only on commit(). Unbuffered, so that each write
    // reaches the file at once and a failed one is seen where it happens.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, asSentence(file.errorString())};
    const system_calls::WriteLock lock(file.handle());
    CheckedDevice device(file);
    const auto fail = [&file](const QString &reason) {
        file.cancelWriting();
        return WriteResult{false, reason};
    };

    if (const std::optional<QString> problem = writeContents(device))
        return fail(*problem);
    if (!device.failure().isEmpty())
        return fail(device.failure());
    if (device.written() == 0)
        return fail(QCoreApplication::translate("SafeWrite", "Nothing was made to write."));
    if (!file.flush())
        return fail(asSentence(file.errorString()));
    if (::fsync(file.handle()) != 0)
        return fail(systemErrorText(errno));
    if (file.size() != device.written())
        return fail(QCoreApplication::translate("SafeWrite", "Not every byte reached the file."));
    if (permissions && !file.setPermissions(*permissions))
        return fail(asSentence(file.errorString()));
    if (!file.commit())
        return {false, asSentence(file.errorString())};
    if (const int error = system_calls::syncFolder(QFileInfo(target).absolutePath())) {
        return {false, QCoreApplication::translate("SafeWrite", "The new file is in place, but the system did not "
                                                                "confirm that it is on the disk: %1")
                           .arg(systemErrorText(error))};
    }
    return {true, QString()};
}

} // namespace model
