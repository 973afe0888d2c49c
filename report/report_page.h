// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "report/report_content.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace report {

// US Letter where the regional settings measure in US units, A4 elsewhere.
QPageSize pageSizeFor(const QLocale &locale);

// The report's page: the content's page size, portrait, with 36 pt margins
// all round. The PDF export and the printer both start from it, so that a
// printed report is the exported page.
QPageLayout reportPageLayout(const ReportContent &content);

// Lays the report's first page out; the rectangle is the printable area in
// points (1/72 inch).
void paintReport(QPainter &painter, const QRectF &area, const ReportContent &content);
// The same for the business case page, when the content has one.
void paintBusinessCase(QPainter &painter, const QRectF &area, const ReportContent &content);

// The same for the risk page, when the content has one.
void paintRisk(QPainter &painter, const QRectF &area, const ReportContent &content);

// Paints the report on a PDF writer or a printer, whatever its resolution:
// one page, and with a business case its page and the sensitivity of its
// net present value on a third, then the risk page and the savings check's
// when there are. False when the device could not be painted on.
bool paintReportPage(QPagedPaintDevice &device, const ReportContent &content);

// Writes the report as a PDF through model::writeFileSafely(): the
// file is either written whole or left as it was, and only a PDF document
// (or a new file) is ever replaced. On failure the message naming the file
// and the reason is put into error.
bool exportReportPdf(const QString &path, const ReportContent &content, QString *error);

} // namespace report
