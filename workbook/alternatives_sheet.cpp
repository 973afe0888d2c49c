// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/alternatives_sheet.h"

#include <algorithm>

namespace workbook {
namespace {

QString cell(int row, int column) { return cellName(row, column); }
QString rowRange(int row, int first, int last)
{
    return QStringLiteral("%1:%2").arg(cellName(row, first), cellName(row, last));
}

enum Column {
    NameColumn,
    SavingsColumn,
    OutlayColumn,
    RateColumn,
    NpvColumn,
    IrrColumn,
    PaybackColumn,
    HardNpvColumn,
    AgainstColumn,
    IncrementNpvColumn,
    IncrementIrrColumn,
};
constexpr int kHeadingRow = 2;
constexpr int kFirstRow = 3;

// The NPV of a row of half-year flows at the rate in rateCell, in per cent:
// each flow discounted by (1 + rate)^(−j ÷ 2).
QString npvFormula(const QString &flows, const QString &halfYears, const QString &rateCell)
{
    return QStringLiteral("SUMPRODUCT(%1,(1+%2/100)^(-%3/2))").arg(flows, rateCell, halfYears);
}

// The rate of return of the half-year flows, taken to a year; empty where
// there is none. The search starts from the year's return on the outlay,
// as the Business Case sheet's does.
QString irrFormula(const QString &flows, const QString &gain, const QString &outlay)
{
    return QStringLiteral("IFERROR((1+IRR(%1,SQRT(1+MAX(-0.9,IF(%3>0,%2/%3,0.1)))-1))^2-1,\"\")")
        .arg(flows, gain, outlay);
}

} // namespace

void writeAlternatives(Sheet &sheet, const Formats &formats, const model::AlternativesComparison &comparison)
{
    using model::AlternativeRow;
    const std::vector<AlternativeRow> &rows = comparison.rows;
    const int count = int(rows.size());
    int halfYears = 0;
    for (const AlternativeRow &row : rows) {
        if (row.measures)
            halfYears = std::max(halfYears, 2 * row.measures->cashFlow.period());
    }
    // Under the table: the half years, each row's flows, then the increments'.
    const int halfYearRow = kFirstRow + count + 2;
    const auto flowRow = [&](int r) { return halfYearRow + 1 + r; };
    const auto incrementRow = [&](int r) { return halfYearRow + 1 + count + r; };
    const QString halfYearRange = rowRange(halfYearRow, 1, 1 + halfYears);
    const auto flowRange = [&](int row) { return rowRange(row, 1, 1 + halfYears); };

    sheet.text(0, 0, WorkbookText::tr("Alternatives Considered"), formats.bold);
    const QStringList headings{model::alternativesHeadings(comparison, model::AlternativesPart::Measures).first(),
                               WorkbookText::tr("Annual savings"),
                               WorkbookText::tr("Outlay"),
                               WorkbookText::tr("Discount rate (%)"),
                               WorkbookText::tr("Net present value"),
                               WorkbookText::tr("Internal rate of return"),
                               WorkbookText::tr("Simple payback, months"),
                               WorkbookText::tr("NPV on hard savings"),
                               WorkbookText::tr("Set against"),
                               WorkbookText::tr("Incremental NPV"),
                               WorkbookText::tr("Incremental IRR")};
    for (int c = 0; c < headings.size(); ++c)
        sheet.text(kHeadingRow, c, headings[c], formats.bold);
    sheet.text(halfYearRow, 0, WorkbookText::tr("Flow at the half year"), formats.bold);
    for (int j = 0; j <= halfYears; ++j)
        sheet.number(halfYearRow, 1 + j, j);

    for (int r = 0; r < count; ++r) {
        const AlternativeRow &row = rows[std::size_t(r)];
        const int at = kFirstRow + r;
        sheet.text(at, NameColumn, row.name);
        sheet.text(flowRow(r), 0, row.name);
        for (int j = 0; j <= halfYears; ++j)
            sheet.number(flowRow(r), 1 + j, row.measures ? model::halfYearFlow(row.measures->cashFlow, j) : 0,
                         formats.money);
        if (!row.doNothing && !row.measures)
            continue;
        const QString rate = cell(at, RateColumn);
        sheet.number(at, SavingsColumn, row.annualSavings, formats.money);
        sheet.number(at, OutlayColumn, row.outlay(), formats.money);
        sheet.number(at, RateColumn,
                     row.measures ? row.measures->cashFlow.discountRatePercent : model::kDefaultDiscountRatePercent);
        sheet.formula(at, NpvColumn, npvFormula(flowRange(flowRow(r)), halfYearRange, rate), row.npv(), formats.money);
        if (!row.measures)
            continue;
        sheet.formula(at, IrrColumn, irrFormula(flowRange(flowRow(r)), cell(at, SavingsColumn), cell(at, OutlayColumn)),
                      row.measures->irr, formats.percent);
        if (row.measures->paybackMonths)
            sheet.number(at, PaybackColumn, *row.measures->paybackMonths, formats.tenths);
        if (row.hardMeasures)
            sheet.number(at, HardNpvColumn, row.hardMeasures->npv, formats.money);
        const int before = row.comparedWith.value_or(0);
        sheet.text(at, AgainstColumn, rows[std::size_t(before)].name);
        if (!row.increment)
            continue;
        // What it adds to the next cheaper, half year by half year.
        sheet.text(incrementRow(r), 0, WorkbookText::tr("%1 less %2").arg(row.name, rows[std::size_t(before)].name));
        for (int j = 0; j <= halfYears; ++j) {
            const double added = model::halfYearFlow(row.measures->cashFlow, j)
                                 - (rows[std::size_t(before)].measures
                                        ? model::halfYearFlow(rows[std::size_t(before)].measures->cashFlow, j)
                                        : 0);
            sheet.formula(incrementRow(r), 1 + j,
                          QStringLiteral("%1-%2").arg(cell(flowRow(r), 1 + j), cell(flowRow(before), 1 + j)), added,
                          formats.money);
        }
        sheet.formula(at, IncrementNpvColumn, npvFormula(flowRange(incrementRow(r)), halfYearRange, rate),
                      row.increment->npv, formats.money);
        sheet.formula(
            at, IncrementIrrColumn,
            irrFormula(flowRange(incrementRow(r)),
                       QStringLiteral("(%1-%2)").arg(cell(at, SavingsColumn), cell(kFirstRow + before, SavingsColumn)),
                       QStringLiteral("(%1-%2)").arg(cell(at, OutlayColumn), cell(kFirstRow + before, OutlayColumn))),
            row.increment->irr, formats.percent);
    }
    sheet.columnWidth(NameColumn, 34);
    for (int c = SavingsColumn; c <= IncrementIrrColumn; ++c)
        sheet.columnWidth(c, c == AgainstColumn ? 30 : 16);
}

} // namespace workbook
