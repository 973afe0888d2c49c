// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/summary.h"
#include "model/model_text.h"

#include "model/business_case.h"
#include "model/facility_file.h"
#include "model/message_text.h"
#include "model/results.h"
#include "workbook/xlsx_file.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>

namespace workbook {
namespace {

const char *const kHeader[] = {"File", "Customer", "Site", "Current annual cost", "Velmor annual cost",
                               "Annual savings", "Payback (months)", "Net present value"};
constexpr int kColumnCount = 8;

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvNumber(std::optional<double> value)
{
    return value ? QString::number(*value, 'f', 2) : QString();
}

struct Totals {
    double current = 0;
    double velmor = 0;
    double savings = 0;
    std::optional<double> npv;
};

Totals totalsOf(const std::vector<SummaryRow> &rows)
{
    Totals totals;
    for (const SummaryRow &row : rows) {
        totals.current += row.currentTotal;
        totals.velmor += row.velmorTotal;
        totals.savings += row.savingsTotal;
        if (row.npv)
            totals.npv = totals.npv.value_or(0) + *row.npv;
    }
    return totals;
}

std::optional<QString> problemOf(const model::FacilityFigures &figures, SummaryRow &row)
{
    const QLocale locale(figures.locale);
    const model::Results results = model::computeResults(figures.figures, locale, figures.assumptions);
    if (results.failedField) {
        return QStringLiteral("The figure for \u201c%1\u201d is not a number.")
            .arg(model::inputText(model::kInputs[std::size_t(*results.failedField)].caption).trimmed());
    }
    if (results.fault)
        return QStringLiteral("Its figures cannot be computed: %1.").arg(QString::fromLatin1(model::faultName(*results.fault)));
    const model::InvestmentReading reading = model::readInvestment(figures.investment, locale);
    if (!reading.problem.isEmpty())
        return reading.problem;
    row.customer = figures.report.customer;
    row.site = figures.report.site;
    row.currentTotal = results.table(model::Table::Current).row(model::kRowCount);
    row.velmorTotal = results.table(model::Table::Velmor).row(model::kRowCount);
    row.savingsTotal = results.table(model::Table::Savings).row(model::kRowCount);
    if (reading.investment) {
        const model::BusinessCase measures = model::businessCaseOf(row.savingsTotal, *reading.investment);
        row.paybackMonths = measures.paybackMonths;
        row.npv = measures.npv;
    }
    return std::nullopt;
}

std::optional<QString> fillSummarySheet(lxw_workbook *book, const std::vector<SummaryRow> &rows)
{
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *money = workbook_add_format(book);
    format_set_num_format(money, "$#,##0.00");
    lxw_format *months = workbook_add_format(book);
    format_set_num_format(months, "0.0");
    Sheet sheet(book, "Summary", false);
    sheet.columnWidth(0, 28);
    sheet.columnWidth(1, 24);
    sheet.columnWidth(2, 20);
    for (int c = 3; c < kColumnCount; ++c)
        sheet.columnWidth(c, 18);
    for (int c = 0; c < kColumnCount; ++c)
        sheet.text(0, c, QString::fromLatin1(kHeader[c]), bold);
    int r = 1;
    for (const SummaryRow &row : rows) {
        sheet.text(r, 0, row.fileName);
        sheet.text(r, 1, row.customer);
        sheet.text(r, 2, row.site);
        sheet.number(r, 3, row.currentTotal, money);
        sheet.number(r, 4, row.velmorTotal, money);
        sheet.number(r, 5, row.savingsTotal, money);
        if (row.paybackMonths)
            sheet.number(r, 6, *row.paybackMonths, months);
        if (row.npv)
            sheet.number(r, 7, *row.npv, money);
        ++r;
    }
    const Totals totals = totalsOf(rows);
    const auto sum = [&](int column) {
        return QStringLiteral("SUM(%1:%2)").arg(cellName(1, column), cellName(r - 1, column));
    };
    sheet.text(r, 0, QStringLiteral("Total"), bold);
    sheet.formula(r, 3, sum(3), totals.current, money);
    sheet.formula(r, 4, sum(4), totals.velmor, money);
    sheet.formula(r, 5, sum(5), totals.savings, money);
    if (totals.npv)
        sheet.formula(r, 7, sum(7), *totals.npv, money);
    if (sheet.error() != LXW_NO_ERROR)
        return QStringLiteral("The workbook could not be made: %1.").arg(QString::fromUtf8(lxw_strerror(sheet.error())));
    return std::nullopt;
}

} // namespace

SummaryReading readSummary(const QStringList &files)
{
    SummaryReading reading;
    for (const QString &path : files) {
        const model::FacilityReadResult opened = model::openFacilityFile(path);
        if (!opened) {
            reading.problem = opened.message;
            return reading;
        }
        SummaryRow row;
        row.fileName = QFileInfo(path).fileName();
        if (const std::optional<QString> problem = problemOf(*opened.figures, row)) {
            reading.problem = QStringLiteral("Could not sum up %1. %2")
                                  .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), *problem);
            return reading;
        }
        reading.rows.push_back(row);
    }
    return reading;
}

QByteArray summaryCsv(const std::vector<SummaryRow> &rows)
{
    QStringList lines;
    QStringList header;
    for (const char *caption : kHeader)
        header << QString::fromLatin1(caption);
    lines << header.join(u',');
    for (const SummaryRow &row : rows) {
        lines << QStringList{csvField(row.fileName), csvField(row.customer), csvField(row.site),
                             csvNumber(row.currentTotal), csvNumber(row.velmorTotal), csvNumber(row.savingsTotal),
                             csvNumber(row.paybackMonths), csvNumber(row.npv)}
                     .join(u',');
    }
    const Totals totals = totalsOf(rows);
    lines << QStringList{QStringLiteral("Total"), QString(), QString(), csvNumber(totals.current),
                         csvNumber(totals.velmor), csvNumber(totals.savings), QString(), csvNumber(totals.npv)}
                 .join(u',');
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

bool writeSummary(const QString &path, const std::vector<SummaryRow> &rows, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    model::WriteResult written;
    if (suffix == u"csv") {
        const QByteArray csv = summaryCsv(rows);
        written = model::writeFileSafely(path, model::kCsvKind, [&csv](QIODevice &device) {
            device.write(csv);
            return std::optional<QString>();
        });
    } else if (suffix == u"xlsx") {
        written = writeXlsxSafely(path, [&rows](lxw_workbook *book) { return fillSummarySheet(book, rows); });
    } else {
        written.reason = QStringLiteral("A summary is written as .csv or .xlsx.");
    }
    if (!written && error) {
        *error = QStringLiteral("Could not write the summary to %1. %2")
                     .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), written.reason);
    }
    return bool(written);
}

} // namespace workbook
