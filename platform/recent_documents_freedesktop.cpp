// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/recent_documents.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace platform {
namespace {

const QString kBookmarkNamespace = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
// A list larger than this is no list of recent files; it is left alone.
constexpr qint64 kMostBytes = 16 * 1024 * 1024;

// The file's entry: its address, when it was added, changed and visited,
// its type and the program that opened it, as desktop recent lists read it.
void writeBookmark(QXmlStreamWriter &out, const QString &href, const QString &now)
{
    out.writeStartElement(QStringLiteral("bookmark"));
    out.writeAttribute(QStringLiteral("href"), href);
    for (const char *stamp : {"added", "modified", "visited"})
        out.writeAttribute(QString::fromLatin1(stamp), now);
    out.writeStartElement(QStringLiteral("info"));
    out.writeStartElement(QStringLiteral("metadata"));
    out.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    out.writeEmptyElement(kMimeNamespace, QStringLiteral("mime-type"));
    out.writeAttribute(QStringLiteral("type"), QStringLiteral("application/x-velmor-figures"));
    out.writeStartElement(kBookmarkNamespace, QStringLiteral("applications"));
    out.writeEmptyElement(kBookmarkNamespace, QStringLiteral("application"));
    out.writeAttribute(QStringLiteral("name"), QStringLiteral("velmor-calculator"));
    out.writeAttribute(QStringLiteral("exec"), QStringLiteral("'velmor-calculator %u'"));
    out.writeAttribute(QStringLiteral("modified"), now);
    out.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    out.writeEndElement(); // applications
    out.writeEndElement(); // metadata
    out.writeEndElement(); // info
    out.writeEndElement(); // bookmark
}

} // namespace

void addRecentDocument(const QString &path)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return;
    const QString listPath = QDir(folder).filePath(QStringLiteral("recently-used.xbel"));
    QByteArray before;
    if (QFile list(listPath); list.exists()) {
        if (list.size() > kMostBytes || !list.open(QIODevice::ReadOnly))
            return;
        before = list.readAll();
    }
    const QString href = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    const QString now = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz000Z"));
    QByteArray after;
    QXmlStreamWriter out(&after);
    out.setAutoFormatting(true);
    if (before.trimmed().isEmpty()) {
        out.writeStartDocument();
        out.writeNamespace(kBookmarkNamespace, QStringLiteral("bookmark"));
        out.writeNamespace(kMimeNamespace, QStringLiteral("mime"));
        out.writeStartElement(QStringLiteral("xbel"));
        out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
        writeBookmark(out, href, now);
        out.writeEndElement();
        out.writeEndDocument();
    } else {
        // The other programs' entries as they are; this file's entry anew,
        // last, as the newest.
        QXmlStreamReader in(before);
        while (!in.atEnd()) {
            in.readNext();
            if (in.isStartElement() && in.name() == u"bookmark"
                && in.attributes().value(QStringLiteral("href")) == href) {
                in.skipCurrentElement();
                continue;
            }
            if (in.isEndElement() && in.name() == u"xbel")
                writeBookmark(out, href, now);
            if (!in.isWhitespace())
                out.writeCurrentToken(in);
        }
        // A list that does not read is not rewritten: it may be another version's.
        if (in.hasError())
            return;
    }
    QSaveFile list(listPath);
    if (list.open(QIODevice::WriteOnly) && list.write(after) == after.size())
        list.commit();
}

} // namespace platform
