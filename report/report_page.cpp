// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "report/report_page.h"

#include "platform/designed_look.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace report {
namespace {

const QString kFamily = QStringLiteral("Liberation Sans");


constexpr qreal kChartHeight = 165;
constexpr qreal kGap = 9;

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

    void text(const QString &text, const QFont &font, const QColor &colour, qreal x, qreal width,
              Qt::Alignment alignment = Qt::AlignLeft)
    {
        if (!m_draw)
            return;
        m_painter.setFont(font);
        m_painter.setPen(colour);
        const qreal height = QFontMetricsF(font, m_painter.device()).height();
        m_painter.drawText(QRectF(x, m_y, width, height), int(alignment | Qt::AlignTop), text);
    }

    void down(qreal height) { m_y += height; }

    qreal lineHeight(const QFont &font) const { return QFontMetricsF(font, m_painter.device()).height() * 1.18; }

    void rule(qreal x, qreal width, qreal thickness, const QColor &colour)
    {
        if (m_draw)
            m_painter.fillRect(QRectF(x, m_y, width, thickness), colour);
    }

    // A paragraph wrapped to the width; returns its height.
    void paragraph(const QString &text, const QFont &font, const QColor &colour)
    {
        const QRectF room(m_left, m_y, m_width, 1000);
        const int flags = int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        m_painter.setFont(font);
        const QRectF used = m_painter.boundingRect(room, flags, text);
        if (m_draw) {
            m_painter.setPen(colour);
            m_painter.drawText(room, flags, text);
        }
        m_y += used.height();
    }

    void heading(const QString &text)
    {
        const QFont font = this->font(10, true);
        this->text(text, font, platform::kNavy, m_left, m_width);
        down(lineHeight(font));
    }

    void chart(const ReportContent &content)
    {
        if (m_draw && content.drawChart)
            content.drawChart(m_painter, QRectF(m_left, m_y, m_width, kChartHeight));
        down(kChartHeight);
    }

    qreal left() const { return m_left; }
    qreal width() const { return m_width; }

private:
    QPainter &m_painter;
    qreal m_left;
    qreal m_width;
    bool m_draw;
    qreal m_fontScale;
    qreal m_y = 0;
};

void layOut(PageLayout &page, const ReportContent &c)
{
    const qreal x = page.left();
    const qreal w = page.width();
    const QColor black(Qt::black);

    const QFont makerFont = page.font(9, true);
    page.text(c.maker, makerFont, platform::kNavy, x, w);
    page.text(c.contact, page.font(8), platform::kNavy, x, w, Qt::AlignRight);
    page.down(page.lineHeight(makerFont));
    const QFont titleFont = page.font(17, true);
    page.text(c.title, titleFont, black, x, w);
    page.down(page.lineHeight(titleFont));
    page.rule(x, w, 1.2, platform::kNavy);
    page.down(kGap);

    // Who it is for and who made it, two to a line.
    const QFont labelFont = page.font(9, true);
    const QFont valueFont = page.font(9);
    const qreal half = w / 2;
    const qreal labelWidth = 68;
    const QString details[][2] = {{QStringLiteral("Customer:"), c.customer}, {QStringLiteral("Site:"), c.site},
                                  {QStringLiteral("Prepared by:"), c.preparedBy}, {QStringLiteral("Date:"), c.date}};
    for (int line = 0; line < 2; ++line) {
        for (int column = 0; column < 2; ++column) {
            const auto &detail = details[2 * line + column];
            const qreal left = x + column * half;
            page.text(detail[0], labelFont, black, left, labelWidth);
            page.text(detail[1], valueFont, black, left + labelWidth, half - labelWidth - 8);
        }
        page.down(page.lineHeight(valueFont));
    }
    page.down(kGap);

    // The twelve figures, as the "Your Data" tab shows them, in two columns.
    page.heading(QStringLiteral("Facility figures"));
    const QFont figureFont = page.font(8.5);
    const qreal figureLine = page.lineHeight(figureFont);
    const qreal rowsPerColumn = 6;
    const qreal top = page.y();
    for (int i = 0; i < int(c.figures.size()); ++i) {
        const FigureLine &figure = c.figures[std::size_t(i)];
        const qreal left = x + (i < rowsPerColumn ? 0 : half);
        const qreal captionWidth = half * 0.56;
        const qreal figureWidth = half * 0.18;
        page.down((i % int(rowsPerColumn) == 0 ? top - page.y() : 0));
        page.text(figure.caption.trimmed(), figureFont, black, left, captionWidth);
        page.text(figure.text, figureFont, black, left + captionWidth, figureWidth, Qt::AlignRight);
        page.text(figure.unit, figureFont, black, left + captionWidth + figureWidth + 3, half - captionWidth - figureWidth - 11);
        page.down(figureLine);
    }
    page.down(kGap);

    // The three cost tables, with the result tabs' captions and figures.
    const QFont rowFont = page.font(8.5);
    const QFont totalFont = page.font(8.5, true);
    const qreal rowLine = page.lineHeight(rowFont);
    const QColor grey(190, 190, 190);
    for (const CostTableText &table : c.tables) {
        page.text(table.title, page.font(8.5, true), platform::kNavy, x, w);
        page.down(rowLine + 1);
        for (int r = 0; r < 6; ++r) {
            const bool total = r == 5;
            if (total)
                page.rule(x, w, 0.8, grey);
            page.text(table.captions[std::size_t(r)], total ? totalFont : rowFont, total ? black : platform::kNavy, x + 8,
                      w * 0.7);
            page.text(table.figures[std::size_t(r)], totalFont, total ? black : platform::kNavy, x + w * 0.6,
                      w * 0.4 - 8, Qt::AlignRight);
            page.down(rowLine);
        }
        page.down(kGap * 0.6);
    }

    // Under the tables, how they are computed.
    page.paragraph(c.assumptions, page.font(7.5), QColor(64, 64, 64));
    page.down(kGap);
    page.chart(c);
    page.down(kGap);

    if (!c.payback.isEmpty()) {
        page.heading(QStringLiteral("Payback"));
        const QFont paybackFont = page.font(9);
        for (const QString &line : c.payback) {
            page.text(line, paybackFont, black, x + 8, w - 8);
            page.down(page.lineHeight(paybackFont));
        }
    }
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

void paintReport(QPainter &painter, const QRectF &area, const ReportContent &content)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Measured first: a page that would run over its foot is drawn smaller.
    PageLayout measure(painter, 0, area.width(), false);
    layOut(measure, content);
    const qreal fit = std::min<qreal>(1, area.height() / std::max<qreal>(1, measure.y()));
    painter.translate(area.topLeft());
    painter.scale(fit, fit);
    PageLayout page(painter, 0, area.width() / fit, true);
    layOut(page, content);
    painter.restore();
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
    paintReport(painter, QRectF(QPointF(0, 0), printable.size()), content);
    return painter.end();
}

bool exportReportPdf(const QString &path, const ReportContent &content, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("The report could not be written to \"%1\": %2.").arg(path, why);
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setTitle(content.title);
        writer.setCreator(content.maker);
        writer.setPageLayout(reportPageLayout(content));
        // The chart is laid out with the screen's font metrics; at the same
        // resolution its texts keep their places on the page.
        writer.setResolution(96);
        if (!paintReportPage(writer, content)) {
            file.cancelWriting();
            return fail(QStringLiteral("the page could not be drawn"));
        }
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace report
