// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/money_scale.h"

#include "model/text/money_text.h"

#include <QCoreApplication>

#include <cmath>

namespace model {

MoneyScale moneyScale(double largest, QStringView symbol)
{
    // Whole units up to six digits, as most plants' charts read; beyond, the
    // largest step that still leaves two digits ("12 Mio. €", not "0,012 Mrd. €").
    static const struct {
        double divisor;
        struct {
            const char *source;
            const char *comment;
        } unit;
    } steps[] = {
        {1e9, QT_TRANSLATE_NOOP3("MoneyScale", "%1 billions", "a chart's money in billions of the currency %1")},
        {1e6, QT_TRANSLATE_NOOP3("MoneyScale", "%1 millions", "a chart's money in millions of the currency %1")},
        {1e3, QT_TRANSLATE_NOOP3("MoneyScale", "%1 thousands", "a chart's money in thousands of the currency %1")},
    };
    const double reach = std::abs(largest);
    if (std::isfinite(reach) && reach >= 1e6) {
        for (const auto &step : steps) {
            if (reach >= step.divisor * 10)
                // Kept on one line where a title breaks: "($ millions)".
                return {step.divisor, symbol.toString(),
                        QCoreApplication::translate("MoneyScale", step.unit.source, step.unit.comment)
                            .arg(symbol)
                            .replace(u' ', QChar::Nbsp)};
        }
    }
    return {1, symbol.toString(), symbol.toString()};
}

QString chartMoneyText(double value, const MoneyScale &scale, const QLocale &locale)
{
    if (scale.divisor == 1)
        return currencyText(value, locale, scale.symbol);
    const double scaled = value / scale.divisor;
    const double size = std::abs(scaled);
    return locale.toString(scaled, 'f', size >= 100 ? 0 : size >= 10 ? 1 : 2);
}

} // namespace model
