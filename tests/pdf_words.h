// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// A PDF read back as a reader's text extractor (pdftotext, poppler-utils)
// reads it: its text, and each page's words with their places, so that a
// test can tell whether every text lies on its page, whole and apart.

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The text of the file, words joined by single blanks; empty when the
// extractor is missing.
inline QString pdfText(const QString &path, const QStringList &options = {})
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), QStringList(options) << path << QStringLiteral("-"));
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// A word as the extractor places it, in points from its page's top left
// corner.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QSizeF size; // in points
    QList<PdfWord> words;
};

inline QList<PdfPage> pdfPages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    QList<PdfPage> pages;
    QList<QRegularExpressionMatch> starts;
    for (const QRegularExpressionMatch &m : page.globalMatch(xhtml))
        starts << m;
    for (qsizetype p = 0; p < starts.size(); ++p) {
        const qsizetype from = starts[p].capturedEnd();
        const qsizetype to = p + 1 < starts.size() ? starts[p + 1].capturedStart() : xhtml.size();
        PdfPage read{QSizeF(starts[p].captured(1).toDouble(), starts[p].captured(2).toDouble()), {}};
        for (const QRegularExpressionMatch &m : word.globalMatch(QStringView(xhtml).sliced(from, to - from))) {
            read.words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                     QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
        }
        pages.append(read);
    }
    return pages;
}

// Each word of the page that leaves the printable area, given its margin,
// or overlaps another (apart from pairs that both lie inside one of the
// areas left to a chart), described.
inline QStringList misplacedWords(const PdfPage &page, qreal margin, const QList<QRectF> &chartAreas = {})
{
    const auto describe = [](const PdfWord &word) {
        return QStringLiteral("\"%1\" at %2, %3").arg(word.text.left(40)).arg(word.box.left()).arg(word.box.top());
    };
    const auto inOneChart = [&](const QRectF &a, const QRectF &b) {
        for (const QRectF &area : chartAreas)
            if (area.contains(a.center()) && area.contains(b.center()))
                return true;
        return false;
    };
    // The extractor measures a little above the font's ascent.
    const QRectF printable =
        QRectF(QPointF(0, 0), page.size).adjusted(margin - 0.5, margin - 0.5, 0.5 - margin, 0.5 - margin);
    QStringList misplaced;
    for (qsizetype i = 0; i < page.words.size(); ++i) {
        const PdfWord &word = page.words[i];
        if (!printable.contains(word.box))
            misplaced << describe(word) + QStringLiteral(" leaves the printable area");
        for (qsizetype j = i + 1; j < page.words.size(); ++j) {
            const PdfWord &other = page.words[j];
            if (inOneChart(word.box, other.box))
                continue;
            const QRectF shared = word.box.intersected(other.box);
            if (shared.width() >= 0.5 && shared.height() >= 0.5)
                misplaced << describe(word) + QStringLiteral(" overlaps ") + describe(other);
        }
    }
    return misplaced;
}

// Each word drawn in one of the chart areas that is cut short ("…"), written
// as an exponent ("8E+08"), leaves its chart or overlaps another word of it,
// described.
inline QStringList chartWordFaults(const PdfPage &page, const QList<QRectF> &chartAreas)
{
    static const QRegularExpression exponent(QStringLiteral("\\d[eE][+-]?\\d"));
    QStringList faults;
    for (const QRectF &area : chartAreas) {
        QList<PdfWord> words;
        for (const PdfWord &word : page.words)
            if (area.contains(word.box.center()))
                words << word;
        const auto describe = [](const PdfWord &word) {
            return QStringLiteral("\"%1\" at %2, %3").arg(word.text).arg(word.box.left()).arg(word.box.top());
        };
        for (qsizetype i = 0; i < words.size(); ++i) {
            const PdfWord &word = words[i];
            if (word.text.contains(u'\u2026') || word.text.contains(QLatin1StringView("..."))
                || word.text.contains(exponent))
                faults << describe(word) + QStringLiteral(" is not written whole");
            if (!area.adjusted(-1, -1, 1, 1).contains(word.box))
                faults << describe(word) + QStringLiteral(" leaves its chart");
            for (qsizetype j = i + 1; j < words.size(); ++j) {
                const QRectF shared = word.box.intersected(words[j].box);
                if (shared.width() >= 0.5 && shared.height() >= 0.5)
                    faults << describe(word) + QStringLiteral(" overlaps ") + describe(words[j]);
            }
        }
    }
    return faults;
}
