// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace workbook {

// One member of a zip archive, read whole.
struct ZipMember {
    QByteArray name;
    QByteArray bytes;
};

// The members of a zip archive, each read to its end with its checksum
// verified. When the archive cannot be opened or a member is cut short or
// damaged, whole is false and damagedMember names that member (empty: the
// archive itself).
struct ZipReading {
    bool whole = false;
    QByteArray damagedMember;
    std::vector<ZipMember> members;
};

// path is a name in the file system's encoding.
ZipReading readZip(const QByteArray &path);

// Why the workbook at path is not whole, as one or two sentences; nothing
// when every part is read whole, every XML part is well formed to its end
// and the parts every workbook has are there. The xlsx library does not
// notice a part of its own that a full disk or a file size limit cut short:
// the part is then no well-formed XML.
std::optional<QString> workbookDamage(const QByteArray &path);

} // namespace workbook
