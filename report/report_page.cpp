// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "report/report_page.h"

#include "model/message_text.h"
#include "model/regional_digits.h"
#include "model/safe_write.h"
#include "resources/designed_colours.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <span>
#include <vector>

namespace report {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");

constexpr qreal kChartHeight = 165;
constexpr qreal kGap = 9;
// A text too wide for its box is drawn smaller, down to this share of its
// font's size, and wrapped onto more lines when even that is too wide.
constexpr qreal kSmallestFontShare = 0.7;

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

// Lays the page out from top to bottom. The first pass only measures, so
// that a page that would run over can be drawn a little smaller instead.
class PageLayout {
public:
    PageLayout(QPainter &painter, qreal left, qreal width, bool draw)
        : m_painter(painter), m_left(left), m_width(width), m_draw(draw),
          m_fontScale(72.0 / painter.device()->logicalDpiY())
    {
    }

    // The page is laid out in points on a painter scaled from the device's
    // pixels. Qt sizes a font in points for the device's resolution before
    // the painter scales it, so a font of p points is asked for at
    // p × 72 / dpi.
    QFont font(qreal points, bool bold = false) const
    {
        QFont font(kFamily);
        font.setPointSizeF(points * m_fontScale);
        font.setBold(bold);
        return font;
    }

    qreal y() const { return m_y; }

    // The width the text takes on one line in this font.
    qreal advance(const QString &text, const QFont &font) const
    {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
    }

    // A line of texts side by side, each in its box; the line is height tall
    // unless a text had to be wrapped, and then grows by as much as that text.
    void row(std::initializer_list<Cell> cells, qreal height)
    {
        row(std::span<const Cell>(cells.begin(), cells.size()), height);
    }
    // A cell too wide gets a smaller font unless wrap asks for it to be
    // wrapped at once, as a table's headings are.
    void row(std::span<const Cell> cells, qreal height, bool wrap = false)
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

    void down(qreal height) { m_y += height; }

    qreal lineHeight(const QFont &font) const { return height(font) * 1.18; }

    void rule(qreal x, qreal width, qreal thickness, const QColor &colour)
    {
        if (m_draw)
            m_painter.fillRect(QRectF(x, m_y, width, thickness), colour);
    }

    // A paragraph wrapped to the page's width, in its own font throughout.
    void paragraph(const QString &text, const QFont &font, const QColor &colour)
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

    void heading(const QString &text)
    {
        const QFont font = this->font(10, true);
        row({{text, font, artwork::kNavy, m_left, m_width}}, lineHeight(font));
    }

    void chart(const ReportContent &content)
    {
        if (m_draw && content.drawChart)
            content.drawChart(m_painter, QRectF(m_left, m_y, m_width, kChartHeight));
        down(kChartHeight);
    }

    qreal left() const { return m_left; }
    qreal width() const { return m_width; }
    bool drawing() const { return m_draw; }
    QPainter &painter() { return m_painter; }

private:
    qreal height(const QFont &font) const { return QFontMetricsF(font, m_painter.device()).height(); }

    // A text that fits its width stays as it is. A little too wide, it gets
    // a smaller font (when shrink allows); wider still, it is wrapped in the
    // smallest font at word boundaries, or anywhere in a word or number
    // longer than a line.
    FittedText fit(const QString &text, const QFont &font, qreal width, bool shrink) const
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
        }
        const QFontMetricsF metrics(fitted.font, m_painter.device());
        fitted.lines = wrapped(text, metrics, width);
        fitted.top = ascent - metrics.ascent();
        fitted.height = fitted.top + (fitted.lines.size() - 1) * metrics.lineSpacing() + metrics.height();
        return fitted;
    }

    void draw(const Cell &cell, const FittedText &fitted)
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

    QPainter &m_painter;
    qreal m_left;
    qreal m_width;
    bool m_draw;
    qreal m_fontScale;
    qreal m_y = 0;
};

// The maker and contact, the page's title and a rule under them: the top of
// both pages.
void layOutHeading(PageLayout &page, const ReportContent &c, const QString &title)
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
}

void layOut(PageLayout &page, const ReportContent &c)
{
    const qreal x = page.left();
    const qreal w = page.width();
    const QColor black(Qt::black);
    layOutHeading(page, c, c.title);

    // Who it is for and who made it, two to a line.
    const QFont labelFont = page.font(9, true);
    const QFont valueFont = page.font(9);
    const qreal half = w / 2;
    const qreal labelWidth = 68;
    const qreal labelGap = 4;
    const QString details[][2] = {
        {QCoreApplication::translate("ReportPage", "Customer:"), model::withoutDirectionControls(c.customer)},
        {QCoreApplication::translate("ReportPage", "Site:"), model::withoutDirectionControls(c.site)},
        {QCoreApplication::translate("ReportPage", "Prepared by:"), model::withoutDirectionControls(c.preparedBy)},
        {QCoreApplication::translate("ReportPage", "Date:"), c.date}};
    for (int line = 0; line < 2; ++line) {
        const auto &first = details[2 * line];
        const auto &second = details[2 * line + 1];
        const qreal valueWidth = half - labelWidth - 8;
        page.row({{first[0], labelFont, black, x, labelWidth - labelGap},
                  {first[1], valueFont, black, x + labelWidth, valueWidth},
                  {second[0], labelFont, black, x + half, labelWidth - labelGap},
                  {second[1], valueFont, black, x + half + labelWidth, valueWidth}},
                 page.lineHeight(valueFont));
    }
    page.down(kGap);

    // The twelve figures, as the "Your Data" tab shows them, in two columns
    // whose lines stand side by side.
    page.heading(QCoreApplication::translate("ReportPage", "Facility figures"));
    const QFont figureFont = page.font(8.5);
    const qreal figureLine = page.lineHeight(figureFont);
    const int rowsPerColumn = model::kInputCount / 2;
    const qreal captionWidth = half * 0.56;
    const qreal figureWidth = half * 0.18;
    const qreal unitWidth = half - captionWidth - figureWidth - 11;
    // A caption stops short of the figure after it; a figure too long for
    // its column may take what room its caption leaves.
    const qreal captionGap = 6;
    const auto captionEnd = [&](const QString &caption, const QFont &font, qreal left, qreal room) {
        return left + std::min(page.advance(caption, font), room) + captionGap;
    };
    for (int line = 0; line < rowsPerColumn; ++line) {
        const FigureLine &l = c.figures[std::size_t(line)];
        const FigureLine &r = c.figures[std::size_t(line + rowsPerColumn)];
        const qreal right = x + half;
        const qreal room = captionWidth - captionGap;
        const qreal lFigure = captionEnd(l.caption.trimmed(), figureFont, x, room);
        const qreal rFigure = captionEnd(r.caption.trimmed(), figureFont, right, room);
        page.row({{l.caption.trimmed(), figureFont, black, x, room},
                  {l.text, figureFont, black, lFigure, x + captionWidth + figureWidth - lFigure, Qt::AlignRight},
                  {l.unit, figureFont, black, x + captionWidth + figureWidth + 3, unitWidth},
                  {r.caption.trimmed(), figureFont, black, right, room},
                  {r.text, figureFont, black, rFigure, right + captionWidth + figureWidth - rFigure, Qt::AlignRight},
                  {r.unit, figureFont, black, right + captionWidth + figureWidth + 3, unitWidth}},
                 figureLine);
    }
    page.down(kGap);

    // The three cost tables, with the result tabs' captions and figures.
    const QFont rowFont = page.font(8.5);
    const QFont totalFont = page.font(8.5, true);
    const qreal rowLine = page.lineHeight(rowFont);
    const QColor grey(190, 190, 190);
    // The figures stand in the right four tenths; a caption ends short of
    // them, and a figure too long for them takes the room its caption leaves.
    const qreal rowCaptionWidth = w * 0.6 - captionGap - 8;
    for (const CostTableText &table : c.tables) {
        page.row({{table.title, page.font(8.5, true), artwork::kNavy, x, w}}, rowLine + 1);
        for (int r = 0; r < model::kRowCount; ++r) {
            const bool total = r == model::kRowCount - 1;
            if (total)
                page.rule(x, w, 0.8, grey);
            const QColor colour = total ? black : artwork::kNavy;
            const QString &caption = table.captions[std::size_t(r)];
            const QFont &captionFont = total ? totalFont : rowFont;
            const qreal figureLeft = captionEnd(caption, captionFont, x + 8, rowCaptionWidth);
            page.row({{caption, captionFont, colour, x + 8, rowCaptionWidth},
                      {table.figures[std::size_t(r)], totalFont, colour, figureLeft, x + w - 8 - figureLeft,
                       Qt::AlignRight}},
                     rowLine);
        }
        page.down(kGap * 0.6);
    }

    // Under the tables, how they are computed.
    page.paragraph(c.assumptions, page.font(7.5), QColor(64, 64, 64));
    page.down(kGap);
    page.chart(c);
    page.down(kGap);

    if (!c.payback.isEmpty()) {
        page.heading(QCoreApplication::translate("ReportPage", "Payback"));
        const QFont paybackFont = page.font(9);
        for (const QString &line : c.payback)
            page.row({{line, paybackFont, black, x + 8, w - 8}}, page.lineHeight(paybackFont));
    }
}

constexpr qreal kBusinessChartHeight = 250;
// Years 0 to 10 fit on the business case page; a longer period's go on the
// third page.
constexpr std::size_t kCashFlowRowsOnPage = 11;
constexpr qreal kNpvTornadoHeight = 330;
constexpr qreal kSpiderHeight = 250;

bool cashFlowOnItsOwnPage(const BusinessCasePage &b) { return b.cashFlow.rows.size() > kCashFlowRowsOnPage; }

// The cash flows as a table over the page's width: the year narrow, every
// other column an equal share, figures to the right.
void layOutCashFlow(PageLayout &page, const BusinessCasePage &b)
{
    const qreal x = page.left() + 8;
    const qreal w = page.width() - 8;
    const QStringList &headings = b.cashFlow.headings;
    if (headings.isEmpty())
        return;
    page.heading(b.cashFlowTitle);
    const qreal yearWidth = w * 0.06;
    const qreal columnWidth = (w - yearWidth) / std::max<qsizetype>(1, headings.size() - 1);
    const QFont cellFont = page.font(7.5);
    const QFont headFont = page.font(7.5, true);
    const auto row = [&](const QStringList &texts, const QFont &font, const QColor &colour, bool wrap) {
        std::vector<Cell> cells;
        for (qsizetype c = 0; c < texts.size(); ++c) {
            const qreal left = c == 0 ? x : x + yearWidth + (c - 1) * columnWidth;
            const qreal width = (c == 0 ? yearWidth : columnWidth) - 4;
            cells.push_back(Cell{texts.at(c), font, colour, left, width, Qt::AlignRight});
        }
        page.row(cells, page.lineHeight(font), wrap);
    };
    row(headings, headFont, Qt::black, true);
    page.rule(x, w, 0.8, QColor(190, 190, 190));
    page.down(2);
    for (const QStringList &texts : b.cashFlow.rows)
        row(texts, cellFont, artwork::kNavy, false);
    page.down(kGap);
}

// The second page: who it is for, the measures, the three cases, the cash
// flow and the sensitivity side by side, and what it all assumes.
void layOutBusinessCase(PageLayout &page, const ReportContent &c)
{
    const BusinessCasePage &b = *c.businessCase;
    const qreal x = page.left();
    const qreal w = page.width();
    const QColor black(Qt::black);
    layOutHeading(page, c, b.title);
    const QFont textFont = page.font(9);
    page.row({{model::withoutDirectionControls(b.forWhom), textFont, black, x, w}}, page.lineHeight(textFont));
    page.down(kGap);

    page.heading(QCoreApplication::translate("ReportPage", "Investment and measures"));
    for (const QString &line : b.measures)
        page.row({{line, textFont, black, x + 8, w - 8}}, page.lineHeight(textFont));
    page.down(kGap);

    page.heading(QCoreApplication::translate("ReportPage", "Cases"));
    const QFont cellFont = page.font(8.5);
    const QFont headFont = page.font(8.5, true);
    // Case, reductions, savings, payback, net present value.
    const std::array<qreal, 5> share{0.16, 0.26, 0.2, 0.16, 0.22};
    const auto caseRow = [&](const CaseText &text, const QFont &font, const QColor &colour) {
        std::array<qreal, 5> left{};
        for (std::size_t i = 1; i < left.size(); ++i)
            left[i] = left[i - 1] + share[i - 1] * (w - 8);
        const auto cell = [&](std::size_t i, const QString &t, Qt::Alignment alignment) {
            return Cell{t, font, colour, x + 8 + left[i], share[i] * (w - 8) - 6, alignment};
        };
        page.row({cell(0, text.name, Qt::AlignLeft), cell(1, text.reductions, Qt::AlignLeft),
                  cell(2, text.savings, Qt::AlignRight), cell(3, text.payback, Qt::AlignRight),
                  cell(4, text.npv, Qt::AlignRight)},
                 page.lineHeight(font));
    };
    caseRow(b.caseHeadings, headFont, black);
    page.rule(x + 8, w - 8, 0.8, QColor(190, 190, 190));
    page.down(2);
    for (const CaseText &text : b.cases)
        caseRow(text, cellFont, artwork::kNavy);
    page.down(kGap);
    if (!cashFlowOnItsOwnPage(b))
        layOutCashFlow(page, b);

    const qreal chartTop = page.y();
    const qreal cashWidth = w * 0.42;
    if (page.drawing()) {
        if (b.drawCashFlow)
            b.drawCashFlow(page.painter(), QRectF(x, chartTop, cashWidth, kBusinessChartHeight));
        if (b.drawTornado)
            b.drawTornado(page.painter(), QRectF(x + cashWidth + 8, chartTop, w - cashWidth - 8, kBusinessChartHeight));
    }
    page.down(kBusinessChartHeight + kGap);

    page.heading(QCoreApplication::translate("ReportPage", "Assumptions"));
    const QFont smallFont = page.font(8.5);
    for (const QString &line : b.assumptions) {
        page.paragraph(line, smallFont, black);
        page.down(2);
    }
    page.down(kGap * 0.6);
    page.paragraph(b.note, page.font(7.5), QColor(64, 64, 64));
}

// The third page: the sensitivity of the net present value, a tornado and
// the spider chart, and a cash flow too long for the second page.
void layOutSensitivityPage(PageLayout &page, const ReportContent &c)
{
    const BusinessCasePage &b = *c.businessCase;
    layOutHeading(page, c, b.sensitivityTitle);
    page.row({{model::withoutDirectionControls(b.forWhom), page.font(9), Qt::black, page.left(), page.width()}},
             page.lineHeight(page.font(9)));
    page.down(kGap);
    if (cashFlowOnItsOwnPage(b))
        layOutCashFlow(page, b);
    for (const auto &[draw, height] :
         {std::pair{&b.drawNpvTornado, kNpvTornadoHeight}, {&b.drawSpider, kSpiderHeight}}) {
        if (page.drawing() && *draw)
            (*draw)(page.painter(), QRectF(page.left(), page.y(), page.width(), height));
        page.down(height + kGap);
    }
}

// A table over the page's width: the first column its share of the width,
// every other an equal share, figures to the right.
void layOutTable(PageLayout &page, const TableText &table, qreal firstShare)
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
        row(texts, page.font(8.5), artwork::kNavy, false);
    page.down(kGap);
}

constexpr qreal kRiskChartHeight = 230;

// The risk page: the percentiles, what else the runs came to, the histogram
// and the S-curve side by side, and the ranges they were drawn from.
void layOutRiskPage(PageLayout &page, const ReportContent &c)
{
    const RiskPage &r = *c.risk;
    const qreal x = page.left();
    const qreal w = page.width();
    layOutHeading(page, c, r.title);
    const QFont textFont = page.font(9);
    page.row({{model::withoutDirectionControls(r.forWhom), textFont, Qt::black, x, w}}, page.lineHeight(textFont));
    page.down(kGap);
    layOutTable(page, r.quantiles, 0.4);
    for (const QString &line : r.facts)
        page.row({{line, textFont, Qt::black, x + 8, w - 8}}, page.lineHeight(textFont));
    page.down(kGap);
    const qreal half = (w - 8) / 2;
    if (page.drawing()) {
        if (r.drawHistogram)
            r.drawHistogram(page.painter(), QRectF(x, page.y(), half, kRiskChartHeight));
        if (r.drawCurve)
            r.drawCurve(page.painter(), QRectF(x + half + 8, page.y(), half, kRiskChartHeight));
    }
    page.down(kRiskChartHeight + kGap);
    page.heading(r.rangesTitle);
    layOutTable(page, r.ranges, 0.46);
    page.paragraph(r.note, page.font(7.5), QColor(64, 64, 64));
}

using PageContents = void (*)(PageLayout &, const ReportContent &);

// How much smaller than designed the page must be drawn to end above its
// foot: 1 when it fits as it is. Drawn smaller, the page has more room across,
// so long texts need fewer lines and the page can be drawn a little larger
// again; the largest scale that still fits is looked for in a few steps.
qreal pageScale(QPainter &painter, const QSizeF &area, const ReportContent &content, PageContents contents)
{
    const auto heightAt = [&](qreal scale) {
        PageLayout measure(painter, 0, area.width() / scale, false);
        contents(measure, content);
        return measure.y() * scale;
    };
    const qreal designed = heightAt(1);
    // An area without height holds nothing, however small.
    if (designed <= area.height() || area.height() <= 0)
        return 1;
    qreal fits = area.height() / designed;
    // Wrapping never takes more lines in a wider box, so this fits; were it
    // ever to, a smaller scale is taken.
    for (int step = 0; step < 20 && heightAt(fits) > area.height(); ++step)
        fits *= 0.95;
    qreal over = 1;
    for (int step = 0; step < 8; ++step) {
        const qreal scale = (fits + over) / 2;
        (heightAt(scale) <= area.height() ? fits : over) = scale;
    }
    return fits;
}

} // namespace

QPageSize pageSizeFor(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout reportPageLayout(const ReportContent &content)
{
    return QPageLayout(content.pageSize, QPageLayout::Portrait, QMarginsF(36, 36, 36, 36), QPageLayout::Point);
}

namespace {

void paintPage(QPainter &painter, const QRectF &area, const ReportContent &content, PageContents contents)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Measured first: a page that would run over its foot is drawn smaller.
    const qreal fit = pageScale(painter, area.size(), content, contents);
    painter.translate(area.topLeft());
    painter.scale(fit, fit);
    PageLayout page(painter, 0, area.width() / fit, true);
    contents(page, content);
    painter.restore();
}

} // namespace

void paintReport(QPainter &painter, const QRectF &area, const ReportContent &content)
{
    paintPage(painter, area, content, layOut);
}

void paintBusinessCase(QPainter &painter, const QRectF &area, const ReportContent &content)
{
    if (content.businessCase)
        paintPage(painter, area, content, layOutBusinessCase);
}

void paintRisk(QPainter &painter, const QRectF &area, const ReportContent &content)
{
    if (content.risk)
        paintPage(painter, area, content, layOutRiskPage);
}

bool paintReportPage(QPagedPaintDevice &device, const ReportContent &content)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Everything is laid out in points.
    const qreal scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    const QRectF printable = device.pageLayout().paintRect(QPageLayout::Point);
    const QRectF area(QPointF(0, 0), printable.size());
    paintReport(painter, area, content);
    if (content.businessCase) {
        if (!device.newPage())
            return false;
        paintBusinessCase(painter, area, content);
        if (!device.newPage())
            return false;
        paintPage(painter, area, content, layOutSensitivityPage);
    }
    if (content.risk) {
        if (!device.newPage())
            return false;
        paintRisk(painter, area, content);
    }
    return painter.end();
}

bool exportReportPdf(const QString &path, const ReportContent &content, QString *error)
{
    const model::WriteResult written = model::writeFileSafely(path, model::kPdfKind, [&content](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setTitle(content.title);
        writer.setCreator(content.maker);
        writer.setPageLayout(reportPageLayout(content));
        // The chart is laid out with the screen's font metrics; at the same
        // resolution its texts keep their places on the page.
        writer.setResolution(96);
        if (!paintReportPage(writer, content))
            return std::optional<QString>(QCoreApplication::translate("ReportPage", "The page could not be drawn."));
        return std::optional<QString>();
    });
    if (!written && error) {
        *error = QCoreApplication::translate("ReportPage", "Could not write the report to %1. %2")
                     .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), written.reason);
    }
    return bool(written);
}

} // namespace report
