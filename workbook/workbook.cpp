// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/workbook.h"

#include "model/cost_formulas.h"
#include "model/currency_text.h"
#include "model/message_text.h"
#include "model/model_text.h"
#include "model/results.h"
#include "model/table_titles.h"
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
// under a header in rows 15 to 19, the investment under one in rows 22 to 26.
constexpr int kValueColumn = 1;
int figureRow(int index) { return 1 + index; }
int figureRow(model::Input input) { return figureRow(int(input)); }
int reductionRow(int k) { return 14 + k; }
enum InvestmentRow { PriceRow = 22, InstallationRow, UpkeepRow, YearsRow, RateRow };

// Costs: each table a title row and six rows, a blank row between tables.
int costRow(int table, int k) { return table * 8 + k; }

QString investmentCell(int row) { return cellName(row, kValueColumn, kFiguresSheet); }

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
    lxw_format *months;
};

void writeFigures(Sheet &sheet, const Formats &formats, const model::InputValues &values,
                  const model::Assumptions &assumptions, const std::optional<model::Investment> &investment,
                  const QLocale &locale, const model::CurrencyUnits &currency)
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

// Rows of the business case: the measures, then the cash flow of every year
// the period may have (0 after its end, which changes neither NPV nor IRR),
// so that a changed period in the Figures sheet is followed.
enum BusinessRow { InitialRow = 1, NetRow, PaybackRow, RoiRow, NpvRow, IrrRow, FlowHeaderRow = 8, FirstFlowRow };

void writeBusinessCase(Sheet &sheet, const Formats &formats, const model::Investment &investment,
                       const model::BusinessCase &measures)
{
    sheet.columnWidth(0, 40);
    sheet.columnWidth(1, 16);
    const QString initial = cellName(InitialRow, 1);
    const QString net = cellName(NetRow, 1);
    const QString savings = cellName(costRow(2, model::kRowCount), kValueColumn, kCostsSheet);
    const QString years = investmentCell(YearsRow);
    const QString upkeep = investmentCell(UpkeepRow);
    const QString firstFlow = cellName(FirstFlowRow, 1);
    const QString lastFlow = cellName(FirstFlowRow + model::kMaxYears, 1);
    const QString laterFlows = QStringLiteral("%1:%2").arg(cellName(FirstFlowRow + 1, 1), lastFlow);

    sheet.text(0, 0, WorkbookText::tr("Business Case"), formats.bold);
    sheet.text(InitialRow, 0, WorkbookText::tr("Initial outlay (price + installation)"));
    sheet.formula(InitialRow, 1, QStringLiteral("%1+%2").arg(investmentCell(PriceRow), investmentCell(InstallationRow)),
                  measures.initial, formats.money);
    sheet.text(NetRow, 0, WorkbookText::tr("Yearly net (savings \u2212 upkeep)"));
    sheet.formula(NetRow, 1, QStringLiteral("%1-%2").arg(savings, upkeep), measures.yearlyNet, formats.money);
    sheet.text(PaybackRow, 0, WorkbookText::tr("Simple payback, months"));
    sheet.formula(PaybackRow, 1, QStringLiteral("IF(AND(%1>0,%2>0),%2/(%1/12),\"\")").arg(net, initial),
                  measures.paybackMonths, formats.months);
    sheet.text(RoiRow, 0, WorkbookText::tr("Return on investment over the period"));
    sheet.formula(RoiRow, 1, QStringLiteral("IF(%1<>0,(%2*%3-%4*%3-%1)/%1,\"\")").arg(initial, savings, years, upkeep),
                  measures.roi, formats.percent);
    sheet.text(NpvRow, 0, WorkbookText::tr("Net present value"));
    sheet.formula(NpvRow, 1, QStringLiteral("NPV(%1/100,%2)+%3").arg(investmentCell(RateRow), laterFlows, firstFlow),
                  measures.npv, formats.money);
    // The yearly return on the outlay is where the search starts: IRR()'s
    // own start of 10 % misses the rates of hundreds of per cent a system
    // with a short payback earns.
    sheet.text(IrrRow, 0, WorkbookText::tr("Internal rate of return"));
    sheet.formula(IrrRow, 1,
                  QStringLiteral("IFERROR(IRR(%1:%2,IF(%3>0,%4/%3,0.1)),\"\")").arg(firstFlow, lastFlow, initial, net),
                  measures.irr, formats.percent);

    sheet.text(FlowHeaderRow, 0, WorkbookText::tr("Year"), formats.bold);
    sheet.text(FlowHeaderRow, 1, WorkbookText::tr("Net cash flow"), formats.bold);
    sheet.number(FirstFlowRow, 0, 0);
    sheet.formula(FirstFlowRow, 1, QStringLiteral("-%1").arg(initial), -measures.initial, formats.money);
    for (int t = 1; t <= model::kMaxYears; ++t) {
        const int row = FirstFlowRow + t;
        sheet.number(row, 0, t);
        sheet.formula(row, 1,
                      QStringLiteral("IF(%1<=%2,%3,0)").arg(cellName(row, 0), years, cellName(NetRow, 1, nullptr)),
                      t <= investment.years ? measures.yearlyNet : 0, formats.money);
    }
}

QString whyNot(const model::Results &results)
{
    if (results.failedField)
        return model::notANumberText(*results.failedField);
    if (results.fault)
        return WorkbookText::tr("The figures cannot be computed: %1.").arg(model::faultText(*results.fault));
    return QString();
}

} // namespace

bool exportWorkbook(const QString &path, const std::array<QString, model::kInputCount> &fieldTexts,
                    const QLocale &locale, const model::Assumptions &assumptions,
                    const model::InvestmentTexts &investment, QString *error, const model::CurrencyUnits &currency,
                    const model::CapitalTexts &capital)
{
    return exportWorkbook(path, fieldTexts, locale, assumptions, investment, CachedResults::Computed, error, currency,
                          capital);
}

bool exportWorkbook(const QString &path, const std::array<QString, model::kInputCount> &fieldTexts,
                    const QLocale &locale, const model::Assumptions &assumptions,
                    const model::InvestmentTexts &investmentTexts, CachedResults cached, QString *error,
                    const model::CurrencyUnits &currency, const model::CapitalTexts &capitalTexts)
{
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = WorkbookText::tr("Could not write the workbook %1. %2")
                         .arg(model::quotedForMessage(QDir::toNativeSeparators(path)), reason);
        return false;
    };
    const model::Results results = model::computeResults(fieldTexts, locale, assumptions);
    if (!results.complete())
        return fail(whyNot(results));
    const model::InvestmentReading reading = model::readInvestment(investmentTexts, locale);
    if (!reading.problem.isEmpty())
        return fail(reading.problem);
    const std::optional<model::Investment> &investment = reading.investment;
    const model::CapitalReading capital = model::readCapitalInputs(capitalTexts, locale);
    if (!capital.problem.isEmpty())
        return fail(capital.problem);
    if (investment && *capital.inputs != model::CapitalInputs())
        return fail(WorkbookText::tr("A workbook does not yet hold the escalations, income tax, depreciation, residual "
                                     "value, first-year share or mid-year convention of the business case."));
    // Measures that overflow are refused as the tables' overflow is.
    if (investment) {
        const double savings = results.table(model::Table::Savings).row(model::kRowCount);
        if (const std::optional<model::ArithmeticFault> fault = model::businessCaseOf(savings, *investment).fault)
            return fail(WorkbookText::tr("The figures cannot be computed: %1.").arg(model::faultText(*fault)));
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
        formats.months = workbook_add_format(book);
        format_set_num_format(formats.months, "0.0");

        Sheet figures(book, kFiguresSheet, zeroCached);
        writeFigures(figures, formats, results.values, assumptions, investment, locale, currency);
        Sheet costs(book, kCostsSheet, zeroCached);
        writeCosts(costs, formats, results, assumptions, locale);
        lxw_error status = figures.error() ? figures.error() : costs.error();
        if (investment) {
            Sheet business(book, kBusinessSheet, zeroCached);
            const double savings = results.table(model::Table::Savings).row(model::kRowCount);
            writeBusinessCase(business, formats, *investment, model::businessCaseOf(savings, *investment));
            if (!status)
                status = business.error();
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
