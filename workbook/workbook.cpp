// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/workbook.h"

#include "model/costs/cost_formulas.h"
#include "model/costs/currency_text.h"
#include "model/costs/model_text.h"
#include "model/costs/results.h"
#include "model/costs/table_titles.h"
#include "model/finance/risk_text.h"
#include "model/text/message_text.h"
#include "workbook/alternatives_sheet.h"
#include "workbook/business_case_sheet.h"
#include "workbook/records_sheets.h"
#include "workbook/risk_sheets.h"
#include "workbook/sheet_layout.h"

#include <QCoreApplication>
#include <QDir>

#include <initializer_list>

namespace workbook {
namespace {

// The cells the cost rows' formulas (model::costFormulaText()) name.
const model::FormulaCells &formulaCells()
{
    static const model::FormulaCells cells{
        [](model::Input input) { return cellName(figureRow(input), kValueColumn, kFiguresSheet); },
        [](int k) { return cellName(reductionRow(k), kValueColumn, kFiguresSheet); },
        [](model::Table table, int k) { return cellName(costRow(int(table), k), kValueColumn); },
        [](model::StopFigure figure) { return cellName(stopFigureRow(figure), kValueColumn, kFiguresSheet); },
    };
    return cells;
}

// A row of Figures: its caption, value and unit.
struct NumberRow {
    int row;
    QString caption;
    double value;
    QString unit;
};

void writeNumberRows(Sheet &sheet, std::initializer_list<NumberRow> rows)
{
    for (const NumberRow &row : rows) {
        sheet.text(row.row, 0, row.caption);
        sheet.number(row.row, 1, row.value);
        sheet.text(row.row, 2, row.unit);
    }
}

// The savings beyond the cost rows and the one-off items, where any, each
// under its header.
void writeCaseItems(Sheet &sheet, const Formats &formats, const model::CapitalInputs &capital)
{
    if (!capital.otherSavings.empty()) {
        sheet.text(otherSavingRow(0) - 1, 0, WorkbookText::tr("Other annual savings"), formats.bold);
        sheet.text(otherSavingRow(0) - 1, 2, WorkbookText::tr("% a year"), formats.bold);
        sheet.text(otherSavingRow(0) - 1, 3, WorkbookText::tr("Cash (1) or not (0)"), formats.bold);
        for (int j = 0; j < int(capital.otherSavings.size()); ++j) {
            const model::OtherSaving &saving = capital.otherSavings[std::size_t(j)];
            sheet.text(otherSavingRow(j), 0, saving.caption);
            sheet.number(otherSavingRow(j), 1, saving.amount, formats.money);
            sheet.number(otherSavingRow(j), 2, saving.escalationPercent);
            sheet.number(otherSavingRow(j), 3, saving.hard ? 1 : 0);
        }
    }
    if (!capital.oneOffs.empty()) {
        sheet.text(oneOffRow(0) - 1, 0, WorkbookText::tr("One-off items"), formats.bold);
        sheet.text(oneOffRow(0) - 1, 2, WorkbookText::tr("Year"), formats.bold);
        sheet.text(oneOffRow(0) - 1, 3, WorkbookText::tr("Every (years, 0 once)"), formats.bold);
        for (int k = 0; k < int(capital.oneOffs.size()); ++k) {
            const model::OneOffItem &item = capital.oneOffs[std::size_t(k)];
            sheet.text(oneOffRow(k), 0, item.caption);
            sheet.number(oneOffRow(k), 1, item.amount, formats.money);
            sheet.number(oneOffRow(k), 2, item.year);
            sheet.number(oneOffRow(k), 3, item.every);
        }
    }
}

// The capital inputs as plain numbers, the two choices by their codes.
void writeCapital(Sheet &sheet, const Formats &formats, const model::CapitalInputs &capital)
{
    const QString perYear = WorkbookText::tr("% a year");
    sheet.text(LabourEscalationRow - 1, 0, WorkbookText::tr("Capital request"), formats.bold);
    writeNumberRows(
        sheet,
        {{LabourEscalationRow, WorkbookText::tr("Escalation of the labor rates"), capital.labourEscalationPercent,
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
         {TimingRow, WorkbookText::tr("Timing of the annual flows"), double(capital.timing),
          WorkbookText::tr("0 year-end, 1 mid-year")}});
    if (capital.contingencyPercent != 0 || capital.accuracyBelowPercent || capital.accuracyAbovePercent
        || capital.hurdleRatePercent)
        writeNumberRows(
            sheet, {{ContingencyRow, WorkbookText::tr("Contingency"), capital.contingencyPercent,
                     WorkbookText::tr("% of the price and installation")},
                    {AccuracyBelowRow, WorkbookText::tr("Estimate accuracy, below"),
                     capital.accuracyBelowPercent.value_or(0), QStringLiteral("%")},
                    {AccuracyAboveRow, WorkbookText::tr("Estimate accuracy, above"),
                     capital.accuracyAbovePercent.value_or(0), QStringLiteral("%")},
                    {HurdleRateRow, WorkbookText::tr("Hurdle rate"), capital.hurdleRatePercent.value_or(0), perYear}});
    writeCaseItems(sheet, formats, capital);
    sheet.text(ResidualValueRow, 0, WorkbookText::tr("Residual value"));
    sheet.number(ResidualValueRow, 1, capital.residualValue, formats.money);
    sheet.text(ResidualValueRow, 2, WorkbookText::tr("at the period's end"));
}

// The lost-production rule with the defaults filled in; the stop hours, where
// not given, are the hours to replace a bearing.
void writeLostProduction(Sheet &sheet, const Formats &formats, const model::LostProductionRule &rule,
                         const model::InputValues &values, QStringView symbol)
{
    if (rule.isEmpty())
        return;
    using model::StopFigure;
    sheet.text(stopFigureRow(StopFigure::Margin) - 1, 0, WorkbookText::tr("Lost production"), formats.bold);
    const struct {
        StopFigure figure;
        QString caption;
        QString unit;
    } rows[] = {
        {StopFigure::Margin, WorkbookText::tr("Contribution margin"),
         rule.soldOut ? WorkbookText::tr("% (sold out: the whole production value)")
                      : WorkbookText::tr("% of the production value")},
        {StopFigure::MadeUp, WorkbookText::tr("Lost output made up later"), QStringLiteral("%")},
        {StopFigure::IdleCrew, WorkbookText::tr("People standing idle during a stop"), QString()},
        {StopFigure::IdleCrewRate, WorkbookText::tr("Their hourly rate"), WorkbookText::tr("%1/hour").arg(symbol)},
        {StopFigure::StopHours, WorkbookText::tr("Stop per failure"), WorkbookText::tr("hours")},
    };
    for (const auto &row : rows) {
        const int at = stopFigureRow(row.figure);
        const double value = model::stopFigureValue(row.figure, rule, values);
        sheet.text(at, 0, row.caption);
        if (row.figure == StopFigure::StopHours && !rule.stopHours)
            sheet.formula(at, 1, figuresCell(figureRow(model::Input::HoursPerReplacement)), value);
        else
            sheet.number(at, 1, value, row.figure == StopFigure::IdleCrewRate ? formats.money : nullptr);
        sheet.text(at, 2, row.unit);
    }
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
    sheet.text(reductionRow(0), 1, WorkbookText::tr("Percent"), formats.bold);
    for (int k = 1; k <= model::kReducedRowCount; ++k) {
        sheet.text(reductionRow(k), 0, model::costRowCaption(0, k, assumptions, locale));
        sheet.number(reductionRow(k), 1, assumptions.reductionPercent[std::size_t(k - 1)]);
        sheet.text(reductionRow(k), 2, QStringLiteral("%"));
    }
    writeLostProduction(sheet, formats, assumptions.lostProduction, values, currency.symbol);
    if (!investment)
        return;
    sheet.text(PriceRow - 1, 0, WorkbookText::tr("Investment"), formats.bold);
    sheet.text(PriceRow, 0, WorkbookText::tr("Installed system price"));
    sheet.number(PriceRow, 1, investment->systemPrice, formats.money);
    sheet.text(InstallationRow, 0, WorkbookText::tr("Installation cost"));
    sheet.number(InstallationRow, 1, investment->installationCost, formats.money);
    sheet.text(UpkeepRow, 0, WorkbookText::tr("Annual upkeep"));
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

// The hardness of each savings row, 1 cash or 0 not, beside its reduction.
void writeSavingsKinds(Sheet &sheet, const Formats &formats, const model::SavingsKinds &kinds)
{
    sheet.columnWidth(kHardColumn, 14);
    sheet.text(reductionRow(0), kHardColumn, WorkbookText::tr("Cash (1) or not (0)"), formats.bold);
    for (int k = 1; k <= model::kReducedRowCount; ++k)
        sheet.number(reductionRow(k), kHardColumn, kinds.isHard(k) ? 1 : 0);
    if (!kinds.freedHoursTo.isEmpty())
        sheet.text(reductionRow(1), kHardColumn + 1,
                   WorkbookText::tr("The freed hours go to %1").arg(kinds.freedHoursTo));
}

// The savings rows times their hardness, the total added as the program adds it.
void writeHardSavings(Sheet &sheet, const Formats &formats, const model::CostTable &hard)
{
    sheet.text(costRow(kHardSavingsBlock, 0), 0, WorkbookText::tr("Hard savings"), formats.bold);
    for (int k = 1; k <= model::kRowCount; ++k) {
        QString formula;
        if (k < model::kRowCount) {
            formula = QStringLiteral("%1*%2").arg(cellName(costRow(int(model::Table::Savings), k), kValueColumn),
                                                  cellName(reductionRow(k), kHardColumn, kFiguresSheet));
        } else {
            QStringList terms;
            for (int row : model::kTotalOrder)
                terms << cellName(costRow(kHardSavingsBlock, row), kValueColumn);
            formula = terms.join(u'+');
        }
        sheet.text(costRow(kHardSavingsBlock, k), 0,
                   k < model::kRowCount ? model::costRowText(model::kCostRows[std::size_t(k - 1)].savingsCaption)
                                        : WorkbookText::tr("Total hard savings"));
        sheet.formula(costRow(kHardSavingsBlock, k), 1, formula, hard.row(k), formats.money);
    }
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
            const QString formula =
                model::costFormulaText(model::Table(table), k, formulaCells(), assumptions.lostProduction);
            sheet.text(costRow(table, k), 0, model::costRowCaption(table, k, assumptions, locale));
            sheet.formula(costRow(table, k), 1, formula, computed.row(k), formats.money);
        }
    }
}

} // namespace

bool exportWorkbook(const QString &path, const model::FacilityFigures &facts, const QLocale &locale,
                    const model::FacilityOutcome &outcome, QString *error, CachedResults cached,
                    const std::optional<model::RiskSummary> &runs)
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
        simulated = runs ? runs : model::simulateRisk(results.values, assumptions, investment, capital, *risk);
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
        formats.blank = workbook_add_format(book);
        format_set_num_format(formats.blank, ";;;");
        lxw_format *date = workbook_add_format(book);
        format_set_num_format(date, "yyyy-mm-dd");

        Sheet figures(book, kFiguresSheet, zeroCached);
        writeFigures(figures, formats, results.values, assumptions, investment, capital, locale, currency);
        Sheet costs(book, kCostsSheet, zeroCached);
        writeCosts(costs, formats, results, assumptions, locale);
        if (const std::optional<model::SavingsKinds> &kinds = facts.savingsKinds) {
            writeSavingsKinds(figures, formats, *kinds);
            writeHardSavings(costs, formats, model::hardSavingsOf(results.table(model::Table::Savings), *kinds));
        }
        lxw_error status = figures.error() ? figures.error() : costs.error();
        if (measures) {
            Sheet business(book, kBusinessSheet, zeroCached);
            writeBusinessCase(business, formats, *measures, capital);
            if (!status)
                status = business.error();
        }
        if (outcome.hardMeasures) {
            Sheet hard(book, kHardBusinessSheet, zeroCached);
            writeBusinessCase(hard, formats, *outcome.hardMeasures, capital, true);
            if (!status)
                status = hard.error();
        }
        if (measures && !facts.otherOptions.empty()) {
            Sheet alternatives(book, kAlternativesSheet, zeroCached);
            writeAlternatives(alternatives, formats, model::compareAlternatives(facts, locale));
            if (!status)
                status = alternatives.error();
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
