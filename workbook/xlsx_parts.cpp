// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/xlsx_parts.h"

#include "model/files/zip_member_device.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>

namespace workbook {
namespace {

// The member the archive is at, read to its end; false when it is cut short,
// fails to inflate or its checksum is wrong.
bool readMember(unzFile archive, ZipMember &member)
{
    unz_file_info64 info{};
    std::array<char, 1024> name{};
    if (unzGetCurrentFileInfo64(archive, &info, name.data(), uLong(name.size() - 1), nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    member.name = QByteArray(name.data());
    if (unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    std::array<char, 65536> chunk{};
    int read = 0;
    while ((read = unzReadCurrentFile(archive, chunk.data(), unsigned(chunk.size()))) > 0)
        member.bytes.append(chunk.data(), read);
    // Closing a member read to its end compares its checksum.
    const bool closed = unzCloseCurrentFile(archive) == UNZ_OK;
    return read == 0 && closed && quint64(member.bytes.size()) == info.uncompressed_size;
}

bool wellFormedToItsEnd(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

QString temporaryFolderHint()
{
    return QCoreApplication::translate("WorkbookText",
                                       "The temporary folder %1 may be full, or a file size limit was reached.")
        .arg(model::quotedForMessage(QDir::toNativeSeparators(QDir::tempPath())));
}

} // namespace

ZipReading readZip(const QByteArray &path)
{
    ZipReading reading;
    unzFile archive = model::openZip(path);
    if (!archive)
        return reading;
    int step = unzGoToFirstFile(archive);
    while (step == UNZ_OK) {
        ZipMember member;
        if (!readMember(archive, member)) {
            reading.damagedMember = member.name;
            unzClose(archive);
            return reading;
        }
        reading.members.push_back(std::move(member));
        step = unzGoToNextFile(archive);
    }
    const bool closed = unzClose(archive) == UNZ_OK;
    reading.whole = step == UNZ_END_OF_LIST_OF_FILE && closed;
    return reading;
}

std::optional<QString> workbookDamage(const QByteArray &path)
{
    const ZipReading reading = readZip(path);
    const auto damaged = [](const QByteArray &part) {
        return QCoreApplication::translate("WorkbookText", "Its part %1 came out cut short or damaged.")
                   .arg(model::quotedForMessage(QString::fromUtf8(part)))
               + u' ' + temporaryFolderHint();
    };
    if (!reading.whole && !reading.damagedMember.isEmpty())
        return damaged(reading.damagedMember);
    if (!reading.whole)
        return QCoreApplication::translate("WorkbookText", "The workbook made could not be read back.") + u' '
               + temporaryFolderHint();
    for (const ZipMember &member : reading.members) {
        if ((member.name.endsWith(".xml") || member.name.endsWith(".rels")) && !wellFormedToItsEnd(member.bytes))
            return damaged(member.name);
    }
    for (const char *needed : {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml"}) {
        const bool there = std::any_of(reading.members.begin(), reading.members.end(),
                                       [needed](const ZipMember &member) { return member.name == needed; });
        if (!there)
            return damaged(needed);
    }
    return std::nullopt;
}

} // namespace workbook
