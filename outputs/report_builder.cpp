// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "outputs/report_builder.h"

#include "language/language.h"
#include "model/case_alternatives.h"
#include "model/costs/formula_prose.h"
#include "model/costs/model_text.h"
#include "model/costs/table_titles.h"
#include "model/finance/business_case_text.h"
#include "model/finance/capital_inputs.h"
#include "model/finance/cash_flow_text.h"
#include "model/finance/risk_text.h"
#include "model/records/asset_failure_table.h"
#include "model/records/savings_check_text.h"
#include "model/text/contact_details.h"
#include "model/text/date_text.h"
#include "model/text/list_text.h"
#include "model/text/message_text.h"
#include "model/text/money_text.h"
#include "model/text/numeric_text.h"
#include "model/text/percentage_text.h"
#include "model/text/regional_digits.h"
#include "outputs/business_case_charts.h"
#include "outputs/capital_sentences.h"
#include "outputs/records_sentences.h"
#include "outputs/risk_charts.h"
#include "outputs/savings_check_chart.h"
#include "platform/chart_control.h"
#include "report/report_page.h"

#include <QChart>
#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

namespace outputs {
namespace {

// The context the translations of these texts are found under.
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(ReportText)
};

// The chart of the Graph tab, drawn again for the page: a chart of its own,
// so that the window's chart is not disturbed, with the same figures.
std::shared_ptr<platform::ChartControl> chartFor(const document::FacilityDocument &facility, GraphChoice graph)
{
    auto chart = std::make_shared<platform::ChartControl>();
    chart->setChartType(graph.chartType ? graph.chartType : int(platform::ChartControl::Bar2d));
    chart->setStacking(graph.stacking);
    static_assert(std::is_same_v<platform::ChartControl::Figures, model::ChartFigures>);
    chart->setFigures(model::chartFigures(facility.results()));
    chart->setTitle(model::savingsChartTitle(facility.currencyUnits()));
    return chart;
}

// A chart built for the page, drawn as the same area would be on screen.
std::function<void(QPainter &, const QRectF &)> pageChart(std::unique_ptr<QChart> built)
{
    std::shared_ptr<QChart> chart(built.release());
    return [chart](QPainter &painter, const QRectF &target) {
        paintChart(*chart, painter, target, target.size() * (96.0 / 72.0));
    };
}

// The investment as the assumptions state it; costs that are not given are
// not listed.
QString investmentSentence(const model::Investment &investment, const QLocale &locale, QStringView symbol)
{
    QStringList costs{ReportText::tr("an installed system price of %1")
                          .arg(model::moneyText(investment.systemPrice, locale, symbol))};
    if (investment.installationCost != 0)
        costs
            << ReportText::tr("installation at %1").arg(model::moneyText(investment.installationCost, locale, symbol));
    if (investment.yearlyUpkeep != 0)
        costs
            << ReportText::tr("an annual upkeep of %1").arg(model::moneyText(investment.yearlyUpkeep, locale, symbol));
    return ReportText::tr("The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.", "",
                          investment.years)
        .arg(model::listText(costs))
        .arg(locale.toString(investment.years))
        .arg(model::percentText(investment.discountRatePercent, locale));
}

// In the interface's language, whatever the regional settings speak: a date
// is words, not a figure.
QString reportDate(const document::FacilityDocument &facility, QDate date)
{
    return language::dateLocale(facility.locale()).toString(date, QLocale::LongFormat);
}

// Customer, site and date in one line, under a page's title.
QString forWhom(const document::FacilityDocument &facility, QDate date)
{
    QStringList whom;
    for (const QString &part : {facility.reportDetails().customer, facility.reportDetails().site})
        if (!part.trimmed().isEmpty())
            whom << part.trimmed();
    whom << reportDate(facility, date);
    return whom.join(QStringLiteral(" \u00B7 "));
}

report::BusinessCasePage businessCasePage(const document::FacilityDocument &facility, QDate date,
                                          const model::BusinessCaseStudy &study)
{
    const QLocale &locale = facility.locale();
    const QString &symbol = facility.currencyUnits().symbol;
    const model::Investment &investment = study.investment;
    report::BusinessCasePage page;
    page.title = ReportText::tr("Business Case");
    page.forWhom = forWhom(facility, date);
    page.measures = model::measureLines(study.measures, investment, locale, symbol, study.capital);
    if (const std::optional<model::BusinessCase> &hard = facility.hardMeasures())
        page.measures << model::hardSavingsLine(*hard, locale, symbol);
    page.measures += model::breakEvenLines(study.breakEven, locale, symbol);
    page.caseHeadings = {ReportText::tr("Case"), ReportText::tr("Reductions"), ReportText::tr("Annual savings"),
                         ReportText::tr("Payback"), ReportText::tr("Net present value")};
    for (int c = 0; c < model::kScenarioCount; ++c) {
        const model::CaseSummary &summary = study.cases[std::size_t(c)];
        QStringList reductions;
        for (const double reduction : summary.assumptions.reductionPercent)
            reductions << model::percentText(reduction, locale);
        page.cases[std::size_t(c)] = {model::scenarioName(summary.scenario),
                                      model::withPercentSign(reductions.join(QStringLiteral(" / ")), locale),
                                      summary.computed ? model::moneyText(summary.annualSavings, locale, symbol)
                                                       : QString(),
                                      summary.computed ? model::paybackText(summary.measures, locale) : QString(),
                                      summary.computed ? model::npvText(summary.measures, locale, symbol) : QString()};
    }
    page.cashFlowTitle = ReportText::tr("Cash flow");
    const model::CashFlowTable &table = study.measures.cashFlow;
    const std::vector<model::CashFlowColumn> columns = model::shownCashFlowColumns(table);
    for (const model::CashFlowColumn column : columns)
        page.cashFlow.headings << model::cashFlowHeading(column);
    for (const model::CashFlowYear &year : table.years) {
        QStringList row;
        for (const model::CashFlowColumn column : columns)
            row << model::cashFlowCellText(year, column, locale, symbol);
        page.cashFlow.rows.push_back(row);
    }
    page.assumptions << model::reductionsSentence(facility.assumptions(), locale)
                     << investmentSentence(investment, locale, symbol)
                     << model::sentencesText(capitalSentences(study.capital, investment, locale, symbol))
                     // The sentences' own figures (0%, 100%) in the same digits as the rest.
                     << model::regionalDigits(
                            ReportText::tr("Sensitivity: each of the twelve figures and five reductions lowered and "
                                           "raised by %1%, a reduction no further than 0% or 100%.")
                                .arg(model::percentText(study.stepPercent, locale)),
                            locale)
                     // Page 3's tornado of the net present value moves the investment too.
                     << model::regionalDigits(
                            ReportText::tr("The net present value's sensitivity also moves the price, installation, "
                                           "upkeep, discount rate, tax rate and escalations by the same step, a tax "
                                           "rate no further than 0% or 100% and an escalation no further than %1% or "
                                           "%2%.")
                                .arg(model::percentText(model::kMinEscalationPercent, locale),
                                     model::percentText(model::kMaxEscalationPercent, locale)),
                            locale);
    // Beside the reductions, how a stop is valued and which savings are cash, where given.
    const model::LostProductionRule &rule = facility.assumptions().lostProduction;
    qsizetype after = 1;
    if (const QString valued = model::lostProductionSentence(rule, locale, symbol); !valued.isEmpty())
        page.assumptions.insert(after++, valued);
    if (const std::optional<model::SavingsKinds> &kinds = facility.savingsKinds())
        page.assumptions.insert(after, model::savingsKindsSentence(*kinds, rule));
    // Which option the page is of, where the case weighs others.
    if (const std::size_t others = facility.otherOptions().size(); others > 0)
        page.assumptions.prepend(
            ReportText::tr("These figures are of the option %1, one of the %n options the page of the alternatives "
                           "considered sets beside doing nothing.",
                           "", int(others) + 1)
                .arg(model::quotedForMessage(model::selectedOptionName(facility.figures()))));
    page.note = model::measuresNote(investment, locale, study.capital);
    page.drawCashFlow = pageChart(cashFlowChart(study.measures, locale, symbol));
    page.drawTornado = pageChart(tornadoChart(study.sensitivity, study.annualSavings, study.stepPercent,
                                              facility.assumptions(), locale, symbol));
    page.sensitivityTitle = ReportText::tr("Sensitivity of the Net Present Value");
    page.cashFlowAndSensitivityTitle = ReportText::tr("Cash Flow and Sensitivity of the Net Present Value");
    page.drawNpvTornado = pageChart(tornadoChart(study, SensitivityMeasure::NetPresentValue, locale, symbol));
    page.drawSpider = pageChart(spiderChart(study, locale, symbol));
    return page;
}

// The alternatives' page, where the case weighs other options.
std::optional<report::AlternativesPage> alternativesPage(const document::FacilityDocument &facility, QDate date)
{
    const model::AlternativesComparison compared = facility.alternatives();
    if (compared.rows.empty())
        return std::nullopt;
    const QLocale &locale = facility.locale();
    const QString &symbol = facility.currencyUnits().symbol;
    report::AlternativesPage page;
    page.title = ReportText::tr("Alternatives Considered");
    page.forWhom = forWhom(facility, date);
    using model::AlternativesPart;
    page.options.headings = model::alternativesHeadings(compared, AlternativesPart::Measures);
    page.increments.headings = QStringList{page.options.headings.first()}
                               + model::alternativesHeadings(compared, AlternativesPart::Increments);
    for (int r = 0; r < int(compared.rows.size()); ++r) {
        page.options.rows.push_back(model::alternativeCells(compared, r, AlternativesPart::Measures, locale, symbol));
        if (!compared.rows[std::size_t(r)].doNothing)
            page.increments.rows.push_back(
                QStringList{compared.rows[std::size_t(r)].name}
                + model::alternativeCells(compared, r, AlternativesPart::Increments, locale, symbol));
    }
    page.sentences = model::alternativesSentences(compared, locale, symbol);
    return page;
}

// The risk page, when the figures can be simulated: the percentiles as a
// table, the measures each a row, and the ranges each input was drawn from.
std::optional<report::RiskPage> riskPage(const document::FacilityDocument &facility, QDate date)
{
    const std::optional<model::RiskSummary> &summary = facility.riskSummary();
    if (!summary)
        return std::nullopt;
    const QLocale &locale = facility.locale();
    const QString &symbol = facility.currencyUnits().symbol;
    const model::RiskRanges ranges = facility.riskRanges();
    report::RiskPage page;
    page.title = model::riskCaption(model::RiskCaption::Risk);
    page.forWhom = forWhom(facility, date);
    page.quantiles.headings = {QString(), QStringLiteral("P10"), QStringLiteral("P50"), QStringLiteral("P90")};
    const auto quantileRow = [&](const QString &name, const model::Quantiles &q, auto text) {
        page.quantiles.rows.push_back({name, text(q.p10), text(q.p50), text(q.p90)});
    };
    const auto money = [&](double value) { return model::moneyText(value, locale, symbol); };
    quantileRow(model::riskCaption(model::RiskCaption::AnnualSavings), summary->savings, money);
    if (summary->npv)
        quantileRow(model::riskCaption(model::RiskCaption::NetPresentValue), *summary->npv, money);
    if (summary->paybackMonths)
        quantileRow(model::riskCaption(model::RiskCaption::PaybackMonths), *summary->paybackMonths,
                    [&](double months) { return model::riskPaybackText(months, locale); });
    page.facts = model::riskFactLines(*summary, ranges.seed, locale);
    page.rangesTitle = ReportText::tr("Ranges the runs are drawn from");
    page.ranges.headings = {model::riskCaption(model::RiskCaption::Input), model::riskCaption(model::RiskCaption::Low),
                            model::riskCaption(model::RiskCaption::MostLikely),
                            model::riskCaption(model::RiskCaption::High)};
    for (const model::RiskRangeText &range :
         model::riskRangeTexts(ranges, facility.results().values, facility.assumptions(), locale, symbol))
        page.ranges.rows.push_back({range.name, range.low, range.likely, range.high});
    page.note = ReportText::tr("Each run draws every input with a range from a PERT distribution: between its low "
                               "and high value, most often near the most likely one. An input marked \u2014 keeps "
                               "its figure. P10, P50 and P90: a tenth, half and nine tenths of the runs come out less "
                               "favorable than this. The same seed draws the same runs.");
    // The records' draws, and what their row shows.
    QStringList note{page.note};
    if (std::any_of(ranges.draws.begin(), ranges.draws.end(), [](const auto &draw) { return draw.has_value(); }))
        note << ReportText::tr("An input drawn from a gamma distribution instead shows its P10, P50 and P90.");
    if (const QString records = model::riskRecordsText(ranges, facility.records(), locale, symbol); !records.isEmpty())
        note << records;
    page.note = model::sentencesText(note);
    page.drawHistogram = pageChart(riskHistogramChart(*summary, locale, symbol));
    page.drawCurve = pageChart(riskCurveChart(*summary, locale, symbol));
    return page;
}

// The records' assets with the most failures, as the evidence counts them.
void addAssets(report::ReportContent &content, const document::FacilityDocument &facility)
{
    const std::optional<model::RecordsEvidence> &records = facility.records();
    if (!records || records->summary.worstAssets.empty())
        return;
    content.assetsTitle = ReportText::tr("Bearing failures by asset");
    for (int column = 0; column < model::kAssetColumnCount; ++column)
        content.assets.headings << model::assetColumnCaption(model::AssetColumn(column));
    content.assets.rows = model::assetTableTexts(records->summary, facility.locale());
}

// The savings check's page, when the records have a check: each period's
// failures and rate, and the reduction they measure beside the one the case
// assumes for the bearings.
std::optional<report::SavingsCheckPage> savingsCheckPage(const document::FacilityDocument &facility, QDate date)
{
    const std::optional<model::RecordsEvidence> &records = facility.records();
    if (!records || !records->summary.check)
        return std::nullopt;
    const model::RecordsSummary &summary = records->summary;
    const model::SavingsCheck &check = *summary.check;
    const QLocale &locale = facility.locale();
    using model::SavingsCheckCaption;
    report::SavingsCheckPage page;
    page.title = model::savingsCheckCaption(SavingsCheckCaption::SavingsCheck);
    page.forWhom = forWhom(facility, date);
    for (const SavingsCheckCaption caption :
         {SavingsCheckCaption::Period, SavingsCheckCaption::From, SavingsCheckCaption::To, SavingsCheckCaption::Years,
          SavingsCheckCaption::Failures, SavingsCheckCaption::PerYear, SavingsCheckCaption::Low,
          SavingsCheckCaption::High})
        page.periods.headings << model::savingsCheckCaption(caption);
    const model::SavingsCheckRates rates = model::savingsCheckRates(check);
    const auto tenths = [&](double value) { return locale.toString(value, 'f', 1); };
    const auto row = [&](SavingsCheckCaption name, const QDate &from, const QDate &to, const model::FailureRate &rate) {
        page.periods.rows.push_back({model::savingsCheckCaption(name), model::dateText(from, locale),
                                     model::dateText(to, locale), tenths(rate.years), locale.toString(rate.count),
                                     tenths(rate.perYear), tenths(rate.perYearInterval.low),
                                     tenths(rate.perYearInterval.high)});
    };
    row(SavingsCheckCaption::Before, summary.first, check.installed, rates.before);
    row(SavingsCheckCaption::After, check.installed, summary.last, rates.after);
    const double assumed = facility.assumptions().reductionPercent[std::size_t(model::RiskInput::BearingsReduction)];
    page.comparison = model::assumedBesideMeasuredText(check, assumed, locale);
    const QString confidence = model::percentageText(100 * model::kSavingsCheckConfidence, locale);
    page.note =
        ReportText::tr("Each period's failures a year are its failures over its years, with the exact %1 interval of "
                       "a count of failures. The measured reduction is 1 − rate after ÷ rate before; its %1 "
                       "interval is exact by the conditional binomial method: of all the failures, the share that "
                       "came after the installation tells the ratio of the rates. A failure on the day of the "
                       "installation counts after it.")
            .arg(confidence);
    if (summary.eventDates.empty())
        page.note += u' '
                     + ReportText::tr("The facility file keeps the counts only, not the failures' dates: read the "
                                      "export again to chart them.");
    page.drawEvents =
        pageChart(cumulativeFailuresChart(summary.eventDates, summary.first, summary.last, check, locale));
    return page;
}

// The costs of the investment given: the price, when there is one, and the
// installation and upkeep that are not zero.
QStringList costLines(const document::FacilityDocument &facility, const model::Investment &investment, bool priced)
{
    const QLocale &locale = facility.locale();
    const QString &symbol = facility.currencyUnits().symbol;
    QStringList lines;
    if (priced)
        lines << ReportText::tr("Installed system price: %1")
                     .arg(model::currencyText(investment.systemPrice, locale, symbol));
    if (investment.installationCost != 0)
        lines << ReportText::tr("Installation cost: %1")
                     .arg(model::currencyText(investment.installationCost, locale, symbol));
    if (investment.yearlyUpkeep != 0)
        lines << ReportText::tr("Annual upkeep: %1").arg(model::currencyText(investment.yearlyUpkeep, locale, symbol));
    return lines;
}

// Page 1's payback: the simple payback of the study's cash flows, the
// same as page 2, the Business Case window and the clipboard show, and
// their cumulative net after 3 and 5 years and after the period, as far as
// the period goes.
QStringList paybackLines(const document::FacilityDocument &facility, const model::BusinessCaseStudy &study)
{
    const QLocale &locale = facility.locale();
    const QString &symbol = facility.currencyUnits().symbol;
    const model::Investment &investment = study.investment;
    QStringList lines = costLines(facility, investment, true);
    if (study.capital.contingencyPercent != 0)
        lines << ReportText::tr("Price and installation with a contingency of %1: %2")
                     .arg(model::percentageText(study.capital.contingencyPercent, locale),
                          model::currencyText(model::contingentOutlayOf(investment, study.capital), locale, symbol));
    if (investment.initial() == 0) {
        lines << ReportText::tr("No payback: nothing is invested.");
        return lines;
    }
    const model::BusinessCase &measures = study.measures;
    if (!measures.paybackMonths || measures.paybackState == model::PaybackState::Never)
        return lines << (!measures.capitalGiven ? ReportText::tr("No payback: with these figures the system brings "
                                                                 "no annual savings to pay for it.")
                         : study.capital.taxRatePercent != 0
                             ? ReportText::tr("No payback: with these figures the annual nets after upkeep and tax "
                                              "do not recover the outlay.")
                             : ReportText::tr("No payback: with these figures the annual nets after upkeep do not "
                                              "recover the outlay."));
    const QString shown = locale.toString(*measures.paybackMonths, 'f', 1);
    const bool afterTax = study.capital.taxRatePercent != 0;
    lines << (measures.paybackState == model::PaybackState::Within
                  ? (afterTax ? ReportText::tr("Payback period: %1 months, after tax")
                              : ReportText::tr("Payback period: %1 months"))
                        .arg(shown)
                  : (afterTax ? ReportText::tr("Payback period: %1 months after tax, not within the %n year(s) "
                                               "evaluated",
                                               "", investment.years)
                              : ReportText::tr("Payback period: %1 months, not within the %n year(s) evaluated", "",
                                               investment.years))
                        .arg(shown));
    if (measures.belowZeroAgainFrom)
        lines << ReportText::tr("The cumulative net is below zero again from year %1.")
                     .arg(locale.toString(*measures.belowZeroAgainFrom));
    const std::vector<model::CashFlowYear> &years = measures.cashFlow.years;
    const int period = int(years.size()) - 1;
    std::vector<int> shownYears;
    for (const int year : {3, 5})
        if (year < period)
            shownYears.push_back(year);
    shownYears.push_back(period);
    for (const int year : shownYears)
        lines << model::regionalDigits(
            ReportText::tr("Net cash flow over %n year(s): %1", "", year)
                .arg(model::currencyText(years[std::size_t(year)].cumulative, locale, symbol)),
            locale);
    if (const std::optional<double> &hurdle = study.capital.hurdleRatePercent)
        lines << model::hurdleLine(measures, *hurdle, locale, symbol);
    return lines;
}

} // namespace

// Under the tables: how the figures come about. People who receive such a
// report ask exactly this. The formulas are written from the rows' own steps,
// so that the note says what the tables compute; they and the last sentence
// name the chosen units and currency.
QString figuresNote(const model::Assumptions &reductions, const QLocale &locale, const model::CurrencyUnits &currency)
{
    const QString inCurrency = currency.symbol == u"$"
                                   ? ReportText::tr("All figures are annual, in dollars.")
                                   : ReportText::tr("All figures are annual, in %1.").arg(currency.symbol);
    const auto row = [&](int k) { return model::costFormulaProse(k, currency.units, locale); };
    const model::LostProductionRule &rule = reductions.lostProduction;
    if (!rule.isEmpty()) {
        QStringList sentences{model::reductionsSentence(reductions, locale)};
        if (const QString valued = model::lostProductionSentence(rule, locale, currency.symbol); !valued.isEmpty())
            sentences.prepend(valued);
        //: %1 to %4: the formulas of the first four cost rows, %5: the formula of the lost production as the rule
        //: values it, %6: the rule and the reductions in sentences, %7: the sentence on the currency.
        return ReportText::tr("How these figures are computed. The current cost is what lubricating by hand costs a "
                              "year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), "
                              "the labor to replace them (%4) and lost production, since every bearing failure stops "
                              "production (%5). %6 The savings are the difference. %7")
            .arg(row(1), row(2), row(3), row(4), model::lostProductionProse(rule, currency.units, locale),
                 model::sentencesText(sentences), inCurrency);
    }
    //: %1 to %5: the formulas of the five cost rows ("points × minutes per point ÷ 60 × ..."), %6: the sentence on
    //: the reductions, %7: the sentence on the currency.
    return ReportText::tr("How these figures are computed. The current cost is what lubricating by hand costs a year: "
                          "the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor "
                          "to replace them (%4) and lost production, since every bearing failure stops production for "
                          "the time its replacement takes (%5). %6 The savings are the difference. %7")
        .arg(row(1), row(2), row(3), row(4), row(5), model::reductionsSentence(reductions, locale), inCurrency);
}

BuiltReport buildReport(const document::FacilityDocument &facility, QDate date, GraphChoice graph)
{
    BuiltReport built;
    const model::Results &results = facility.results();
    if (results.failedField) {
        const int field = *results.failedField;
        built.problem = model::notANumberText(field, facility.figureTexts()[std::size_t(field)]);
        return built;
    }
    const auto refused = [&](model::ArithmeticFault fault) {
        built.fault = fault;
        built.problem =
            ReportText::tr("%1: the results cannot be computed from these figures.").arg(model::faultText(fault));
        return built;
    };
    if (results.fault)
        return refused(*results.fault);
    const model::InvestmentReading &investment = facility.investmentReading();
    if (!investment.problem.isEmpty()) {
        built.problem = investment.problem;
        built.investmentField = investment.problemField;
        return built;
    }
    // Measures that overflow are refused as the tables' overflow is.
    const std::optional<model::BusinessCaseStudy> &study = facility.businessCase();
    if (study && study->fault)
        return refused(*study->fault);
    // So are risk ranges whose runs would overflow: left out, they would bias
    // the risk page.
    if (const std::optional<model::RiskInput> &input = facility.riskOverflow()) {
        built.problem = model::riskOverflowText(*input, facility.currencyUnits().symbol);
        return built;
    }

    report::ReportContent content;
    content.maker = QString::fromUtf8(model::kMakerName);
    content.contact = ReportText::tr("%1 \u00B7 %2").arg(model::kMaker.phone.toString(), model::kMaker.web.toString());
    content.title = ReportText::tr("Lubrication Cost Savings Report");
    content.customer = facility.reportDetails().customer;
    content.site = facility.reportDetails().site;
    content.preparedBy = facility.reportDetails().preparedBy;
    content.date = reportDate(facility, date);
    for (int i = 0; i < model::kInputCount; ++i) {
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        content.figures[std::size_t(i)] = {model::inputText(input.caption), facility.figureTexts()[std::size_t(i)],
                                           model::unitLabel(i, facility.currencyUnits())};
    }
    const model::ResultTexts texts = model::resultTexts(results, facility.locale(), facility.currencyUnits().symbol);
    for (int t = 0; t < model::kTableCount; ++t) {
        report::CostTableText &table = content.tables[std::size_t(t)];
        table.title = model::tableTitle(model::kTableTitles[std::size_t(t)].heading);
        for (int r = 0; r < model::kRowCount; ++r) {
            table.captions[std::size_t(r)] = model::costRowCaption(t, r + 1, facility.assumptions(), facility.locale());
            table.figures[std::size_t(r)] = texts[std::size_t(t)][std::size_t(r)];
        }
    }
    const std::shared_ptr<platform::ChartControl> chart = chartFor(facility, graph);
    content.drawChart = [chart](QPainter &painter, const QRectF &target) {
        // Laid out as the same area would be on screen, in pixels.
        chart->paintChart(painter, target, target.size() * (96.0 / 72.0));
    };
    if (study) {
        content.payback = paybackLines(facility, *study);
        content.businessCase = businessCasePage(facility, date, *study);
    } else if (investment.unpriced) {
        // Given without a price, the installation and upkeep are named, not dropped.
        content.payback = costLines(facility, *investment.unpriced, false) << model::priceNeededText();
    }
    content.assumptions = model::sentencesText(
        QStringList{figuresNote(facility.assumptions(), facility.locale(), facility.currencyUnits())}
        << recordsSentences(facility));
    addAssets(content, facility);
    if (content.businessCase)
        content.alternatives = alternativesPage(facility, date);
    content.risk = riskPage(facility, date);
    content.savingsCheck = savingsCheckPage(facility, date);
    content.pageSize = report::pageSizeFor(facility.locale());
    built.content = std::move(content);
    return built;
}

} // namespace outputs
