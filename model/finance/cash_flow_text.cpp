// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/finance/cash_flow_text.h"

#include "model/text/money_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace model {
namespace {

// The context the translations of these texts are found under.
struct CashFlowText {
    Q_DECLARE_TR_FUNCTIONS(CashFlowText)
};

} // namespace

std::vector<CashFlowColumn> shownCashFlowColumns(const CashFlowTable &table)
{
    const auto any = [&](auto member) {
        return std::any_of(table.years.begin(), table.years.end(),
                           [&](const CashFlowYear &year) { return year.*member != 0; });
    };
    std::vector<CashFlowColumn> columns{CashFlowColumn::Year, CashFlowColumn::Savings, CashFlowColumn::Upkeep};
    if (any(&CashFlowYear::tax)) {
        columns.push_back(CashFlowColumn::Depreciation);
        columns.push_back(CashFlowColumn::Tax);
    }
    if (any(&CashFlowYear::residualAfterTax))
        columns.push_back(residualColumnOf(table));
    for (const CashFlowColumn column : {CashFlowColumn::Net, CashFlowColumn::DiscountedNet, CashFlowColumn::Cumulative,
                                        CashFlowColumn::CumulativeDiscounted})
        columns.push_back(column);
    return columns;
}

CashFlowColumn residualColumnOf(const CashFlowTable &table)
{
    return table.taxRatePercent != 0 && table.years.back().bookValue != 0 ? CashFlowColumn::ResidualAndWriteOff
                                                                          : CashFlowColumn::Residual;
}

QString cashFlowHeading(CashFlowColumn column)
{
    switch (column) {
    case CashFlowColumn::Year:
        return CashFlowText::tr("Year");
    case CashFlowColumn::Savings:
        return CashFlowText::tr("Savings");
    case CashFlowColumn::Upkeep:
        return CashFlowText::tr("Upkeep");
    case CashFlowColumn::Depreciation:
        return CashFlowText::tr("Depreciation");
    case CashFlowColumn::Tax:
        return CashFlowText::tr("Tax");
    case CashFlowColumn::Residual:
        return CashFlowText::tr("Residual value after tax");
    case CashFlowColumn::ResidualAndWriteOff:
        return CashFlowText::tr("Residual value and write-off after tax");
    case CashFlowColumn::Net:
        return CashFlowText::tr("Net cash flow");
    case CashFlowColumn::DiscountedNet:
        return CashFlowText::tr("Discounted");
    case CashFlowColumn::Cumulative:
        return CashFlowText::tr("Cumulative");
    case CashFlowColumn::CumulativeDiscounted:
        return CashFlowText::tr("Cumulative discounted");
    }
    return QString();
}

std::optional<double> cashFlowValue(const CashFlowYear &year, CashFlowColumn column)
{
    const bool start = year.year == 0;
    switch (column) {
    case CashFlowColumn::Year:
        return year.year;
    case CashFlowColumn::Savings:
        return start ? std::nullopt : std::optional(year.savings);
    case CashFlowColumn::Upkeep:
        return start ? std::nullopt : std::optional(year.upkeep);
    case CashFlowColumn::Depreciation:
        return start ? std::nullopt : std::optional(year.depreciation);
    case CashFlowColumn::Tax:
        return start ? std::nullopt : std::optional(year.tax);
    case CashFlowColumn::Residual:
    case CashFlowColumn::ResidualAndWriteOff:
        return year.residualAfterTax != 0 ? std::optional(year.residualAfterTax) : std::nullopt;
    case CashFlowColumn::Net:
        return year.net;
    case CashFlowColumn::DiscountedNet:
        return year.discountedNet;
    case CashFlowColumn::Cumulative:
        return year.cumulative;
    case CashFlowColumn::CumulativeDiscounted:
        return year.cumulativeDiscounted;
    }
    return std::nullopt;
}

QString cashFlowCellText(const CashFlowYear &year, CashFlowColumn column, const QLocale &locale, QStringView symbol)
{
    const std::optional<double> value = cashFlowValue(year, column);
    if (!value)
        return QString();
    return column == CashFlowColumn::Year ? locale.toString(year.year) : moneyText(*value, locale, symbol);
}

} // namespace model
