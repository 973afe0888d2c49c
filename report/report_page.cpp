// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "report/report_page.h"

#include "model/files/safe_write.h"
#include "model/text/message_text.h"
#include "model/text/regional_digits.h"
#include "report/alternatives_page.h"
#include "report/page_layout.h"
#include "report/savings_check_page.h"
#include "resources/designed_colours.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace report {
namespace {

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

    if (!c.assets.rows.empty()) {
        page.down(kGap);
        page.heading(c.assetsTitle);
        layOutTable(page, c.assets, 0.25);
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
    layOutHeading(page, c, b.title, b.forWhom);
    const QFont textFont = page.font(9);

    page.heading(QCoreApplication::translate("ReportPage", "Investment and measures"));
    for (const QString &line : b.measures) {
        const Cell measure{line, textFont, black, x + 8, w - 8};
        page.row(std::span(&measure, 1), page.lineHeight(textFont), true);
    }
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
    layOutHeading(page, c, cashFlowOnItsOwnPage(b) ? b.cashFlowAndSensitivityTitle : b.sensitivityTitle);
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

constexpr qreal kRiskChartHeight = 230;

// The risk page: the percentiles, what else the runs came to, the histogram
// and the S-curve side by side, and the ranges they were drawn from.
void layOutRiskPage(PageLayout &page, const ReportContent &c)
{
    const RiskPage &r = *c.risk;
    const qreal x = page.left();
    const qreal w = page.width();
    layOutHeading(page, c, r.title, r.forWhom);
    const QFont textFont = page.font(9);
    layOutTable(page, r.quantiles, 0.4);
    // A fact too long for one line goes on the next in the same type.
    for (const QString &line : r.facts) {
        const Cell fact{line, textFont, Qt::black, x + 8, w - 8};
        page.row(std::span(&fact, 1), page.lineHeight(textFont), true);
    }
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
    if (content.alternatives) {
        if (!device.newPage())
            return false;
        paintPage(painter, area, content, layOutAlternativesPage);
    }
    if (content.risk) {
        if (!device.newPage())
            return false;
        paintRisk(painter, area, content);
    }
    if (content.savingsCheck) {
        if (!device.newPage())
            return false;
        paintPage(painter, area, content, layOutSavingsCheckPage);
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
