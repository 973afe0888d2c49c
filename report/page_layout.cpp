// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "report/page_layout.h"

#include "model/text/message_text.h"
#include "model/text/regional_digits.h"
#include "resources/designed_colours.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace report {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");

// A text too wide for its box is drawn smaller, down to this share of its
// font's size, and wrapped onto more lines when even that is too wide.
constexpr qreal kSmallestFontShare = 0.7;

// The most characters of text, from start on, that fit the width; start
// characters are known to fit. Widths are measured on ever longer pieces, so
// that a text of thousands of characters is not measured whole for each line.
qsizetype longestFitting(const QString &text, qsizetype start, const QFontMetricsF &metrics, qreal width)
{
    const auto fits = [&](qsizetype n) { return metrics.horizontalAdvance(text.left(n)) <= width; };
    qsizetype fitting = start;
    qsizetype over = text.size() + 1;
    for (qsizetype step = 8; fitting + step <= text.size(); step *= 2) {
        if (!fits(fitting + step)) {
            over = fitting + step;
            break;
        }
        fitting += step;
    }
    while (over - fitting > 1) {
        const qsizetype n = (fitting + over) / 2;
        (fits(n) ? fitting : over) = n;
    }
    return fitting;
}

// The text broken into lines no wider than width: at blanks and line breaks,
// and inside a word only where the word is wider than a line. Such a word
// goes on from where the line stands, each line ending after a punctuation
// mark (a number's group separator) when one is among its last characters.
QStringList wrapped(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    const auto fits = [&](const QString &piece) { return metrics.horizontalAdvance(piece) <= width; };
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + u' ' + word;
            if (fits(joined)) {
                line = joined;
                continue;
            }
            if (fits(word)) {
                lines << line;
                line = word;
                continue;
            }
            QString rest = joined;
            qsizetype wordStart = rest.size() - word.size();
            for (;;) {
                qsizetype end = longestFitting(rest, wordStart, metrics, width);
                if (end == rest.size())
                    break;
                if (end == wordStart && wordStart > 0) {
                    // Not one character more fits: the word starts a line.
                    lines << line;
                    rest = word;
                    wordStart = 0;
                    continue;
                }
                end = std::max(end, wordStart + 1); // a character wider than the line stands alone
                for (qsizetype at = end; at > std::max(wordStart + 1, end - 4); --at) {
                    if (rest.at(at - 1).isPunct()) {
                        end = at;
                        break;
                    }
                }
                if (rest.at(end - 1).isHighSurrogate() && end - 1 > wordStart)
                    --end;
                lines << rest.left(end);
                rest = rest.mid(end);
                wordStart = 0;
            }
            line = rest;
        }
        lines << line;
    }
    return lines;
}

} // namespace

PageLayout::PageLayout(QPainter &painter, qreal left, qreal width, bool draw)
    : m_painter(painter), m_left(left), m_width(width), m_draw(draw),
      m_fontScale(72.0 / painter.device()->logicalDpiY())
{
}

QFont PageLayout::font(qreal points, bool bold) const
{
    QFont font(kFamily);
    font.setPointSizeF(points * m_fontScale);
    font.setBold(bold);
    return font;
}

qreal PageLayout::advance(const QString &text, const QFont &font) const
{
    return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
}

qreal PageLayout::height(const QFont &font) const { return QFontMetricsF(font, m_painter.device()).height(); }

void PageLayout::row(std::span<const Cell> cells, qreal height, bool wrap)
{
    qreal growth = 0;
    for (const Cell &cell : cells) {
        const FittedText fitted = fit(cell.text, cell.font, cell.width, !wrap);
        growth = std::max(growth, fitted.height - this->height(cell.font));
        if (m_draw)
            draw(cell, fitted);
    }
    down(height + growth);
}

void PageLayout::rule(qreal x, qreal width, qreal thickness, const QColor &colour)
{
    if (m_draw)
        m_painter.fillRect(QRectF(x, m_y, width, thickness), colour);
}

void PageLayout::paragraph(const QString &text, const QFont &font, const QColor &colour)
{
    const QRectF room(m_left, m_y, m_width, 1000);
    const int flags = int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    m_painter.setFont(font);
    const QRectF used = m_painter.boundingRect(room, flags, text);
    if (used.width() > room.width() || used.height() > room.height()) {
        // A word longer than a line, or more lines than the room holds,
        // would be cut off: such a text is broken inside its words too.
        const FittedText fitted = fit(text, font, m_width, false);
        if (m_draw)
            draw(Cell{text, font, colour, m_left, m_width}, fitted);
        m_y += fitted.height;
        return;
    }
    if (m_draw) {
        m_painter.setPen(colour);
        m_painter.drawText(room, flags, model::keptInWrittenOrder(text));
    }
    m_y += used.height();
}

void PageLayout::heading(const QString &text)
{
    const QFont font = this->font(10, true);
    row({{text, font, artwork::kNavy, m_left, m_width}}, lineHeight(font));
}

void PageLayout::chart(const ReportContent &content)
{
    if (m_draw && content.drawChart)
        content.drawChart(m_painter, QRectF(m_left, m_y, m_width, kChartHeight));
    down(kChartHeight);
}

FittedText PageLayout::fit(const QString &text, const QFont &font, qreal width, bool shrink) const
{
    FittedText fitted{font, {}, 0, height(font)};
    const bool breaks = text.contains(u'\n');
    const qreal natural = advance(text, font);
    if (natural <= width && !breaks)
        return fitted;
    const qreal ascent = QFontMetricsF(font, m_painter.device()).ascent();
    if (shrink) {
        qreal share = natural > 0 ? width / natural : 1;
        while (share >= kSmallestFontShare && !breaks) {
            fitted.font.setPointSizeF(font.pointSizeF() * share);
            if (advance(text, fitted.font) <= width) {
                const QFontMetricsF metrics(fitted.font, m_painter.device());
                fitted.top = ascent - metrics.ascent();
                fitted.height = fitted.top + metrics.height();
                return fitted;
            }
            // Hinted advances do not shrink in exact proportion.
            share *= 0.98;
        }
        fitted.font.setPointSizeF(font.pointSizeF() * kSmallestFontShare);
    } else {
        // Wrapped at its blanks; a word wider than the box is drawn smaller
        // first, down to the smallest share, so that it is not broken.
        const QStringList words = QString(text).replace(u'\n', u' ').split(u' ', Qt::SkipEmptyParts);
        const auto widestAt = [&](const QFont &shown) {
            qreal widest = 0;
            for (const QString &word : words)
                widest = std::max(widest, advance(word, shown));
            return widest;
        };
        const qreal widest = widestAt(font);
        for (qreal share = width / widest; widest > width && share >= kSmallestFontShare; share *= 0.98) {
            fitted.font.setPointSizeF(font.pointSizeF() * share);
            if (widestAt(fitted.font) <= width)
                break;
        }
    }
    const QFontMetricsF metrics(fitted.font, m_painter.device());
    fitted.lines = wrapped(text, metrics, width);
    fitted.top = ascent - metrics.ascent();
    fitted.height = fitted.top + (fitted.lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    return fitted;
}

void PageLayout::draw(const Cell &cell, const FittedText &fitted)
{
    m_painter.setFont(fitted.font);
    m_painter.setPen(cell.colour);
    const QFontMetricsF metrics(fitted.font, m_painter.device());
    const int flags = int(cell.alignment | Qt::AlignTop);
    const QRectF box(cell.x, m_y + fitted.top, cell.width, metrics.height());
    if (fitted.lines.isEmpty()) {
        m_painter.drawText(box, flags, model::keptInWrittenOrder(cell.text));
        return;
    }
    for (qsizetype i = 0; i < fitted.lines.size(); ++i)
        m_painter.drawText(box.translated(0, i * metrics.lineSpacing()), flags,
                           model::keptInWrittenOrder(fitted.lines.at(i)));
}

void layOutHeading(PageLayout &page, const ReportContent &c, const QString &title, const QString &forWhom)
{
    const qreal x = page.left();
    const qreal w = page.width();

    // The maker's name and contact share the top line: each may take what
    // the other leaves of it, and at least half less a gap.
    const QFont makerFont = page.font(9, true);
    const QFont contactFont = page.font(8);
    const qreal apart = 12;
    const qreal makerRoom = w - std::min(page.advance(c.contact, contactFont), w / 2) - apart;
    const qreal contactRoom = w - std::min(page.advance(c.maker, makerFont), w / 2) - apart;
    page.row({{c.maker, makerFont, artwork::kNavy, x, makerRoom},
              {c.contact, contactFont, artwork::kNavy, x + w - contactRoom, contactRoom, Qt::AlignRight}},
             page.lineHeight(makerFont));
    const QFont titleFont = page.font(17, true);
    page.row({{title, titleFont, Qt::black, x, w}}, page.lineHeight(titleFont));
    page.rule(x, w, 1.2, artwork::kNavy);
    page.down(kGap);
    if (forWhom.isEmpty())
        return;
    const QFont textFont = page.font(9);
    page.row({{model::withoutDirectionControls(forWhom), textFont, Qt::black, x, w}}, page.lineHeight(textFont));
    page.down(kGap);
}

void layOutTable(PageLayout &page, const TableText &table, qreal firstShare, bool wrapNames)
{
    if (table.headings.isEmpty())
        return;
    const qreal x = page.left() + 8;
    const qreal w = page.width() - 8;
    const qreal firstWidth = w * firstShare;
    const qreal columnWidth = (w - firstWidth) / std::max<qsizetype>(1, table.headings.size() - 1);
    const auto row = [&](const QStringList &texts, const QFont &font, const QColor &colour, bool wrap) {
        std::vector<Cell> cells;
        for (qsizetype c = 0; c < texts.size(); ++c) {
            const qreal left = c == 0 ? x : x + firstWidth + (c - 1) * columnWidth;
            const qreal width = (c == 0 ? firstWidth : columnWidth) - 6;
            cells.push_back(Cell{texts.at(c), font, colour, left, width, c == 0 ? Qt::AlignLeft : Qt::AlignRight});
        }
        page.row(cells, page.lineHeight(font), wrap);
    };
    row(table.headings, page.font(8.5, true), Qt::black, true);
    page.rule(x, w, 0.8, QColor(190, 190, 190));
    page.down(2);
    for (const QStringList &texts : table.rows)
        row(texts, page.font(8.5), artwork::kNavy, wrapNames);
    page.down(kGap);
}

} // namespace report
