// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/payback.h"

#include "model/finance/cash_flow.h"

#include <cmath>

namespace model {
namespace {

// The flows of a pre-tax, flat-price case over years: level from year 1.
CashFlowTable levelFlows(double initial, double annualSavings, double yearlyUpkeep, int years)
{
    CostTable savings;
    savings.row(kRowCount) = annualSavings;
    return cashFlowTableOf(savings, {initial, 0, yearlyUpkeep, years, kDefaultDiscountRatePercent});
}

} // namespace

std::optional<double> paybackMonths(double initial, double annualSavings, double yearlyUpkeep)
{
    // Level flows pay back at the same months over any period.
    return simplePaybackOf(levelFlows(initial, annualSavings, yearlyUpkeep, 1)).time;
}

std::optional<Payback> paybackOf(double initial, double annualSavings, double yearlyUpkeep)
{
    const CashFlowTable table = levelFlows(initial, annualSavings, yearlyUpkeep, 5);
    const std::optional<double> months = simplePaybackOf(table).time;
    if (!months || !std::isfinite(annualSavings - yearlyUpkeep) || !std::isfinite(initial))
        return std::nullopt;
    Payback payback;
    payback.months = *months;
    payback.netThreeYears = table.years[3].cumulative;
    payback.netFiveYears = table.years[5].cumulative;
    if (!std::isfinite(payback.months) || !std::isfinite(payback.netThreeYears) || !std::isfinite(payback.netFiveYears))
        return std::nullopt;
    return payback;
}

} // namespace model
