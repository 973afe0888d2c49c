// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// The texts a chart shows as laid out on screen: its title, axis labels and
// titles, legend and the texts placed over it, each whole, inside the chart
// and apart from the others.

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QRegularExpression>
#include <QStringList>
#include <QTextDocument>

inline void collectChartTexts(QGraphicsItem *item, QList<QPair<QString, QRectF>> &texts)
{
    for (QGraphicsItem *child : item->childItems()) {
        collectChartTexts(child, texts);
        if (!child->isVisible())
            continue;
        if (auto *rich = dynamic_cast<QGraphicsTextItem *>(child)) {
            // Its document's margin is blank room around the glyphs, and so
            // is a line's height above and below them: a line is measured by
            // its glyphs, from its baseline.
            const qreal margin = rich->document()->documentMargin();
            const QString text = rich->toPlainText();
            QRectF box = rich->boundingRect().adjusted(margin, margin, -margin, -margin);
            if (!text.contains(u'\n') && !text.contains(QChar::LineSeparator)) {
                const QFontMetricsF metrics(rich->font());
                box = metrics.tightBoundingRect(text).translated(margin, margin + metrics.ascent());
            }
            texts.append({text, rich->mapRectToScene(box)});
        } else if (auto *simple = dynamic_cast<QGraphicsSimpleTextItem *>(child)) {
            texts.append({simple->text(), simple->sceneBoundingRect()});
        }
    }
}

inline QStringList chartTextFaults(QChart &chart)
{
    QList<QPair<QString, QRectF>> texts;
    collectChartTexts(&chart, texts);
    texts.removeIf([](const auto &text) { return text.first.trimmed().isEmpty(); });
    static const QRegularExpression exponent(QStringLiteral("\\d[eE][+-]?\\d"));
    const QRectF bounds = chart.mapRectToScene(chart.rect()).adjusted(-1, -1, 1, 1);
    const auto describe = [](const QPair<QString, QRectF> &text) {
        return QStringLiteral("\"%1\" at %2, %3").arg(text.first).arg(text.second.left()).arg(text.second.top());
    };
    QStringList faults;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString &text = texts[i].first;
        if (text.contains(u'\u2026') || text.contains(QLatin1StringView("...")) || text.contains(exponent))
            faults << describe(texts[i]) + QStringLiteral(" is not written whole");
        if (!bounds.contains(texts[i].second))
            faults << describe(texts[i]) + QStringLiteral(" leaves its chart");
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            const QRectF shared = texts[i].second.intersected(texts[j].second);
            if (shared.width() >= 1 && shared.height() >= 1)
                faults << describe(texts[i]) + QStringLiteral(" overlaps ") + describe(texts[j]);
        }
    }
    return faults;
}
