// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

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
    // A kind this one never replaces: not a file named as one of it (the name
    // given or the name of the file a link leads to), and not one under
    // another name that holds a JSON object no larger than its files may be.
    const FileKind *spares = nullptr;
    // A kind of text without a signature: it replaces only a file that holds
    // text, never one with NUL bytes or one that begins as a PDF document or
    // a workbook does.
    bool replacesOnlyText = false;
    // The suffix of its names, and the most bytes one holds (0: no limit).
    const char *suffix = "";
    qint64 maxBytes = 0;
};

// The facility file: a JSON object of at most 64 KiB, larger files refused
// before they are read.
inline constexpr FileKind kFacilityFileKind{
    {}, QT_TRANSLATE_NOOP("SafeWrite", "facility file"), nullptr, false, "velmor", 64 * 1024};
inline constexpr FileKind kPdfKind{"%PDF-", QT_TRANSLATE_NOOP("SafeWrite", "PDF document"), &kFacilityFileKind};
// A workbook is a zip archive; so is any other file it may replace.
inline constexpr FileKind kWorkbookKind{"PK\x03\x04", QT_TRANSLATE_NOOP("SafeWrite", "spreadsheet workbook"),
                                        &kFacilityFileKind};
// Comma-separated text has no signature of its own.
inline constexpr FileKind kCsvKind{{}, QT_TRANSLATE_NOOP("SafeWrite", "CSV file"), &kFacilityFileKind, true};

} // namespace model
