// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The cash-flow table of a capital request and every measure from it, against
// the flows written from their definitions in long double (powers, not year
// by year), published textbook answers, and the closed forms of level flows.

#include "formula_arithmetic.h"
#include "model/finance/business_case.h"
#include "model/finance/cash_flow.h"
#include "model/finance/cash_flow_columns.h"
#include "model/finance/payback.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <vector>

using model::CapitalInputs;
using model::Depreciation;
using model::PaybackState;
Q_DECLARE_METATYPE(model::CapitalInputs)
Q_DECLARE_METATYPE(model::Investment)
Q_DECLARE_METATYPE(model::PaybackState)

namespace {

using Real = long double;

// The designed figures' savings, rows 1 to 6.
const model::CostTable kDesignedSavings{{12960, 2500, 1600, 960, 32000, 50020}};
constexpr model::InputValues kDefaultValues{1000, 10, 1000, 1, 1000, 1000, 5, 200, 24, 30, 3, 4};

model::CostTable savingsOf(double total)
{
    model::CostTable table;
    table.row(6) = total;
    return table;
}

bool near(Real actual, Real expected, Real relative = 1e-9)
{
    return std::abs(actual - expected) <= relative * std::max(Real(1), std::abs(expected));
}

// Each year's flows from the definitions: row k escalated (1 + e)^(t − 1),
// the book value from the outlay, the tax on savings − upkeep − depreciation.
struct Reference {
    std::vector<Real> operating; // years 0 to N, without the residual value
    Real residual = 0;           // after tax, at the end of year N
    bool midYear = false;

    Real npvAt(Real g) const
    {
        Real npv = residual * std::pow(g, -Real(operating.size() - 1));
        for (std::size_t t = 0; t < operating.size(); ++t)
            npv += operating[t] * std::pow(g, -(Real(t) - (midYear && t > 0 ? 0.5L : 0)));
        return npv;
    }
    // When the flows (discounted at g, or not when g is 1) first sum to zero,
    // in years, in proportion within the year; the residual at the end.
    Real paybackYears(Real g) const
    {
        Real sum = operating[0];
        for (std::size_t t = 1; t < operating.size(); ++t) {
            const Real flow = operating[t] * std::pow(g, -(Real(t) - (midYear ? 0.5L : 0)));
            if (sum + flow >= 0)
                return Real(t - 1) - sum / flow;
            sum += flow;
        }
        return sum + residual * std::pow(g, -Real(operating.size() - 1)) >= 0 ? Real(operating.size() - 1) : -1;
    }
};

Reference referenceOf(const model::CostTable &savings, const model::Investment &investment, const CapitalInputs &c)
{
    const Real initial = Real(investment.systemPrice) + investment.installationCost;
    const Real tax = c.taxRatePercent / 100.0L;
    const int n = investment.years;
    const auto book = [&](int t) -> Real {
        switch (c.depreciation) {
        case Depreciation::None:
            return initial;
        case Depreciation::StraightLine:
            return initial * std::max(Real(0), 1 - Real(t) / c.depreciationYears);
        case Depreciation::DecliningBalance:
            return initial * std::pow(1 - c.decliningRatePercent / 100.0L, Real(t));
        }
        return 0;
    };
    Reference reference;
    reference.midYear = c.timing == model::CashFlowTiming::MidYear;
    reference.operating.push_back(-initial);
    // Labour rates scale rows 1 and 4, the lubricant 2, the bearings 3, the production value 5.
    const double escalation[] = {c.labourEscalationPercent, c.lubricantEscalationPercent, c.bearingEscalationPercent,
                                 c.labourEscalationPercent, c.productionValueEscalationPercent};
    for (int t = 1; t <= n; ++t) {
        Real saved = 0;
        for (int k = 1; k <= 5; ++k)
            saved += savings.row(k) * std::pow(1 + escalation[k - 1] / 100.0L, Real(t - 1));
        if (t == 1)
            saved *= c.firstYearSharePercent / 100.0L;
        const Real upkeep = investment.yearlyUpkeep * std::pow(1 + c.upkeepEscalationPercent / 100.0L, Real(t - 1));
        reference.operating.push_back(saved - upkeep - tax * (saved - upkeep - (book(t - 1) - book(t))));
    }
    reference.residual = c.residualValue - tax * (c.residualValue - book(n));
    return reference;
}

CapitalInputs capital(std::initializer_list<double> escalations, double tax, Depreciation depreciation, double rule,
                      double residual, double firstYear, bool midYear)
{
    CapitalInputs c;
    const double *e = escalations.begin();
    c.labourEscalationPercent = e[0];
    c.lubricantEscalationPercent = e[1];
    c.bearingEscalationPercent = e[2];
    c.productionValueEscalationPercent = e[3];
    c.upkeepEscalationPercent = e[4];
    c.taxRatePercent = tax;
    c.depreciation = depreciation;
    c.depreciationYears = int(rule);
    c.decliningRatePercent = rule;
    c.residualValue = residual;
    c.firstYearSharePercent = firstYear;
    c.timing = midYear ? model::CashFlowTiming::MidYear : model::CashFlowTiming::YearEnd;
    return c;
}

} // namespace

class CashFlowTest : public QObject {
    Q_OBJECT
private slots:
    void measuresMatchTheDefinitions_data();
    void measuresMatchTheDefinitions();
    void textbookCases_data();
    void textbookCases();
    void levelFlowsGiveTheClosedForms_data();
    void levelFlowsGiveTheClosedForms();
    void flowsChangingSignTwiceHaveNoIrr_data();
    void flowsChangingSignTwiceHaveNoIrr();
    void breakEvenZeroesTheNpv_data();
    void breakEvenZeroesTheNpv();
    void studyTime();
    void columnFormulasGiveTheTable_data();
    void columnFormulasGiveTheTable();
};

void CashFlowTest::measuresMatchTheDefinitions_data()
{
    QTest::addColumn<model::Investment>("investment");
    QTest::addColumn<CapitalInputs>("capital");
    const model::Investment base{20000, 5000, 1000, 10, 8};
    const auto none = Depreciation::None;
    const auto line = Depreciation::StraightLine;
    const auto balance = Depreciation::DecliningBalance;
    QTest::newRow("every row escalated") << base << capital({3, 5, 2, 4, 6}, 0, none, 0, 0, 100, false);
    QTest::newRow("tax, outlay written off at the end") << base << capital({0, 0, 0, 0, 0}, 30, none, 0, 0, 100, false);
    QTest::newRow("straight-line within the period")
        << model::Investment{60000, 0, 1000, 6, 10} << capital({0, 0, 0, 0, 0}, 25, line, 3, 0, 100, false);
    QTest::newRow("straight-line beyond, residual")
        << model::Investment{80000, 0, 1000, 5, 10} << capital({0, 0, 0, 0, 0}, 35, line, 10, 5000, 100, false);
    QTest::newRow("declining balance, residual") << base << capital({0, 0, 0, 0, 0}, 40, balance, 30, 2000, 100, false);
    QTest::newRow("ramp-up to 40 %") << base << capital({0, 0, 0, 0, 0}, 0, none, 0, 0, 40, false);
    QTest::newRow("mid-year, residual") << base << capital({0, 0, 0, 0, 0}, 0, none, 0, 9000, 100, true);
    QTest::newRow("all at once, mid-year") << model::Investment{150000, 20000, 4000, 12, 7.5}
                                           << capital({4, 2, 1, 3, 5}, 28, balance, 25, 15000, 60, true);
    QTest::newRow("pays back only by the residual")
        << model::Investment{240000, 0, 0, 3, 0} << capital({0, 0, 0, 0, 0}, 0, none, 0, 100000, 100, false);
}

void CashFlowTest::measuresMatchTheDefinitions()
{
    QFETCH(model::Investment, investment);
    QFETCH(CapitalInputs, capital);
    const model::CashFlowTable table = model::cashFlowTableOf(kDesignedSavings, investment, capital);
    const model::CashFlowMeasures measures = model::measuresOf(table);
    const Reference reference = referenceOf(kDesignedSavings, investment, capital);
    const Real g = 1 + investment.discountRatePercent / 100.0L;
    const Real initial = -reference.operating[0];

    QCOMPARE(table.period(), investment.years);
    Real total = reference.residual;
    for (int t = 0; t <= investment.years; ++t) {
        total += reference.operating[std::size_t(t)];
        const Real net = reference.operating[std::size_t(t)] + (t == investment.years ? reference.residual : 0);
        QVERIFY2(near(table.years[std::size_t(t)].net, net), qPrintable(QString::number(t)));
    }
    QVERIFY2(near(measures.npv, reference.npvAt(g)), qPrintable(QString::number(measures.npv, 'g', 17)));
    QVERIFY(near(table.years.back().cumulative, total));
    QVERIFY(near(*measures.roi, total / initial));
    QVERIFY(near(*measures.annualisedRoi, std::pow(1 + total / initial, 1.0L / investment.years) - 1));
    QVERIFY(near(*measures.profitabilityIndex, reference.npvAt(g) / initial + 1));
    QVERIFY(near(model::npvAt(table, 3), reference.npvAt(1.03L)));
    // One sign change in every case: the NPV at the IRR is zero.
    QVERIFY(!measures.irrUnclear && measures.irr);
    QVERIFY2(std::abs(reference.npvAt(1 + Real(*measures.irr))) <= 1e-7L * initial,
             qPrintable(QString::number(*measures.irr, 'g', 17)));

    const Real simple = reference.paybackYears(1);
    QCOMPARE(measures.simplePayback->state == PaybackState::Within, simple >= 0);
    if (simple >= 0)
        QVERIFY2(near(*measures.simplePayback->time, 12 * simple),
                 qPrintable(QString::number(*measures.simplePayback->time, 'g', 17)));
    const Real discounted = reference.paybackYears(g);
    QCOMPARE(measures.discountedPayback->state == PaybackState::Within, discounted >= 0);
    if (discounted >= 0)
        QVERIFY(near(*measures.discountedPayback->time, discounted));
}

// Published worked examples: (sales − costs − straight-line depreciation)
// taxed, the depreciation added back, discounted at year ends.
void CashFlowTest::textbookCases_data()
{
    QTest::addColumn<model::Investment>("investment");
    QTest::addColumn<double>("savings");
    QTest::addColumn<CapitalInputs>("capital");
    QTest::addColumn<double>("tax");       // of every year
    QTest::addColumn<double>("net");       // of year 1
    QTest::addColumn<double>("npv");       // as published
    QTest::addColumn<double>("tolerance"); // the published rounding
    // Cost 8,000, shipping and installation 2,000, cash flow 5,000 and costs
    // 2,000 a year for 5 years, straight-line over 5, 40 % tax, 10 %:
    // NPV −144.
    QTest::newRow("straight-line, 40 % tax, 10 %")
        << model::Investment{8000, 2000, 2000, 5, 10} << 5000.0
        << capital({0, 0, 0, 0, 0}, 40, Depreciation::StraightLine, 5, 0, 100, false) << 400.0 << 2600.0 << -144.0
        << 0.5;
    // 100,000 over 5 years, inflows 70,000, cash operating expenses 20,000,
    // 40 % tax, 12 %: taxes 12,000, net inflow 38,000, NPV 36,990 with the
    // annuity factor 3.605 (to its half-thousandth: ± 19).
    QTest::newRow("straight-line, 40 % tax, 12 %")
        << model::Investment{100000, 0, 20000, 5, 12} << 70000.0
        << capital({0, 0, 0, 0, 0}, 40, Depreciation::StraightLine, 5, 0, 100, false) << 12000.0 << 38000.0 << 36990.0
        << 19.0;
    // 180,000; 40,000 a year for 10 years and 30,000 more at the end; 10 %:
    // NPV 77,348.98.
    QTest::newRow("residual value, 10 %")
        << model::Investment{180000, 0, 0, 10, 10} << 40000.0
        << capital({0, 0, 0, 0, 0}, 0, Depreciation::None, 0, 30000, 100, false) << 0.0 << 40000.0 << 77348.98 << 0.005;
}

void CashFlowTest::textbookCases()
{
    QFETCH(model::Investment, investment);
    QFETCH(double, savings);
    QFETCH(CapitalInputs, capital);
    QFETCH(double, tax);
    QFETCH(double, net);
    QFETCH(double, npv);
    QFETCH(double, tolerance);
    const model::CashFlowTable table = model::cashFlowTableOf(savingsOf(savings), investment, capital);
    QVERIFY(near(table.years[1].tax, tax));
    QVERIFY(near(table.years[1].net, net));
    QVERIFY2(std::abs(table.npv() - npv) <= tolerance, qPrintable(QString::number(table.npv(), 'f', 4)));
}

// Without the capital inputs the flows are level and every measure is its
// closed form to the last bit, also when the payback lies beyond the period.
void CashFlowTest::levelFlowsGiveTheClosedForms_data()
{
    QTest::addColumn<double>("initial");
    QTest::addColumn<double>("savings");
    QTest::addColumn<double>("upkeep");
    QTest::addColumn<int>("years");
    QTest::addColumn<PaybackState>("state");
    QTest::newRow("designed, within") << 20000.0 << 50020.0 << 0.0 << 5 << PaybackState::Within;
    QTest::newRow("cents, in year 3") << 25000.33 << 11234.57 << 1000.01 << 7 << PaybackState::Within;
    QTest::newRow("54.7 months, 3 years") << 22790.0 << 5000.0 << 0.0 << 3 << PaybackState::NotWithinPeriod;
    QTest::newRow("upkeep above savings") << 5000.0 << 1000.0 << 1500.0 << 5 << PaybackState::Never;
}

void CashFlowTest::levelFlowsGiveTheClosedForms()
{
    QFETCH(double, initial);
    QFETCH(double, savings);
    QFETCH(double, upkeep);
    QFETCH(int, years);
    QFETCH(PaybackState, state);
    const model::BusinessCase measures = model::businessCaseOf(savings, {initial, 0, upkeep, years, 10});
    const double net = savings - upkeep;
    QCOMPARE(measures.paybackState, state);
    QCOMPARE(measures.paybackMonths.has_value(), net > 0);
    if (net > 0)
        QVERIFY(*measures.paybackMonths == initial / (net / 12));
    QVERIFY(*measures.roi == (savings * years - upkeep * years - initial) / initial);
    for (int t = 0; t <= years; ++t)
        QVERIFY(measures.cumulativeCashFlow[std::size_t(t)] == -initial + t * net);
    const std::optional<model::Payback> firstPage = model::paybackOf(initial, savings, upkeep);
    QCOMPARE(firstPage.has_value(), net > 0);
    if (firstPage)
        QVERIFY(firstPage->netFiveYears == net * 5 - initial && firstPage->months == *measures.paybackMonths);
}

// An upkeep escalating past the savings turns the flows negative again: two
// sign changes, no IRR, but the NPV profile.
void CashFlowTest::flowsChangingSignTwiceHaveNoIrr_data()
{
    QTest::addColumn<double>("upkeepEscalation");
    QTest::addColumn<bool>("unclear");
    QTest::newRow("upkeep escalating 5 %") << 5.0 << false;
    QTest::newRow("upkeep escalating 25 %") << 25.0 << true;
}

void CashFlowTest::flowsChangingSignTwiceHaveNoIrr()
{
    QFETCH(double, upkeepEscalation);
    QFETCH(bool, unclear);
    CapitalInputs c;
    c.upkeepEscalationPercent = upkeepEscalation;
    const model::BusinessCase measures = model::businessCaseOf(savingsOf(10000), {20000, 0, 4000, 15, 10}, c);
    QCOMPARE(measures.irrUnclear, unclear);
    QCOMPARE(measures.irr.has_value(), !unclear);
    QCOMPARE(model::npvAt(measures.cashFlow, 10), measures.npv);
}

// Each break-even value put back into the flows written from their
// definitions gives an NPV of zero.
void CashFlowTest::breakEvenZeroesTheNpv_data()
{
    QTest::addColumn<CapitalInputs>("capital");
    QTest::newRow("pre-tax") << CapitalInputs();
    QTest::newRow("tax, escalation, mid-year")
        << capital({3, 4, 2, 5, 6}, 30, Depreciation::DecliningBalance, 25, 4000, 50, true);
}

void CashFlowTest::breakEvenZeroesTheNpv()
{
    QFETCH(CapitalInputs, capital);
    const model::Investment investment{100000, 20000, 10000, 5, 10};
    const model::BreakEven breakEven =
        model::breakEvenOf(kDefaultValues, model::Assumptions::designed(), investment, capital);
    QVERIFY(breakEven.systemPrice && breakEven.reductionShare && breakEven.bearingFailures);
    const auto npvOf = [&](const model::CostTable &savings, double price) {
        model::Investment priced = investment;
        priced.systemPrice = price;
        return referenceOf(savings, priced, capital).npvAt(1.1L);
    };
    QVERIFY(std::abs(npvOf(kDesignedSavings, *breakEven.systemPrice)) < 1e-4);
    model::CostTable scaled;
    for (int k = 1; k <= 6; ++k)
        scaled.row(k) = kDesignedSavings.row(k) * *breakEven.reductionShare;
    QVERIFY(std::abs(npvOf(scaled, investment.systemPrice)) < 1e-4);
    // Rows 3 to 5 are 10 failures' savings.
    model::CostTable failures = kDesignedSavings;
    for (int k = 3; k <= 5; ++k)
        failures.row(k) = kDesignedSavings.row(k) / 10 * *breakEven.bearingFailures;
    QVERIFY(std::abs(npvOf(failures, investment.systemPrice)) < 1e-4);
    // A case that pays holds at a dearer price, fewer savings and failures.
    const bool pays = npvOf(kDesignedSavings, investment.systemPrice) > 0;
    QCOMPARE(*breakEven.systemPrice > investment.systemPrice, pays);
    QCOMPARE(*breakEven.reductionShare < 1, pays);
    QCOMPARE(*breakEven.bearingFailures < 10, pays);
}

void CashFlowTest::studyTime()
{
    const model::Investment investment{20000, 5000, 1000, 30, 10};
    const CapitalInputs c = capital({3, 4, 2, 5, 6}, 30, Depreciation::DecliningBalance, 25, 4000, 50, true);
    QBENCHMARK {
        const model::BusinessCaseStudy study = model::studyOf(kDefaultValues, model::Assumptions::designed(),
                                                              investment, model::kDefaultSensitivityStepPercent, c);
        QVERIFY(study.breakEven.systemPrice && study.measures.irr);
    }
}

// Every column's formula, as a spreadsheet computes it from the cells it
// names, gives the program's table to the last bit, in every year to 50 (0
// after the period's end, the paybacks carried down), on random investments
// and capital inputs.
void CashFlowTest::columnFormulasGiveTheTable_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("inputs %1").arg(seed))) << seed;
}

void CashFlowTest::columnFormulasGiveTheTable()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const auto between = [&](double low, double high) { return low + (high - low) * random.generateDouble(); };
    model::CostTable savings;
    for (int k = 1; k <= model::kReducedRowCount; ++k)
        savings.row(k) = between(-2000, 40000);
    savings.row(model::kRowCount) = between(-5000, 90000);
    const model::Investment investment{between(0, 150000), between(0, 20000), between(0, 4000),
                                       int(random.bounded(1, 31)), between(-5, 25)};
    CapitalInputs capital;
    for (double *percent :
         {&capital.labourEscalationPercent, &capital.lubricantEscalationPercent, &capital.bearingEscalationPercent,
          &capital.productionValueEscalationPercent, &capital.upkeepEscalationPercent})
        *percent = between(-5, 15);
    capital.taxRatePercent = seed % 4 == 0 ? 0 : between(0, 45);
    capital.depreciation = Depreciation(seed % 3);
    capital.depreciationYears = int(random.bounded(1, 15));
    capital.decliningRatePercent = between(5, 40);
    capital.residualValue = seed % 2 == 0 ? 0 : between(0, 50000);
    capital.firstYearSharePercent = between(30, 100);
    capital.timing = seed % 2 == 0 ? model::CashFlowTiming::YearEnd : model::CashFlowTiming::MidYear;
    // Savings beyond the cost rows and one-off items, once or periodic.
    for (quint32 j = 0; j < seed % 3; ++j)
        capital.otherSavings.push_back({QString(), between(-500, 8000), between(-5, 15), j == 0});
    for (quint32 k = 0; k < seed % 4; ++k)
        capital.oneOffs.push_back(
            {QString(), between(-10000, 10000), int(random.bounded(0, 8)), int(k % 2 ? random.bounded(1, 5) : 0)});
    const model::CashFlowTable table = model::cashFlowTableOf(savings, investment, capital);
    const model::FlowInputs inputs = model::flowInputsOf(savings, investment, capital);
    // Powers kept from an earlier table give the same table.
    model::FlowPowers powers;
    model::cashFlowTableOf(savings, investment, capital, &powers);
    QVERIFY(model::cashFlowTableOf(savings, investment, capital, &powers).npv() == table.npv());
    const int period = table.period();

    // A year after the period's end: 0, the paybacks as they were at its end.
    const auto valueOf = [&](model::FlowField field, int t) -> model::SheetValue {
        const model::CashFlowYear &year = table.years[std::size_t(std::min(t, period))];
        if (field == model::FlowField::PaidBackMonths)
            return year.paidBackMonths;
        if (field == model::FlowField::PaidBackYears)
            return year.paidBackYears;
        return t <= period ? model::flowValue(year, field) : 0;
    };
    const model::FlowCells cells{
        [](model::FlowInput input) { return QStringLiteral("in%1").arg(int(input)); },
        [](int k) { return QStringLiteral("row%1").arg(k); },
        [](int t) { return QStringLiteral("year%1").arg(t); },
        [](model::FlowField field, int t) { return QStringLiteral("c%1y%2").arg(int(field)).arg(t); },
        [period](model::FlowField field) { return QStringLiteral("c%1y%2").arg(int(field)).arg(period); },
        [](int j, model::ItemField field) { return QStringLiteral("s%1f%2").arg(j).arg(int(field)); },
        [](int k, model::ItemField field) { return QStringLiteral("o%1f%2").arg(k).arg(int(field)); },
        int(capital.otherSavings.size()),
        int(capital.oneOffs.size()),
    };
    const model::CellValue cellValue = [&](QStringView name) -> std::optional<model::SheetValue> {
        const QString text = name.toString();
        if (text.startsWith(u"in"))
            return inputs.values.at(text.mid(2).toUInt());
        if (text.startsWith(u"row"))
            return inputs.savingsRows.at(text.mid(3).toUInt() - 1);
        if (text.startsWith(u"year"))
            return text.mid(4).toDouble();
        if (text.startsWith(u's') || text.startsWith(u'o')) {
            const qsizetype f = text.indexOf(u'f');
            const std::size_t i = text.mid(1, f - 1).toUInt();
            const auto field = model::ItemField(text.mid(f + 1).toInt());
            if (text.startsWith(u's'))
                return field == model::ItemField::Amount ? inputs.otherSavings.at(i).amount
                                                         : inputs.otherSavings.at(i).escalationPercent;
            const model::OneOffItem &item = inputs.oneOffs.at(i);
            return field == model::ItemField::Amount ? item.amount
                   : field == model::ItemField::Year ? item.year
                                                     : item.every;
        }
        const qsizetype y = text.indexOf(u'y');
        return valueOf(model::FlowField(text.mid(1, y - 1).toInt()), text.mid(y + 1).toInt());
    };
    const auto same = [](model::SheetValue a, model::SheetValue b) {
        return a.has_value() == b.has_value() && (!a || *a == *b || (std::isnan(*a) && std::isnan(*b)));
    };
    for (int t = 0; t <= model::kMaxYears; ++t) {
        for (int f = 0; f < model::kFlowFieldCount; ++f) {
            const auto field = model::FlowField(f);
            const QString formula = model::flowFormula(field, t, cells);
            if (formula.isEmpty())
                continue; // the paybacks in year 0
            const std::optional<model::SheetValue> result = model::formulaResult(formula, cellValue);
            QVERIFY2(result && same(*result, valueOf(field, t)),
                     qPrintable(QStringLiteral("column %1, year %2: %3").arg(f).arg(t).arg(formula)));
        }
    }
    if (table.years.back().operatingNet() > 0)
        QVERIFY(model::formulaValue(model::monthsBeyondPeriodFormula(cells), cellValue)
                == model::monthsBeyondPeriod(table));
}

QTEST_APPLESS_MAIN(CashFlowTest)
#include "cash_flow_test.moc"
