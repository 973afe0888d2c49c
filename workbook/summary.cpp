// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/summary.h"

#include "model/costs/currency_text.h"
#include "model/costs/model_text.h"
#include "model/costs/results.h"
#include "model/costs/table_titles.h"
#include "model/facility/facility_file.h"
#include "model/facility_outcome.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"
#include "model/text/message_text.h"
#include "model/text/money_text.h"
#include "workbook/workbook.h"
#include "workbook/xlsx_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <map>

namespace workbook {
namespace {

// The context the translations of the summary's texts are found under.
struct SummaryText {
    Q_DECLARE_TR_FUNCTIONS(SummaryText)
};

const char *const kHeader[] = {QT_TRANSLATE_NOOP("SummaryText", "File"),
                               QT_TRANSLATE_NOOP("SummaryText", "Customer"),
                               QT_TRANSLATE_NOOP("SummaryText", "Site"),
                               QT_TRANSLATE_NOOP("SummaryText", "Currency"),
                               model::kTableTitles[0].total,
                               model::kTableTitles[1].total,
                               model::kTableTitles[2].total,
                               QT_TRANSLATE_NOOP("SummaryText", "Payback (months)"),
                               QT_TRANSLATE_NOOP("SummaryText", "Net present value"),
                               QT_TRANSLATE_NOOP("SummaryText", "Paid back"),
                               QT_TRANSLATE_NOOP("SummaryText", "Net present value on hard savings")};
constexpr int kColumnCount = 10; // and the hard savings' where a file splits its savings
enum Column {
    FileColumn,
    CustomerColumn,
    SiteColumn,
    CurrencyColumn,
    CurrentColumn,
    VelmorColumn,
    SavingsColumn,
    PaybackColumn,
    NpvColumn,
    PaidBackColumn, // whether the payback falls within the period
    HardNpvColumn,
};

bool anyHard(const std::vector<SummaryRow> &rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const SummaryRow &row) { return row.hardNpv.has_value(); });
}
int columnCountOf(const std::vector<SummaryRow> &rows) { return anyHard(rows) ? kColumnCount + 1 : kColumnCount; }

// Whether a payback falls within the period: in English for the CSV, which
// scripts read, translated for the workbook.
const char *const kPaidBack[] = {QT_TRANSLATE_NOOP("SummaryText", "within"),
                                 QT_TRANSLATE_NOOP("SummaryText", "not within"),
                                 QT_TRANSLATE_NOOP("SummaryText", "never")};
const char *paidBackWord(std::optional<model::PaybackState> state) { return state ? kPaidBack[int(*state)] : ""; }

// A column's header in the interface language; the totals' columns are named
// by their tables' titles.
QString headerText(int column)
{
    if (column >= CurrentColumn && column <= SavingsColumn)
        return model::tableTitle(kHeader[column]);
    return SummaryText::tr(kHeader[column]);
}

// A text cell. One that a spreadsheet would take for a formula (a name
// beginning "=HYPERLINK(" or "-2+3") is kept as text by a leading
// apostrophe and quoted, as spreadsheets treat such a field as text. A
// control character other than a tab or a line break (an escape a terminal
// showing the file would obey, in a file's name) is a blank.
QString csvField(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\r' && c != u'\n')
            c = u' ';
    }
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const bool formulaLike = !text.isEmpty() && formulaStarts.contains(text.front());
    if (!formulaLike && !text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return QStringLiteral("\"%1%2\"")
        .arg(formulaLike ? QStringLiteral("'") : QString(), QString(text).replace(u'"', QStringLiteral("\"\"")));
}

QString csvNumber(std::optional<double> value) { return value ? QString::number(*value, 'f', 2) : QString(); }

// The sums as the report shows them, so that the rows add up to the total
// shown beneath them in the CSV and in the workbook alike.
SummaryRow roundedRow(SummaryRow row)
{
    row.currentTotal = model::roundedToCents(row.currentTotal);
    row.velmorTotal = model::roundedToCents(row.velmorTotal);
    row.savingsTotal = model::roundedToCents(row.savingsTotal);
    if (row.npv)
        row.npv = model::roundedToCents(*row.npv);
    if (row.hardNpv)
        row.hardNpv = model::roundedToCents(*row.hardNpv);
    return row;
}

struct Totals {
    std::optional<QString> currency; // none when the rows are in several
    double current = 0;
    double velmor = 0;
    double savings = 0;
    std::optional<double> npv;
    std::optional<double> hardNpv;
};

Totals totalsOf(const std::vector<SummaryRow> &rows)
{
    Totals totals;
    if (!rows.empty())
        totals.currency = rows.front().currency;
    for (const SummaryRow &unrounded : rows) {
        const SummaryRow row = roundedRow(unrounded);
        if (row.currency != totals.currency)
            totals.currency.reset();
        totals.current += row.currentTotal;
        totals.velmor += row.velmorTotal;
        totals.savings += row.savingsTotal;
        if (row.npv)
            totals.npv = totals.npv.value_or(0) + *row.npv;
        if (row.hardNpv)
            totals.hardNpv = totals.hardNpv.value_or(0) + *row.hardNpv;
    }
    // A total of some plants' hard savings would read as all plants'.
    if (!std::all_of(rows.begin(), rows.end(), [](const SummaryRow &row) { return row.hardNpv.has_value(); }))
        totals.hardNpv.reset();
    return totals;
}

std::optional<QString> problemOf(const model::FacilityFigures &figures, SummaryRow &row)
{
    // The business case as the document computes it, capital inputs included:
    // a summary holds its figures, not formulas, so they can be the program's.
    const model::FacilityOutcome outcome = model::outcomeOf(figures, QLocale(figures.locale));
    if (const std::optional<model::OutcomeFault> fault = model::firstFault(outcome)) {
        if (fault->field)
            return model::notANumberText(*fault->field, figures.figures[std::size_t(*fault->field)]);
        if (fault->arithmetic)
            return SummaryText::tr("Its figures cannot be computed: %1.").arg(model::faultText(*fault->arithmetic));
        return fault->problem;
    }
    const model::Results &results = outcome.results;
    row.customer = figures.report.customer;
    row.currency = figures.currency.symbol;
    row.site = figures.report.site;
    row.currentTotal = results.table(model::Table::Current).row(model::kRowCount);
    row.velmorTotal = results.table(model::Table::Velmor).row(model::kRowCount);
    row.savingsTotal = results.table(model::Table::Savings).row(model::kRowCount);
    if (outcome.measures) {
        row.paybackMonths = outcome.measures->paybackMonths;
        row.paybackState = outcome.measures->paybackState;
        row.npv = outcome.measures->npv;
    }
    if (outcome.hardMeasures)
        row.hardNpv = outcome.hardMeasures->npv;
    return std::nullopt;
}

std::optional<QString> fillSummarySheet(lxw_workbook *book, const std::vector<SummaryRow> &rows)
{
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *months = workbook_add_format(book);
    format_set_num_format(months, "0.0");
    // One money format for each currency, placed as the regional settings
    // place its symbol.
    std::map<QString, lxw_format *> moneyFormats;
    const auto money = [&](const QString &symbol) {
        lxw_format *&format = moneyFormats[symbol];
        if (!format) {
            format = workbook_add_format(book);
            format_set_num_format(
                format,
                model::spreadsheetMoneyFormat(QLocale(), symbol, QStringLiteral("$#,##0.00")).toUtf8().constData());
        }
        return format;
    };
    Sheet sheet(book, "Summary", false);
    sheet.columnWidth(FileColumn, 28);
    sheet.columnWidth(CustomerColumn, 24);
    sheet.columnWidth(SiteColumn, 20);
    sheet.columnWidth(CurrencyColumn, 10);
    const int columns = columnCountOf(rows);
    for (int c = CurrentColumn; c < columns; ++c)
        sheet.columnWidth(c, 18);
    for (int c = 0; c < columns; ++c)
        sheet.text(0, c, headerText(c), bold);
    int r = 1;
    for (const SummaryRow &unrounded : rows) {
        const SummaryRow row = roundedRow(unrounded);
        sheet.text(r, FileColumn, row.fileName);
        sheet.text(r, CustomerColumn, row.customer);
        sheet.text(r, SiteColumn, row.site);
        sheet.text(r, CurrencyColumn, row.currency);
        sheet.number(r, CurrentColumn, row.currentTotal, money(row.currency));
        sheet.number(r, VelmorColumn, row.velmorTotal, money(row.currency));
        sheet.number(r, SavingsColumn, row.savingsTotal, money(row.currency));
        if (row.paybackMonths)
            sheet.number(r, PaybackColumn, *row.paybackMonths, months);
        if (row.npv)
            sheet.number(r, NpvColumn, *row.npv, money(row.currency));
        if (row.paybackState)
            sheet.text(r, PaidBackColumn, SummaryText::tr(paidBackWord(row.paybackState)));
        if (row.hardNpv)
            sheet.number(r, HardNpvColumn, *row.hardNpv, money(row.currency));
        ++r;
    }
    const Totals totals = totalsOf(rows);
    sheet.text(r, FileColumn, SummaryText::tr("Total"), bold);
    if (totals.currency) {
        const auto sum = [&](int column) {
            return QStringLiteral("SUM(%1:%2)").arg(cellName(1, column), cellName(r - 1, column));
        };
        lxw_format *format = money(*totals.currency);
        sheet.text(r, CurrencyColumn, *totals.currency);
        sheet.formula(r, CurrentColumn, sum(CurrentColumn), totals.current, format);
        sheet.formula(r, VelmorColumn, sum(VelmorColumn), totals.velmor, format);
        sheet.formula(r, SavingsColumn, sum(SavingsColumn), totals.savings, format);
        if (totals.npv)
            sheet.formula(r, NpvColumn, sum(NpvColumn), *totals.npv, format);
        if (totals.hardNpv)
            sheet.formula(r, HardNpvColumn, sum(HardNpvColumn), *totals.hardNpv, format);
    }
    if (sheet.error() != LXW_NO_ERROR)
        return libraryFailure(sheet.error());
    return std::nullopt;
}

} // namespace

std::optional<QString> figuresProblem(const model::FacilityFigures &figures)
{
    SummaryRow row;
    return problemOf(figures, row);
}

SummaryReading summaryOf(const QString &path, const model::FacilityFigures &figures)
{
    SummaryReading reading;
    SummaryRow row;
    row.fileName = QFileInfo(path).fileName();
    if (const std::optional<QString> problem = problemOf(figures, row))
        reading.problem = SummaryText::tr("Could not sum up %1. %2")
                              .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), *problem);
    else
        reading.rows.push_back(row);
    return reading;
}

QByteArray summaryCsv(const std::vector<SummaryRow> &rows)
{
    QStringList lines;
    // In English whatever the interface's language: scripts find the columns
    // by these names.
    QStringList header;
    const int columns = columnCountOf(rows);
    for (int c = 0; c < columns; ++c)
        header << csvField(QString::fromLatin1(kHeader[c]));
    lines << header.join(u',');
    for (const SummaryRow &unrounded : rows) {
        const SummaryRow row = roundedRow(unrounded);
        QStringList fields{csvField(row.fileName),      csvField(row.customer),
                           csvField(row.site),          csvField(row.currency),
                           csvNumber(row.currentTotal), csvNumber(row.velmorTotal),
                           csvNumber(row.savingsTotal), csvNumber(row.paybackMonths),
                           csvNumber(row.npv),          csvField(QLatin1StringView(paidBackWord(row.paybackState)))};
        if (columns > kColumnCount)
            fields << csvNumber(row.hardNpv);
        lines << fields.join(u',');
    }
    const Totals totals = totalsOf(rows);
    QStringList total(columns);
    total[FileColumn] = csvField(QStringLiteral("Total"));
    if (totals.currency) {
        total[CurrencyColumn] = csvField(*totals.currency);
        total[CurrentColumn] = csvNumber(totals.current);
        total[VelmorColumn] = csvNumber(totals.velmor);
        total[SavingsColumn] = csvNumber(totals.savings);
        total[NpvColumn] = csvNumber(totals.npv);
        if (columns > kColumnCount)
            total[HardNpvColumn] = csvNumber(totals.hardNpv);
    }
    lines << total.join(u',');
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
        written.reason = SummaryText::tr("A summary is written as .csv or .xlsx.");
    }
    if (!written && error) {
        *error = SummaryText::tr("Could not write the summary to %1. %2")
                     .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), written.reason);
    }
    return bool(written);
}

} // namespace workbook
