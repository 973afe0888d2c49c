// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/safe_write.h"

#include "model/files/safe_write_system.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <algorithm>
#include <cerrno>

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

QString kindName(const FileKind &kind) { return QCoreApplication::translate("SafeWrite", kind.name); }

// Whether the file is named as one of the spared kind.
bool hasSuffixOf(const FileKind &spared, const QFileInfo &info)
{
    return info.suffix().compare(QLatin1StringView(spared.suffix), Qt::CaseInsensitive) == 0;
}

// Whether the first bytes of a file are the whole of a JSON object no larger
// than the spared kind's files may be.
bool isJsonObject(const FileKind &spared, const QByteArray &head)
{
    return head.size() <= spared.maxBytes && head.trimmed().startsWith('{') && QJsonDocument::fromJson(head).isObject();
}

// How much of an existing file tells whether it holds text.
constexpr qint64 kTextLookedAt = 4096;

// Whether the first bytes of a file are text: no NUL byte, and not the start
// of a PDF document or a workbook, which may have none so early.
bool isText(const QByteArray &head)
{
    return !head.left(kTextLookedAt).contains('\0') && !head.startsWith(kPdfKind.signature)
           && !head.startsWith(kWorkbookKind.signature);
}

// Whether the file's contents allow a file of this kind to take its place;
// an empty file holds nothing to lose. Nothing when they do, else the reason.
std::optional<QString> notOfKind(const QString &path, const FileKind &kind, qint64 size)
{
    if (size == 0 || (kind.signature.isEmpty() && !kind.spares && !kind.replacesOnlyText))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("SafeWrite", "It cannot be read to see what it holds: %1")
            .arg(asSentence(file.errorString()));
    const QByteArray head = file.read(std::max(kind.spares ? kind.spares->maxBytes : 0, kTextLookedAt) + 1);
    if (kind.spares && isJsonObject(*kind.spares, head)) {
        return QCoreApplication::translate("SafeWrite", "It holds JSON as a %1 does, which a %2 never replaces.")
            .arg(kindName(*kind.spares), kindName(kind));
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
        safe_write_system::removeUnheldFile(path, [&] { return !refusalToWrite(path, kind); });
    }
}

} // namespace

std::optional<QString> refusalToWrite(const QString &path, const FileKind &kind)
{
    if (path.isEmpty())
        return QCoreApplication::translate("SafeWrite", "No file name was given.");
    const QFileInfo info(path);
    if (kind.spares && hasSuffixOf(*kind.spares, info)) {
        return QCoreApplication::translate("SafeWrite", "Its name is that of a %1, which a %2 never replaces.")
            .arg(kindName(*kind.spares), kindName(kind));
    }

    using safe_write_system::Target;
    const Target target = safe_write_system::lookAt(path);
    switch (target.kind) {
    case Target::Kind::Unknowable:
    case Target::Kind::NotAFile:
        return target.reason;
    case Target::Kind::DanglingLink:
        // It would be replaced by a file where the link was.
        return QCoreApplication::translate("SafeWrite", "It is a link to a file that does not exist.");
    case Target::Kind::Missing: {
        const QFileInfo folder(info.absolutePath());
        const QString folderName = quotedForMessage(QDir::toNativeSeparators(folder.filePath()));
        if (!folder.exists())
            return QCoreApplication::translate("SafeWrite", "The folder %1 does not exist.").arg(folderName);
        if (!folder.isDir())
            return QCoreApplication::translate("SafeWrite", "%1 is not a folder.").arg(folderName);
        return std::nullopt;
    }
    case Target::Kind::File:
        break;
    }
    if (target.readOnly)
        return QCoreApplication::translate("SafeWrite", "The file is read-only.");
    // Through a link, the file it leads to is the one replaced.
    const QFileInfo replaced(info.canonicalFilePath());
    if (kind.spares && hasSuffixOf(*kind.spares, replaced)) {
        return QCoreApplication::translate("SafeWrite",
                                           "It is a link to %1, whose name is that of a %2, which a %3 never replaces.")
            .arg(quotedForMessage(QDir::toNativeSeparators(replaced.filePath())), kindName(*kind.spares),
                 kindName(kind));
    }
    return notOfKind(path, kind, target.size);
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
    // Unbuffered, so that each write reaches the file at once and a failed
    // one is seen where it happens.
    safe_write_system::ReplacingFile file(target);
    if (const std::optional<QString> problem = file.open())
        return {false, *problem};
    CheckedDevice device(file.device());

    if (const std::optional<QString> problem = writeContents(device))
        return {false, *problem};
    if (!device.failure().isEmpty())
        return {false, device.failure()};
    if (device.written() == 0)
        return {false, QCoreApplication::translate("SafeWrite", "Nothing was made to write.")};
    if (!file.device().flush())
        return {false, asSentence(file.device().errorString())};
    if (file.device().size() != device.written())
        return {false, QCoreApplication::translate("SafeWrite", "Not every byte reached the file.")};
    return file.commit(permissions);
}

} // namespace model
