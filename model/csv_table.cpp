// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/csv_table.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <array>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct CsvText {
    Q_DECLARE_TR_FUNCTIONS(CsvText)
};

// Windows-1252's characters at 0x80 to 0x9F, where Latin-1 has controls;
// the five it leaves undefined stay as Latin-1 has them.
constexpr std::array<char16_t, 32> kWindows1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        text[i] = QChar(c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : char16_t(c));
    }
    return text;
}

// The text and the encoding it was read in.
std::pair<QString, QString> decoded(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const bool little = bytes.startsWith("\xFF\xFE");
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return {decoder.decode(bytes.mid(2)), little ? QStringLiteral("UTF-16LE") : QStringLiteral("UTF-16BE")};
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return {text, QStringLiteral("UTF-8")};
    return {fromWindows1252(body), QStringLiteral("Windows-1252")};
}

// The delimiter that splits the first line into the most fields.
QChar delimiterOf(QStringView text)
{
    QChar best = u',';
    int bestCount = -1;
    for (const QChar candidate : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        int count = 0;
        bool quoted = false;
        for (const QChar c : text) {
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && (c == u'\n' || c == u'\r'))
                break;
            else if (!quoted && c == candidate)
                ++count;
        }
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

} // namespace

QString exportTooLargeText() { return CsvText::tr("It is larger than %1 MB.").arg(kMaxCsvBytes / (1024 * 1024)); }

ExportReading readCsv(const QByteArray &bytes)
{
    ExportReading reading;
    const auto refused = [&](int line, const QString &why) {
        reading.line = line;
        reading.problem = why;
        return reading;
    };
    if (bytes.size() > kMaxCsvBytes)
        return refused(0, exportTooLargeText());
    if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"))
        return refused(1, CsvText::tr("It is not a text file."));
    auto [text, encoding] = decoded(bytes);
    ExportTable table;
    table.encoding = encoding;
    table.delimiter = delimiterOf(text);

    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    int line = 1;
    int recordLine = 1;
    const auto endRecord = [&] {
        fields << field;
        field.clear();
        const bool blank = fields.size() == 1 && fields.front().isEmpty() && !wasQuoted;
        if (!blank) {
            records.push_back(fields);
            table.lines.push_back(recordLine);
        }
        fields.clear();
        wasQuoted = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
            wasQuoted = true;
        } else if (c == table.delimiter) {
            fields << field;
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            endRecord();
            recordLine = ++line;
        } else {
            field += c;
        }
    }
    if (quoted)
        return refused(recordLine,
                       CsvText::tr("A quoted field that begins on line %1 is never closed.").arg(recordLine));
    if (!field.isEmpty() || !fields.isEmpty() || wasQuoted)
        endRecord();
    if (records.empty())
        return refused(1, CsvText::tr("It holds no header and no rows."));
    table.header = records.front();
    for (QString &name : table.header)
        name = name.trimmed();
    table.lines.erase(table.lines.begin());
    for (std::size_t r = 1; r < records.size(); ++r) {
        QStringList &row = records[r];
        if (row.size() > table.header.size())
            return refused(table.lines[r - 1], CsvText::tr("Line %1 has %2 fields where the header has %3.")
                                                   .arg(table.lines[r - 1])
                                                   .arg(row.size())
                                                   .arg(table.header.size()));
        while (row.size() < table.header.size())
            row << QString();
        table.rows.push_back(std::move(row));
    }
    reading.table = std::move(table);
    return reading;
}

} // namespace model
