// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The failure rate from a count of work orders, against published exact
// Poisson intervals and their coverage on generated records, and the risk
// simulation against what PERT draws must give: the deterministic figures
// for ranges of no width, the analytic mean, the same figures for the same
// seed, and a standard error that falls as 1 ÷ √N.

#include "model/costs/results.h"
#include "model/finance/business_case.h"
#include "model/finance/records_risk.h"
#include "model/finance/risk_simulation.h"
#include "model/finance/risk_text.h"
#include "model/records/failure_rate.h"
#include "model/records/records_evidence.h"
#include "model/text/numeric_text.h"

#include <QTest>

#include <boost/random/mersenne_twister.hpp>
#include <boost/random/poisson_distribution.hpp>
#include <cmath>

namespace {

constexpr model::InputValues kDefaultValues{1000, 10, 1000, 1, 1000, 1000, 5, 200, 24, 30, 3, 4};
const model::Investment kInvestment{20000, 5000, 1000, 5, 10};

model::RiskRanges fixedRanges(std::uint64_t seed = 7, int runs = 2000)
{
    model::RiskRanges ranges;
    ranges.seed = seed;
    ranges.runs = runs;
    return ranges;
}

double meanSavings(const model::RiskRanges &ranges)
{
    return model::simulateRisk(kDefaultValues, model::Assumptions::designed(), std::nullopt, {}, ranges)->meanSavings;
}

// The input's values in the first kKeptRiskRuns runs, sorted.
std::vector<double> drawnValues(const model::RiskRanges &ranges, model::RiskInput input)
{
    const model::RiskSummary risk =
        *model::simulateRisk(kDefaultValues, model::Assumptions::designed(), std::nullopt, {}, ranges);
    std::vector<double> drawn;
    for (const model::RiskRun &run : risk.keptRuns)
        drawn.push_back(run.inputs[std::size_t(input)]);
    std::sort(drawn.begin(), drawn.end());
    return drawn;
}

} // namespace

class RiskTest : public QObject {
    Q_OBJECT
private slots:
    void poissonIntervalsArePublished_data();
    void poissonIntervalsArePublished();
    void intervalHoldsTheTrueRate();
    void percentileIsTheSpreadsheets_data();
    void percentileIsTheSpreadsheets();
    void rangesOfNoWidthGiveTheFigures();
    void sameSeedSameFigures();
    void meanIsThePertMean();
    void standardErrorFallsAsTheRootOfTheRuns();
    void rangesWhoseRunsOverflowAreRefused_data();
    void rangesWhoseRunsOverflowAreRefused();
    void failuresDrawnFromTheRatesPosterior_data();
    void failuresDrawnFromTheRatesPosterior();
    void meanHoursDrawnWithTheirStandardError_data();
    void meanHoursDrawnWithTheirStandardError();
};

// 90 % exact intervals as published, to their printed digits; 17 failures
// over 2 years are 8.5 a year, between 5.42 and 12.75.
void RiskTest::poissonIntervalsArePublished_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("digits");
    QTest::newRow("0") << 0 << 0.0 << 3.00 << 0.005;
    QTest::newRow("1") << 1 << 0.051 << 4.74 << 0.005;
    QTest::newRow("10") << 10 << 5.43 << 16.96 << 0.005;
    QTest::newRow("17") << 17 << 10.83 << 25.50 << 0.005;
    QTest::newRow("100") << 100 << 84.1 << 118.1 << 0.05;
}

void RiskTest::poissonIntervalsArePublished()
{
    QFETCH(int, count);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, digits);
    const model::CountInterval interval = model::poissonInterval(count);
    QVERIFY2(std::abs(interval.low - low) <= digits, qPrintable(QString::number(interval.low)));
    QVERIFY2(std::abs(interval.high - high) <= digits, qPrintable(QString::number(interval.high)));
    const std::optional<model::FailureRate> rate = model::failureRateOf(count, 2);
    QCOMPARE(rate->perYear, count / 2.0);
    QCOMPARE(rate->perYearInterval.high, interval.high / 2);
}

// Records generated from known rates: the exact interval is conservative,
// holding the true rate in at least 90 % of them, and not much more.
void RiskTest::intervalHoldsTheTrueRate()
{
    boost::random::mt19937_64 engine(2026);
    for (const double rate : {0.7, 4.0, 8.5, 40.0}) {
        const double years = 2;
        int held = 0;
        for (int record = 0; record < 1000; ++record) {
            const int count = boost::random::poisson_distribution<int>(rate * years)(engine);
            const model::FailureRate found = *model::failureRateOf(count, years);
            held += found.perYearInterval.low <= rate && rate <= found.perYearInterval.high;
        }
        QVERIFY2(held >= 880 && held <= 990, qPrintable(QStringLiteral("%1 a year: %2").arg(rate).arg(held)));
    }
}

void RiskTest::percentileIsTheSpreadsheets_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("expected");
    QTest::newRow("median of an even count") << QList<double>{4, 1, 3, 2} << 0.5 << 2.5;
    QTest::newRow("10th of ten hours") << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 0.1 << 1.9;
    QTest::newRow("90th of ten hours") << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 0.9 << 9.1;
    QTest::newRow("one value") << QList<double>{2.5} << 0.9 << 2.5;
}

void RiskTest::percentileIsTheSpreadsheets()
{
    QFETCH(QList<double>, values);
    QFETCH(double, p);
    QFETCH(double, expected);
    QCOMPARE(*model::percentileOf(std::vector<double>(values.begin(), values.end()), p), expected);
    QVERIFY(!model::percentileOf({}, 0.5));
}

void RiskTest::rangesOfNoWidthGiveTheFigures()
{
    model::RiskRanges ranges = fixedRanges();
    const model::Assumptions designed = model::Assumptions::designed();
    for (int k = 0; k < model::kReducedRowCount; ++k) {
        const double reduction = designed.reductionPercent[std::size_t(k)];
        ranges.ranges[std::size_t(k)] = model::PertRange{reduction, reduction, reduction};
    }
    const std::optional<model::RiskSummary> risk =
        model::simulateRisk(kDefaultValues, designed, kInvestment, {}, ranges);
    const model::BusinessCaseStudy study = model::studyOf(kDefaultValues, designed, kInvestment);
    for (const model::Quantiles &q : {risk->savings, *risk->npv})
        QVERIFY(q.p10 == q.p50 && q.p50 == q.p90);
    QCOMPARE(risk->savings.p50, study.annualSavings);
    QCOMPARE(risk->npv->p50, study.measures.npv);
    QCOMPARE(risk->paybackMonths->p50, *study.measures.paybackMonths);
    QCOMPARE(*risk->npvBelowZero, 0.0);
}

void RiskTest::sameSeedSameFigures()
{
    model::RiskRanges ranges = model::defaultRiskRanges(model::Assumptions::designed());
    ranges.ranges[std::size_t(model::RiskInput::BearingFailures)] = model::PertRange{2, 4, 9};
    ranges.draws[std::size_t(model::RiskInput::HoursPerReplacement)] = model::GammaDraw{30, 0.15};
    const auto run = [&](std::uint64_t seed) {
        ranges.seed = seed;
        return *model::simulateRisk(kDefaultValues, model::Assumptions::designed(), kInvestment, {}, ranges);
    };
    const model::RiskSummary first = run(11);
    const model::RiskSummary again = run(11);
    QCOMPARE(again.sortedNpvs, first.sortedNpvs);
    QCOMPARE(again.keptRuns.size(), std::size_t(model::kKeptRiskRuns));
    QCOMPARE(again.keptRuns[999].inputs, first.keptRuns[999].inputs);
    QVERIFY(run(12).sortedNpvs != first.sortedNpvs);
    QVERIFY(first.npv->p10 < first.npv->p50 && first.npv->p50 < first.npv->p90);
    // P10 is the unfavourable end of each measure: the longest payback.
    QVERIFY(first.paybackMonths->p10 > first.paybackMonths->p50 && first.paybackMonths->p50 > first.paybackMonths->p90);
}

// The savings are linear in the value of an hour's production, so their
// mean is the savings at the PERT mean (a + 4m + b) ÷ 6, within 4 standard
// errors of the runs.
void RiskTest::meanIsThePertMean()
{
    const model::PertRange rate{100, 200, 600};
    model::RiskRanges ranges = fixedRanges(3, 10000);
    ranges.ranges[std::size_t(model::RiskInput::ProductionRate)] = rate;
    const model::RiskSummary risk =
        *model::simulateRisk(kDefaultValues, model::Assumptions::designed(), std::nullopt, {}, ranges);
    model::InputValues atMean = kDefaultValues;
    // The PERT's mean, (low + 4 likely + high) ÷ 6.
    atMean[std::size_t(model::Input::ProductionRate)] = (rate.low + 4 * rate.likely + rate.high) / 6;
    const double expected = model::computeResults(atMean).table(model::Table::Savings).row(model::kRowCount);
    double squares = 0;
    for (const double savings : risk.sortedSavings)
        squares += (savings - risk.meanSavings) * (savings - risk.meanSavings);
    const double standardError = std::sqrt(squares / (risk.runs - 1)) / std::sqrt(risk.runs);
    QVERIFY2(std::abs(risk.meanSavings - expected) < 4 * standardError,
             qPrintable(QStringLiteral("%1 against %2 ± %3").arg(risk.meanSavings).arg(expected).arg(standardError)));
}

// The spread of the mean over 20 seeds: 16 times the runs, a quarter of it.
void RiskTest::standardErrorFallsAsTheRootOfTheRuns()
{
    const auto spread = [](int runs) {
        std::vector<double> means;
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            model::RiskRanges ranges = model::defaultRiskRanges(model::Assumptions::designed());
            ranges.seed = seed;
            ranges.runs = runs;
            means.push_back(meanSavings(ranges));
        }
        double mean = 0;
        for (const double m : means)
            mean += m / double(means.size());
        double squares = 0;
        for (const double m : means)
            squares += (m - mean) * (m - mean);
        return std::sqrt(squares / double(means.size() - 1));
    };
    const double ratio = spread(100) / spread(1600);
    QVERIFY2(ratio > 2.5 && ratio < 6.5, qPrintable(QString::number(ratio)));
}

void RiskTest::rangesWhoseRunsOverflowAreRefused_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QList<double>>("range"); // low, most likely, high
    QTest::addColumn<bool>("invested");
    QTest::addColumn<int>("blamed"); // -1: none, every run computes
    const int rate = int(model::RiskInput::ProductionRate);
    // 4e306 a run: their sum overflows long before the last, their mean does not.
    QTest::newRow("runs whose sum overflows") << rate << QList<double>{1e303, 1e304, 1e305} << true << -1;
    QTest::newRow("production value up to 1e308") << rate << QList<double>{1e303, 1e305, 1e308} << false << rate;
    QTest::newRow("failures up to 1e306") << int(model::RiskInput::BearingFailures) << QList<double>{0, 10, 1e306}
                                          << false << int(model::RiskInput::BearingFailures);
    QTest::newRow("savings that compute, an NPV that does not") << rate << QList<double>{1, 2, 4e306} << true << rate;
    QTest::newRow("the same savings alone") << rate << QList<double>{1, 2, 4e306} << false << -1;
    // Two values: a gamma's shape and scale, which has no highest value.
    const int hours = int(model::RiskInput::HoursPerReplacement);
    QTest::newRow("a gamma of hours near 1e308") << hours << QList<double>{2, 5e307} << false << hours;
}

// A range whose runs would overflow at its ends is named and not simulated,
// rather than leaving out the runs with the highest savings; otherwise no
// run is left out and the means are finite. Each value shows as itself.
void RiskTest::rangesWhoseRunsOverflowAreRefused()
{
    QFETCH(int, input);
    QFETCH(QList<double>, range);
    QFETCH(bool, invested);
    QFETCH(int, blamed);
    const model::Assumptions designed = model::Assumptions::designed();
    model::RiskRanges ranges = model::defaultRiskRanges(designed);
    if (range.size() == 2)
        ranges.draws[std::size_t(input)] = model::GammaDraw{range[0], range[1]};
    else
        ranges.ranges[std::size_t(input)] = model::PertRange{range[0], range[1], range[2]};
    const std::optional<model::Investment> investment = invested ? std::optional(kInvestment) : std::nullopt;
    const std::optional<model::RiskInput> named =
        model::overflowingRiskInput(kDefaultValues, designed, investment, {}, ranges);
    QCOMPARE(named ? int(*named) : -1, blamed);
    const std::optional<model::RiskSummary> risk =
        model::simulateRisk(kDefaultValues, designed, investment, {}, ranges);
    QCOMPARE(risk.has_value(), blamed < 0);
    if (risk) {
        QCOMPARE(risk->failedRuns, 0);
        QVERIFY(risk->meanSavings > risk->sortedSavings.front() && risk->meanSavings < risk->sortedSavings.back());
        QVERIFY(!invested || (risk->meanNpv > risk->npv->p10 && std::isfinite(risk->meanNpv)));
    }
    for (const double value : range)
        QCOMPARE(model::readFigure(model::riskValueText(model::RiskInput(input), value, QLocale::c()), QLocale::c()),
                 value);
}

void RiskTest::failuresDrawnFromTheRatesPosterior_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("endsOnFailure");
    QTest::addColumn<double>("beta"); // of a significant trend; 1 none
    // The posterior gamma(n + ½, T) is χ²(2n + 1) ÷ 2T: the tables' 10th and
    // 90th percentiles of χ² with 35, 33 (one failure fewer) and 7 degrees.
    QTest::addColumn<double>("chiSquare10");
    QTest::addColumn<double>("chiSquare90");
    QTest::newRow("17 failures in 2 years") << 17 << false << 1.0 << 24.797 << 46.059;
    QTest::newRow("17, the last ending the records") << 17 << true << 1.0 << 23.110 << 43.745;
    QTest::newRow("3 failures") << 3 << false << 1.0 << 2.833 << 12.017;
    QTest::newRow("17, rising by β 1.5") << 17 << false << 1.5 << 24.797 << 46.059;
}

// The runs draw the failures a year as widely as the records' rate is
// uncertain: about the count's exact 80 % interval, where a PERT over its
// 90 % interval drew 6.9 to 10.6 of the 6.0 to 11.8 for 17 failures.
void RiskTest::failuresDrawnFromTheRatesPosterior()
{
    QFETCH(int, failures);
    QFETCH(bool, endsOnFailure);
    QFETCH(double, beta);
    QFETCH(double, chiSquare10);
    QFETCH(double, chiSquare90);
    model::RecordsSummary summary;
    summary.failures = failures;
    summary.first = QDate(2023, 3, 1);
    summary.last = QDate(2025, 3, 1);
    summary.endsOnFailure = endsOnFailure;
    if (beta != 1)
        summary.trend = model::FailureTrend{3, 0.003, beta};
    summary.rate = model::rateOf(summary);
    const auto input = model::RiskInput::BearingFailures;
    const model::RiskRanges ranges = model::withRecordsRanges(fixedRanges(5, model::kKeptRiskRuns), summary);
    const std::optional<model::GammaDraw> draw = ranges.draws[std::size_t(input)];
    QVERIFY(draw && ranges.fromRecords[std::size_t(input)]);
    const double low = chiSquare10 / 2 / summary.rate->years * beta;
    const double high = chiSquare90 / 2 / summary.rate->years * beta;
    QVERIFY(std::abs(draw->quantile(0.1) / low - 1) < 1e-4 && std::abs(draw->quantile(0.9) / high - 1) < 1e-4);
    const std::vector<double> drawn = drawnValues(ranges, input);
    const double p10 = model::percentileOfSorted(drawn, 0.1);
    const double p90 = model::percentileOfSorted(drawn, 0.9);
    QVERIFY2(std::abs(p10 / low - 1) < 0.05 && std::abs(p90 / high - 1) < 0.04,
             qPrintable(QStringLiteral("%1 to %2 against %3 to %4").arg(p10).arg(p90).arg(low).arg(high)));
    if (failures == 17 && !endsOnFailure && beta == 1) {
        const model::CountInterval data = model::poissonInterval(failures, 0.8);
        const double width = (data.high - data.low) / summary.rate->years;
        QVERIFY2((p90 - p10) / width > 0.85, qPrintable(QString::number((p90 - p10) / width)));
    }
}

void RiskTest::meanHoursDrawnWithTheirStandardError_data()
{
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("deviation"); // -1: a file that keeps no spread
    QTest::addColumn<int>("repairs");
    QTest::newRow("17 repairs") << 4.3 << 1.4 << 17;
    QTest::newRow("two repairs far apart: no negative hours") << 10.5 << 13.4 << 2;
    QTest::newRow("a file without the spread: its percentiles") << 4.3 << -1.0 << 0;
    QTest::newRow("repairs of equal hours: the mean") << 4.0 << 0.0 << 5;
}

// The hours to replace are the mean repair's, as the costs take them: drawn
// from the mean's distribution, the mean with the standard error s ÷ √k.
void RiskTest::meanHoursDrawnWithTheirStandardError()
{
    QFETCH(double, mean);
    QFETCH(double, deviation);
    QFETCH(int, repairs);
    model::RecordsSummary summary;
    summary.meanHours = mean;
    summary.medianHours = 4.2;
    summary.hours10 = 2.5;
    summary.hours90 = 6.2;
    summary.hoursCount = repairs;
    if (deviation >= 0)
        summary.hoursDeviation = deviation;
    const auto input = model::RiskInput::HoursPerReplacement;
    const model::RiskRanges ranges = model::withRecordsRanges(fixedRanges(9, model::kKeptRiskRuns), summary);
    QVERIFY(ranges.fromRecords[std::size_t(input)]);
    if (deviation <= 0) {
        const model::PertRange range = deviation < 0 ? model::PertRange{2.5, 4.2, 6.2} : model::PertRange{4, 4, 4};
        QCOMPARE(ranges.ranges[std::size_t(input)], range);
        return;
    }
    const model::GammaDraw draw = *ranges.draws[std::size_t(input)];
    const double error = deviation / std::sqrt(double(repairs));
    QCOMPARE(draw.shape * draw.scale, mean);
    QCOMPARE(std::sqrt(draw.shape) * draw.scale, error);
    const std::vector<double> drawn = drawnValues(ranges, input);
    double drawnMean = 0;
    for (const double hours : drawn)
        drawnMean += hours / double(drawn.size());
    QVERIFY2(std::abs(drawnMean - mean) < 4 * error / std::sqrt(double(drawn.size())),
             qPrintable(QString::number(drawnMean)));
    QVERIFY(drawn.front() > 0);
}

QTEST_GUILESS_MAIN(RiskTest)
#include "risk_test.moc"
