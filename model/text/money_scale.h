// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>

namespace model {

// Money a chart shows in thousands, millions or billions where whole units
// would write labels of seven digits and more, with the unit said once, in
// the chart's title: "€", "Tsd. €", "Mio. €" (each language's own form).
struct MoneyScale {
    double divisor = 1;
    QString symbol; // the currency's
    QString unit;   // the currency as the scaled figures count it
};

// The scale for a chart whose values reach largest (either sign).
MoneyScale moneyScale(double largest, QStringView symbol);

// A figure written beside a chart's bar: in whole units as the money text
// ("14.400,00 €"), else the scaled number, with three significant digits at
// least ("258", "25,8", "2,58").
QString chartMoneyText(double value, const MoneyScale &scale, const QLocale &locale);

} // namespace model
