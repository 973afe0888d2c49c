// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/records/csv_table.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <set>

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

QString fromWindows1252(QByteArrayView bytes)
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
        return {decoder.decode(QByteArrayView(bytes).sliced(2)),
                little ? QStringLiteral("UTF-16LE") : QStringLiteral("UTF-16BE")};
    }
    const QByteArrayView body = QByteArrayView(bytes).sliced(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return {text, QStringLiteral("UTF-8")};
    return {fromWindows1252(body), QStringLiteral("Windows-1252")};
}

// The delimiter that splits one of the first lines into the most fields, so
// that a title line above the header does not decide it.
QChar delimiterOf(QStringView text)
{
    constexpr int kLinesLooked = 20;
    QChar best = u',';
    int bestCount = -1;
    for (const QChar candidate : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        int most = 0;
        int count = 0;
        int lines = 0;
        bool quoted = false;
        for (const QChar c : text) {
            if (c == u'"') {
                quoted = !quoted;
            } else if (!quoted && c == u'\n') {
                most = std::max(most, count);
                count = 0;
                if (++lines == kLinesLooked)
                    break;
            } else if (!quoted && c == candidate) {
                ++count;
            }
        }
        most = std::max(most, count);
        if (most > bestCount) {
            best = candidate;
            bestCount = most;
        }
    }
    return best;
}

// Splits the text into records and fields, writing each field's text
// (quotes undone) back into the same string ahead of where it is read, so
// that the table keeps its cells in the decoded text itself.
class CsvRecords {
public:
    CsvRecords(QString &text, QChar delimiter)
        : m_text(text), m_chars(text.data()), m_size(text.size()), m_delimiter(delimiter)
    {
    }

    struct Field {
        qsizetype start;
        qsizetype length;
    };
    // The next record's first fields up to keep, and how many it has in
    // all and whether one beyond keep holds a text; false at the end.
    bool next(int keep)
    {
        m_fields.clear();
        m_count = 0;
        m_textBeyond = false;
        if (m_read >= m_size)
            return false;
        m_line = m_nextLine;
        for (bool recordEnded = false; !recordEnded;) {
            const qsizetype start = m_write;
            bool quoted = false;
            recordEnded = true; // unless a delimiter ends the field
            while (m_read < m_size) {
                const QChar c = m_chars[m_read++];
                if (quoted) {
                    if (c != u'"') {
                        m_nextLine += c == u'\n';
                        m_chars[m_write++] = c;
                    } else if (m_read < m_size && m_chars[m_read] == u'"') {
                        m_chars[m_write++] = c;
                        ++m_read;
                    } else {
                        quoted = false;
                    }
                } else if (c == u'"' && m_write == start) {
                    quoted = true;
                } else if (c == m_delimiter) {
                    recordEnded = false;
                    break;
                } else if (c == u'\r' || c == u'\n') {
                    if (c == u'\r' && m_read < m_size && m_chars[m_read] == u'\n')
                        ++m_read;
                    ++m_nextLine;
                    break;
                } else {
                    m_chars[m_write++] = c;
                }
            }
            if (quoted) {
                m_unclosed = true;
                return false;
            }
            const qsizetype length = m_write - start;
            if (m_count < keep) {
                m_fields.push_back({start, length});
            } else {
                m_textBeyond |= !QStringView(m_text).mid(start, length).trimmed().isEmpty();
                m_write = start; // a field beyond the kept ones costs nothing
            }
            ++m_count;
        }
        return true;
    }

    const std::vector<Field> &fields() const { return m_fields; }
    int count() const { return m_count; }
    bool textBeyond() const { return m_textBeyond; }
    int line() const { return m_line; }
    bool unclosed() const { return m_unclosed; }
    qsizetype written() const { return m_write; }
    QStringView field(const Field &f) const { return QStringView(m_text).mid(f.start, f.length); }
    // Whether no field of the record holds a text, blanks aside.
    bool blank() const
    {
        return std::all_of(m_fields.begin(), m_fields.end(),
                           [&](const Field &f) { return field(f).trimmed().isEmpty(); })
               && !m_textBeyond;
    }

private:
    QString &m_text;
    QChar *m_chars;
    qsizetype m_size;
    QChar m_delimiter;
    qsizetype m_read = 0;
    qsizetype m_write = 0;
    int m_line = 1;
    int m_nextLine = 1;
    std::vector<Field> m_fields;
    int m_count = 0;
    bool m_textBeyond = false;
    bool m_unclosed = false;
};

// A title above the header: fewer than two different texts.
bool isTitle(const CsvRecords &records)
{
    std::set<QStringView> texts;
    for (const CsvRecords::Field &f : records.fields())
        if (const QStringView text = records.field(f).trimmed(); !text.isEmpty())
            texts.insert(text);
    return texts.size() < 2;
}

} // namespace

QString exportTooLargeText() { return CsvText::tr("It is larger than %1 MB.").arg(kMaxCsvBytes / (1024 * 1024)); }

QString cellQuoted(QStringView text)
{
    constexpr qsizetype kLongest = 40;
    const QStringView trimmed = text.trimmed();
    return trimmed.size() <= kLongest ? trimmed.toString() : trimmed.left(kLongest).toString() + u'…';
}

ExportReading readCsv(QByteArray bytes)
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
    bytes = QByteArray();
    ExportTable table;
    table.encoding = encoding;
    table.delimiter = delimiterOf(text);
    CsvRecords records(text, table.delimiter);

    // The header: the first line with two texts or more, below a few title
    // lines at most.
    constexpr int kTitleLinesSkipped = 10;
    int titles = 0;
    while (records.next(kMaxExportColumns + 1)) {
        if (records.count() > kMaxExportColumns)
            return refused(records.line(), CsvText::tr("Line %1 has %2 fields; a table is read with at most %3.")
                                               .arg(records.line())
                                               .arg(records.count())
                                               .arg(kMaxExportColumns));
        if (records.blank())
            continue;
        if (isTitle(records) && ++titles <= kTitleLinesSkipped)
            continue;
        for (const CsvRecords::Field &f : records.fields())
            table.header << records.field(f).trimmed().toString();
        break;
    }
    if (records.unclosed())
        return refused(records.line(),
                       CsvText::tr("A quoted field that begins on line %1 is never closed.").arg(records.line()));
    if (table.header.isEmpty())
        return refused(1, titles > 0 ? CsvText::tr("No line holds a header of two column names or more.")
                                     : CsvText::tr("It holds no header and no rows."));
    // The header ends at its last name: a column without one cannot be chosen.
    while (table.header.back().isEmpty())
        table.header.removeLast();
    const int width = int(table.header.size());

    while (records.next(width)) {
        if (records.textBeyond())
            return refused(records.line(), CsvText::tr("Line %1 has %2 fields where the header has %3.")
                                               .arg(records.line())
                                               .arg(records.count())
                                               .arg(width));
        if (records.blank())
            continue;
        table.beginRow(records.line());
        for (const CsvRecords::Field &f : records.fields())
            table.addCell(f.start, f.length);
    }
    if (records.unclosed())
        return refused(records.line(),
                       CsvText::tr("A quoted field that begins on line %1 is never closed.").arg(records.line()));
    text.truncate(records.written());
    text.squeeze();
    table.texts() = std::move(text);
    reading.table = std::move(table);
    return reading;
}

} // namespace model
