// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QtGlobal>

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace model {

// What a write produces, and so which existing file it may take the place of.
struct FileKind {
    // An existing file is replaced only when it begins with these bytes (an
    // empty file holds nothing to lose); empty: any regular file.
    QByteArrayView signature;
    // How a refusal names the kind of file the target should have been.
    const char *name;
    // A target whose name ends in this suffix (no dot) is refused: the kind
    // of file that name stands for is never replaced by this one.
    const char *refusedSuffix = nullptr;
    const char *refusedSuffixName = nullptr;
};

inline constexpr FileKind kFacilityFileKind{{}, QT_TRANSLATE_NOOP("SafeWrite", "facility file")};
inline constexpr FileKind kPdfKind{"%PDF-", QT_TRANSLATE_NOOP("SafeWrite", "PDF document"), "velmor",
                                   QT_TRANSLATE_NOOP("SafeWrite", "facility file")};
// A workbook is a zip archive; so is any other file it may replace.
inline constexpr FileKind kWorkbookKind{"PK\x03\x04", QT_TRANSLATE_NOOP("SafeWrite", "spreadsheet workbook"), "velmor",
                                        QT_TRANSLATE_NOOP("SafeWrite", "facility file")};
// Comma-separated text has no signature of its own.
inline constexpr FileKind kCsvKind{
    {}, QT_TRANSLATE_NOOP("SafeWrite", "CSV file"), "velmor", QT_TRANSLATE_NOOP("SafeWrite", "facility file")};

struct WriteResult {
    bool written = false;
    // When not written: one or two sentences saying why ("It is a device,
    // not a file."), without the file's name; the caller names the file.
    QString reason;

    explicit operator bool() const { return written; }
};

// Makes the contents. Returns nothing when they are made, or a sentence
// saying why they could not be; it need not check the device's writes,
// which writeFileSafely() checks for it.
using ContentsWriter = std::function<std::optional<QString>(QIODevice &device)>;

// Why path may not be written as a file of this kind, or nothing: it is a
// folder, a device, a pipe or a socket; it cannot be looked at (a loop of
// links, a folder that cannot be entered); its folder is missing; it is
// read-only; it exists and is not of this kind; its name stands for a kind
// that must not be replaced.
std::optional<QString> refusalToWrite(const QString &path, const FileKind &kind);

// The one way the program writes a file. After the refusals above, the
// contents go into a temporary file beside the target, every write checked
// (a full disk or a file size limit stops a write part way, which a buffered
// write would not report); only when every byte is written and on the disk
// does the temporary file take the target's place, with the target's
// permission bits. On any failure the target is as it was and nothing is
// left beside it.
WriteResult writeFileSafely(const QString &path, const FileKind &kind, const ContentsWriter &writeContents);

} // namespace model
