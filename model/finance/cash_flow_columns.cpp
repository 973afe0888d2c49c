// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/cash_flow_columns.h"

#include "model/text/formula_term.h"

#include <cmath>

namespace model {
namespace {

// A year of the program's table: its columns as numbers.
struct ValueYear {
    using Number = double;
    using Condition = bool;
    using Maybe = std::optional<double>;
    struct Choice {
        bool when;
        double value;
    };

    const std::vector<CashFlowYear> &years; // those before this one
    const CashFlowYear &here;               // filled column by column
    int t;
    const FlowInputs &inputs;
    FlowPowers *powers = nullptr;

    double year() const { return t; }
    double input(FlowInput input) const { return inputs[input]; }
    double savingsRow(int k) const { return inputs.savingsRows[std::size_t(k - 1)]; }
    int otherSavingCount() const { return int(inputs.otherSavings.size()); }
    int oneOffCount() const { return int(inputs.oneOffs.size()); }
    double otherSaving(int j, ItemField field) const
    {
        const OtherSaving &item = inputs.otherSavings[std::size_t(j)];
        return field == ItemField::Amount ? item.amount : item.escalationPercent;
    }
    double oneOff(int k, ItemField field) const
    {
        const OneOffItem &item = inputs.oneOffs[std::size_t(k)];
        return field == ItemField::Amount ? item.amount : field == ItemField::Year ? item.year : item.every;
    }
    double at(FlowField field) const;
    double before(FlowField field) const;
    double first(FlowField field) const;
    double power(double base, double exponent) const
    {
        return powers ? powers->power(t, base, exponent) : std::pow(base, exponent);
    }
    // Carried down once found, else the first choice that holds, else none.
    std::optional<double> firstOf(FlowField field, Choice a, Choice b) const;
};

// A year of the workbook's table: its columns as cells.
struct CellYear {
    using Number = FormulaTerm;
    using Condition = FormulaTerm;
    using Maybe = FormulaTerm;
    struct Choice {
        FormulaTerm when;
        FormulaTerm value;
    };

    const FlowCells &cells;
    int t;
    bool lastOfPeriod = false; // the period's last year, wherever the period ends

    FormulaTerm year() const { return cell(lastOfPeriod ? cells.input(FlowInput::Period) : cells.year(t)); }
    FormulaTerm input(FlowInput input) const { return cell(cells.input(input)); }
    FormulaTerm savingsRow(int k) const { return cell(cells.savingsRow(k)); }
    int otherSavingCount() const { return cells.otherSavingCount; }
    int oneOffCount() const { return cells.oneOffCount; }
    FormulaTerm otherSaving(int j, ItemField field) const { return cell(cells.otherSaving(j, field)); }
    FormulaTerm oneOff(int k, ItemField field) const { return cell(cells.oneOff(k, field)); }
    FormulaTerm at(FlowField field) const
    {
        return cell(lastOfPeriod ? cells.atPeriod(field) : cells.column(field, t));
    }
    FormulaTerm before(FlowField field) const { return cell(cells.column(field, t - 1)); }
    FormulaTerm first(FlowField field) const { return cell(cells.column(field, 1)); }
    FormulaTerm power(const FormulaTerm &base, const FormulaTerm &exponent) const
    {
        return model::power(base, exponent);
    }
    FormulaTerm firstOf(FlowField field, const Choice &a, const Choice &b) const
    {
        const FormulaTerm found = when(a.when, a.value, when(b.when, b.value, FormulaTerm::emptyText()));
        return t == 1 ? found : when(before(field) != FormulaTerm::emptyText(), before(field), found);
    }

    static FormulaTerm cell(const QString &name) { return FormulaTerm::cell(name); }
};

double CashFlowYear::*numberOf(FlowField field)
{
    switch (field) {
    case FlowField::Savings:
        return &CashFlowYear::savings;
    case FlowField::Upkeep:
        return &CashFlowYear::upkeep;
    case FlowField::BookValue:
        return &CashFlowYear::bookValue;
    case FlowField::Depreciation:
        return &CashFlowYear::depreciation;
    case FlowField::Tax:
        return &CashFlowYear::tax;
    case FlowField::Residual:
        return &CashFlowYear::residualAfterTax;
    case FlowField::Net:
        return &CashFlowYear::net;
    case FlowField::Factor:
        return &CashFlowYear::discountFactor;
    case FlowField::Discounted:
        return &CashFlowYear::discountedNet;
    case FlowField::NetAboveFirst:
        return &CashFlowYear::netAboveFirst;
    case FlowField::Cumulative:
        return &CashFlowYear::cumulative;
    case FlowField::CumulativeDiscounted:
    case FlowField::PaidBackMonths:
    case FlowField::PaidBackYears:
        break;
    }
    return &CashFlowYear::cumulativeDiscounted;
}

std::optional<double> CashFlowYear::*maybeOf(FlowField field)
{
    return field == FlowField::PaidBackMonths ? &CashFlowYear::paidBackMonths : &CashFlowYear::paidBackYears;
}

double ValueYear::at(FlowField field) const { return here.*numberOf(field); }
double ValueYear::before(FlowField field) const { return years[std::size_t(t - 1)].*numberOf(field); }
double ValueYear::first(FlowField field) const { return t == 1 ? at(field) : years[1].*numberOf(field); }

std::optional<double> ValueYear::firstOf(FlowField field, Choice a, Choice b) const
{
    if (t > 1) {
        if (const std::optional<double> carried = years[std::size_t(t - 1)].*maybeOf(field))
            return carried;
    }
    return a.when ? std::optional(a.value) : b.when ? std::optional(b.value) : std::nullopt;
}

// The arithmetic shared by the columns, the NPV profile and the paybacks.

// Each takes its powers from y: the year's own, or plain numbers' (Plain).

template <typename Year, typename Number>
Number growthOf(const Year &y, const Number &percentAYear, const Number &t) // year t over year 1
{
    return y.power(1 + percentAYear / 100, t - 1);
}

template <typename Year, typename Number, typename Condition>
Number discountFactorOf(const Year &y, const Number &growth, const Number &t, const Condition &midYear)
{
    return 1 / y.power(growth, t - when(midYear, 0.5, 0));
}

// The one-off items that fall in year t: each in its year and every so many
// years after, one that falls once spaced beyond any period.
template <typename Year, typename Number>
Number oneOffsOf(const Year &y, const Number &t)
{
    Number total = 0;
    for (int k = 0; k < y.oneOffCount(); ++k) {
        const Number year = y.oneOff(k, ItemField::Year);
        const Number every = y.oneOff(k, ItemField::Every);
        const Number spacing = when(every > 0, every, kOnceEvery);
        total = total + when(both(t >= year, modulo(t - year, spacing) == 0), y.oneOff(k, ItemField::Amount), 0);
    }
    return total;
}

// The residual value falls at the period's end, mid-year or not.
template <typename Year, typename Number>
Number discountedOf(const Year &y, const Number &operating, const Number &factor, const Number &residual,
                    const Number &growth, const Number &t)
{
    return operating * factor + residual / y.power(growth, t);
}

struct Plain {
    static double power(double base, double exponent) { return std::pow(base, exponent); }
};

template <typename Year>
typename Year::Number operatingOf(const Year &y)
{
    return y.at(FlowField::Savings) - y.at(FlowField::Upkeep) - y.at(FlowField::Tax);
}

// What the years so far brought: year 1's net times their number plus what
// they brought above it, so that level flows give t × net to the last bit.
template <typename Number>
Number netSoFarOf(const Number &firstNet, const Number &years, const Number &aboveFirst)
{
    return firstNet * years + aboveFirst;
}

// The months a pace of the operating net takes to pay back the outlay, less
// what the years before it brought above that pace: for level flows
// initial ÷ (net ÷ 12), in whichever year.
template <typename Number>
Number monthsAtPace(const Number &initial, const Number &netSoFar, const Number &yearsSoFar, const Number &pace)
{
    return (initial - (netSoFar - yearsSoFar * pace)) / (pace / 12);
}

// Year 0 holds the outlay only.
template <typename Year>
typename Year::Number startOf(FlowField field, const Year &y)
{
    switch (field) {
    case FlowField::BookValue:
        return y.input(FlowInput::Initial);
    case FlowField::Net:
        return -y.input(FlowInput::Initial);
    case FlowField::Factor:
        return 1;
    case FlowField::Discounted:
    case FlowField::Cumulative:
        return y.at(FlowField::Net);
    case FlowField::CumulativeDiscounted:
        return y.at(FlowField::Discounted);
    default:
        return 0;
    }
}

// Years 1 to the period, every column of the table.
template <typename Year>
typename Year::Number yearOf(FlowField field, const Year &y)
{
    using Number = typename Year::Number;
    const Number t = y.year();
    const Number initial = y.input(FlowInput::Initial);
    const Number taxShare = y.input(FlowInput::TaxRate) / 100;
    const Number growth = 1 + y.input(FlowInput::DiscountRate) / 100;
    switch (field) {
    case FlowField::Savings: {
        // Row 6 and each row's growth over year 1; year 1 at the share it
        // reaches while the savings ramp up.
        Number value = y.savingsRow(kRowCount);
        for (int k = 1; k <= kReducedRowCount; ++k)
            value = value + y.savingsRow(k) * (growthOf(y, y.input(escalationOfRow(k)), t) - 1);
        // The savings beyond the cost rows, each at its own escalation.
        for (int j = 0; j < y.otherSavingCount(); ++j)
            value =
                value + y.otherSaving(j, ItemField::Amount) * growthOf(y, y.otherSaving(j, ItemField::Escalation), t);
        return y.t == 1 ? value * (y.input(FlowInput::FirstYearShare) / 100) : value;
    }
    case FlowField::Upkeep: {
        // The system's upkeep, and the one-off items of the year with it.
        const Number upkeep = y.input(FlowInput::Upkeep) * growthOf(y, y.input(FlowInput::UpkeepEscalation), t);
        return y.oneOffCount() > 0 ? upkeep + oneOffsOf(y, t) : upkeep;
    }
    case FlowField::BookValue: {
        // Straight-line from the outlay, so that it is exactly nothing at the
        // depreciation period's end; declining balance from the year before.
        const Number method = y.input(FlowInput::Depreciation);
        const Number life = larger(1, y.input(FlowInput::DepreciationYears));
        return when(
            method == 1, when(t >= life, 0, initial * (life - t) / life),
            when(method == 2, y.before(FlowField::BookValue) * (1 - y.input(FlowInput::DecliningRate) / 100), initial));
    }
    case FlowField::Depreciation:
        return y.before(FlowField::BookValue) - y.at(FlowField::BookValue);
    case FlowField::Tax:
        // Below zero a credit: the loss offsets the plant's other profits.
        return taxShare * (y.at(FlowField::Savings) - y.at(FlowField::Upkeep) - y.at(FlowField::Depreciation));
    case FlowField::Residual: {
        // After the tax on its gain over the book value, or the credit on the
        // loss, which writes the book value left off.
        const Number residual = y.input(FlowInput::ResidualValue);
        return when(t == y.input(FlowInput::Period), residual - taxShare * (residual - y.at(FlowField::BookValue)), 0);
    }
    case FlowField::Net:
        return operatingOf(y) + y.at(FlowField::Residual);
    case FlowField::Factor:
        return discountFactorOf(y, growth, t, y.input(FlowInput::Timing) == 1);
    case FlowField::Discounted:
        return discountedOf(y, operatingOf(y), y.at(FlowField::Factor), y.at(FlowField::Residual), growth, t);
    case FlowField::NetAboveFirst:
        return y.before(FlowField::NetAboveFirst) + (y.at(FlowField::Net) - y.first(FlowField::Net));
    case FlowField::Cumulative:
        return -initial + netSoFarOf(y.first(FlowField::Net), t, y.at(FlowField::NetAboveFirst));
    case FlowField::CumulativeDiscounted:
    default:
        return y.before(FlowField::CumulativeDiscounted) + y.at(FlowField::Discounted);
    }
}

// When each payback is reached: within year t at its pace, or by the
// residual value at the period's end.
template <typename Year>
typename Year::Maybe paidBackOf(FlowField field, const Year &y)
{
    using Number = typename Year::Number;
    const Number t = y.year();
    const Number operating = operatingOf(y);
    const Number residual = y.at(FlowField::Residual);
    if (field == FlowField::PaidBackMonths) {
        const Number soFar = netSoFarOf(y.first(FlowField::Net), t - 1, y.before(FlowField::NetAboveFirst));
        return y.firstOf(field,
                         {both(operating > 0, y.before(FlowField::Cumulative) + operating >= 0),
                          monthsAtPace(y.input(FlowInput::Initial), soFar, t - 1, operating)},
                         {both(residual != 0, y.at(FlowField::Cumulative) >= 0), 12 * t});
    }
    const Number flow = operating * y.at(FlowField::Factor);
    const Number covered = y.before(FlowField::CumulativeDiscounted);
    return y.firstOf(field, {both(flow > 0, covered + flow >= 0), t - 1 - covered / flow},
                     {both(residual != 0, y.at(FlowField::CumulativeDiscounted) >= 0), t});
}

// Beyond the period the depreciation's tax credit ends with the write-off:
// the last year's pace is its operating net without it.
template <typename Year>
typename Year::Number paceBeyondPeriodOf(const Year &last)
{
    return operatingOf(last) - last.input(FlowInput::TaxRate) / 100 * last.at(FlowField::Depreciation);
}

// Not paid back within the period: the months at the last year's pace.
template <typename Year>
typename Year::Number monthsBeyondPeriodOf(const Year &last)
{
    using Number = typename Year::Number;
    const Number years = last.year();
    return monthsAtPace(last.input(FlowInput::Initial),
                        netSoFarOf(last.first(FlowField::Net), years, last.at(FlowField::NetAboveFirst)), years,
                        paceBeyondPeriodOf(last));
}

bool isPayback(FlowField field) { return field == FlowField::PaidBackMonths || field == FlowField::PaidBackYears; }

} // namespace

FlowInput escalationOfRow(int k)
{
    switch (k) {
    case 2:
        return FlowInput::LubricantEscalation;
    case 3:
        return FlowInput::BearingEscalation;
    case 5:
        return FlowInput::ProductionValueEscalation;
    }
    return FlowInput::LabourEscalation;
}

FlowInputs flowInputsOf(const CostTable &savings, const Investment &investment, const CapitalInputs &capital)
{
    FlowInputs inputs;
    for (int k = 1; k <= kRowCount; ++k)
        inputs.savingsRows[std::size_t(k - 1)] = savings.row(k);
    const auto set = [&](FlowInput input, double value) { inputs.values[std::size_t(input)] = value; };
    set(FlowInput::Period, std::max(1, investment.years));
    set(FlowInput::Initial, outlayOf(investment, capital));
    set(FlowInput::Upkeep, investment.yearlyUpkeep);
    set(FlowInput::DiscountRate, investment.discountRatePercent);
    set(FlowInput::LabourEscalation, capital.labourEscalationPercent);
    set(FlowInput::LubricantEscalation, capital.lubricantEscalationPercent);
    set(FlowInput::BearingEscalation, capital.bearingEscalationPercent);
    set(FlowInput::ProductionValueEscalation, capital.productionValueEscalationPercent);
    set(FlowInput::UpkeepEscalation, capital.upkeepEscalationPercent);
    set(FlowInput::TaxRate, capital.taxRatePercent);
    set(FlowInput::Depreciation, double(capital.depreciation));
    set(FlowInput::DepreciationYears, capital.depreciationYears);
    set(FlowInput::DecliningRate, capital.decliningRatePercent);
    set(FlowInput::ResidualValue, capital.residualValue);
    set(FlowInput::FirstYearShare, capital.firstYearSharePercent);
    set(FlowInput::Timing, double(capital.timing));
    inputs.otherSavings = capital.otherSavings;
    inputs.oneOffs = capital.oneOffs;
    return inputs;
}

double flowValue(const CashFlowYear &year, FlowField field) { return year.*numberOf(field); }

CashFlowYear flowYearOf(const std::vector<CashFlowYear> &before, int t, const FlowInputs &inputs, FlowPowers *powers)
{
    CashFlowYear year;
    year.year = t;
    if (t == 0)
        year.investment = inputs[FlowInput::Initial];
    const ValueYear y{before, year, t, inputs, powers};
    for (int f = 0; f < kFlowFieldCount; ++f) {
        const auto field = FlowField(f);
        if (isPayback(field))
            year.*maybeOf(field) = t == 0 ? std::nullopt : paidBackOf(field, y);
        else
            year.*numberOf(field) = t == 0 ? startOf(field, y) : yearOf(field, y);
    }
    return year;
}

double discountedNetAt(const CashFlowYear &year, double growth, CashFlowTiming timing)
{
    const double t = year.year;
    const double factor = discountFactorOf(Plain(), growth, t, timing == CashFlowTiming::MidYear);
    // Without a residual value its term is 0, but at rates near −100 % the
    // power underflows and 0 ÷ 0 would make the whole profile none.
    if (year.residualAfterTax == 0)
        return year.operatingNet() * factor;
    return discountedOf(Plain(), year.operatingNet(), factor, year.residualAfterTax, growth, t);
}

namespace {

// The period's last year, with the inputs the measures beyond it take.
template <typename Measure>
double atPeriodEnd(const CashFlowTable &table, Measure measure)
{
    FlowInputs inputs;
    inputs.values[std::size_t(FlowInput::Initial)] = table.initial;
    inputs.values[std::size_t(FlowInput::TaxRate)] = table.taxRatePercent;
    return measure(ValueYear{table.years, table.years.back(), table.period(), inputs});
}

} // namespace

double paceBeyondPeriod(const CashFlowTable &table)
{
    return atPeriodEnd(table, [](const ValueYear &last) { return paceBeyondPeriodOf(last); });
}

double monthsBeyondPeriod(const CashFlowTable &table)
{
    return atPeriodEnd(table, [](const ValueYear &last) { return monthsBeyondPeriodOf(last); });
}

QString flowFormula(FlowField field, int t, const FlowCells &cells)
{
    const CellYear y{cells, t};
    if (t == 0)
        return isPayback(field) ? QString() : startOf(field, y).text();
    if (isPayback(field))
        return paidBackOf(field, y).text();
    return when(y.year() <= y.input(FlowInput::Period), yearOf(field, y), 0).text();
}

QString paceBeyondPeriodFormula(const FlowCells &cells) { return paceBeyondPeriodOf(CellYear{cells, 0, true}).text(); }

QString monthsBeyondPeriodFormula(const FlowCells &cells)
{
    return monthsBeyondPeriodOf(CellYear{cells, 0, true}).text();
}

} // namespace model
