// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/safe_write_system.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>

namespace model::safe_write_system {
namespace {

std::wstring nativeName(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

QString windowsErrorText(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, int(length)) : QString();
    LocalFree(text);
    if (message.trimmed().isEmpty())
        message = QCoreApplication::translate("SafeWrite", "System error %1").arg(error);
    return asSentence(message);
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 name devices in every
// folder, with any extension and in any case ("con.pdf", "Nul .txt"):
// writing "CON.pdf" would write to the console, not to a file.
bool isReservedDeviceName(const QString &fileName)
{
    QString stem = fileName.section(u'.', 0, 0);
    while (stem.endsWith(u' '))
        stem.chop(1);
    stem = stem.toUpper();
    for (const char *device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (stem == QLatin1StringView(device))
            return true;
    }
    return stem.size() == 4 && (stem.startsWith(u"COM") || stem.startsWith(u"LPT")) && stem[3] >= u'1'
           && stem[3] <= u'9';
}

QString deviceText() { return QCoreApplication::translate("SafeWrite", "It is a device, not a file."); }

// Whether the error says that nothing of that name is there.
bool isMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
}

// Six letters that mix capitals and small ones, as the leftovers of a
// killed write are recognised by.
QString randomLetters()
{
    constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QString letters;
    for (int i = 0; i < 6; ++i)
        letters += QChar(kLetters[QRandomGenerator::global()->bounded(52)]);
    // One capital and one small letter at least, whatever the draw.
    letters[0] = letters[0].toUpper();
    letters[1] = letters[1].toLower();
    return letters;
}

} // namespace

Target lookAt(const QString &path)
{
    if (isReservedDeviceName(QFileInfo(path).fileName()))
        return Target(Target::Kind::NotAFile, deviceText());
    const std::wstring name = nativeName(path);
    // Attributes only: no other program's sharing stands in the way, and
    // a link is followed to what it leads to.
    const HANDLE handle =
        CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (!isMissing(error))
            return Target(Target::Kind::Unknowable, windowsErrorText(error));
        const DWORD link = GetFileAttributesW(name.c_str());
        if (link != INVALID_FILE_ATTRIBUTES && (link & FILE_ATTRIBUTE_REPARSE_POINT))
            return Target(Target::Kind::DanglingLink);
        return Target(Target::Kind::Missing);
    }
    Target target(Target::Kind::File);
    BY_HANDLE_FILE_INFORMATION info{};
    const DWORD type = GetFileType(handle);
    if (type == FILE_TYPE_PIPE) {
        target = Target(Target::Kind::NotAFile,
                        QCoreApplication::translate("SafeWrite", "It is a pipe (FIFO), not a file."));
    } else if (type != FILE_TYPE_DISK) {
        target = Target(Target::Kind::NotAFile, deviceText());
    } else if (!GetFileInformationByHandle(handle, &info)) {
        target = Target(Target::Kind::Unknowable, windowsErrorText(GetLastError()));
    } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        target = Target(Target::Kind::NotAFile,
                        QCoreApplication::translate("SafeWrite", "A folder of that name is in the way."));
    } else {
        target.readOnly = info.dwFileAttributes & FILE_ATTRIBUTE_READONLY;
        target.size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    }
    CloseHandle(handle);
    return target;
}

// The temporary file is opened without sharing, so that no other program
// opens it (nor a later write removes it as a leftover) while it is written,
// and with the right to delete it, so that a failed write removes the file
// it opened and no other of that name.
struct ReplacingFile::Private {
    QString target;
    QString temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    QFile file;
    bool committed = false;
};

ReplacingFile::ReplacingFile(const QString &target) : d(std::make_unique<Private>())
{
    d->target = QFileInfo(target).absoluteFilePath();
}

ReplacingFile::~ReplacingFile()
{
    if (d->handle == INVALID_HANDLE_VALUE)
        return;
    if (!d->committed) {
        FILE_DISPOSITION_INFO remove{TRUE};
        SetFileInformationByHandle(d->handle, FileDispositionInfo, &remove, sizeof remove);
    }
    d->file.close(); // closes the handle too
}

std::optional<QString> ReplacingFile::open()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        d->temporary = d->target + u'.' + randomLetters();
        const std::wstring name = nativeName(d->temporary);
        const HANDLE handle =
            CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                continue;
            return windowsErrorText(error);
        }
        const int descriptor = _open_osfhandle(intptr_t(handle), _O_BINARY);
        if (descriptor < 0) {
            FILE_DISPOSITION_INFO remove{TRUE};
            SetFileInformationByHandle(handle, FileDispositionInfo, &remove, sizeof remove);
            CloseHandle(handle);
            return systemErrorText(errno);
        }
        d->handle = handle;
        if (!d->file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            _close(descriptor);
            d->handle = INVALID_HANDLE_VALUE;
            return asSentence(d->file.errorString());
        }
        return std::nullopt;
    }
    return QCoreApplication::translate("SafeWrite", "No temporary file could be made beside it.");
}

QFileDevice &ReplacingFile::device() { return d->file; }

// The permissions are not copied: a read-only file is never replaced, and
// the new file takes the folder's access rights as the old one had them.
WriteResult ReplacingFile::commit(std::optional<QFileDevice::Permissions>)
{
    if (!FlushFileBuffers(d->handle))
        return {false, windowsErrorText(GetLastError())};
    // Closed before the move, which a file open without sharing prevents;
    // from here on it is removed by name if the move fails.
    d->committed = true;
    d->file.close();
    d->handle = INVALID_HANDLE_VALUE;
    const std::wstring from = nativeName(d->temporary);
    const std::wstring to = nativeName(d->target);
    // Write-through: the move is on the disk when the call returns.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(from.c_str());
        return {false, windowsErrorText(error)};
    }
    return {true, QString()};
}

void removeUnheldFile(const QString &path, const std::function<bool()> &mayGo)
{
    // Asked first: it reads the file, which the handle below would forbid.
    if (!mayGo())
        return;
    const std::wstring name = nativeName(path);
    // Without sharing: a running write holds its file without sharing too,
    // and so does any program that has it open, and then it stays.
    const HANDLE handle = CreateFileW(name.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    BY_HANDLE_FILE_INFORMATION info{};
    constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY;
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info)
        && !(info.dwFileAttributes & kNotPlain) && info.nNumberOfLinks == 1) {
        FILE_DISPOSITION_INFO remove{TRUE};
        SetFileInformationByHandle(handle, FileDispositionInfo, &remove, sizeof remove);
    }
    CloseHandle(handle);
}

} // namespace model::safe_write_system
