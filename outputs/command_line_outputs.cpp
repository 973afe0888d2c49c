// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/command_line_outputs.h"

#include "document/facility_document.h"
#include "model/facility/facility_file.h"
#include "model/finance/risk_simulation.h"
#include "model/records/records_choice.h"
#include "model/records/records_export.h"
#include "model/records/savings_check_text.h"
#include "model/text/message_text.h"
#include "outputs/report_builder.h"
#include "platform/console_output.h"
#include "report/report_page.h"
#include "workbook/summary.h"
#include "workbook/workbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace outputs {
namespace {

int fail(const QString &why)
{
    platform::writeLine(stderr, QStringLiteral("velmor-calculator: ") + QString(why).replace(u'\n', u' '));
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

// The export read as the window would first show it, with what the command
// line says of it put over the guess: refused, after saying why, when it
// does not read, its dates leave the order of day and month open, or no
// work order holds the failure words and none were given.
std::optional<model::RecordsEvidence> recordsOf(const document::FacilityDocument &facility,
                                                const model::RecordsRequest &request)
{
    const QString &path = request.file;
    bool numbered = false;
    const int sheetNumber = request.sheet.toInt(&numbered);
    model::RecordsExportReading read = model::readRecordsExport(path, numbered ? sheetNumber - 1 : 0);
    if (read.records && !request.sheet.isEmpty() && !numbered) {
        const qsizetype at = read.records->sheets.indexOf(request.sheet);
        if (at < 0)
            read = {std::nullopt, model::recordsRefusal(path, QCoreApplication::translate("main", "It has no sheet %1.")
                                                                  .arg(model::quotedForMessage(request.sheet)))};
        else if (at > 0)
            read = model::readRecordsExport(path, int(at));
    }
    // A cell's text may hold an escape sequence meant for the terminal.
    if (!read.records) {
        fail(model::escapedForMessage(read.problem));
        return std::nullopt;
    }
    const model::RecordsExport &records = *read.records;
    model::RecordsChoice choice = model::startingChoice(records.table, facility.records(), facility.locale());
    if (const std::optional<QString> why = model::applyRequest(choice, records.table, request)) {
        fail(model::escapedForMessage(model::recordsRefusal(path, *why)));
        return std::nullopt;
    }
    if (choice.dateOrderOpen) {
        const int column = choice.mapping[std::size_t(model::WorkOrderColumn::Date)].value_or(0);
        fail(model::recordsRefusal(
            path, QCoreApplication::translate("main", "The dates of column %1 could be day first or month first "
                                                      "(03/04/2024); their order can be chosen in the window.")
                      .arg(model::quotedForMessage(records.table.header.value(column)))));
        return std::nullopt;
    }
    const model::EvidenceReading reading = model::evidenceOf(records.table, choice, records.fileName, records.sha256,
                                                             records.sheets.value(records.sheet), facility.locale());
    if (!reading.evidence) {
        fail(model::escapedForMessage(model::recordsRefusal(path, reading.problem)));
        return std::nullopt;
    }
    // Words kept from an earlier export may match nothing in this one; and
    // an export in which no work type reads as a repair has no failures to
    // count, whatever the words, unless the types are given.
    const std::optional<QStringList> &types = reading.evidence->counting.failureTypes;
    const bool noTypeChosen = types && types->isEmpty() && !request.failureTypes;
    if (reading.evidence->summary.failures == 0 && (!request.failureWords || noTypeChosen)) {
        fail(model::escapedForMessage(model::recordsRefusal(path, model::noFailuresFoundText(*reading.evidence))));
        return std::nullopt;
    }
    return reading.evidence;
}

// Loaded, and with records named, the records applied.
bool loaded(document::FacilityDocument &facility, const QString &figuresFile, const model::RecordsRequest &request)
{
    if (!loaded(facility, figuresFile))
        return false;
    if (request.file.isEmpty())
        return true;
    const std::optional<model::RecordsEvidence> records = recordsOf(facility, request);
    if (records)
        facility.applyRecords(*records);
    return records.has_value();
}

} // namespace

int printRecordsFromCommandLine(const model::RecordsRequest &request, const QString &figuresFile)
{
    document::FacilityDocument facility{QLocale()};
    if (!loaded(facility, figuresFile))
        return 1;
    const std::optional<model::RecordsEvidence> records = recordsOf(facility, request);
    if (!records)
        return 1;
    for (const QString &line : model::evidenceLines(*records, facility.locale()))
        platform::writeLine(stdout, model::escapedForMessage(line));
    for (const QString &line : model::worstAssetLines(records->summary, facility.locale()))
        platform::writeLine(stdout, QStringLiteral("  ") + model::escapedForMessage(line));
    // What the case assumed beside what the records measured.
    if (const std::optional<model::SavingsCheck> &check = records->summary.check) {
        const double assumed =
            facility.assumptions().reductionPercent[std::size_t(model::RiskInput::BearingsReduction)];
        platform::writeLine(stdout, model::assumedBesideMeasuredText(*check, assumed, facility.locale()));
    }
    return 0;
}

int writeReportFromCommandLine(const QString &reportFile, const QString &figuresFile,
                               const model::RecordsRequest &records)
{
    document::FacilityDocument facility{QLocale()};
    if (!loaded(facility, figuresFile, records))
        return 1;
    const BuiltReport built = buildReport(facility, QDate::currentDate());
    if (!built.content)
        return fail(built.problem);
    QString error;
    if (!report::exportReportPdf(reportFile, *built.content, &error))
        return fail(error);
    return 0;
}

int writeWorkbookFromCommandLine(const QString &workbookFile, const QString &figuresFile,
                                 const model::RecordsRequest &records)
{
    document::FacilityDocument facility{QLocale()};
    if (!loaded(facility, figuresFile, records))
        return 1;
    QString error;
    if (!workbook::exportWorkbook(workbookFile, facility.shownFacts(), facility.locale(), facility.outcome(), &error,
                                  workbook::CachedResults::Computed, facility.riskSummary()))
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
