// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/workbook.h"

#include "model/costs/cost_formulas.h"
#include "model/costs/currency_text.h"
#include "model/costs/model_text.h"
#include "model/costs/results.h"
#include "model/costs/table_titles.h"
#include "model/finance/cash_flow_text.h"
#include "model/finance/risk_text.h"
#include "model/text/message_text.h"
#include "workbook/records_sheets.h"
#include "workbook/risk_sheets.h"
#include "workbook/xlsx_file.h"

#include <QCoreApplication>
#include <QDir>

namespace workbook {
namespace {

// The context the translations of the sheets' texts are found under. The
// sheets' own names stay English: formulas and scripts name them.
struct WorkbookText {
    Q_DECLARE_TR_FUNCTIONS(WorkbookText)
};

const char kFiguresSheet[] = "Figures";
const char kCostsSheet[] = "Costs";
const char kBusinessSheet[] = "Business Case";

// Figures: a header row, the twelve figures in rows 1 to 12, the reductions
// under a header in rows 15 to 19, the investment under one in rows 22 to 26
// and the capital inputs under one in rows 29 to 40.
constexpr int kValueColumn = 1;
int figureRow(int index) { return 1 + index; }
int figureRow(model::Input input) { return figureRow(int(input)); }
int reductionRow(int k) { return 14 + k; }
enum InvestmentRow { PriceRow = 22, InstallationRow, UpkeepRow, YearsRow, RateRow };
enum CapitalRow {
    LabourEscalationRow = 29,
    LubricantEscalationRow,
    BearingEscalationRow,
    ProductionValueEscalationRow,
    UpkeepEscalationRow,
    TaxRateRow,
    DepreciationRow,
    DepreciationYearsRow,
    DecliningRateRow,
    ResidualValueRow,
    FirstYearShareRow,
    TimingRow,
};

// The escalation that scales savings row k (1 to 5), as
// model::CapitalInputs::escalationPercentOfRow() chooses it.
int escalationRowOf(int k)
{
    switch (k) {
    case 2:
        return LubricantEscalationRow;
    case 3:
        return BearingEscalationRow;
    case 5:
        return ProductionValueEscalationRow;
    }
    return LabourEscalationRow;
}

// Costs: each table a title row and six rows, a blank row between tables.
int costRow(int table, int k) { return table * 8 + k; }

QString figuresCell(int row) { return cellName(row, kValueColumn, kFiguresSheet); }

// The cells the cost rows' formulas (model::costFormulaText()) name.
const model::FormulaCells &formulaCells()
{
    static const model::FormulaCells cells{
        [](model::Input input) { return cellName(figureRow(input), kValueColumn, kFiguresSheet); },
        [](int k) { return cellName(reductionRow(k), kValueColumn, kFiguresSheet); },
        [](model::Table table, int k) { return cellName(costRow(int(table), k), kValueColumn); },
    };
    return cells;
}

struct Formats {
    lxw_format *bold;
    lxw_format *money;
    lxw_format *percent;
    lxw_format *tenths;
    lxw_format *factor;
    lxw_format *index;
};

// The capital inputs as plain numbers, the two choices by their codes.
void writeCapital(Sheet &sheet, const Formats &formats, const model::CapitalInputs &capital)
{
    const QString perYear = WorkbookText::tr("% a year");
    sheet.text(LabourEscalationRow - 1, 0, WorkbookText::tr("Capital request"), formats.bold);
    const struct {
        int row;
        QString caption;
        double value;
        QString unit;
    } rows[] = {
        {LabourEscalationRow, WorkbookText::tr("Escalation of the labour rates"), capital.labourEscalationPercent,
         perYear},
        {LubricantEscalationRow, WorkbookText::tr("Escalation of the lubricant price"),
         capital.lubricantEscalationPercent, perYear},
        {BearingEscalationRow, WorkbookText::tr("Escalation of the bearing price"), capital.bearingEscalationPercent,
         perYear},
        {ProductionValueEscalationRow, WorkbookText::tr("Escalation of the production value"),
         capital.productionValueEscalationPercent, perYear},
        {UpkeepEscalationRow, WorkbookText::tr("Escalation of the upkeep"), capital.upkeepEscalationPercent, perYear},
        {TaxRateRow, WorkbookText::tr("Income tax rate"), capital.taxRatePercent, QStringLiteral("%")},
        {DepreciationRow, WorkbookText::tr("Depreciation"), double(capital.depreciation),
         WorkbookText::tr("0 none, 1 straight-line, 2 declining balance")},
        {DepreciationYearsRow, WorkbookText::tr("Depreciation period"), double(capital.depreciationYears),
         WorkbookText::tr("years (straight-line)")},
        {DecliningRateRow, WorkbookText::tr("Declining-balance rate"), capital.decliningRatePercent,
         WorkbookText::tr("% of the book value a year")},
        {FirstYearShareRow, WorkbookText::tr("First-year share of the savings"), capital.firstYearSharePercent,
         QStringLiteral("%")},
        {TimingRow, WorkbookText::tr("Timing of the yearly flows"), double(capital.timing),
         WorkbookText::tr("0 year-end, 1 mid-year")},
    };
    for (const auto &row : rows) {
        sheet.text(row.row, 0, row.caption);
        sheet.number(row.row, 1, row.value);
        sheet.text(row.row, 2, row.unit);
    }
    sheet.text(ResidualValueRow, 0, WorkbookText::tr("Residual value"));
    sheet.number(ResidualValueRow, 1, capital.residualValue, formats.money);
    sheet.text(ResidualValueRow, 2, WorkbookText::tr("at the period's end"));
}

void writeFigures(Sheet &sheet, const Formats &formats, const model::InputValues &values,
                  const model::Assumptions &assumptions, const std::optional<model::Investment> &investment,
                  const model::CapitalInputs &capital, const QLocale &locale, const model::CurrencyUnits &currency)
{
    sheet.columnWidth(0, 40);
    sheet.columnWidth(1, 14);
    sheet.columnWidth(2, 14);
    sheet.text(0, 0, WorkbookText::tr("Figure"), formats.bold);
    sheet.text(0, 1, WorkbookText::tr("Value"), formats.bold);
    sheet.text(0, 2, WorkbookText::tr("Unit"), formats.bold);
    for (int i = 0; i < model::kInputCount; ++i) {
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        sheet.text(figureRow(i), 0, model::inputText(input.caption).trimmed());
        sheet.number(figureRow(i), 1, values[std::size_t(i)]);
        sheet.text(figureRow(i), 2, model::unitLabel(i, currency).trimmed());
    }
    sheet.text(reductionRow(0), 0, WorkbookText::tr("Reduction with Velmor"), formats.bold);
    sheet.text(reductionRow(0), 1, WorkbookText::tr("Per cent"), formats.bold);
    for (int k = 1; k <= model::kReducedRowCount; ++k) {
        sheet.text(reductionRow(k), 0, model::costRowCaption(0, k, assumptions, locale));
        sheet.number(reductionRow(k), 1, assumptions.reductionPercent[std::size_t(k - 1)]);
        sheet.text(reductionRow(k), 2, QStringLiteral("%"));
    }
    if (!investment)
        return;
    sheet.text(PriceRow - 1, 0, WorkbookText::tr("Investment"), formats.bold);
    sheet.text(PriceRow, 0, WorkbookText::tr("Installed system price"));
    sheet.number(PriceRow, 1, investment->systemPrice, formats.money);
    sheet.text(InstallationRow, 0, WorkbookText::tr("Installation cost"));
    sheet.number(InstallationRow, 1, investment->installationCost, formats.money);
    sheet.text(UpkeepRow, 0, WorkbookText::tr("Yearly upkeep"));
    sheet.number(UpkeepRow, 1, investment->yearlyUpkeep, formats.money);
    sheet.text(UpkeepRow, 2, WorkbookText::tr("per year"));
    sheet.text(YearsRow, 0, WorkbookText::tr("Evaluation period"));
    sheet.number(YearsRow, 1, investment->years);
    sheet.text(YearsRow, 2, WorkbookText::tr("years (1 to %1)").arg(model::kMaxYears));
    sheet.text(RateRow, 0, WorkbookText::tr("Discount rate"));
    sheet.number(RateRow, 1, investment->discountRatePercent);
    sheet.text(RateRow, 2, WorkbookText::tr("% a year"));
    writeCapital(sheet, formats, capital);
}

void writeCosts(Sheet &sheet, const Formats &formats, const model::Results &results,
                const model::Assumptions &assumptions, const QLocale &locale)
{
    sheet.columnWidth(0, 52);
    sheet.columnWidth(1, 16);
    for (int table = 0; table < model::kTableCount; ++table) {
        sheet.text(costRow(table, 0), 0, model::tableTitle(model::kTableTitles[std::size_t(table)].tab), formats.bold);
        const model::CostTable &computed = results.tables[std::size_t(table)];
        for (int k = 1; k <= model::kRowCount; ++k) {
            const QString formula = model::costFormulaText(model::Table(table), k, formulaCells());
            sheet.text(costRow(table, k), 0, model::costRowCaption(table, k, assumptions, locale));
            sheet.formula(costRow(table, k), 1, formula, computed.row(k), formats.money);
        }
    }
}

// The business case: its measures on top, over the cash-flow table beneath
// them. The table has a row for every year a period may have, each 0 after
// the period's end (which changes no measure), so that a changed period in
// the Figures sheet is followed. Beside it, when each payback is reached,
// and the flows by half year the rate of return is found from: at mid-year
// year t's savings, upkeep and tax fall at half year 2t − 1 and the residual
// value at the period's end, at year ends all of year t at half year 2t.
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
};
constexpr int kHalfYears = 2 * model::kMaxYears;

// The program's figure of each cell beside the table: when each payback is
// reached (none before), each half year's flow and the sign of the last
// flow that is not zero, found as model::measuresOf() finds them.
struct RunningFigures {
    std::vector<std::optional<double>> paidBackMonths;
    std::vector<std::optional<double>> paidBackYears;
    std::vector<double> halfYearFlows;
    std::vector<double> signs;
};

RunningFigures runningFiguresOf(const model::CashFlowTable &table)
{
    RunningFigures figures;
    const std::size_t rows = std::size_t(model::kMaxYears) + 1;
    figures.paidBackMonths.resize(rows);
    figures.paidBackYears.resize(rows);
    figures.halfYearFlows.resize(std::size_t(kHalfYears) + 1);
    figures.signs.resize(figures.halfYearFlows.size());
    const bool midYear = table.timing == model::CashFlowTiming::MidYear;
    figures.halfYearFlows[0] = table.years.front().net;
    for (int t = 1; t <= table.period(); ++t) {
        const model::CashFlowYear &year = table.years[std::size_t(t)];
        const model::CashFlowYear &before = table.years[std::size_t(t - 1)];
        const double operating = year.operatingNet();
        const double discounted = operating * year.discountFactor;
        std::optional<double> &months = figures.paidBackMonths[std::size_t(t)];
        months = figures.paidBackMonths[std::size_t(t - 1)];
        if (!months && operating > 0 && before.cumulative + operating >= 0)
            months = 12 * (t - 1 - before.cumulative / operating);
        else if (!months && year.residualAfterTax != 0 && year.cumulative >= 0)
            months = 12.0 * t;
        std::optional<double> &years = figures.paidBackYears[std::size_t(t)];
        years = figures.paidBackYears[std::size_t(t - 1)];
        if (!years && discounted > 0 && before.cumulativeDiscounted + discounted >= 0)
            years = t - 1 - before.cumulativeDiscounted / discounted;
        else if (!years && year.residualAfterTax != 0 && year.cumulativeDiscounted >= 0)
            years = double(t);
        figures.halfYearFlows[std::size_t(2 * t - 1)] = midYear ? operating : 0;
        figures.halfYearFlows[std::size_t(2 * t)] = midYear ? year.residualAfterTax : year.net;
    }
    for (std::size_t t = table.years.size(); t < rows; ++t) {
        figures.paidBackMonths[t] = figures.paidBackMonths[t - 1];
        figures.paidBackYears[t] = figures.paidBackYears[t - 1];
    }
    double sign = 0;
    for (std::size_t j = 0; j < figures.halfYearFlows.size(); ++j) {
        const double flow = figures.halfYearFlows[j];
        if (flow != 0)
            sign = flow > 0 ? 1 : -1;
        figures.signs[j] = sign;
    }
    return figures;
}

// A text as a formula's string: in quotation marks, those within doubled.
QString formulaText(const QString &text)
{
    return QStringLiteral("\"%1\"").arg(QString(text).replace(u'"', QStringLiteral("\"\"")));
}

void writeFlowHeaders(Sheet &sheet, const Formats &formats)
{
    const struct {
        int column;
        QString caption;
    } headers[] = {
        {YearColumn, model::cashFlowHeading(model::CashFlowColumn::Year)},
        {SavingsColumn, model::cashFlowHeading(model::CashFlowColumn::Savings)},
        {UpkeepColumn, model::cashFlowHeading(model::CashFlowColumn::Upkeep)},
        {DepreciationColumn, model::cashFlowHeading(model::CashFlowColumn::Depreciation)},
        {BookValueColumn, WorkbookText::tr("Book value")},
        {TaxColumn, model::cashFlowHeading(model::CashFlowColumn::Tax)},
        {ResidualColumn, model::cashFlowHeading(model::CashFlowColumn::Residual)},
        {NetColumn, model::cashFlowHeading(model::CashFlowColumn::Net)},
        {FactorColumn, WorkbookText::tr("Discount factor")},
        {DiscountedColumn, model::cashFlowHeading(model::CashFlowColumn::DiscountedNet)},
        {CumulativeColumn, model::cashFlowHeading(model::CashFlowColumn::Cumulative)},
        {CumulativeDiscountedColumn, model::cashFlowHeading(model::CashFlowColumn::CumulativeDiscounted)},
        {PaidBackColumn, WorkbookText::tr("Paid back by (months)")},
        {PaidBackDiscountedColumn, WorkbookText::tr("Paid back discounted by (years)")},
        {HalfYearColumn, WorkbookText::tr("Half year")},
        {HalfYearFlowColumn, WorkbookText::tr("Flow at the half year")},
        {HalfYearSignColumn, WorkbookText::tr("Sign so far")},
    };
    for (const auto &header : headers) {
        sheet.text(FlowHeaderRow, header.column, header.caption, formats.bold);
        sheet.columnWidth(header.column, header.column == YearColumn ? 40 : 16);
    }
}

void writeBusinessCase(Sheet &sheet, const Formats &formats, const model::BusinessCase &measures)
{
    const model::CashFlowTable &table = measures.cashFlow;
    const RunningFigures running = runningFiguresOf(table);
    const QString period = figuresCell(YearsRow);
    const QString initial = cellName(InitialRow, 1);
    const QString growth = QStringLiteral("(1+%1/100)").arg(figuresCell(RateRow));
    const QString taxRate = QStringLiteral("%1/100").arg(figuresCell(TaxRateRow));
    const QString midYear = QStringLiteral("%1=1").arg(figuresCell(TimingRow));
    const int lastRow = FirstFlowRow + model::kMaxYears;
    const auto cell = [](int row, int column) { return cellName(row, column); };
    const auto column = [&](int c, int first = FirstFlowRow, int last = FirstFlowRow + model::kMaxYears) {
        return QStringLiteral("%1:%2").arg(cell(first, c), cell(last, c));
    };
    const auto atPeriod = [&](int c) { return QStringLiteral("INDEX(%1,%2+1)").arg(column(c), period); };
    const auto operatingOf = [&](int row) {
        return QStringLiteral("(%1-%2-%3)")
            .arg(cell(row, SavingsColumn), cell(row, UpkeepColumn), cell(row, TaxColumn));
    };

    writeFlowHeaders(sheet, formats);
    // Year 0 holds the outlay only.
    const model::CashFlowYear &start = table.years.front();
    sheet.number(FirstFlowRow, YearColumn, 0);
    for (const int c : {SavingsColumn, UpkeepColumn, DepreciationColumn, TaxColumn, ResidualColumn})
        sheet.formula(FirstFlowRow, c, QStringLiteral("0"), 0.0, formats.money);
    sheet.formula(FirstFlowRow, BookValueColumn, initial, start.bookValue, formats.money);
    sheet.formula(FirstFlowRow, NetColumn, QStringLiteral("-%1").arg(initial), start.net, formats.money);
    sheet.formula(FirstFlowRow, FactorColumn, QStringLiteral("1"), 1.0, formats.factor);
    sheet.formula(FirstFlowRow, DiscountedColumn, cell(FirstFlowRow, NetColumn), start.discountedNet, formats.money);
    sheet.formula(FirstFlowRow, CumulativeColumn, cell(FirstFlowRow, NetColumn), start.cumulative, formats.money);
    sheet.formula(FirstFlowRow, CumulativeDiscountedColumn, cell(FirstFlowRow, DiscountedColumn),
                  start.cumulativeDiscounted, formats.money);

    model::CashFlowYear afterPeriod; // every figure 0
    afterPeriod.discountFactor = 0;
    for (int t = 1; t <= model::kMaxYears; ++t) {
        const int row = FirstFlowRow + t;
        const model::CashFlowYear &year = t <= table.period() ? table.years[std::size_t(t)] : afterPeriod;
        const QString yearCell = cell(row, YearColumn);
        const auto within = [&](const QString &formula) {
            return QStringLiteral("IF(%1<=%2,%3,0)").arg(yearCell, period, formula);
        };
        const auto here = [&](int c) { return cell(row, c); };
        const auto before = [&](int c) { return cell(row - 1, c); };
        const QString operating = operatingOf(row);
        sheet.number(row, YearColumn, t);

        QString savings = cellName(costRow(2, model::kRowCount), kValueColumn, kCostsSheet);
        for (int k = 1; k <= model::kReducedRowCount; ++k)
            savings +=
                QStringLiteral("+%1*((1+%2/100)^(%3-1)-1)")
                    .arg(cellName(costRow(2, k), kValueColumn, kCostsSheet), figuresCell(escalationRowOf(k)), yearCell);
        sheet.formula(
            row, SavingsColumn,
            within(QStringLiteral("(%1)*IF(%2=1,%3/100,1)").arg(savings, yearCell, figuresCell(FirstYearShareRow))),
            year.savings, formats.money);
        sheet.formula(row, UpkeepColumn,
                      within(QStringLiteral("%1*(1+%2/100)^(%3-1)")
                                 .arg(figuresCell(UpkeepRow), figuresCell(UpkeepEscalationRow), yearCell)),
                      year.upkeep, formats.money);
        // Straight-line from the outlay, so that it is exactly nothing at
        // the depreciation period's end; declining balance from the year before.
        const QString life = QStringLiteral("MAX(1,%1)").arg(figuresCell(DepreciationYearsRow));
        sheet.formula(row, BookValueColumn,
                      within(QStringLiteral("IF(%1=1,IF(%2>=%3,0,%4*(%3-%2)/%3),IF(%1=2,%5*(1-%6/100),%4))")
                                 .arg(figuresCell(DepreciationRow), yearCell, life, initial, before(BookValueColumn),
                                      figuresCell(DecliningRateRow))),
                      year.bookValue, formats.money);
        sheet.formula(row, DepreciationColumn,
                      within(QStringLiteral("%1-%2").arg(before(BookValueColumn), here(BookValueColumn))),
                      year.depreciation, formats.money);
        sheet.formula(row, TaxColumn,
                      within(QStringLiteral("%1*(%2-%3-%4)")
                                 .arg(taxRate, here(SavingsColumn), here(UpkeepColumn), here(DepreciationColumn))),
                      year.tax, formats.money);
        sheet.formula(row, ResidualColumn,
                      QStringLiteral("IF(%1=%2,%3-%4*(%3-%5),0)")
                          .arg(yearCell, period, figuresCell(ResidualValueRow), taxRate, here(BookValueColumn)),
                      year.residualAfterTax, formats.money);
        sheet.formula(row, NetColumn, within(QStringLiteral("%1+%2").arg(operating, here(ResidualColumn))), year.net,
                      formats.money);
        sheet.formula(row, FactorColumn,
                      within(QStringLiteral("1/%1^(%2-IF(%3,0.5,0))").arg(growth, yearCell, midYear)),
                      year.discountFactor, formats.factor);
        // The residual value falls at the period's end, mid-year or not.
        sheet.formula(row, DiscountedColumn,
                      within(QStringLiteral("%1*%2+%3/%4^%5")
                                 .arg(operating, here(FactorColumn), here(ResidualColumn), growth, yearCell)),
                      year.discountedNet, formats.money);
        sheet.formula(row, CumulativeColumn,
                      within(QStringLiteral("%1+%2").arg(before(CumulativeColumn), here(NetColumn))), year.cumulative,
                      formats.money);
        sheet.formula(row, CumulativeDiscountedColumn,
                      within(QStringLiteral("%1+%2").arg(before(CumulativeDiscountedColumn), here(DiscountedColumn))),
                      year.cumulativeDiscounted, formats.money);

        // Paid back within year t at its pace, or by its residual value at
        // the period's end; once paid back, the time is carried down.
        const auto carried = [&](int c, const QString &formula) {
            return t == 1 ? formula : QStringLiteral("IF(%1<>\"\",%1,%2)").arg(before(c), formula);
        };
        sheet.formula(row, PaidBackColumn,
                      carried(PaidBackColumn, QStringLiteral("IF(AND(%1>0,%2+%1>=0),12*(%3-1-%2/%1),"
                                                             "IF(AND(%4<>0,%5>=0),12*%3,\"\"))")
                                                  .arg(operating, before(CumulativeColumn), yearCell,
                                                       here(ResidualColumn), here(CumulativeColumn))),
                      running.paidBackMonths[std::size_t(t)], formats.tenths);
        const QString discounted = QStringLiteral("%1*%2").arg(operating, here(FactorColumn));
        sheet.formula(
            row, PaidBackDiscountedColumn,
            carried(PaidBackDiscountedColumn, QStringLiteral("IF(AND(%1>0,%2+%1>=0),%3-1-%2/(%1),"
                                                             "IF(AND(%4<>0,%5>=0),%3,\"\"))")
                                                  .arg(discounted, before(CumulativeDiscountedColumn), yearCell,
                                                       here(ResidualColumn), here(CumulativeDiscountedColumn))),
            running.paidBackYears[std::size_t(t)], formats.tenths);
    }

    for (int j = 0; j <= kHalfYears; ++j) {
        const int row = FirstFlowRow + j;
        const int yearRow = FirstFlowRow + (j + 1) / 2;
        sheet.number(row, HalfYearColumn, j);
        const QString flow =
            j == 0 ? cell(yearRow, NetColumn)
            : j % 2 == 1
                ? QStringLiteral("IF(%1,%2,0)").arg(midYear, operatingOf(yearRow))
                : QStringLiteral("IF(%1,%2,%3)").arg(midYear, cell(yearRow, ResidualColumn), cell(yearRow, NetColumn));
        sheet.formula(row, HalfYearFlowColumn, flow, running.halfYearFlows[std::size_t(j)], formats.money);
        const QString flowCell = cell(row, HalfYearFlowColumn);
        sheet.formula(row, HalfYearSignColumn,
                      j == 0 ? QStringLiteral("SIGN(%1)").arg(flowCell)
                             : QStringLiteral("IF(%1<>0,SIGN(%1),%2)").arg(flowCell, cell(row - 1, HalfYearSignColumn)),
                      running.signs[std::size_t(j)]);
    }

    sheet.text(0, 0, WorkbookText::tr("Business Case"), formats.bold);
    const auto measure =
        [&](int row, const QString &caption, const QString &formula, std::optional<double> cached, lxw_format *format) {
        sheet.text(row, 0, caption);
        sheet.formula(row, 1, formula, cached, format);
    };
    measure(InitialRow, WorkbookText::tr("Initial outlay (price + installation)"),
            QStringLiteral("%1+%2").arg(figuresCell(PriceRow), figuresCell(InstallationRow)), measures.initial,
            formats.money);
    measure(NetRow, WorkbookText::tr("Net of year 1 (savings \u2212 upkeep)"),
            QStringLiteral("%1-%2").arg(cell(FirstFlowRow + 1, SavingsColumn), cell(FirstFlowRow + 1, UpkeepColumn)),
            measures.yearlyNet, formats.money);
    // Not paid back within the period: the months at the last year's pace.
    const QString lastOperating =
        QStringLiteral("(%1-%2-%3)").arg(atPeriod(SavingsColumn), atPeriod(UpkeepColumn), atPeriod(TaxColumn));
    measure(PaybackRow, WorkbookText::tr("Simple payback, months"),
            QStringLiteral("IF(%1>0,IF(%2<>\"\",%2,IF(%3>0,12*(%4-%5/%3),\"\")),\"\")")
                .arg(initial, cell(lastRow, PaidBackColumn), lastOperating, period, atPeriod(CumulativeColumn)),
            measures.paybackMonths, formats.tenths);
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
                                .arg(column(HalfYearSignColumn, FirstFlowRow + 1, FirstFlowRow + kHalfYears),
                                     column(HalfYearSignColumn, FirstFlowRow, FirstFlowRow + kHalfYears - 1));
    measure(IrrRow, WorkbookText::tr("Internal rate of return"),
            QStringLiteral("IF(%1=1,IFERROR((1+IRR(%2,SQRT(1+MAX(-0.9,IF(%3>0,%4/%3,0.1)))-1))^2-1,\"\"),\"\")")
                .arg(changes, column(HalfYearFlowColumn, FirstFlowRow, FirstFlowRow + kHalfYears), initial,
                     cell(NetRow, 1)),
            measures.irr, formats.percent);
    measure(AnnualisedRoiRow, WorkbookText::tr("Annualised return on investment"),
            QStringLiteral("IF(ISNUMBER(%1),IF(%1>=-1,(1+%1)^(1/%2)-1,\"\"),\"\")").arg(cell(RoiRow, 1), period),
            measures.annualisedRoi, formats.percent);
    measure(IndexRow, WorkbookText::tr("Profitability index (NPV \u00F7 initial outlay + 1)"),
            QStringLiteral("IF(%1<>0,%2/%1+1,\"\")").arg(initial, cell(NpvRow, 1)), measures.profitabilityIndex,
            formats.index);
    measure(DiscountedPaybackRow, WorkbookText::tr("Discounted payback, years"),
            QStringLiteral("IF(%1>0,%2,\"\")").arg(initial, cell(lastRow, PaidBackDiscountedColumn)),
            measures.discountedPaybackYears, formats.tenths);

    // Beside a payback, whether it falls after the period; beside the rate
    // of return, why there is none.
    const QString notWithin = WorkbookText::tr("not within the %1 year(s)", "", table.period());
    const QString notWithinFormula = QStringLiteral("%1&%2&%3")
                                         .arg(formulaText(notWithin.section(QStringLiteral("%1"), 0, 0)), period,
                                              formulaText(notWithin.section(QStringLiteral("%1"), 1)));
    const QString notWithinText = notWithin.arg(table.period());
    sheet.textFormula(PaybackRow, 2,
                      QStringLiteral("IF(AND(ISNUMBER(%1),%2=\"\"),%3,\"\")")
                          .arg(cell(PaybackRow, 1), cell(lastRow, PaidBackColumn), notWithinFormula),
                      measures.paybackState == model::PaybackState::NotWithinPeriod ? notWithinText : QString());
    sheet.textFormula(DiscountedPaybackRow, 2,
                      QStringLiteral("IF(AND(%1>0,%2=\"\"),%3,\"\")")
                          .arg(initial, cell(lastRow, PaidBackDiscountedColumn), notWithinFormula),
                      measures.initial > 0 && !measures.discountedPaybackYears ? notWithinText : QString());
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

bool exportWorkbook(const QString &path, const model::FacilityFigures &facts, const QLocale &locale,
                    const model::FacilityOutcome &outcome, QString *error, CachedResults cached)
{
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = WorkbookText::tr("Could not write the workbook %1. %2")
                         .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), reason);
        return false;
    };
    // Measures that overflow are refused as the tables' overflow is.
    if (const std::optional<model::OutcomeFault> fault = model::firstFault(outcome)) {
        if (fault->field)
            return fail(model::notANumberText(*fault->field));
        if (fault->arithmetic)
            return fail(
                WorkbookText::tr("The figures cannot be computed: %1.").arg(model::faultText(*fault->arithmetic)));
        return fail(fault->problem);
    }
    const model::Results &results = outcome.results;
    const model::Assumptions &assumptions = facts.assumptions;
    const model::CurrencyUnits &currency = facts.currency;
    const std::optional<model::Investment> &investment = outcome.investment.investment;
    const model::CapitalInputs &capital = *outcome.capital.inputs;
    const std::optional<model::BusinessCase> &measures = outcome.measures;
    const std::optional<model::RiskRanges> &risk = facts.risk;
    const std::optional<model::RecordsEvidence> &records = facts.records;

    // The runs with the investment the Business Case sheet evaluates; ranges
    // whose runs would overflow are refused, naming the input.
    std::optional<model::RiskSummary> simulated;
    if (risk) {
        if (const std::optional<model::RiskInput> input =
                model::overflowingRiskInput(results.values, assumptions, investment, capital, *risk))
            return fail(model::riskOverflowText(*input, currency.symbol));
        simulated = model::simulateRisk(results.values, assumptions, investment, capital, *risk);
    }

    const bool zeroCached = cached == CachedResults::Zero;
    const model::WriteResult written = writeXlsxSafely(path, [&](lxw_workbook *book) -> std::optional<QString> {
        Formats formats{};
        formats.bold = workbook_add_format(book);
        format_set_bold(formats.bold);
        formats.money = workbook_add_format(book);
        const QByteArray money =
            model::spreadsheetMoneyFormat(locale, currency.symbol, QStringLiteral("$#,##0.00")).toUtf8();
        format_set_num_format(formats.money, money.constData());
        formats.percent = workbook_add_format(book);
        format_set_num_format(formats.percent, "0.0%");
        formats.tenths = workbook_add_format(book);
        format_set_num_format(formats.tenths, "0.0");
        formats.factor = workbook_add_format(book);
        format_set_num_format(formats.factor, "0.000000");
        formats.index = workbook_add_format(book);
        format_set_num_format(formats.index, "0.00");
        lxw_format *date = workbook_add_format(book);
        format_set_num_format(date, "yyyy-mm-dd");

        Sheet figures(book, kFiguresSheet, zeroCached);
        writeFigures(figures, formats, results.values, assumptions, investment, capital, locale, currency);
        Sheet costs(book, kCostsSheet, zeroCached);
        writeCosts(costs, formats, results, assumptions, locale);
        lxw_error status = figures.error() ? figures.error() : costs.error();
        if (measures) {
            Sheet business(book, kBusinessSheet, zeroCached);
            writeBusinessCase(business, formats, *measures);
            if (!status)
                status = business.error();
        }
        if (simulated) {
            const lxw_error written =
                writeRiskSheets(book, {formats.bold, formats.money, formats.percent, formats.tenths}, *risk, *simulated,
                                results.values, assumptions, currency.symbol);
            if (!status)
                status = written;
        }
        if (records) {
            const int bearings = int(model::RiskInput::BearingsReduction);
            const lxw_error written = writeRecordsSheets(book, {formats.bold, formats.percent, formats.tenths, date},
                                                         *records, assumptions.reductionPercent[std::size_t(bearings)],
                                                         figuresCell(reductionRow(bearings + 1)), locale, zeroCached);
            if (!status)
                status = written;
        }
        if (status != LXW_NO_ERROR)
            return libraryFailure(status);
        return std::nullopt;
    });
    if (!written)
        return fail(written.reason);
    return true;
}

} // namespace workbook
