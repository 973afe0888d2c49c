// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QIODevice;

namespace model {

// What a write produces, and so which existing file it may take the place of.
// An existing file is judged as the file it is, links followed: a link named
// "sum.csv" that leads to a facility file stands for that facility file.
struct FileKind {
    // An existing file is replaced only when it begins with these bytes (an
    // empty file holds nothing to lose); empty: any regular file.
    QByteArrayView signature;
    // How a refusal names the kind of file the target should have been.
    const char *name;
    // A facility file is never replaced by this kind: not one named as a
    // facility file (the name given or the name of the file a link leads
    // to), and not one under another name that holds a JSON object, as
    // every facility file does.
    bool sparesFacilityFiles = false;
    // A kind of text without a signature: it replaces only a file that holds
    // text, never one with NUL bytes or one that begins as a PDF document or
    // a workbook does.
    bool replacesOnlyText = false;
};

inline constexpr FileKind kFacilityFileKind{{}, QT_TRANSLATE_NOOP("SafeWrite", "facility file")};
inline constexpr FileKind kPdfKind{"%PDF-", QT_TRANSLATE_NOOP("SafeWrite", "PDF document"), true};
// A workbook is a zip archive; so is any other file it may replace.
inline constexpr FileKind kWorkbookKind{"PK\x03\x04", QT_TRANSLATE_NOOP("SafeWrite", "spreadsheet workbook"), true};
// Comma-separated text has no signature of its own.
inline constexpr FileKind kCsvKind{{}, QT_TRANSLATE_NOOP("SafeWrite", "CSV file"), true, true};

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
// read-only; it exists and is not of this kind; it is a facility file that
// must not be replaced.
std::optional<QString> refusalToWrite(const QString &path, const FileKind &kind);

// The one way the program writes a file. After the refusals above, the
// contents go into a temporary file beside the target, every write checked
// (a full disk or a file size limit stops a write part way, which a buffered
// write would not report); only when every byte is written and on the disk
// does the temporary file take the target's place, with the target's
// permission bits, and the folder is flushed so that the new name survives
// a power cut too. On any failure before that the target is as it was and
// nothing is left beside it.
//
// A temporary file left by a write that was killed as it finished (named as
// the target, a dot and six letters: "sum.csv.kTqWzB") is removed when the
// next write to the same target starts, unless a running write still holds
// it.
WriteResult writeFileSafely(const QString &path, const FileKind &kind, const ContentsWriter &writeContents);

} // namespace model
