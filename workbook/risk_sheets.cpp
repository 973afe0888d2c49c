// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/risk_sheets.h"

#include "model/finance/risk_text.h"
#include "workbook/xlsx_file.h"

#include <QCoreApplication>

#include <cmath>

namespace workbook {
namespace {

// The context the translations of the sheets' texts are found under.
struct RiskSheetText {
    Q_DECLARE_TR_FUNCTIONS(RiskSheetText)
};

// A payback that never comes is no number of months.
void paybackCell(Sheet &sheet, int row, int column, double months, lxw_format *format)
{
    if (std::isfinite(months))
        sheet.number(row, column, months, format);
    else
        sheet.text(row, column, model::riskPaybackText(months, QLocale::c()));
}

void writeSummary(Sheet &sheet, const RiskFormats &formats, const model::RiskRanges &ranges,
                  const model::RiskSummary &summary, const model::InputValues &values,
                  const model::Assumptions &assumptions, QStringView symbol)
{
    sheet.columnWidth(0, 44);
    for (int column = 1; column <= 4; ++column)
        sheet.columnWidth(column, 16);
    sheet.text(0, 0, RiskSheetText::tr("Risk simulation"), formats.bold);
    const QString headings[] = {QStringLiteral("P10"), QStringLiteral("P50"), QStringLiteral("P90"),
                                RiskSheetText::tr("Mean")};
    for (int c = 0; c < 4; ++c)
        sheet.text(RiskHeaderRow, c + 1, headings[c], formats.bold);
    const auto quantiles = [&](int row, const QString &caption, const model::Quantiles &q, lxw_format *format) {
        sheet.text(row, 0, caption);
        if (format == formats.tenths) {
            paybackCell(sheet, row, 1, q.p10, format);
            paybackCell(sheet, row, 2, q.p50, format);
            paybackCell(sheet, row, 3, q.p90, format);
            return;
        }
        sheet.number(row, 1, q.p10, format);
        sheet.number(row, 2, q.p50, format);
        sheet.number(row, 3, q.p90, format);
    };
    quantiles(RiskSavingsRow, model::riskCaption(model::RiskCaption::AnnualSavings), summary.savings, formats.money);
    sheet.number(RiskSavingsRow, 4, summary.meanSavings, formats.money);
    if (summary.npv) {
        quantiles(RiskNpvRow, model::riskCaption(model::RiskCaption::NetPresentValue), *summary.npv, formats.money);
        sheet.number(RiskNpvRow, 4, summary.meanNpv, formats.money);
    }
    if (summary.paybackMonths)
        quantiles(RiskPaybackRow, model::riskCaption(model::RiskCaption::PaybackMonths), *summary.paybackMonths,
                  formats.tenths);
    if (summary.npvBelowZero) {
        sheet.text(RiskBelowZeroRow, 0, model::riskCaption(model::RiskCaption::BelowZero));
        sheet.number(RiskBelowZeroRow, 1, *summary.npvBelowZero, formats.percent);
    }
    sheet.text(RiskRunsRow, 0, RiskSheetText::tr("Runs computed"));
    sheet.number(RiskRunsRow, 1, summary.runs);
    sheet.text(RiskFailedRunsRow, 0, RiskSheetText::tr("Runs left out (arithmetic overflows)"));
    sheet.number(RiskFailedRunsRow, 1, summary.failedRuns);
    // A text: a seed may have more digits than a spreadsheet's number keeps.
    sheet.text(RiskSeedRow, 0, model::riskCaption(model::RiskCaption::Seed));
    sheet.text(RiskSeedRow, 1, QString::number(ranges.seed));

    const QString rangeHeadings[] = {
        model::riskCaption(model::RiskCaption::Input), model::riskCaption(model::RiskCaption::Low),
        model::riskCaption(model::RiskCaption::MostLikely), model::riskCaption(model::RiskCaption::High)};
    for (int c = 0; c < 4; ++c)
        sheet.text(RiskRangesHeaderRow, c, rangeHeadings[c], formats.bold);
    for (int i = 0; i < model::kRiskInputCount; ++i) {
        const auto input = model::RiskInput(i);
        const int row = RiskFirstRangeRow + i;
        sheet.text(row, 0, model::riskInputName(input, symbol));
        lxw_format *format = input == model::RiskInput::ProductionRate ? formats.money : nullptr;
        if (const std::optional<model::GammaDraw> &draw = ranges.draws[std::size_t(i)]) {
            sheet.number(row, 1, draw->quantile(0.1), format);
            sheet.number(row, 2, draw->quantile(0.5), format);
            sheet.number(row, 3, draw->quantile(0.9), format);
            sheet.text(row, 4, RiskSheetText::tr("a gamma from the records: its P10, P50 and P90"));
        } else if (const std::optional<model::PertRange> &range = ranges.ranges[std::size_t(i)]) {
            sheet.number(row, 1, range->low, format);
            sheet.number(row, 2, range->likely, format);
            sheet.number(row, 3, range->high, format);
        } else {
            sheet.number(row, 2, model::riskInputValue(input, values, assumptions), format);
            sheet.text(row, 4, RiskSheetText::tr("fixed at its figure"));
        }
    }
}

void writeRuns(Sheet &sheet, const RiskFormats &formats, const model::RiskSummary &summary, QStringView symbol)
{
    sheet.text(0, 0, model::riskCaption(model::RiskCaption::Run), formats.bold);
    sheet.columnWidth(0, 8);
    for (int i = 0; i < model::kRiskInputCount; ++i) {
        sheet.text(0, i + 1, model::riskInputName(model::RiskInput(i), symbol), formats.bold);
        sheet.columnWidth(i + 1, 18);
    }
    const int savingsColumn = model::kRiskInputCount + 1;
    const bool invested = summary.npv.has_value();
    sheet.text(0, savingsColumn, model::riskCaption(model::RiskCaption::AnnualSavings), formats.bold);
    if (invested) {
        sheet.text(0, savingsColumn + 1, model::riskCaption(model::RiskCaption::NetPresentValue), formats.bold);
        sheet.text(0, savingsColumn + 2, model::riskCaption(model::RiskCaption::PaybackMonths), formats.bold);
    }
    for (int column = savingsColumn; column <= savingsColumn + 2; ++column)
        sheet.columnWidth(column, 18);
    for (std::size_t r = 0; r < summary.keptRuns.size(); ++r) {
        const model::RiskRun &run = summary.keptRuns[r];
        const int row = int(r) + 1;
        sheet.number(row, 0, double(row));
        for (int i = 0; i < model::kRiskInputCount; ++i)
            sheet.number(row, i + 1, run.inputs[std::size_t(i)],
                         model::RiskInput(i) == model::RiskInput::ProductionRate ? formats.money : nullptr);
        sheet.number(row, savingsColumn, run.savings, formats.money);
        if (invested) {
            sheet.number(row, savingsColumn + 1, run.npv, formats.money);
            paybackCell(sheet, row, savingsColumn + 2, run.paybackMonths, formats.tenths);
        }
    }
}

} // namespace

lxw_error writeRiskSheets(lxw_workbook *book, const RiskFormats &formats, const model::RiskRanges &ranges,
                          const model::RiskSummary &summary, const model::InputValues &values,
                          const model::Assumptions &assumptions, QStringView symbol)
{
    Sheet risk(book, kRiskSheet, false);
    writeSummary(risk, formats, ranges, summary, values, assumptions, symbol);
    Sheet runs(book, kRiskRunsSheet, false);
    writeRuns(runs, formats, summary, symbol);
    return risk.error() ? risk.error() : runs.error();
}

} // namespace workbook
