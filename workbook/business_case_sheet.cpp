// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/business_case_sheet.h"

#include "model/costs/results.h"
#include "model/finance/cash_flow_columns.h"
#include "model/finance/cash_flow_text.h"

namespace workbook {
namespace {

// The measures in rows 1 to 9, the cash-flow table under its header from
// row 12 (year 0) on. Beside the table, the flows by half year the rate of
// return is found from: at mid-year year t's savings, upkeep and tax fall at
// half year 2t − 1 and the residual value at the period's end, at year ends
// all of year t at half year 2t.
enum BusinessRow {
    InitialRow = 1,
    NetRow,
    PaybackRow,
    RoiRow,
    NpvRow,
    IrrRow,
    AnnualisedRoiRow,
    IndexRow,
    DiscountedPaybackRow,
    FlowHeaderRow = 11,
    FirstFlowRow,
};
enum FlowColumn {
    YearColumn,
    SavingsColumn,
    UpkeepColumn,
    DepreciationColumn,
    BookValueColumn,
    TaxColumn,
    ResidualColumn,
    NetColumn,
    FactorColumn,
    DiscountedColumn,
    CumulativeColumn,
    CumulativeDiscountedColumn,
    PaidBackColumn,
    PaidBackDiscountedColumn,
    HalfYearColumn = PaidBackDiscountedColumn + 2,
    HalfYearFlowColumn,
    HalfYearSignColumn,
    NetAboveFirstColumn,
};
constexpr int kHalfYears = 2 * model::kMaxYears;
constexpr int kLastFlowRow = FirstFlowRow + model::kMaxYears;

int columnOf(model::FlowField field)
{
    using model::FlowField;
    switch (field) {
    case FlowField::Savings:
        return SavingsColumn;
    case FlowField::Upkeep:
        return UpkeepColumn;
    case FlowField::BookValue:
        return BookValueColumn;
    case FlowField::Depreciation:
        return DepreciationColumn;
    case FlowField::Tax:
        return TaxColumn;
    case FlowField::Residual:
        return ResidualColumn;
    case FlowField::Net:
        return NetColumn;
    case FlowField::Factor:
        return FactorColumn;
    case FlowField::Discounted:
        return DiscountedColumn;
    case FlowField::NetAboveFirst:
        return NetAboveFirstColumn;
    case FlowField::Cumulative:
        return CumulativeColumn;
    case FlowField::CumulativeDiscounted:
        return CumulativeDiscountedColumn;
    case FlowField::PaidBackMonths:
        return PaidBackColumn;
    case FlowField::PaidBackYears:
        break;
    }
    return PaidBackDiscountedColumn;
}

int capitalRowOf(model::FlowInput input)
{
    using model::FlowInput;
    switch (input) {
    case FlowInput::Period:
        return YearsRow;
    case FlowInput::Initial:
        return InitialRow;
    case FlowInput::Upkeep:
        return UpkeepRow;
    case FlowInput::DiscountRate:
        return RateRow;
    case FlowInput::LabourEscalation:
        return LabourEscalationRow;
    case FlowInput::LubricantEscalation:
        return LubricantEscalationRow;
    case FlowInput::BearingEscalation:
        return BearingEscalationRow;
    case FlowInput::ProductionValueEscalation:
        return ProductionValueEscalationRow;
    case FlowInput::UpkeepEscalation:
        return UpkeepEscalationRow;
    case FlowInput::TaxRate:
        return TaxRateRow;
    case FlowInput::Depreciation:
        return DepreciationRow;
    case FlowInput::DepreciationYears:
        return DepreciationYearsRow;
    case FlowInput::DecliningRate:
        return DecliningRateRow;
    case FlowInput::ResidualValue:
        return ResidualValueRow;
    case FlowInput::FirstYearShare:
        return FirstYearShareRow;
    case FlowInput::Timing:
        break;
    }
    return TimingRow;
}

QString cell(int row, int column) { return cellName(row, column); }

QString columnRange(int column, int first = FirstFlowRow, int last = kLastFlowRow)
{
    return QStringLiteral("%1:%2").arg(cell(first, column), cell(last, column));
}

// A column's cell in the period's last year.
QString atPeriod(int column)
{
    return QStringLiteral("INDEX(%1,%2+1)").arg(columnRange(column), figuresCell(YearsRow));
}

// The cells model::flowFormula() names: the outlay here, the rest of the
// investment and the capital inputs in Figures, the savings in Costs.
model::FlowCells flowCellsOf(int savingsBlock, const model::CapitalInputs &capital)
{
    const bool hard = savingsBlock == kHardSavingsBlock;
    using model::ItemField;
    return model::FlowCells{
        [](model::FlowInput input) {
        return input == model::FlowInput::Initial ? cell(InitialRow, 1) : figuresCell(capitalRowOf(input));
        },
        [savingsBlock](int k) { return cellName(costRow(savingsBlock, k), kValueColumn, kCostsSheet); },
        [](int t) { return cell(FirstFlowRow + t, YearColumn); },
        [](model::FlowField field, int t) { return cell(FirstFlowRow + t, columnOf(field)); },
        [](model::FlowField field) { return atPeriod(columnOf(field)); },
        [hard](int j, ItemField field) {
        const int row = otherSavingRow(j);
        if (field == ItemField::Amount && hard) // times 1 where cash, 0 where not
            return QStringLiteral("(%1*%2)").arg(cellName(row, 1, kFiguresSheet), cellName(row, 3, kFiguresSheet));
        return cellName(row, field == ItemField::Amount ? 1 : 2, kFiguresSheet);
    },
        [](int k, ItemField field) {
        return cellName(oneOffRow(k), field == ItemField::Amount ? 1 : field == ItemField::Year ? 2 : 3, kFiguresSheet);
        }, int(capital.otherSavings.size()), int(capital.oneOffs.size()),
        };
}

// A text as a formula's string: in quotation marks, those within doubled.
QString formulaText(const QString &text)
{
    return QStringLiteral("\"%1\"").arg(QString(text).replace(u'"', QStringLiteral("\"\"")));
}

void writeFlowHeaders(Sheet &sheet, const Formats &formats, const model::CashFlowTable &table)
{
    using model::CashFlowColumn;
    const struct {
        int column;
        QString caption;
    } headers[] = {
        {YearColumn, model::cashFlowHeading(CashFlowColumn::Year)},
        {SavingsColumn, model::cashFlowHeading(CashFlowColumn::Savings)},
        {UpkeepColumn, model::cashFlowHeading(CashFlowColumn::Upkeep)},
        {DepreciationColumn, model::cashFlowHeading(CashFlowColumn::Depreciation)},
        {BookValueColumn, WorkbookText::tr("Book value")},
        {TaxColumn, model::cashFlowHeading(CashFlowColumn::Tax)},
        {ResidualColumn, model::cashFlowHeading(model::residualColumnOf(table))},
        {NetColumn, model::cashFlowHeading(CashFlowColumn::Net)},
        {FactorColumn, WorkbookText::tr("Discount factor")},
        {DiscountedColumn, model::cashFlowHeading(CashFlowColumn::DiscountedNet)},
        {CumulativeColumn, model::cashFlowHeading(CashFlowColumn::Cumulative)},
        {CumulativeDiscountedColumn, model::cashFlowHeading(CashFlowColumn::CumulativeDiscounted)},
        {PaidBackColumn, WorkbookText::tr("Paid back by (months)")},
        {PaidBackDiscountedColumn, WorkbookText::tr("Paid back discounted by (years)")},
        {HalfYearColumn, WorkbookText::tr("Half year")},
        {HalfYearFlowColumn, WorkbookText::tr("Flow at the half year")},
        {HalfYearSignColumn, WorkbookText::tr("Sign so far")},
        {NetAboveFirstColumn, WorkbookText::tr("Sum of (net \u2212 year 1's net)")},
    };
    for (const auto &header : headers) {
        sheet.text(FlowHeaderRow, header.column, header.caption, formats.bold);
        sheet.columnWidth(header.column, header.column == YearColumn ? 40 : 16);
    }
}

// Every column of years 0 to 50, each cell the column's formula with the
// program's figure: 0 after the period's end, where the paybacks carry down.
void writeFlowColumns(Sheet &sheet, const Formats &formats, const model::CashFlowTable &table,
                      const model::FlowCells &cells)
{
    for (int t = 0; t <= model::kMaxYears; ++t) {
        sheet.number(FirstFlowRow + t, YearColumn, t);
        const model::CashFlowYear &year = table.years[std::size_t(std::min(t, table.period()))];
        const bool within = t <= table.period();
        for (int f = 0; f < model::kFlowFieldCount; ++f) {
            const auto field = model::FlowField(f);
            const QString formula = model::flowFormula(field, t, cells);
            const int row = FirstFlowRow + t;
            const int column = columnOf(field);
            if (field == model::FlowField::PaidBackMonths || field == model::FlowField::PaidBackYears) {
                if (t > 0)
                    sheet.formula(row, column, formula,
                                  field == model::FlowField::PaidBackMonths ? year.paidBackMonths : year.paidBackYears,
                                  formats.tenths);
                continue;
            }
            const double value = within ? model::flowValue(year, field) : 0;
            sheet.formula(row, column, formula, value,
                          field == model::FlowField::Factor ? formats.factor : formats.money);
        }
    }
    // The years beyond the period show nothing, whatever period the Figures
    // sheet is given: their formulas stay, for a longer one.
    sheet.formatWhere(FirstFlowRow, YearColumn, kLastFlowRow, PaidBackDiscountedColumn,
                      QStringLiteral("$%1>%2").arg(cellName(FirstFlowRow, YearColumn), figuresCell(YearsRow)),
                      formats.blank);
}

// The flows by half year and the sign of the last that is not zero, whose
// changes say whether the rate of return is one (model::measuresOf()).
void writeHalfYears(Sheet &sheet, const Formats &formats, const model::CashFlowTable &table)
{
    const QString midYear = QStringLiteral("%1=1").arg(figuresCell(TimingRow));
    const auto operatingOf = [](int row) {
        return QStringLiteral("(%1-%2-%3)")
            .arg(cell(row, SavingsColumn), cell(row, UpkeepColumn), cell(row, TaxColumn));
    };
    double sign = 0;
    for (int j = 0; j <= kHalfYears; ++j) {
        const int row = FirstFlowRow + j;
        const int t = (j + 1) / 2;
        const int yearRow = FirstFlowRow + t;
        const double flow = model::halfYearFlow(table, j);
        if (flow != 0)
            sign = flow > 0 ? 1 : -1;
        sheet.number(row, HalfYearColumn, j);
        const QString formula =
            j == 0 ? cell(yearRow, NetColumn)
            : j % 2 == 1
                ? QStringLiteral("IF(%1,%2,0)").arg(midYear, operatingOf(yearRow))
                : QStringLiteral("IF(%1,%2,%3)").arg(midYear, cell(yearRow, ResidualColumn), cell(yearRow, NetColumn));
        sheet.formula(row, HalfYearFlowColumn, formula, flow, formats.money);
        const QString flowCell = cell(row, HalfYearFlowColumn);
        sheet.formula(row, HalfYearSignColumn,
                      j == 0 ? QStringLiteral("SIGN(%1)").arg(flowCell)
                             : QStringLiteral("IF(%1<>0,SIGN(%1),%2)").arg(flowCell, cell(row - 1, HalfYearSignColumn)),
                      sign);
    }
}

void writeMeasures(Sheet &sheet, const Formats &formats, const model::BusinessCase &measures,
                   const model::FlowCells &cells, const QString &title, const model::CapitalInputs &capital)
{
    const QString period = figuresCell(YearsRow);
    const QString initial = cell(InitialRow, 1);
    sheet.text(0, 0, title, formats.bold);
    const auto measure =
        [&](int row, const QString &caption, const QString &formula, std::optional<double> cached, lxw_format *format) {
        sheet.text(row, 0, caption);
        sheet.formula(row, 1, formula, cached, format);
    };
    // As model::outlayOf() adds it up.
    QString outlay = QStringLiteral("%1+%2").arg(figuresCell(PriceRow), figuresCell(InstallationRow));
    QString caption = WorkbookText::tr("Initial outlay (price + installation)");
    if (capital.contingencyPercent != 0) {
        outlay = QStringLiteral("(%1)*(1+%2/100)").arg(outlay, figuresCell(ContingencyRow));
        caption = WorkbookText::tr("Initial outlay (price + installation + contingency)");
    }
    if (!capital.oneOffs.empty()) {
        QString atStart = QStringLiteral("0");
        for (int k = 0; k < int(capital.oneOffs.size()); ++k)
            atStart += QStringLiteral("+IF(%1=0,%2,0)")
                           .arg(cellName(oneOffRow(k), 2, kFiguresSheet), cellName(oneOffRow(k), 1, kFiguresSheet));
        outlay = QStringLiteral("%1+(%2)").arg(outlay, atStart);
        caption = WorkbookText::tr("Initial outlay, with the one-off items at the start");
    }
    measure(InitialRow, caption, outlay, measures.initial, formats.money);
    measure(NetRow, WorkbookText::tr("Net of year 1 (savings \u2212 upkeep)"),
            QStringLiteral("%1-%2").arg(cell(FirstFlowRow + 1, SavingsColumn), cell(FirstFlowRow + 1, UpkeepColumn)),
            measures.yearlyNet, formats.money);
    // Not paid back within the period: the months at the last year's pace.
    const QString pace = model::paceBeyondPeriodFormula(cells);
    measure(PaybackRow, WorkbookText::tr("Simple payback, months"),
            QStringLiteral("IF(%1>0,IF(%2<>\"\",%2,IF(%3>0,%4,\"\")),\"\")")
                .arg(initial, cell(kLastFlowRow, PaidBackColumn), pace, model::monthsBeyondPeriodFormula(cells)),
            measures.paybackMonths, formats.tenths);
    const auto column = [](int c) { return columnRange(c); };
    measure(RoiRow, WorkbookText::tr("Return on investment over the period (undiscounted)"),
            QStringLiteral("IF(%1<>0,(SUM(%2)-SUM(%3)-SUM(%4)+SUM(%5)-%1)/%1,\"\")")
                .arg(initial, column(SavingsColumn), column(UpkeepColumn), column(TaxColumn), column(ResidualColumn)),
            measures.roi, formats.percent);
    measure(NpvRow, WorkbookText::tr("Net present value"), QStringLiteral("SUM(%1)").arg(column(DiscountedColumn)),
            measures.npv, formats.money);
    // Found by half year and taken to a year; given only where the flows
    // change sign once. The year's return on the outlay is where the search
    // starts: IRR()'s own start of 10 % misses the rates of hundreds of per
    // cent a system with a short payback earns.
    const QString changes = QStringLiteral("SUMPRODUCT((%1*%2<0)*1)")
                                .arg(columnRange(HalfYearSignColumn, FirstFlowRow + 1, FirstFlowRow + kHalfYears),
                                     columnRange(HalfYearSignColumn, FirstFlowRow, FirstFlowRow + kHalfYears - 1));
    measure(IrrRow, WorkbookText::tr("Internal rate of return"),
            QStringLiteral("IF(%1=1,IFERROR((1+IRR(%2,SQRT(1+MAX(-0.9,IF(%3>0,%4/%3,0.1)))-1))^2-1,\"\"),\"\")")
                .arg(changes, columnRange(HalfYearFlowColumn, FirstFlowRow, FirstFlowRow + kHalfYears), initial,
                     cell(NetRow, 1)),
            measures.irr, formats.percent);
    measure(AnnualisedRoiRow, WorkbookText::tr("Annualised return on investment"),
            QStringLiteral("IF(ISNUMBER(%1),IF(%1>=-1,(1+%1)^(1/%2)-1,\"\"),\"\")").arg(cell(RoiRow, 1), period),
            measures.annualisedRoi, formats.percent);
    measure(IndexRow, WorkbookText::tr("Profitability index (NPV \u00F7 initial outlay + 1)"),
            QStringLiteral("IF(%1<>0,%2/%1+1,\"\")").arg(initial, cell(NpvRow, 1)), measures.profitabilityIndex,
            formats.index);
    measure(DiscountedPaybackRow, WorkbookText::tr("Discounted payback, years"),
            QStringLiteral("IF(%1>0,%2,\"\")").arg(initial, cell(kLastFlowRow, PaidBackDiscountedColumn)),
            measures.discountedPaybackYears, formats.tenths);

    // Beside a payback, whether it falls after the period; beside the rate
    // of return, why there is none.
    // The count of years in the sentence follows the period's cell, in its
    // grammatical number.
    const int years = measures.cashFlow.period();
    const auto notWithinFor = [&](int count) {
        const QString text = WorkbookText::tr("not within the %1 year(s)", "", count);
        return QStringLiteral("%1&%2&%3")
            .arg(formulaText(text.section(QStringLiteral("%1"), 0, 0)), period,
                 formulaText(text.section(QStringLiteral("%1"), 1)));
    };
    const QString notWithinFormula = QStringLiteral("IF(%1=1,%2,%3)").arg(period, notWithinFor(1), notWithinFor(2));
    const QString notWithinText = WorkbookText::tr("not within the %1 year(s)", "", years).arg(years);
    const QString never = WorkbookText::tr("never: the annual nets do not recover the outlay");
    const QString lastPaid = cell(kLastFlowRow, PaidBackColumn);
    const QString lastPaidDiscounted = cell(kLastFlowRow, PaidBackDiscountedColumn);
    const auto noteOf = [&](model::PaybackState state) {
        return state == model::PaybackState::NotWithinPeriod                 ? notWithinText
               : state == model::PaybackState::Never && measures.initial > 0 ? never
                                                                             : QString();
    };
    sheet.textFormula(PaybackRow, 2,
                      QStringLiteral("IF(AND(ISNUMBER(%1),%2=\"\"),%3,IF(AND(%4>0,%2=\"\"),%5,\"\"))")
                          .arg(cell(PaybackRow, 1), lastPaid, notWithinFormula, initial, formulaText(never)),
                      noteOf(measures.paybackState));
    sheet.textFormula(DiscountedPaybackRow, 2,
                      QStringLiteral("IF(AND(%1>0,%2=\"\"),IF(%3>0,%4,%5),\"\")")
                          .arg(initial, lastPaidDiscounted, pace, notWithinFormula, formulaText(never)),
                      measures.discountedPaybackYears ? QString() : noteOf(measures.discountedPaybackState));
    const QString neverChange = WorkbookText::tr("none: the cash flows never change sign");
    const QString changeTwice = WorkbookText::tr("none: the cash flows change sign more than once");
    sheet.textFormula(
        IrrRow, 2,
        QStringLiteral("IF(%1=0,%2,IF(%1>1,%3,\"\"))").arg(changes, formulaText(neverChange), formulaText(changeTwice)),
        measures.irrUnclear ? changeTwice
        : measures.irr      ? QString()
                            : neverChange);
}

} // namespace

void writeBusinessCase(Sheet &sheet, const Formats &formats, const model::BusinessCase &measures,
                       const model::CapitalInputs &capital, bool hardSavings)
{
    const model::FlowCells cells = flowCellsOf(hardSavings ? kHardSavingsBlock : int(model::Table::Savings), capital);
    writeFlowHeaders(sheet, formats, measures.cashFlow);
    writeFlowColumns(sheet, formats, measures.cashFlow, cells);
    writeHalfYears(sheet, formats, measures.cashFlow);
    writeMeasures(sheet, formats, measures, cells,
                  hardSavings ? WorkbookText::tr("Business Case on Hard Savings") : WorkbookText::tr("Business Case"),
                  capital);
}

} // namespace workbook
