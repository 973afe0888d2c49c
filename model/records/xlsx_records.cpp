// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/xlsx_records.h"

#include "model/files/zip_member_device.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct RecordsText {
    Q_DECLARE_TR_FUNCTIONS(RecordsText)
};

// The parts every workbook keeps small; the sheet and its strings may be large.
constexpr qint64 kMostSmallPartBytes = 16 * 1024 * 1024;
constexpr qint64 kMostLargePartBytes = 400 * 1024 * 1024;
// What the texts and the cells of one sheet may come to, so that no
// workbook within the size limit needs more than a few hundred megabytes.
constexpr qsizetype kMostCharacters = 64 * 1000 * 1000;
constexpr std::size_t kMostCells = 10 * 1000 * 1000;
// A workbook cell holds at most this many characters; written out with
// entities, its text and markup run to at most a few times as many bytes.
constexpr qsizetype kMostCellCharacters = 32767;
constexpr qint64 kLongestRun = 1024 * 1024;

// Why the workbook is refused, when it is.
struct Refusal {
    int line = 0;
    QString why;
};

QString partName(const QByteArray &part) { return quotedForMessage(QString::fromUtf8(part)); }

Refusal partRefusal(const QByteArray &part, ZipMemberDevice::State state)
{
    if (state == ZipMemberDevice::State::TooLarge)
        return {
            0,
            RecordsText::tr("Its part %1 unpacks to far more than a workbook of its size holds.").arg(partName(part))};
    return {0, RecordsText::tr("Its part %1 is damaged.").arg(partName(part))};
}

Refusal entitiesRefusal(const QByteArray &part)
{
    return {0, RecordsText::tr("Its part %1 declares entities, which no workbook does.").arg(partName(part))};
}

// The texts of the workbook, end to end, and the spans of them that its
// shared strings and its cells are.
struct Texts {
    QString chars;
    struct Span {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };
    std::vector<Span> shared;

    // Appends text; false when the texts would grow beyond their limit.
    std::optional<Span> add(QStringView text)
    {
        if (chars.size() + text.size() > kMostCharacters)
            return std::nullopt;
        const Span span{std::uint32_t(chars.size()), std::uint32_t(text.size())};
        chars += text;
        return span;
    }
};

Refusal textsTooLong()
{
    return {0, RecordsText::tr("Its texts are longer than %1 characters.").arg(QLocale().toString(kMostCharacters))};
}

// The workbook's part: its sheets in order (name and relation), and
// whether it counts its dates from 1904.
struct Book {
    QStringList names;
    QStringList relations;
    bool from1904 = false;
};

std::optional<Refusal> readBook(const ZipArchive &zip, Book &book)
{
    const QByteArray part = "xl/workbook.xml";
    ZipMemberDevice::State state;
    const QByteArray xml = ZipMemberDevice::readWhole(zip, part, kMostSmallPartBytes, state);
    if (state != ZipMemberDevice::State::Whole)
        return state == ZipMemberDevice::State::Missing
                   ? Refusal{0, RecordsText::tr("It is not a workbook, or it is damaged.")}
                   : partRefusal(part, state);
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isDTD())
            return entitiesRefusal(part);
        if (reader.isStartElement() && reader.name() == u"sheet") {
            book.names << reader.attributes().value(QLatin1StringView("name")).toString();
            QString id;
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                if (attribute.name() == u"id")
                    id = attribute.value().toString();
            book.relations << id;
        } else if (reader.isStartElement() && reader.name() == u"workbookPr") {
            const QStringView date1904 = reader.attributes().value(QLatin1StringView("date1904"));
            book.from1904 = date1904 == u"1" || date1904 == u"true";
        }
    }
    if (reader.hasError())
        return partRefusal(part, ZipMemberDevice::State::Damaged);
    return std::nullopt;
}

// The part the relation names, from the workbook's relations.
std::optional<Refusal> sheetPart(const ZipArchive &zip, const QString &relation, QByteArray &sheet)
{
    const QByteArray part = "xl/_rels/workbook.xml.rels";
    ZipMemberDevice::State state;
    const QByteArray xml = ZipMemberDevice::readWhole(zip, part, kMostSmallPartBytes, state);
    if (state != ZipMemberDevice::State::Whole)
        return partRefusal(part, state);
    QXmlStreamReader links(xml);
    while (!links.atEnd()) {
        links.readNext();
        if (links.isDTD())
            return entitiesRefusal(part);
        if (links.isStartElement() && links.name() == u"Relationship"
            && links.attributes().value(QLatin1StringView("Id")) == relation) {
            const QString target = links.attributes().value(QLatin1StringView("Target")).toString();
            sheet = (target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target).toUtf8();
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The shared strings, read as they inflate; a missing part is a workbook
// without any.
std::optional<Refusal> readSharedStrings(const ZipArchive &zip, Texts &texts)
{
    const QByteArray part = "xl/sharedStrings.xml";
    ZipMemberDevice member(zip, part, kMostLargePartBytes);
    member.setLongestRun(kLongestRun);
    if (member.state() == ZipMemberDevice::State::Missing)
        return std::nullopt;
    if (member.state() != ZipMemberDevice::State::Reading)
        return partRefusal(part, member.state());
    QXmlStreamReader reader(&member);
    bool inString = false;
    int runDepth = 0; // inside a <t> that is the string's, not a phonetic run's
    int phonetic = 0; // inside <rPh>
    qsizetype start = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isDTD())
            return entitiesRefusal(part);
        if (reader.isStartElement()) {
            if (reader.name() == u"si") {
                inString = true;
                start = texts.chars.size();
            } else if (reader.name() == u"rPh") {
                ++phonetic;
            } else if (reader.name() == u"t" && inString && phonetic == 0) {
                ++runDepth;
            }
        } else if (reader.isCharacters() && runDepth > 0) {
            if (!texts.add(reader.text()))
                return textsTooLong();
        } else if (reader.isEndElement()) {
            if (reader.name() == u"t" && runDepth > 0) {
                --runDepth;
            } else if (reader.name() == u"rPh") {
                --phonetic;
            } else if (reader.name() == u"si" && inString) {
                texts.shared.push_back({std::uint32_t(start), std::uint32_t(texts.chars.size() - start)});
                inString = false;
            }
        }
    }
    if (member.state() != ZipMemberDevice::State::Whole && member.state() != ZipMemberDevice::State::Reading)
        return partRefusal(part, member.state());
    if (reader.hasError())
        return partRefusal(part, ZipMemberDevice::State::Damaged);
    return std::nullopt;
}

// Which cell styles show a date: the built-in formats 14 to 22 and 45 to 47,
// and custom formats of d, m and y outside quotes and brackets.
std::optional<Refusal> readDateStyles(const ZipArchive &zip, std::set<int> &dates)
{
    const QByteArray part = "xl/styles.xml";
    ZipMemberDevice::State state;
    const QByteArray xml = ZipMemberDevice::readWhole(zip, part, kMostSmallPartBytes, state);
    if (state == ZipMemberDevice::State::Missing)
        return std::nullopt;
    if (state != ZipMemberDevice::State::Whole)
        return partRefusal(part, state);
    std::set<int> dateFormats{14, 15, 16, 17, 18, 19, 20, 21, 22, 45, 46, 47};
    static const QRegularExpression quotedOrBracketed(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]"));
    QXmlStreamReader reader(xml);
    bool inCellStyles = false;
    int style = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isDTD())
            return entitiesRefusal(part);
        if (reader.isStartElement() && reader.name() == u"numFmt") {
            const QString code =
                reader.attributes().value(QLatin1StringView("formatCode")).toString().remove(quotedOrBracketed);
            if (code.contains(u'd', Qt::CaseInsensitive) && code.contains(u'y', Qt::CaseInsensitive))
                dateFormats.insert(reader.attributes().value(QLatin1StringView("numFmtId")).toInt());
        } else if (reader.isStartElement() && reader.name() == u"cellXfs") {
            inCellStyles = true;
        } else if (reader.isEndElement() && reader.name() == u"cellXfs") {
            inCellStyles = false;
        } else if (inCellStyles && reader.isStartElement() && reader.name() == u"xf") {
            if (dateFormats.count(reader.attributes().value(QLatin1StringView("numFmtId")).toInt()))
                dates.insert(style);
            ++style;
        }
    }
    if (reader.hasError())
        return partRefusal(part, ZipMemberDevice::State::Damaged);
    return std::nullopt;
}

// "C12" → column 2 (from 0) and row 12, within a workbook's own limits
// (XFD, 1,048,576); none beyond them or ill-formed. A reference without its
// row ("C") gives row 0.
bool readReference(QStringView reference, int &column, int &row)
{
    qsizetype letters = 0;
    column = 0;
    while (letters < reference.size() && letters < 4 && reference[letters].isLetter()) {
        const char16_t c = reference[letters].toUpper().unicode();
        if (c < u'A' || c > u'Z')
            return false;
        column = column * 26 + (c - u'A' + 1);
        ++letters;
    }
    --column;
    if (letters == 0 || column >= model::kMaxExportColumns)
        return false;
    const QStringView digits = reference.mid(letters);
    if (digits.isEmpty()) {
        row = 0;
        return true;
    }
    bool number = false;
    row = digits.size() <= 7 ? digits.toInt(&number) : 0;
    return number && row >= 1 && row <= model::kMaxExportRows;
}

QString quotedReference(QStringView reference) { return model::cellQuoted(reference); }

QString serialDate(double serial, bool from1904)
{
    // Serial 1 is 1900-01-01 in the 1900 date system, which counts a 29
    // February 1900 that never was: from serial 61 on, day 0 is 1899-12-30.
    // The 1904 system counts from 1904-01-01 as day 0.
    return (from1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30)).addDays(qint64(serial)).toString(Qt::ISODate);
}

// A cell of the sheet: where it stands and the span of its text.
struct SheetCell {
    std::uint32_t row;
    std::uint16_t column;
    bool merged; // filled from a merged range's first cell
    Texts::Span text;
};

// Rows above the header that hold one text alone, or the same text in every
// cell (a title merged across the columns): fewer than two texts.
bool isTitleRow(const std::vector<SheetCell> &cells, std::size_t from, std::size_t to, const Texts &texts)
{
    std::set<QStringView> seen;
    for (std::size_t i = from; i < to; ++i) {
        const QStringView text = QStringView(texts.chars).mid(cells[i].text.start, cells[i].text.length).trimmed();
        if (!text.isEmpty())
            seen.insert(text);
    }
    return seen.size() < 2;
}

struct Sheet {
    std::vector<SheetCell> cells; // in the sheet's order
    QStringList merged;           // the merged ranges, read after the cells
    int damagedRow = 0;
};

std::optional<Refusal> readSheet(const ZipArchive &zip, const QByteArray &part, const std::set<int> &dates,
                                 bool from1904, Texts &texts, Sheet &sheet)
{
    ZipMemberDevice member(zip, part, kMostLargePartBytes);
    member.setLongestRun(kLongestRun);
    if (member.state() != ZipMemberDevice::State::Reading)
        return partRefusal(part, member.state());
    QXmlStreamReader reader(&member);
    int row = 0;
    int nextColumn = 0;
    QString value;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isDTD())
            return entitiesRefusal(part);
        if (reader.isStartElement() && reader.name() == u"row") {
            const QStringView number = reader.attributes().value(QLatin1StringView("r"));
            bool read = number.isEmpty();
            row = read ? row + 1 : number.toInt(&read);
            if (!read || row < 1 || row > model::kMaxExportRows)
                return Refusal{row, RecordsText::tr("Row %1 of the sheet lies beyond the last row a workbook can have.")
                                        .arg(quotedReference(number))};
            nextColumn = 0;
        } else if (reader.isStartElement() && reader.name() == u"c") {
            const QXmlStreamAttributes attributes = reader.attributes();
            const QStringView reference = attributes.value(QLatin1StringView("r"));
            int column = nextColumn;
            int cellRow = row;
            if (!reference.isEmpty() && !readReference(reference, column, cellRow))
                return Refusal{row,
                               RecordsText::tr("The cell %1 lies beyond the last column or row a workbook can have.")
                                   .arg(quotedReference(reference))};
            if (column >= model::kMaxExportColumns)
                return Refusal{row,
                               RecordsText::tr("Row %1 of the sheet has more cells than a workbook row can.").arg(row)};
            if (cellRow != 0 && cellRow != row)
                return Refusal{row, RecordsText::tr("Row %1 of the sheet is damaged.").arg(row)};
            nextColumn = column + 1;
            const QString type = attributes.value(QLatin1StringView("t")).toString();
            const int style = attributes.value(QLatin1StringView("s")).toInt();
            value.clear();
            int depth = 0; // inside <v> or <t>
            while (!reader.atEnd() && !(reader.isEndElement() && reader.name() == u"c")) {
                reader.readNext();
                if (reader.isStartElement() && (reader.name() == u"v" || reader.name() == u"t"))
                    ++depth;
                else if (reader.isEndElement() && (reader.name() == u"v" || reader.name() == u"t"))
                    --depth;
                else if (reader.isCharacters() && depth > 0)
                    value += reader.text();
                if (value.size() > kMostCellCharacters)
                    return Refusal{row, RecordsText::tr("A cell of row %1 holds more than %2 characters, more than "
                                                        "a workbook cell can.")
                                            .arg(row)
                                            .arg(QLocale().toString(kMostCellCharacters))};
            }
            if (row < 1)
                return Refusal{row, RecordsText::tr("Row %1 of the sheet is damaged.").arg(row)};
            std::optional<Texts::Span> span;
            if (type == u"s") {
                bool number = false;
                const qsizetype index = value.trimmed().toLongLong(&number);
                if (!number || index < 0 || std::size_t(index) >= texts.shared.size())
                    return Refusal{row, RecordsText::tr("The cell %1 names a shared string the workbook does not "
                                                        "hold.")
                                            .arg(quotedReference(reference))};
                span = texts.shared[std::size_t(index)];
            } else {
                if (type.isEmpty() || type == u"n") {
                    bool number = false;
                    const double serial = value.toDouble(&number);
                    if (number && dates.count(style) && serial >= 0 && serial < 3e6)
                        value = serialDate(serial, from1904);
                }
                span = texts.add(value);
            }
            if (!span)
                return textsTooLong();
            if (sheet.cells.size() == kMostCells)
                return Refusal{row, RecordsText::tr("The sheet holds more than %1 cells.")
                                        .arg(QLocale().toString(qulonglong(kMostCells)))};
            if (span->length > 0)
                sheet.cells.push_back({std::uint32_t(row), std::uint16_t(column), false, *span});
        } else if (reader.isStartElement() && reader.name() == u"mergeCell") {
            sheet.merged << reader.attributes().value(QLatin1StringView("ref")).toString();
        }
    }
    if (member.state() == ZipMemberDevice::State::TooLarge || member.state() == ZipMemberDevice::State::Damaged)
        return partRefusal(part, member.state());
    if (reader.hasError())
        return Refusal{row, RecordsText::tr("Row %1 of the sheet is damaged.").arg(row)};
    return std::nullopt;
}

bool byPlace(const SheetCell &a, const SheetCell &b)
{
    return a.row != b.row ? a.row < b.row : a.column != b.column ? a.column < b.column : a.merged < b.merged;
}

// A merged range ("B3:B7") shows its first cell's value in every cell; the
// export meant it of each. Filled within the header's columns and the rows
// the sheet has; cells sorted by place.
std::optional<Refusal> fillMerged(std::vector<SheetCell> &cells, const QStringList &ranges, int width)
{
    std::vector<std::uint32_t> rows;
    for (const SheetCell &cell : cells)
        if (rows.empty() || rows.back() != cell.row)
            rows.push_back(cell.row);
    const std::size_t read = cells.size();
    for (const QString &range : ranges) {
        const qsizetype colon = range.indexOf(u':');
        int left = 0, top = 0, right = 0, bottom = 0;
        // A range ill-formed or beyond a workbook's limits fills nothing.
        if (colon < 0 || !readReference(QStringView(range).left(colon), left, top)
            || !readReference(QStringView(range).mid(colon + 1), right, bottom) || top < 1 || bottom < top
            || right < left || left >= width)
            continue;
        const SheetCell first{std::uint32_t(top), std::uint16_t(left), false, {}};
        const auto at = std::lower_bound(cells.begin(), cells.begin() + std::ptrdiff_t(read), first, byPlace);
        if (at == cells.begin() + std::ptrdiff_t(read) || at->row != first.row || at->column != first.column)
            continue;
        const Texts::Span value = at->text;
        right = std::min(right, width - 1);
        for (auto r = std::lower_bound(rows.begin(), rows.end(), std::uint32_t(top));
             r != rows.end() && *r <= std::uint32_t(bottom); ++r) {
            for (int c = left; c <= right; ++c) {
                if (cells.size() == kMostCells)
                    return Refusal{int(*r), RecordsText::tr("The sheet holds more than %1 cells.")
                                                .arg(QLocale().toString(qulonglong(kMostCells)))};
                cells.push_back({*r, std::uint16_t(c), true, value});
            }
        }
    }
    // The cells the sheet holds come before those filled in at the same place.
    std::sort(cells.begin(), cells.end(), byPlace);
    cells.erase(
        std::unique(cells.begin(), cells.end(),
                    [](const SheetCell &a, const SheetCell &b) { return a.row == b.row && a.column == b.column; }),
        cells.end());
    return std::nullopt;
}

ExportReading refused(const Refusal &refusal)
{
    ExportReading reading;
    reading.line = refusal.line;
    reading.problem = refusal.why;
    return reading;
}

} // namespace

ExportReading readXlsxRecords(const QByteArray &path, int sheetIndex, QStringList *sheets)
{
    if (QFileInfo(QFile::decodeName(path)).size() > model::kMaxCsvBytes)
        return refused({0, model::exportTooLargeText()});
    const ZipArchive zip(path);
    if (!zip.isOpen())
        return refused({0, RecordsText::tr("It is not a workbook, or it is damaged.")});
    Book book;
    if (const std::optional<Refusal> refusal = readBook(zip, book))
        return refused(*refusal);
    if (sheets)
        *sheets = book.names;
    QByteArray part;
    if (sheetIndex >= 0 && sheetIndex < book.relations.size())
        if (const std::optional<Refusal> refusal = sheetPart(zip, book.relations[sheetIndex], part))
            return refused(*refusal);
    if (part.isEmpty())
        return refused({0, RecordsText::tr("The workbook has no sheet %1.").arg(sheetIndex + 1)});
    Texts texts;
    std::set<int> dates;
    Sheet sheet;
    for (const std::optional<Refusal> &refusal : {readSharedStrings(zip, texts), readDateStyles(zip, dates)}) {
        if (refusal)
            return refused(*refusal);
    }
    if (const std::optional<Refusal> refusal = readSheet(zip, part, dates, book.from1904, texts, sheet))
        return refused(*refusal);
    std::vector<SheetCell> &cells = sheet.cells;
    std::stable_sort(cells.begin(), cells.end(), byPlace);

    // The header: the first row with two texts or more, below ten title rows
    // at most.
    constexpr int kTitleRowsSkipped = 10;
    std::size_t headerStart = 0;
    std::size_t headerEnd = 0;
    for (int titles = 0; headerEnd < cells.size(); ++titles) {
        headerStart = headerEnd;
        while (headerEnd < cells.size() && cells[headerEnd].row == cells[headerStart].row)
            ++headerEnd;
        if (!isTitleRow(cells, headerStart, headerEnd, texts) || titles == kTitleRowsSkipped
            || headerEnd == cells.size())
            break;
    }
    if (cells.empty())
        return refused({1, RecordsText::tr("The sheet holds no header and no rows.")});
    const std::uint32_t headerRow = cells[headerStart].row;
    const int width = cells[headerEnd - 1].column + 1;
    // Titles above the header are no work orders, nor is what lies beyond
    // the header's last name.
    cells.erase(cells.begin(), cells.begin() + std::ptrdiff_t(headerStart));
    cells.erase(std::remove_if(cells.begin(), cells.end(), [&](const SheetCell &c) { return c.column >= width; }),
                cells.end());
    if (const std::optional<Refusal> refusal = fillMerged(cells, sheet.merged, width))
        return refused(*refusal);

    ExportReading reading;
    ExportTable table;
    table.encoding = QStringLiteral("xlsx");
    for (int c = 0; c < width; ++c)
        table.header << QString();
    std::size_t i = 0;
    for (; i < cells.size() && cells[i].row == headerRow; ++i)
        table.header[cells[i].column] =
            QStringView(texts.chars).mid(cells[i].text.start, cells[i].text.length).trimmed().toString();
    while (i < cells.size()) {
        const std::uint32_t row = cells[i].row;
        table.beginRow(int(row));
        int next = 0;
        for (; i < cells.size() && cells[i].row == row; ++i) {
            for (; next < cells[i].column; ++next)
                table.addCell(0, 0);
            table.addCell(cells[i].text.start, cells[i].text.length);
            ++next;
        }
    }
    cells = {};
    table.texts() = std::move(texts.chars);
    reading.table = std::move(table);
    return reading;
}

} // namespace model
