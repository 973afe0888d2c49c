// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_tables.h"
#include "model/costs/input_table.h"
#include "model/finance/case_items.h"

#include <optional>
#include <vector>

namespace model {

inline constexpr int kDefaultYears = 5;
inline constexpr double kDefaultDiscountRatePercent = 10;

struct Investment {
    double systemPrice = 0;
    double installationCost = 0;
    double yearlyUpkeep = 0;
    int years = kDefaultYears;
    double discountRatePercent = kDefaultDiscountRatePercent;

    // What is paid at the start: the price and the installation.
    double initial() const { return systemPrice + installationCost; }
};

// How the initial outlay is written off for tax. Whatever book value is left
// at the end of the period is written off then, against the residual value.
enum class Depreciation {
    None,             // nothing during the period: the whole outlay at its end
    StraightLine,     // initial ÷ N a year for N years, then nothing
    DecliningBalance, // the book value at the start of each year times a rate
};

// When the flows of a year 1 to N fall: all at its end, or spread over it and
// so discounted as if at its middle, (1 + rate)^−(t − ½). The outlay falls at
// year 0 and the residual value at the period's end either way.
enum class CashFlowTiming { YearEnd, MidYear };

// What a capital request adds to the investment; every default is the case
// of a pre-tax, flat-price evaluation at year ends. The flows are defined for
// escalations above −100 %, rates and shares from 0 to 100 %, a residual
// value of 0 or more; a depreciation period below one year counts as one.
struct CapitalInputs {
    // Yearly escalation in per cent. Year 1 is at today's prices, year t at
    // (1 + e)^(t − 1) of them; escalationOfRow() says which scales which row.
    double labourEscalationPercent = 0;
    double lubricantEscalationPercent = 0;
    double bearingEscalationPercent = 0;
    double productionValueEscalationPercent = 0;
    double upkeepEscalationPercent = 0;
    // Levied on savings − upkeep − depreciation. A year whose deductions
    // exceed its savings is credited the tax on the difference: the loss
    // offsets the plant's other profits of that year.
    double taxRatePercent = 0;
    Depreciation depreciation = Depreciation::None;
    int depreciationYears = kDefaultYears; // straight-line
    double decliningRatePercent = 20;      // declining balance, of the book value a year
    double residualValue = 0;              // what the system fetches at the period's end, before tax
    double firstYearSharePercent = 100;    // of year 1's savings reached while it ramps up
    CashFlowTiming timing = CashFlowTiming::YearEnd;
    // Added to the price and installation as a share of them.
    double contingencyPercent = 0;
    // How far the estimate may be below or above: shown beside the outlay,
    // not computed with.
    std::optional<double> accuracyBelowPercent{};
    std::optional<double> accuracyAbovePercent{};
    // The return the company asks of an investment; the verdict sets the
    // IRR against it.
    std::optional<double> hurdleRatePercent{};
    // Yearly savings beyond the cost rows and one-off items.
    std::vector<OtherSaving> otherSavings{};
    std::vector<OneOffItem> oneOffs{};

    // The inputs that shape the yearly flows: these without the approver's,
    // which change the outlay at most. Flows of the default rules are level.
    CapitalInputs flowRules() const
    {
        CapitalInputs rules = *this;
        rules.contingencyPercent = 0;
        rules.accuracyBelowPercent.reset();
        rules.accuracyAbovePercent.reset();
        rules.hurdleRatePercent.reset();
        return rules;
    }

    friend bool operator==(const CapitalInputs &, const CapitalInputs &) = default;
};

// The outlay at year 0: the price and the installation, the contingency on
// them where one is given, and the one-off items that fall at the start.
double outlayOf(const Investment &investment, const CapitalInputs &capital);
// The price and installation with their contingency, before those items.
double contingentOutlayOf(const Investment &investment, const CapitalInputs &capital);

// One year of the cash flows; year 0 holds the outlay only.
struct CashFlowYear {
    int year = 0;
    double investment = 0;   // the outlay, paid at year 0
    double savings = 0;      // escalated, and in year 1 times the first-year share
    double upkeep = 0;       // escalated
    double depreciation = 0; // written off this year for tax
    double bookValue = 0;    // of the investment at the year's end
    double tax = 0;          // on savings − upkeep − depreciation; below zero a credit
    // In year N: residual − tax × (residual − book value), the residual value
    // after the tax on its gain over the book value (or the credit on the
    // loss, which writes the book value left off).
    double residualAfterTax = 0;
    double net = 0;            // savings − upkeep − tax − investment + residual after tax
    double discountFactor = 1; // of the year's savings, upkeep and tax
    double discountedNet = 0;  // those by discountFactor, the residual by the period end's factor
    double netAboveFirst = 0;  // Σ of (net − year 1's net) so far
    double cumulative = 0;     // of the net, undiscounted
    double cumulativeDiscounted = 0;
    // Once paid back, simple in months and discounted in years; none before.
    std::optional<double> paidBackMonths;
    std::optional<double> paidBackYears;

    // The net without the residual value: what the year brings as it runs.
    double operatingNet() const { return savings - upkeep - tax - investment; }
};

// The flows of years 0 to N, from which every measure of the business case
// comes; each column's arithmetic is in cash_flow_columns.
struct CashFlowTable {
    double initial = 0;
    double discountRatePercent = kDefaultDiscountRatePercent;
    double taxRatePercent = 0;
    CashFlowTiming timing = CashFlowTiming::YearEnd;
    std::vector<CashFlowYear> years; // 0 to N

    int period() const { return int(years.size()) - 1; }
    double npv() const { return years.back().cumulativeDiscounted; }
};

// The powers a table's years have taken, by year, for the next table to
// reuse: the many tables of a risk simulation share their escalations and
// discount rate, so each power is taken once. Any other power is taken anew.
class FlowPowers {
public:
    double power(int t, double base, double exponent);

private:
    struct Taken {
        double base;
        double exponent;
        double value;
    };
    std::vector<std::vector<Taken>> m_years;
};

// The table of an investment that saves the rows 1 to 5 of savings a year,
// row 6 their total (a model::Results savings table). Without escalation a
// year's savings are row 6 itself; with it, row 6 plus each row's growth.
CashFlowTable cashFlowTableOf(const CostTable &savings, const Investment &investment, const CapitalInputs &capital = {},
                              FlowPowers *powers = nullptr);

// The net present value of the table's flows at another discount rate: its
// NPV profile.
double npvAt(const CashFlowTable &table, double discountRatePercent);

// The flow at half year j, 0 to 2N: year 0's net at 0; a year's net at its
// end (j = 2t) or, at mid-year, its operating net at its middle (j = 2t − 1)
// and the residual value after tax at the period's end. Discounted at
// (1 + rate)^(−j ÷ 2) they sum to the NPV, whichever the timing.
double halfYearFlow(const CashFlowTable &table, int j);

// What the costlier of two options adds to the cheaper one: its flows less
// the cheaper's, year by year, as a table whose measures (measuresOf()) are
// the incremental ones, its NPV the difference of theirs at every rate. None
// when the two differ in period, discount rate or timing: their flows are
// then not set against each other year by year.
std::optional<CashFlowTable> incrementalTable(const CashFlowTable &costlier, const CashFlowTable &cheaper);

// When the outlay is paid back. "Not within the period" carries, for the
// simple payback, the months it would take at the last year's pace: its
// operating net without its depreciation's tax credit, which ends with the
// write-off (with flows level from year 1 that is initial ÷ (net ÷ 12),
// however long). Never when that pace is not above zero.
enum class PaybackState { Within, NotWithinPeriod, Never };
struct PaybackTime {
    PaybackState state = PaybackState::Never;
    std::optional<double> time; // months (simple) or years (discounted)
};

// Months until the undiscounted cumulative net is zero, in proportion within
// the year that reaches it; a residual value counts at the period's end.
// Never when it is not within the period and the last year's operating net is
// not above zero. Nothing invested is paid back at once when year 1 brings
// more than it costs.
PaybackTime simplePaybackOf(const CashFlowTable &table);
// Years until the discounted cumulative net is zero, in the same way; a time
// only when within the period, Never when the last year's operating net is not
// above zero.
PaybackTime discountedPaybackOf(const CashFlowTable &table);

struct CashFlowMeasures {
    double npv = 0;
    // The rate at which the NPV is zero, when the flows change sign once (and
    // so it has one root above −100 %); none when they never change sign.
    std::optional<double> irr;
    // The flows change sign more than once: the NPV may be zero at several
    // rates or none, so no IRR is given; npvAt() gives the profile instead.
    bool irrUnclear = false;
    // (savings − upkeep − tax + residual after tax − initial) ÷ initial over the
    // period, undiscounted; none when nothing is invested.
    std::optional<double> roi;
    // (1 + roi)^(1 ÷ N) − 1; none also when more than the outlay is lost.
    std::optional<double> annualisedRoi;
    // NPV ÷ initial + 1; none when nothing is invested.
    std::optional<double> profitabilityIndex;
    // None when nothing is invested: nothing is paid back.
    std::optional<PaybackTime> simplePayback;
    std::optional<PaybackTime> discountedPayback;
};
CashFlowMeasures measuresOf(const CashFlowTable &table);

// The values at which the NPV of the assumed case is zero, the others as
// given. Each is none when the NPV does not depend on it. A price below zero
// says that even a free system does not pay; a share above 1 that more than
// the assumed reductions is needed (which a reduction of 100 % may not allow).
struct BreakEven {
    std::optional<double> systemPrice;
    std::optional<double> reductionShare;  // of every assumed reduction at once, 1 = as assumed
    std::optional<double> bearingFailures; // a year
    double largestReductionPercent = 0;    // of the assumed ones, which a share above 1 raises past 100 %
};
BreakEven breakEvenOf(const InputValues &values, const Assumptions &assumptions, const Investment &investment,
                      const CapitalInputs &capital = {});

} // namespace model
