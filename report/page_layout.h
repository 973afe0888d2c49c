// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "report/report_content.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <span>

class QPainter;

namespace report {

// The room between the sections of a page, and the height of the first
// page's chart, in points.
inline constexpr qreal kGap = 9;
inline constexpr qreal kChartHeight = 165;

// One text of a row: what it says, how, and the box it has to fit.
struct Cell {
    QString text;
    QFont font;
    QColor colour;
    qreal x;
    qreal width;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// How a text fits its box: in its own font or a smaller one on one line, or
// wrapped onto several lines.
struct FittedText {
    QFont font;
    QStringList lines; // empty when the text stands on one line as it is
    qreal top = 0;     // below the row's top, so that its first baseline is the row's
    qreal height = 0;  // from the row's top to the foot of its last line
};

// Lays a page of the report out from top to bottom. The first pass only
// measures, so that a page that would run over can be drawn a little
// smaller instead.
class PageLayout {
public:
    PageLayout(QPainter &painter, qreal left, qreal width, bool draw);

    // The page is laid out in points on a painter scaled from the device's
    // pixels. Qt sizes a font in points for the device's resolution before
    // the painter scales it, so a font of p points is asked for at
    // p × 72 / dpi.
    QFont font(qreal points, bool bold = false) const;

    qreal y() const { return m_y; }

    // The width the text takes on one line in this font.
    qreal advance(const QString &text, const QFont &font) const;

    // A line of texts side by side, each in its box; the line is height tall
    // unless a text had to be wrapped, and then grows by as much as that text.
    void row(std::initializer_list<Cell> cells, qreal height)
    {
        row(std::span<const Cell>(cells.begin(), cells.size()), height);
    }
    // A cell too wide gets a smaller font unless wrap asks for it to be
    // wrapped at once, as a table's headings are.
    void row(std::span<const Cell> cells, qreal height, bool wrap = false);

    void down(qreal height) { m_y += height; }

    qreal lineHeight(const QFont &font) const { return height(font) * 1.18; }

    void rule(qreal x, qreal width, qreal thickness, const QColor &colour);

    // A paragraph wrapped to the page's width, in its own font throughout.
    void paragraph(const QString &text, const QFont &font, const QColor &colour);

    void heading(const QString &text);

    void chart(const ReportContent &content);

    qreal left() const { return m_left; }
    qreal width() const { return m_width; }
    bool drawing() const { return m_draw; }
    QPainter &painter() { return m_painter; }

private:
    qreal height(const QFont &font) const;

    // A text that fits its width stays as it is. A little too wide, it gets
    // a smaller font (when shrink allows); wider still, it is wrapped in the
    // smallest font at word boundaries, or anywhere in a word or number
    // longer than a line.
    FittedText fit(const QString &text, const QFont &font, qreal width, bool shrink) const;
    void draw(const Cell &cell, const FittedText &fitted);

    QPainter &m_painter;
    qreal m_left;
    qreal m_width;
    bool m_draw;
    qreal m_fontScale;
    qreal m_y = 0;
};

// The maker and contact, the page's title and a rule under them: the top of
// every page; then, on a later page, for whom it is written.
void layOutHeading(PageLayout &page, const ReportContent &c, const QString &title, const QString &forWhom = {});

// A table over the page's width: the first column its share of the width,
// every other an equal share, figures to the right.
// With wrapNames a row's texts wrap as its headings do, else they are drawn
// smaller where they would not fit.
void layOutTable(PageLayout &page, const TableText &table, qreal firstShare, bool wrapNames = false);

} // namespace report
