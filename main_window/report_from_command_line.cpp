// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/report_from_command_line.h"

#include "main_window/report_builder.h"
#include "model/facility_file.h"
#include "report/report_page.h"

#include <QDate>

#include <cstdio>

namespace main_window {
namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "velmor-calculator: %s\n", qUtf8Printable(QString(why).replace(u'\n', u' ')));
    return 1;
}

} // namespace

int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile)
{
    const QLocale locale;
    ReportRequest request;
    request.locale = locale;
    request.date = QDate::currentDate();
    for (int i = 0; i < model::kInputCount; ++i)
        request.fieldTexts[std::size_t(i)] = QString::fromUtf8(model::kInputs[std::size_t(i)].defaultText);
    if (!figuresFile.isEmpty()) {
        const model::FacilityReadResult opened = model::openFacilityFile(figuresFile);
        if (!opened)
            return fail(opened.message);
        const model::FacilityFigures figures = model::figuresForLocale(*opened.figures, locale);
        request.fieldTexts = figures.figures;
        request.details = figures.report;
        request.investment = figures.investment;
        request.assumptions = figures.assumptions;
        request.currency = figures.currency;
    }
    const BuiltReport built = buildReport(request);
    if (!built.content)
        return fail(built.problem);
    QString error;
    if (!report::exportReportPdf(reportFile, *built.content, &error))
        return fail(error);
    return 0;
}

} // namespace main_window
