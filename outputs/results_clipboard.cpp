// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/results_clipboard.h"

#include "model/costs/currency_text.h"
#include "model/costs/table_titles.h"
#include "model/finance/business_case_text.h"
#include "model/finance/cash_flow_text.h"
#include "model/finance/risk_text.h"
#include "model/records/savings_check_text.h"
#include "model/text/money_text.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

// The context the translations of these texts are found under.
struct ClipboardText {
    Q_DECLARE_TR_FUNCTIONS(ClipboardText)
};

// How a spreadsheet is to show a number: the format in the spreadsheets'
// own syntax, as LibreOffice (sdnum, in US English terms) and Excel
// (mso-number-format) read it from HTML.
// The plain text writes the number with as many decimals, and a percentage
// as the number of per cent with a "%", which spreadsheets read back as the
// fraction. There the "%" follows the figure with no space in every language:
// LibreOffice reads "8,5 %" (a space or a no-break one) as well, but the form
// without is the one every spreadsheet reads; the shown text of the HTML
// cells, whose value the spreadsheet takes from the attributes, sets the
// sign as the regional settings do.
struct NumberFormat {
    const char *code;
    int decimals;
    bool percent = false;
};
const NumberFormat kMoney{"[$$-409]#,##0.00;-[$$-409]#,##0.00", 2};
const NumberFormat kWhole{"0", 0};
const NumberFormat kOneDecimal{"0.0", 1};
const NumberFormat kTwoDecimals{"0.00", 2};
const NumberFormat kPercent{"0.0%", 1, true};

// One cell: a text, or a number with its format.
struct Cell {
    QString shown;
    std::optional<double> value;
    NumberFormat format{nullptr, 0};
    QString code{}; // a format made for the chosen currency, in place of format.code
};

Cell text(const QString &shown) { return {shown, std::nullopt}; }

Cell number(double value, const QString &shown, const NumberFormat &format)
{
    if (!std::isfinite(value))
        return text(shown);
    return {shown, value, format};
}

Cell money(double value, const QLocale &locale, QStringView symbol)
{
    Cell cell = number(value, model::currencyText(value, locale, symbol), kMoney);
    if (cell.value)
        cell.code = model::spreadsheetMoneyFormat(locale, symbol, QString::fromLatin1(kMoney.code));
    return cell;
}

class Table {
public:
    explicit Table(const QLocale &locale) : m_plain(locale) { m_plain.setNumberOptions(QLocale::OmitGroupSeparator); }

    void row(const QList<Cell> &cells, bool heading = false)
    {
        QStringList plain;
        m_html += QStringLiteral("<tr>");
        for (const Cell &cell : cells) {
            plain << (cell.value ? plainText(*cell.value, cell.format) : cell.shown);
            m_html += heading ? QStringLiteral("<th>") : QStringLiteral("<td");
            if (!heading && cell.value) {
                const QString value = QString::number(*cell.value, 'g', 17);
                const QString code =
                    (cell.code.isEmpty() ? QString::fromLatin1(cell.format.code) : cell.code).toHtmlEscaped();
                m_html +=
                    QStringLiteral(" sdval=\"%1\" sdnum=\"1033;0;%2\" x:num=\"%1\" style=\"mso-number-format:'%2'\"")
                        .arg(value, code);
            }
            if (!heading)
                m_html += u'>';
            m_html += cell.shown.toHtmlEscaped();
            m_html += heading ? QStringLiteral("</th>") : QStringLiteral("</td>");
        }
        m_html += QStringLiteral("</tr>\n");
        m_text += plain.join(u'\t') + u'\n';
    }

    QString plainText(double value, const NumberFormat &format) const
    {
        if (format.percent)
            return m_plain.toString(value * 100, 'f', format.decimals) + u'%';
        return m_plain.toString(value, 'f', format.decimals);
    }

    ClipboardResults finished() const
    {
        return {m_text, QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n") + m_html
                            + QStringLiteral("</table></body></html>\n")};
    }

private:
    QLocale m_plain;
    QString m_text;
    QString m_html;
};

// The savings check: a row each period under the captions the report's
// table has, the measured reduction and its bounds under the rate and its
// bounds, the assumed reduction, and the sentence that compares them.
void savingsCheckRows(Table &table, const model::RecordsSummary &summary, const model::Assumptions &assumptions,
                      const QLocale &locale)
{
    const model::SavingsCheck &check = *summary.check;
    using model::SavingsCheckCaption;
    const auto caption = [](SavingsCheckCaption c) { return text(model::savingsCheckCaption(c)); };
    table.row({text(QString())});
    table.row({caption(SavingsCheckCaption::SavingsCheck), caption(SavingsCheckCaption::From),
               caption(SavingsCheckCaption::To), caption(SavingsCheckCaption::Years),
               caption(SavingsCheckCaption::Failures), caption(SavingsCheckCaption::PerYear),
               caption(SavingsCheckCaption::Low), caption(SavingsCheckCaption::High)},
              true);
    const auto tenths = [&](double value) { return number(value, locale.toString(value, 'f', 1), kOneDecimal); };
    const auto period =
        [&](SavingsCheckCaption name, const QDate &from, const QDate &to, const model::FailureRate &rate) {
        table.row({caption(name), text(from.toString(Qt::ISODate)), text(to.toString(Qt::ISODate)), tenths(rate.years),
                   number(rate.count, locale.toString(rate.count), kWhole), tenths(rate.perYear),
                   tenths(rate.perYearInterval.low), tenths(rate.perYearInterval.high)});
    };
    const model::SavingsCheckRates rates = model::savingsCheckRates(check);
    period(SavingsCheckCaption::Before, summary.first, check.installed, rates.before);
    period(SavingsCheckCaption::After, check.installed, summary.last, rates.after);
    // A bound that is no number is said as the evidence says it.
    const auto share = [&](double value) {
        return number(value, std::isfinite(value) ? model::percentOf(value, locale) : QStringLiteral("–∞"), kPercent);
    };
    const Cell none = text(QString());
    table.row({caption(SavingsCheckCaption::MeasuredReduction), none, none, none, none, share(check.reduction),
               share(check.low), share(check.high)});
    const double assumed = assumptions.reductionPercent[std::size_t(model::RiskInput::BearingsReduction)];
    table.row({caption(SavingsCheckCaption::AssumedReduction), none, none, none, none, share(assumed / 100)});
    table.row({text(model::assumedBesideMeasuredText(check, assumed, locale))});
}

} // namespace

ClipboardResults clipboardResults(const model::Results &results, const model::Assumptions &assumptions,
                                  const std::optional<model::BusinessCaseStudy> &study, const QLocale &locale,
                                  QStringView symbol, const std::optional<model::RiskSummary> &risk,
                                  const std::optional<model::RecordsEvidence> &records, const QString &riskRecords,
                                  const std::optional<model::BusinessCase> &hard,
                                  const model::AlternativesComparison &alternatives)
{
    Table table(locale);
    QList<Cell> headings{text(ClipboardText::tr("Cost"))};
    for (const model::TableTitle &title : model::kTableTitles)
        headings << text(model::tableTitle(title.tab));
    table.row(headings, true);
    for (int r = 1; r <= model::kRowCount; ++r) {
        // The total's captions differ from tab to tab; over all three columns it is the total.
        const QString caption =
            r < model::kRowCount ? model::costRowCaption(0, r, assumptions, locale) : ClipboardText::tr("Total");
        QList<Cell> cells{text(caption)};
        for (const model::CostTable &cost : results.tables)
            cells << money(cost.row(r), locale, symbol);
        table.row(cells);
    }
    if (study) {
        const model::Investment &investment = study->investment;
        const model::BusinessCase &measures = study->measures;
        const QString none = ClipboardText::tr("none");
        const QString never = ClipboardText::tr("never");
        table.row({text(QString())});
        table.row({text(ClipboardText::tr("Business case")), text(ClipboardText::tr("Value"))}, true);
        const QString notWithin = ClipboardText::tr("not within %n year(s)", "", investment.years);
        const auto optionalNumber = [&](const std::optional<double> &value, const QString &shown,
                                        const NumberFormat &format, const QString &otherwise) {
            return value ? number(*value, shown, format) : text(otherwise);
        };
        const auto percentCell = [&](const std::optional<double> &value) {
            return optionalNumber(value, value ? model::percentOf(*value, locale) : QString(), kPercent, none);
        };
        table.row({text(ClipboardText::tr("Initial investment")), money(measures.initial, locale, symbol)});
        if (study->capital.contingencyPercent != 0)
            table.row(
                {text(ClipboardText::tr("Contingency in it")), percentCell(study->capital.contingencyPercent / 100)});
        table.row({text(ClipboardText::tr("Simple payback (months)")),
                   measures.paybackState == model::PaybackState::NotWithinPeriod
                       ? text(notWithin)
                       : optionalNumber(measures.paybackMonths, model::paybackText(measures, locale), kOneDecimal,
                                        model::paybackText(measures, locale))});
        table.row({text(ClipboardText::tr("Return on investment over %n year(s)", "", investment.years)),
                   percentCell(measures.roi)});
        table.row({text(ClipboardText::tr("Annualised return on investment")), percentCell(measures.annualisedRoi)});
        table.row({text(ClipboardText::tr("Net present value at %1%")
                            .arg(model::percentText(investment.discountRatePercent, locale))),
                   money(measures.npv, locale, symbol)});
        table.row({text(ClipboardText::tr("Profitability index")),
                   optionalNumber(measures.profitabilityIndex,
                                  measures.profitabilityIndex ? locale.toString(*measures.profitabilityIndex, 'f', 2)
                                                              : QString(),
                                  kTwoDecimals, none)});
        table.row({text(ClipboardText::tr("Internal rate of return")), percentCell(measures.irr)});
        table.row(
            {text(ClipboardText::tr("Discounted payback (years)")),
             optionalNumber(measures.discountedPaybackYears,
                            measures.discountedPaybackYears ? locale.toString(*measures.discountedPaybackYears, 'f', 2)
                                                            : QString(),
                            kTwoDecimals,
                            measures.initial == 0                                                     ? none
                            : measures.discountedPaybackState == model::PaybackState::NotWithinPeriod ? notWithin
                                                                                                      : never)});
        if (const std::optional<double> &hurdle = study->capital.hurdleRatePercent) {
            table.row({text(ClipboardText::tr("Hurdle rate")), percentCell(*hurdle / 100)});
            table.row({text(ClipboardText::tr("Net present value at the hurdle rate")),
                       money(model::npvAt(measures.cashFlow, *hurdle), locale, symbol)});
            table.row(
                {text(ClipboardText::tr("Meets the hurdle rate")),
                 text(model::meetsHurdle(measures, *hurdle) ? ClipboardText::tr("yes") : ClipboardText::tr("no"))});
        }
        if (hard) {
            const double savings = hard->cashFlow.years.size() > 1 ? hard->cashFlow.years[1].savings : 0;
            table.row({text(ClipboardText::tr("Hard savings in year 1")), money(savings, locale, symbol)});
            table.row(
                {text(ClipboardText::tr("Net present value on hard savings alone")), money(hard->npv, locale, symbol)});
            table.row(
                {text(ClipboardText::tr("Internal rate of return on hard savings alone")), percentCell(hard->irr)});
            table.row({text(ClipboardText::tr("Simple payback on hard savings alone (months)")),
                       hard->paybackState == model::PaybackState::NotWithinPeriod
                           ? text(notWithin)
                           : optionalNumber(hard->paybackMonths, model::paybackText(*hard, locale), kOneDecimal,
                                            model::paybackText(*hard, locale))});
        }
        // A break-even price or count below zero is none, as the window says.
        const model::BreakEven breakEven = model::towardsTheCase(study->breakEven);
        if (breakEven.systemPrice)
            table.row({text(ClipboardText::tr("Break-even system price")),
                       *breakEven.systemPrice < 0 ? text(none) : money(*breakEven.systemPrice, locale, symbol)});
        if (breakEven.reductionShare)
            table.row({text(ClipboardText::tr("Break-even share of the assumed reductions")),
                       percentCell(breakEven.reductionShare)});
        if (breakEven.bearingFailures)
            table.row({text(ClipboardText::tr("Break-even bearing failures a year")),
                       *breakEven.bearingFailures < 0
                           ? text(none)
                           : number(*breakEven.bearingFailures, locale.toString(*breakEven.bearingFailures, 'f', 1),
                                    kOneDecimal)});

        // The cash flows, year by year.
        const model::CashFlowTable &flows = measures.cashFlow;
        const std::vector<model::CashFlowColumn> columns = model::shownCashFlowColumns(flows);
        table.row({text(QString())});
        QList<Cell> headings;
        for (const model::CashFlowColumn column : columns)
            headings << text(model::cashFlowHeading(column));
        table.row(headings, true);
        for (const model::CashFlowYear &year : flows.years) {
            QList<Cell> cells;
            for (const model::CashFlowColumn column : columns) {
                const std::optional<double> value = model::cashFlowValue(year, column);
                if (column == model::CashFlowColumn::Year)
                    cells << number(year.year, locale.toString(year.year), kWhole);
                else
                    cells << (value ? money(*value, locale, symbol) : text(QString()));
            }
            table.row(cells);
        }
    }
    if (!alternatives.rows.empty()) {
        // The options side by side, the measures as the report's two tables
        // give them in one row.
        using model::AlternativesPart;
        table.row({text(QString())});
        QList<Cell> headings;
        for (const QString &heading : model::alternativesHeadings(alternatives, AlternativesPart::Measures)
                                          + model::alternativesHeadings(alternatives, AlternativesPart::Increments))
            headings << text(heading);
        table.row(headings, true);
        for (int r = 0; r < int(alternatives.rows.size()); ++r) {
            const model::AlternativeRow &row = alternatives.rows[std::size_t(r)];
            const QStringList shown =
                model::alternativeCells(alternatives, r, AlternativesPart::Measures, locale, symbol)
                + model::alternativeCells(alternatives, r, AlternativesPart::Increments, locale, symbol);
            QList<Cell> cells;
            for (const QString &cell : shown)
                cells << text(cell);
            if (row.measures || row.doNothing) { // the figures as numbers, the texts as shown
                cells[1] = money(row.annualSavings, locale, symbol);
                cells[2] = money(row.outlay(), locale, symbol);
                cells[3] = money(row.npv(), locale, symbol);
                if (row.measures && row.measures->irr)
                    cells[4] = number(*row.measures->irr, shown[4], kPercent);
            }
            table.row(cells);
        }
    }
    if (risk) {
        table.row({text(QString())});
        table.row({text(model::riskCaption(model::RiskCaption::Risk)), text(QStringLiteral("P10")),
                   text(QStringLiteral("P50")), text(QStringLiteral("P90"))},
                  true);
        const auto moneyRow = [&](const QString &caption, const model::Quantiles &q) {
            table.row({text(caption), money(q.p10, locale, symbol), money(q.p50, locale, symbol),
                       money(q.p90, locale, symbol)});
        };
        moneyRow(model::riskCaption(model::RiskCaption::AnnualSavings), risk->savings);
        if (risk->npv)
            moneyRow(model::riskCaption(model::RiskCaption::NetPresentValue), *risk->npv);
        if (const std::optional<model::Quantiles> &payback = risk->paybackMonths) {
            // A run that never pays back has no number of months.
            const auto months = [&](double value) {
                return number(value, model::riskPaybackText(value, locale), kOneDecimal);
            };
            table.row({text(ClipboardText::tr("Simple payback (months)")), months(payback->p10), months(payback->p50),
                       months(payback->p90)});
        }
        if (const std::optional<double> &below = risk->npvBelowZero)
            table.row({text(model::riskCaption(model::RiskCaption::BelowZero)),
                       number(*below, model::riskShareText(*below, locale), kPercent)});
        if (!riskRecords.isEmpty())
            table.row({text(riskRecords)});
    }
    if (records && records->summary.check)
        savingsCheckRows(table, records->summary, assumptions, locale);
    return table.finished();
}
