// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/command_line_outputs.h"

#include "document/facility_document.h"
#include "model/facility_file.h"
#include "model/message_text.h"
#include "outputs/report_builder.h"
#include "report/report_page.h"
#include "workbook/summary.h"
#include "workbook/workbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <cstdio>

namespace outputs {
namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "velmor-calculator: %s\n", qUtf8Printable(QString(why).replace(u'\n', u' ')));
    return 1;
}

// Loads a facility file into the document and shows its figures in the
// document's regional settings; with no file named the document keeps the
// default figures. False, after saying why, when the file cannot be opened
// or its figures cannot be used.
bool loaded(document::FacilityDocument &facility, const QString &figuresFile)
{
    if (figuresFile.isEmpty())
        return true;
    const QLocale shownIn = facility.locale();
    const model::FacilityReadResult opened = facility.open(figuresFile);
    if (!opened) {
        fail(opened.message);
        return false;
    }
    // Refused as --summary refuses it, in the settings the figures were
    // typed in: the file named, then what is wrong, with no more than the
    // start of a wrong figure. A figure that was no number there is none
    // here either, even where these settings would read it as one.
    if (const std::optional<QString> problem = workbook::figuresProblem(facility.figures())) {
        fail(QCoreApplication::translate("main", "Could not use the figures of %1. %2")
                 .arg(model::quotedForMessage(QDir::toNativeSeparators(figuresFile)), *problem));
        return false;
    }
    facility.showIn(shownIn);
    return true;
}

} // namespace

int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile)
{
    document::FacilityDocument facility{QLocale()};
    if (!loaded(facility, figuresFile))
        return 1;
    const BuiltReport built = buildReport(facility, QDate::currentDate());
    if (!built.content)
        return fail(built.problem);
    QString error;
    if (!report::exportReportPdf(reportFile, *built.content, &error))
        return fail(error);
    return 0;
}

int writeWorkbookFromCommandLine(const QString &workbookFile, const QString &figuresFile)
{
    document::FacilityDocument facility{QLocale()};
    if (!loaded(facility, figuresFile))
        return 1;
    QString error;
    if (!workbook::exportWorkbook(workbookFile, facility.figureTexts(), facility.locale(), facility.assumptions(),
                                  facility.investment(), &error, facility.currencyUnits(), facility.capital(),
                                  facility.riskRanges()))
        return fail(error);
    return 0;
}

// Each file in the settings its figures were typed in, as they were saved.
int writeSummaryFromCommandLine(const QString &summaryFile, const QStringList &figuresFiles)
{
    std::vector<workbook::SummaryRow> rows;
    for (const QString &path : figuresFiles) {
        document::FacilityDocument facility;
        if (const model::FacilityReadResult opened = facility.open(path); !opened)
            return fail(opened.message);
        const workbook::SummaryReading reading = workbook::summaryOf(path, facility.figures());
        if (!reading.problem.isEmpty())
            return fail(reading.problem);
        rows.insert(rows.end(), reading.rows.begin(), reading.rows.end());
    }
    QString error;
    if (!workbook::writeSummary(summaryFile, rows, &error))
        return fail(error);
    return 0;
}

} // namespace outputs
