// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/records_sheets.h"

#include "model/records/asset_failure_table.h"
#include "model/records/savings_check_text.h"
#include "workbook/xlsx_file.h"

#include <QCoreApplication>

#include <cmath>

namespace workbook {
namespace {

// The context the translations of the sheets' texts are found under.
struct RecordsSheetText {
    Q_DECLARE_TR_FUNCTIONS(RecordsSheetText)
};

// A formula's text in the formula's own syntax: "yes" as "\"yes\"".
QString quoted(const QString &text) { return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

// A bound that is no number is saved as no result.
std::optional<double> finite(double value) { return std::isfinite(value) ? std::optional(value) : std::nullopt; }

void writeRecords(Sheet &sheet, const RecordsFormats &formats, const model::RecordsEvidence &records,
                  const QLocale &locale)
{
    const model::RecordsSummary &summary = records.summary;
    sheet.columnWidth(0, 40);
    for (int column = 1; column < model::kAssetColumnCount; ++column)
        sheet.columnWidth(column, 14);
    sheet.text(0, 0, RecordsSheetText::tr("Maintenance records"), formats.bold);
    sheet.text(RecordsFailuresRow, 0, model::savingsCheckCaption(model::SavingsCheckCaption::Failures));
    sheet.number(RecordsFailuresRow, 1, summary.failures);
    const bool rated = summary.rate && summary.rate->years > 0;
    if (rated) {
        sheet.text(RecordsYearsRow, 0, RecordsSheetText::tr("Years of the records"));
        sheet.number(RecordsYearsRow, 1, summary.rate->years, formats.tenths);
    }
    sheet.text(RecordsRepeatRow, 0, RecordsSheetText::tr("Repeat failures from"));
    sheet.number(RecordsRepeatRow, 1, model::kRepeatFailures);
    sheet.text(RecordsRepeatRow, 2, RecordsSheetText::tr("failures of one asset"));

    for (int column = 0; column < model::kAssetColumnCount; ++column)
        sheet.text(RecordsAssetHeaderRow, column, model::assetColumnCaption(model::AssetColumn(column)), formats.bold);
    const QString failures = cellName(RecordsFailuresRow, 1);
    const QString years = cellName(RecordsYearsRow, 1);
    const QString repeat = cellName(RecordsRepeatRow, 1);
    const QString mark = model::repeatFailuresMark();
    for (std::size_t i = 0; i < summary.worstAssets.size(); ++i) {
        const model::AssetFailures &asset = summary.worstAssets[i];
        const int row = RecordsFirstAssetRow + int(i);
        const QString count = cellName(row, int(model::AssetColumn::Failures));
        const auto at = [](model::AssetColumn column) { return int(column); };
        sheet.text(row, at(model::AssetColumn::Asset), asset.asset);
        sheet.number(row, at(model::AssetColumn::Failures), asset.failures);
        if (rated)
            sheet.formula(row, at(model::AssetColumn::PerYear), QStringLiteral("%1/%2").arg(count, years),
                          model::assetFailuresPerYear(asset, summary).value_or(0), formats.tenths);
        sheet.formula(row, at(model::AssetColumn::Share), QStringLiteral("%1/MAX(%2,1)").arg(count, failures),
                      model::assetShareOfFailures(asset, summary), formats.percent);
        if (asset.medianRepairHours)
            sheet.number(row, at(model::AssetColumn::MedianRepairHours), *asset.medianRepairHours, formats.tenths);
        if (asset.medianDowntime)
            sheet.number(row, at(model::AssetColumn::MedianDowntime), *asset.medianDowntime, formats.tenths);
        sheet.textFormula(row, at(model::AssetColumn::RepeatFailures),
                          QStringLiteral("IF(%1>=%2,%3,\"\")").arg(count, repeat, quoted(mark)),
                          asset.failures >= model::kRepeatFailures ? mark : QString());
    }

    sheet.text(RecordsEvidenceRow, 0, RecordsSheetText::tr("What the records come to"), formats.bold);
    const QStringList lines = model::evidenceLines(records, locale);
    for (qsizetype i = 0; i < lines.size(); ++i)
        sheet.text(RecordsEvidenceRow + 1 + int(i), 0, lines[i]);
}

void writeSavingsCheck(Sheet &sheet, const RecordsFormats &formats, const model::RecordsSummary &summary,
                       double assumedPercent, const QString &assumedPercentCell, const QLocale &locale)
{
    const model::SavingsCheck &check = *summary.check;
    const model::SavingsCheckRates rates = model::savingsCheckRates(check);
    using model::SavingsCheckCaption;
    const auto caption = [](SavingsCheckCaption c) { return model::savingsCheckCaption(c); };
    sheet.columnWidth(0, 48);
    for (int column = CheckFromColumn; column <= CheckHighColumn; ++column)
        sheet.columnWidth(column, 14);
    sheet.text(0, 0, caption(SavingsCheckCaption::SavingsCheck), formats.bold);
    int column = 0;
    for (const SavingsCheckCaption heading :
         {SavingsCheckCaption::Period, SavingsCheckCaption::From, SavingsCheckCaption::To, SavingsCheckCaption::Years,
          SavingsCheckCaption::Failures, SavingsCheckCaption::PerYear, SavingsCheckCaption::Low,
          SavingsCheckCaption::High})
        sheet.text(CheckHeaderRow, column++, caption(heading), formats.bold);

    const QString confidence = cellName(CheckConfidenceRow, 1);
    const auto period =
        [&](int row, SavingsCheckCaption name, const QDate &from, const QDate &to, const model::FailureRate &rate) {
        const auto here = [row](int c) { return cellName(row, c); };
        sheet.text(row, 0, caption(name));
        sheet.date(row, CheckFromColumn, from, formats.date);
        sheet.date(row, CheckToColumn, to, formats.date);
        // As the check counts them: days ÷ 365.25.
        sheet.formula(row, CheckYearsColumn,
                      QStringLiteral("(%1-%2)/365.25").arg(here(CheckToColumn), here(CheckFromColumn)), rate.years,
                      formats.tenths);
        sheet.number(row, CheckFailuresColumn, rate.count);
        const QString count = here(CheckFailuresColumn);
        const QString yearsCell = here(CheckYearsColumn);
        sheet.formula(row, CheckPerYearColumn, QStringLiteral("%1/%2").arg(count, yearsCell), rate.perYear,
                      formats.tenths);
        // The exact interval of a count, from the chi-square quantiles
        // (CHIINV takes the chance above).
        sheet.formula(row, CheckLowColumn,
                      QStringLiteral("IF(%1=0,0,CHIINV((1+%2)/2,2*%1)/2)/%3").arg(count, confidence, yearsCell),
                      rate.perYearInterval.low, formats.tenths);
        sheet.formula(row, CheckHighColumn,
                      QStringLiteral("CHIINV((1-%2)/2,2*%1+2)/2/%3").arg(count, confidence, yearsCell),
                      rate.perYearInterval.high, formats.tenths);
    };
    period(CheckBeforeRow, SavingsCheckCaption::Before, summary.first, check.installed, rates.before);
    period(CheckAfterRow, SavingsCheckCaption::After, check.installed, summary.last, rates.after);

    const QString before = cellName(CheckBeforeRow, CheckFailuresColumn);
    const QString after = cellName(CheckAfterRow, CheckFailuresColumn);
    const QString ratio = QStringLiteral("%1/%2").arg(cellName(CheckBeforeRow, CheckYearsColumn),
                                                      cellName(CheckAfterRow, CheckYearsColumn));
    // The bounds of the share of the failures that came after, from which
    // model::savingsCheckOf() found the reduction's: its odds are the rate
    // ratio after to before times the years after to before.
    const auto shareAt = [&](double reduction) {
        const double odds = (1 - reduction) * check.afterYears / check.beforeYears;
        return odds / (1 + odds);
    };
    const struct {
        int row;
        QString caption;
        QString formula;
        std::optional<double> cached;
    } rows[] = {
        {CheckShareLowRow, RecordsSheetText::tr("Share of the failures after the installation, low"),
         QStringLiteral("IF(%1=0,0,BETAINV((1-%3)/2,%1,%2+1))").arg(after, before, confidence),
         finite(shareAt(check.high))},
        {CheckShareHighRow, RecordsSheetText::tr("Share of the failures after the installation, high"),
         QStringLiteral("BETAINV((1+%3)/2,%1+1,%2)").arg(after, before, confidence), finite(shareAt(check.low))},
        {CheckReductionRow, caption(SavingsCheckCaption::MeasuredReduction),
         QStringLiteral("1-%1/%2").arg(cellName(CheckAfterRow, CheckPerYearColumn),
                                       cellName(CheckBeforeRow, CheckPerYearColumn)),
         finite(check.reduction)},
        {CheckReductionLowRow, caption(SavingsCheckCaption::MeasuredLow),
         QStringLiteral("1-%1/(1-%1)*%2").arg(cellName(CheckShareHighRow, 1), ratio), finite(check.low)},
        {CheckReductionHighRow, caption(SavingsCheckCaption::MeasuredHigh),
         QStringLiteral("1-%1/(1-%1)*%2").arg(cellName(CheckShareLowRow, 1), ratio), finite(check.high)},
        {CheckAssumedRow, caption(SavingsCheckCaption::AssumedReduction), assumedPercentCell + QStringLiteral("/100"),
         assumedPercent / 100},
    };
    sheet.text(CheckConfidenceRow, 0, RecordsSheetText::tr("Confidence of the intervals"));
    sheet.number(CheckConfidenceRow, 1, model::kSavingsCheckConfidence, formats.percent);
    for (const auto &row : rows) {
        sheet.text(row.row, 0, row.caption);
        sheet.formula(row.row, 1, row.formula, row.cached, formats.percent);
    }
    sheet.text(CheckComparisonRow, 0, model::assumedBesideMeasuredText(check, assumedPercent, locale));
}

} // namespace

lxw_error writeRecordsSheets(lxw_workbook *book, const RecordsFormats &formats, const model::RecordsEvidence &records,
                             double assumedPercent, const QString &assumedPercentCell, const QLocale &locale,
                             bool zeroCached)
{
    Sheet sheet(book, kRecordsSheet, zeroCached);
    writeRecords(sheet, formats, records, locale);
    if (sheet.error() || !records.summary.check)
        return sheet.error();
    Sheet check(book, kSavingsCheckSheet, zeroCached);
    writeSavingsCheck(check, formats, records.summary, assumedPercent, assumedPercentCell, locale);
    return check.error();
}

} // namespace workbook
