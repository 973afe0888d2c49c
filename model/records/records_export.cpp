// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/records_export.h"

#include "model/records/xlsx_records.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace model {

bool isWorkbookExport(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1StringView("xlsx"), Qt::CaseInsensitive) == 0;
}

QString recordsRefusal(const QString &path, const QString &why)
{
    const QString name = QFileInfo(path).fileName();
    return QCoreApplication::translate("RecordsExport", "Could not read the records of %1. %2")
        .arg(quotedForMessage(name.isEmpty() ? QDir::toNativeSeparators(path) : name), why);
}

RecordsExportReading readRecordsExport(const QString &path, int sheet)
{
    RecordsExportReading reading;
    const auto refused = [&](const QString &why) {
        reading.problem = recordsRefusal(path, why);
        return reading;
    };
    // Asked before opening: a pipe would wait for a writer, a device never end.
    const QFileInfo info(path);
    if (!info.exists())
        return refused(model::missingFileText(path));
    if (info.isDir())
        return refused(QCoreApplication::translate("FacilityFile", "It is a folder, not a file."));
    if (!info.isFile())
        return refused(QCoreApplication::translate("FacilityFile", "It is not a regular file."));
    if (info.size() > model::kMaxCsvBytes)
        return refused(model::exportTooLargeText());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("FacilityFile", "The file could not be read: %1")
                           .arg(asSentence(file.errorString())));

    RecordsExport records;
    records.path = path;
    records.fileName = info.fileName();
    records.sheet = sheet;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    ExportReading table;
    if (isWorkbookExport(path)) {
        if (!hash.addData(&file))
            return refused(QCoreApplication::translate("FacilityFile", "The file could not be read: %1")
                               .arg(asSentence(file.errorString())));
        table = readXlsxRecords(QFile::encodeName(path), sheet, &records.sheets);
    } else {
        // One byte more than allowed tells a file that grew since it was asked.
        QByteArray bytes = file.read(model::kMaxCsvBytes + 1);
        if (file.error() != QFileDevice::NoError)
            return refused(QCoreApplication::translate("FacilityFile", "The file could not be read: %1")
                               .arg(asSentence(file.errorString())));
        if (bytes.size() > model::kMaxCsvBytes)
            return refused(model::exportTooLargeText());
        hash.addData(bytes);
        table = model::readCsv(std::move(bytes));
    }
    if (!table.table)
        return refused(table.problem);
    records.sha256 = QString::fromLatin1(hash.result().toHex());
    records.table = std::move(*table.table);
    reading.records = std::move(records);
    return reading;
}

} // namespace model
