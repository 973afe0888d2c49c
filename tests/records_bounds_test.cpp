// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Work-order exports made to take the reader's memory or time: headers of a
// hundred thousand columns, cell references and merged ranges beyond a
// workbook's limits, zip bombs, entity bombs, damaged parts. Each is read in
// a copy of the process and must end, within 10 s and 500 MB, in a result or
// in a refusal that names the file.

#include "model/records/records_choice.h"
#include "model/records/records_export.h"
#include "system_test_support.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>
#include <zlib.h>

namespace {

constexpr qint64 kMostBytes = 500 * 1024 * 1024;

// How a copy of the process came out of reading the export.
enum Outcome { Refused = 10, Read = 11, RefusedUnnamed = 12 };

int readExport(const QString &path)
{
    const model::RecordsExportReading read = model::readRecordsExport(path);
    if (!read.records)
        return read.problem.contains(QFileInfo(path).fileName()) ? Refused : RefusedUnnamed;
    const model::RecordsExport &records = *read.records;
    const model::RecordsChoice choice = model::startingChoice(records.table, std::nullopt, QLocale::c());
    const model::EvidenceReading evidence =
        model::evidenceOf(records.table, choice, records.fileName, records.sha256, QString(), QLocale::c());
    return evidence.evidence || !evidence.problem.isEmpty() ? Read : RefusedUnnamed;
}

// A deflate stream of a start and copies × chunk, the chunk compressed once
// and repeated: each piece ends in a full flush, so none refers back to the
// one before.
struct Bomb {
    QByteArray deflated;
    qint64 size = 0;
    uLong crc = 0;
};
QByteArray deflatedPiece(const QByteArray &bytes)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray piece(int(deflateBound(&stream, uLong(bytes.size())) + 64), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(piece.data());
    stream.avail_out = uInt(piece.size());
    deflate(&stream, Z_FULL_FLUSH);
    piece.truncate(piece.size() - int(stream.avail_out));
    deflateEnd(&stream);
    return piece;
}
uLong crcOf(const QByteArray &bytes)
{
    return crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size()));
}
Bomb bombOf(const QByteArray &start, const QByteArray &chunk, qint64 copies)
{
    Bomb bomb;
    bomb.deflated = deflatedPiece(start) + deflatedPiece(chunk).repeated(copies) + QByteArray("\x03\x00", 2);
    bomb.crc = crcOf(start);
    // The copies' checksum, doubled up as zlib combines checksums.
    uLong part = crcOf(chunk);
    for (qint64 length = chunk.size(), n = copies; n > 0;
         n >>= 1, part = crc32_combine(part, part, length), length *= 2)
        if (n & 1)
            bomb.crc = crc32_combine(bomb.crc, part, length);
    bomb.size = start.size() + qint64(chunk.size()) * copies;
    return bomb;
}

struct Member {
    QByteArray name;
    QByteArray bytes;
    const Bomb *bomb = nullptr;
    qint64 claimed = -1; // the size the archive claims for a bomb, -1 its own
};

void writeZip(const QString &path, const std::vector<Member> &members)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    for (const Member &m : members) {
        zip_fileinfo info{};
        const bool raw = m.bomb != nullptr;
        zipOpenNewFileInZip2_64(zip, m.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6, raw, 1);
        const QByteArray &bytes = raw ? m.bomb->deflated : m.bytes;
        zipWriteInFileInZip(zip, bytes.constData(), unsigned(bytes.size()));
        if (raw)
            zipCloseFileInZipRaw64(zip, ZPOS64_T(m.claimed >= 0 ? m.claimed : m.bomb->size), m.bomb->crc);
        else
            zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

QByteArray text(const QByteArray &reference, const QByteArray &value)
{
    return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + value + "</t></is></c>";
}

// A sheet of a header and orders, with what is asked beside them.
QByteArray sheetXml(const QByteArray &header, int orders, const QByteArray &merged = {})
{
    QByteArray xml = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                     "<row r=\"1\">"
                     + header + "</row>";
    for (int r = 2; r < orders + 2; ++r) {
        const QByteArray n = QByteArray::number(r);
        xml += "<row r=\"" + n + "\">"
               + text("A" + n, "2024-01-" + QByteArray::number(r % 28 + 1).rightJustified(2, '0'))
               + text("B" + n, r % 3 ? "Lubrication" : "Bearing replaced") + "</row>";
    }
    xml += "</sheetData>";
    if (!merged.isEmpty())
        xml += "<mergeCells count=\"1\"><mergeCell ref=\"" + merged + "\"/></mergeCells>";
    return xml + "</worksheet>";
}

const QByteArray kHeader = text("A1", "Date") + text("B1", "Description");

std::vector<Member> workbookOf(const QByteArray &sheet, std::vector<Member> more = {})
{
    std::vector<Member> members{
        {"xl/workbook.xml", "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                            "<sheets><sheet name=\"Orders\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>"}};
    if (!sheet.isEmpty())
        members.push_back({"xl/worksheets/sheet1.xml", sheet});
    for (Member &m : more)
        members.push_back(std::move(m));
    return members;
}

QByteArray wideCsv(int columns, int rows)
{
    QByteArray csv = "Date,Description";
    for (int c = 2; c < columns; ++c)
        csv += ",c" + QByteArray::number(c);
    csv += '\n';
    for (int r = 0; r < rows; ++r)
        csv += "2024-01-02,Bearing\n";
    return csv;
}

void checkBounded(const QString &path, int expected, double seconds)
{
#if defined(__SANITIZE_ADDRESS__)
    seconds *= 6; // the sanitizers' own cost
#endif
    const system_test::CopyRun run = system_test::runInCopy([&] { return readExport(path); }, int(seconds));
    if (!run.ran)
        QSKIP("This system cannot run a copy of the process.");
    qInfo("%.2f s, %lld MB", run.seconds, run.peakBytes >> 20);
    QVERIFY2(run.ended, qPrintable(QStringLiteral("killed after %1 s (signal %2)").arg(run.seconds).arg(-run.status)));
    QCOMPARE(run.status, expected);
#if !defined(__SANITIZE_ADDRESS__)
    QVERIFY2(run.peakBytes < kMostBytes, qPrintable(QStringLiteral("%1 MB").arg(run.peakBytes >> 20)));
#endif
}

} // namespace

class RecordsBoundsTest : public QObject {
    Q_OBJECT
private slots:
    void hostileExports_data();
    void hostileExports();
    void largeExport();

private:
    QTemporaryDir m_dir;
};

void RecordsBoundsTest::hostileExports_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("outcome");
    const auto file = [&](const char *name, const QByteArray &bytes) {
        const QString path = m_dir.filePath(QLatin1StringView(name));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("could not write %s", name);
        return path;
    };
    const auto book = [&](const char *name, const std::vector<Member> &members) {
        const QString path = m_dir.filePath(QLatin1StringView(name));
        writeZip(path, members);
        return path;
    };
    const QByteArray start = "<worksheet><sheetData><row r=\"1\">" + kHeader + "</row>";
    const QByteArray cells = QByteArray("<x><v>1</v></x>").repeated(65536);
    const Bomb twoGiB = bombOf(start, cells, 2048);
    const Bomb tenGiB = bombOf(start, cells, 10240);
    QByteArray entities = "<?xml version=\"1.0\"?><!DOCTYPE sst [<!ENTITY e \"" + QByteArray(4000, 'x')
                          + "\">]><sst><si><t>" + QByteArray("&e;").repeated(200000) + "</t></si></sst>";
    // clang-format off
    QTest::newRow("CSV header of 100,002 columns, 2,000 rows") << file("wide.csv", wideCsv(100002, 2000)) << int(Refused);
    QTest::newRow("CSV header of 100,002 columns, 10,000 rows") << file("wider.csv", wideCsv(100002, 10000)) << int(Refused);
    QTest::newRow("CSV header of 16,384 columns") << file("widest.csv", wideCsv(16384, 2000)) << int(Read);
    QTest::newRow("CSV row of a million blank fields") << file("blanks.csv", wideCsv(2, 10) + "2024-01-03,Bearing" + QByteArray(1000000, ',') + '\n') << int(Read);
    QTest::newRow("header cell FXSHRXW1") << book("column.xlsx", workbookOf(sheetXml(kHeader + text("FXSHRXW1", "Hours"), 10))) << int(Refused);
    QTest::newRow("header cell AAAAAAA1") << book("letters.xlsx", workbookOf(sheetXml(kHeader + text("AAAAAAA1", "Hours"), 10))) << int(Refused);
    QTest::newRow("header cell XFD1, 5,000 rows") << book("last.xlsx", workbookOf(sheetXml(kHeader + text("XFD1", "Hours"), 5000))) << int(Read);
    QTest::newRow("merged C2:FXSHRXW3") << book("merged.xlsx", workbookOf(sheetXml(kHeader, 10, "C2:FXSHRXW3"))) << int(Read);
    QTest::newRow("merged C2:XFD1048576, 2,000 rows") << book("merged_all.xlsx", workbookOf(sheetXml(kHeader, 2000, "A2:XFD1048576"))) << int(Read);
    QTest::newRow("2 GiB sheet that says so") << book("bomb.xlsx", workbookOf({}, {{"xl/worksheets/sheet1.xml", {}, &twoGiB}})) << int(Refused);
    QTest::newRow("2 GiB sheet that claims 1 KB") << book("liar.xlsx", workbookOf({}, {{"xl/worksheets/sheet1.xml", {}, &twoGiB, 1024}})) << int(Refused);
    QTest::newRow("10 GiB sheet") << book("big_bomb.xlsx", workbookOf({}, {{"xl/worksheets/sheet1.xml", {}, &tenGiB, 0}})) << int(Refused);
    QTest::newRow("10 GiB member no part names") << book("aside.xlsx", workbookOf(sheetXml(kHeader, 10), {{"xl/media/junk.bin", {}, &tenGiB}})) << int(Read);
    QTest::newRow("entity used 200,000 times") << book("entities.xlsx", workbookOf(sheetXml(kHeader, 10), {{"xl/sharedStrings.xml", entities}})) << int(Refused);
    QTest::newRow("shared strings that do not parse") << book("strings.xlsx", workbookOf(sheetXml(kHeader, 10), {{"xl/sharedStrings.xml", "<sst><si><t>Date</t></si><si>"}})) << int(Refused);
    QTest::newRow("shared string beyond the table") << book("index.xlsx", workbookOf(sheetXml(kHeader + "<c r=\"C1\" t=\"s\"><v>7</v></c>", 10), {{"xl/sharedStrings.xml", "<sst><si><t>Hours</t></si></sst>"}})) << int(Refused);
    // clang-format on
}

void RecordsBoundsTest::hostileExports()
{
    QFETCH(QString, path);
    QFETCH(int, outcome);
    checkBounded(path, outcome, 10);
}

// An export just under the size limit: 1.5 million distinct orders.
void RecordsBoundsTest::largeExport()
{
    if (!QCoreApplication::arguments().contains(QStringLiteral("largeExport")))
        QSKIP("Run by name: records_bounds_test largeExport.");
    const QString path = m_dir.filePath(QStringLiteral("large.csv"));
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QByteArray chunk = "Date,Asset,Type,Description,Repair hours\n";
        for (int r = 0; r < 1'500'000; ++r) {
            chunk += QDate(2000, 1, 1).addDays(r / 200).toString(Qt::ISODate).toLatin1() + ",Pump P-"
                     + QByteArray::number(r) + (r % 9 ? ",PM,Lubrication round,1.5\n" : ",CM,Bearing replaced,4.5\n");
            if (chunk.size() > 1 << 20) {
                out.write(chunk);
                chunk.clear();
            }
        }
        out.write(chunk);
        QVERIFY(out.size() < 100 * 1024 * 1024);
    }
    checkBounded(path, Read, 30);
}

QTEST_GUILESS_MAIN(RecordsBoundsTest)
#include "records_bounds_test.moc"
