// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Fuzzes the readers of work-order exports.
//
// Byte 0 chooses the reader (even: CSV, odd: workbook); the rest is the
// file's bytes. Each reader either refuses them with a reason, or gives a
// table no row of which is wider than the header (CSV) or than a workbook can
// be, its rows in the order of their lines; the table then reads, as the
// window first shows it, to evidence or to a reason.

#include "fuzz_support.h"
#include "model/records/csv_table.h"
#include "model/records/records_choice.h"
#include "model/records/xlsx_records.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QTemporaryFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool workbook = data[0] % 2;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    model::ExportReading reading;
    if (workbook) {
        QTemporaryFile file;
        if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
            return 0;
        reading = model::readXlsxRecords(QFile::encodeName(file.fileName()), 0);
    } else {
        reading = model::readCsv(bytes);
    }
    if (!reading.table) {
        FUZZ_CHECK(!reading.problem.isEmpty(), "a refusal says why",
                   fuzz::printable(QString::fromLatin1(bytes.left(200))));
        return 0;
    }
    const model::ExportTable &table = *reading.table;
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        const int widest = workbook ? model::kMaxExportColumns : int(table.header.size());
        FUZZ_CHECK(table.cellCount(r) <= widest, "no row is wider than it may be", std::to_string(r));
        FUZZ_CHECK(r == 0 || table.lineOf(r) > table.lineOf(r - 1), "rows stand in the order of their lines",
                   std::to_string(r));
    }
    const model::RecordsChoice choice = model::startingChoice(table, std::nullopt, QLocale::c());
    const model::EvidenceReading evidence =
        model::evidenceOf(table, choice, QStringLiteral("orders.csv"), QString(64, u'0'), QString(), QLocale::c());
    FUZZ_CHECK(evidence.evidence || !evidence.problem.isEmpty(), "the records read to evidence or to a reason", "");
    return 0;
}
