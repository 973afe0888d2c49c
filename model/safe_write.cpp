// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/safe_write.h"

#include "model/message_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace model {
namespace {

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

// Whether the file begins as a file of this kind does; an empty file holds
// nothing to lose. Nothing when it could be read, else the reason.
std::optional<QString> notOfKind(const QString &path, const FileKind &kind, qint64 size)
{
    if (kind.signature.isEmpty() || size == 0)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("SafeWrite", "It cannot be read to see what it holds: %1")
            .arg(asSentence(file.errorString()));
    if (file.read(kind.signature.size()) == kind.signature)
        return std::nullopt;
    return QCoreApplication::translate("SafeWrite", "It is not a %1, so it is not replaced.")
        .arg(QCoreApplication::translate("SafeWrite", kind.name));
}

} // namespace

std::optional<QString> refusalToWrite(const QString &path, const FileKind &kind)
{
    if (path.isEmpty())
        return QCoreApplication::translate("SafeWrite", "No file name was given.");
    const QFileInfo info(path);
    if (kind.refusedSuffix
        && info.suffix().compare(QLatin1StringView(kind.refusedSuffix), Qt::CaseInsensitive) == 0) {
        return QCoreApplication::translate("SafeWrite", "Its name is that of a %1, which a %2 never replaces.")
            .arg(QCoreApplication::translate("SafeWrite", kind.refusedSuffixName),
                 QCoreApplication::translate("SafeWrite", kind.name));
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

    // QSaveFile writes a temporary file beside the target and renames it
    // over the target only on commit(). Unbuffered, so that each write
    // reaches the file at once and a failed one is seen where it happens.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, asSentence(file.errorString())};
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
    return {true, QString()};
}

} // namespace model
