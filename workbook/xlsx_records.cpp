// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/xlsx_records.h"

#include "workbook/xlsx_parts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace workbook {
namespace {

// The context the translations of these texts are found under.
struct RecordsText {
    Q_DECLARE_TR_FUNCTIONS(RecordsText)
};

const QByteArray *member(const ZipReading &zip, const QByteArray &name)
{
    for (const ZipMember &m : zip.members)
        if (m.name == name)
            return &m.bytes;
    return nullptr;
}

QStringList sharedStrings(const QByteArray *xml)
{
    QStringList strings;
    if (!xml)
        return strings;
    QXmlStreamReader reader(*xml);
    QString current;
    bool inString = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si") {
            inString = true;
            current.clear();
        } else if (reader.isStartElement() && reader.name() == u"t" && inString) {
            current += reader.readElementText();
        } else if (reader.isEndElement() && reader.name() == u"si") {
            strings << current;
            inString = false;
        }
    }
    return strings;
}

// Which cell styles show a date: the built-in formats 14 to 22 and 45 to 47,
// and custom formats of d, m and y outside quotes and brackets.
std::set<int> dateStyles(const QByteArray *xml)
{
    std::set<int> dates;
    if (!xml)
        return dates;
    std::set<int> dateFormats{14, 15, 16, 17, 18, 19, 20, 21, 22, 45, 46, 47};
    static const QRegularExpression quotedOrBracketed(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]"));
    QXmlStreamReader reader(*xml);
    bool inCellStyles = false;
    int style = 0;
    while (!reader.atEnd()) {
        reader.readNext();
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
    return dates;
}

// The sheet's part: the index-th sheet of the workbook, through its relation.
QByteArray sheetPart(const ZipReading &zip, int index)
{
    const QByteArray *book = member(zip, "xl/workbook.xml");
    const QByteArray *relations = member(zip, "xl/_rels/workbook.xml.rels");
    if (!book || !relations)
        return QByteArray();
    QString id;
    QXmlStreamReader reader(*book);
    for (int seen = 0; !reader.atEnd();) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"sheet" && seen++ == index) {
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                if (attribute.name() == u"id")
                    id = attribute.value().toString();
            break;
        }
    }
    QXmlStreamReader links(*relations);
    while (!id.isEmpty() && !links.atEnd()) {
        links.readNext();
        if (links.isStartElement() && links.name() == u"Relationship"
            && links.attributes().value(QLatin1StringView("Id")) == id) {
            const QString target = links.attributes().value(QLatin1StringView("Target")).toString();
            return (target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target).toUtf8();
        }
    }
    return QByteArray();
}

// "C12" → column 2 (from 0).
int columnOf(QStringView reference)
{
    int column = 0;
    for (const QChar c : reference) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
    }
    return column - 1;
}

// "C12" → row 12.
int rowOf(QStringView reference)
{
    qsizetype digits = 0;
    while (digits < reference.size() && reference[digits].isLetter())
        ++digits;
    return reference.mid(digits).toInt();
}

// A merged range ("B3:B7") shows its first cell's value in every cell; the
// export meant it of each.
void fillMerged(std::map<int, std::map<int, QString>> &cells, QStringView range)
{
    const qsizetype colon = range.indexOf(u':');
    if (colon < 0)
        return;
    const QStringView from = range.left(colon);
    const QStringView to = range.mid(colon + 1);
    const int top = rowOf(from);
    const int left = columnOf(from);
    const int bottom = rowOf(to);
    const int right = columnOf(to);
    // A range beyond the sheet's rows, or ill-formed, fills nothing.
    const auto row = cells.find(top);
    if (top < 1 || left < 0 || bottom < top || right < left || row == cells.end() || !row->second.count(left))
        return;
    const QString value = row->second.at(left);
    for (auto it = cells.lower_bound(top); it != cells.end() && it->first <= bottom; ++it) {
        for (int c = left; c <= right; ++c)
            it->second.try_emplace(c, value);
    }
}

// A row above the header that holds one text alone, or the same text in
// every cell (a title merged across the columns).
bool isTitleRow(const std::map<int, QString> &columns)
{
    std::set<QString> texts;
    for (const auto &[column, text] : columns) {
        if (!text.trimmed().isEmpty())
            texts.insert(text.trimmed());
    }
    return texts.size() < 2;
}

QString serialDate(double serial)
{
    // Serial 1 is 1900-01-01 in the 1900 date system, which counts a 29
    // February 1900 that never was: from serial 61 on, day 0 is 1899-12-30.
    return QDate(1899, 12, 30).addDays(qint64(serial)).toString(Qt::ISODate);
}

} // namespace

model::ExportReading readXlsxRecords(const QByteArray &path, int sheet)
{
    model::ExportReading reading;
    const auto refused = [&](int line, const QString &why) {
        reading.line = line;
        reading.problem = why;
        return reading;
    };
    if (QFileInfo(QFile::decodeName(path)).size() > model::kMaxCsvBytes)
        return refused(0, model::exportTooLargeText());
    const ZipReading zip = readZip(path);
    if (!zip.whole)
        return refused(0, RecordsText::tr("It is not a workbook, or it is damaged."));
    const QByteArray part = sheetPart(zip, sheet);
    const QByteArray *xml = part.isEmpty() ? nullptr : member(zip, part);
    if (!xml)
        return refused(0, RecordsText::tr("The workbook has no sheet %1.").arg(sheet + 1));
    const QStringList strings = sharedStrings(member(zip, "xl/sharedStrings.xml"));
    const std::set<int> dates = dateStyles(member(zip, "xl/styles.xml"));

    std::map<int, std::map<int, QString>> cells; // row number → column → text
    QStringList merged;                          // the merged ranges, read after the cells
    QXmlStreamReader reader(*xml);
    int row = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"row") {
            row = reader.attributes().value(QLatin1StringView("r")).toInt();
        } else if (reader.isStartElement() && reader.name() == u"c") {
            const QXmlStreamAttributes attributes = reader.attributes();
            const int column = columnOf(attributes.value(QLatin1StringView("r")));
            const QString type = attributes.value(QLatin1StringView("t")).toString();
            const int style = attributes.value(QLatin1StringView("s")).toInt();
            QString value;
            while (!reader.atEnd() && !(reader.isEndElement() && reader.name() == u"c")) {
                reader.readNext();
                if (reader.isStartElement() && (reader.name() == u"v" || reader.name() == u"t"))
                    value += reader.readElementText();
            }
            if (type == u"s")
                value = strings.value(value.toInt());
            else if (type.isEmpty() || type == u"n") {
                bool number = false;
                const double serial = value.toDouble(&number);
                if (number && dates.count(style))
                    value = serialDate(serial);
            }
            if (column >= 0 && row > 0)
                cells[row][column] = value;
        } else if (reader.isStartElement() && reader.name() == u"mergeCell") {
            merged << reader.attributes().value(QLatin1StringView("ref")).toString();
        }
    }
    for (const QString &range : merged)
        fillMerged(cells, range);
    // Titles above the header are no work orders.
    while (cells.size() > 1 && isTitleRow(cells.begin()->second))
        cells.erase(cells.begin());
    if (reader.hasError())
        return refused(row, RecordsText::tr("Row %1 of the sheet is damaged.").arg(row));
    if (cells.empty())
        return refused(1, RecordsText::tr("The sheet holds no header and no rows."));
    model::ExportTable table;
    table.encoding = QStringLiteral("xlsx");
    const auto rowTexts = [](const std::map<int, QString> &columns, int width) {
        QStringList texts;
        for (int c = 0; c < width; ++c) {
            const auto at = columns.find(c);
            texts << (at == columns.end() ? QString() : at->second);
        }
        return texts;
    };
    const std::map<int, QString> &header = cells.begin()->second;
    const int width = header.rbegin()->first + 1;
    table.header = rowTexts(header, width);
    for (QString &name : table.header)
        name = name.trimmed();
    for (auto it = std::next(cells.begin()); it != cells.end(); ++it) {
        table.rows.push_back(rowTexts(it->second, width));
        table.lines.push_back(it->first);
    }
    reading.table = std::move(table);
    return reading;
}

QStringList xlsxSheetNames(const QByteArray &path)
{
    QStringList names;
    if (QFileInfo(QFile::decodeName(path)).size() > model::kMaxCsvBytes)
        return names;
    const ZipReading zip = readZip(path);
    const QByteArray *book = zip.whole ? member(zip, "xl/workbook.xml") : nullptr;
    if (!book)
        return names;
    QXmlStreamReader reader(*book);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"sheet")
            names << reader.attributes().value(QLatin1StringView("name")).toString();
    }
    return names;
}

} // namespace workbook
