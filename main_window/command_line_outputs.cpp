// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/command_line_outputs.h"

#include "main_window/report_builder.h"
#include "model/facility_file.h"
#include "report/report_page.h"
#include "workbook/summary.h"
#include "workbook/workbook.h"

#include "model/message_text.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <cstdio>

namespace main_window {
namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "velmor-calculator: %s\n", qUtf8Printable(QString(why).replace(u'\n', u' ')));
    return 1;
}

// The figures of a facility file as the current regional settings read
// them, or the default figures when no file is named; nothing, after saying
// why, when the file cannot be opened.
std::optional<model::FacilityFigures> figuresOf(const QString &figuresFile, const QLocale &locale)
{
    model::FacilityFigures figures;
    figures.locale = locale.name();
    for (int i = 0; i < model::kInputCount; ++i)
        figures.figures[std::size_t(i)] = QString::fromUtf8(model::kInputs[std::size_t(i)].defaultText);
    if (figuresFile.isEmpty())
        return figures;
    const model::FacilityReadResult opened = model::openFacilityFile(figuresFile);
    if (!opened) {
        fail(opened.message);
        return std::nullopt;
    }
    // Refused as --summary refuses it: the file named, then what is wrong,
    // with no more than the start of a wrong figure.
    model::FacilityFigures read = model::figuresForLocale(*opened.figures, locale);
    if (const std::optional<QString> problem = workbook::figuresProblem(read)) {
        fail(QCoreApplication::translate("main", "Could not use the figures of %1. %2")
                 .arg(model::quotedForMessage(QDir::toNativeSeparators(figuresFile)), *problem));
        return std::nullopt;
    }
    return read;
}

} // namespace

int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile)
{
    const QLocale locale;
    const std::optional<model::FacilityFigures> figures = figuresOf(figuresFile, locale);
    if (!figures)
        return 1;
    ReportRequest request;
    request.locale = locale;
    request.date = QDate::currentDate();
    request.fieldTexts = figures->figures;
    request.details = figures->report;
    request.investment = figures->investment;
    request.assumptions = figures->assumptions;
    request.currency = figures->currency;
    const BuiltReport built = buildReport(request);
    if (!built.content)
        return fail(built.problem);
    QString error;
    if (!report::exportReportPdf(reportFile, *built.content, &error))
        return fail(error);
    return 0;
}

int writeWorkbookFromCommandLine(const QString &workbookFile, const QString &figuresFile)
{
    const QLocale locale;
    const std::optional<model::FacilityFigures> figures = figuresOf(figuresFile, locale);
    if (!figures)
        return 1;
    QString error;
    if (!workbook::exportWorkbook(workbookFile, figures->figures, locale, figures->assumptions, figures->investment,
                                  &error, figures->currency))
        return fail(error);
    return 0;
}

int writeSummaryFromCommandLine(const QString &summaryFile, const QStringList &figuresFiles)
{
    const workbook::SummaryReading reading = workbook::readSummary(figuresFiles);
    if (!reading.problem.isEmpty())
        return fail(reading.problem);
    QString error;
    if (!workbook::writeSummary(summaryFile, reading.rows, &error))
        return fail(error);
    return 0;
}

} // namespace main_window
