// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/currency_units.h"

#include "model/costs/input_table.h"
#include "model/costs/model_text.h"

namespace model {
namespace {

// Characters that belong to figures in some regional settings, or that
// would end a quoted text in a spreadsheet's number format.
constexpr char16_t kRefusedMarks[] = u"+-.,'%\"\\\u2212\u2019\u066B\u066C";

bool refused(QChar c)
{
    if (c.isNumber())
        return true;
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return QStringView(kRefusedMarks).contains(c);
    }
}

} // namespace

CurrencySymbolReading readCurrencySymbol(QStringView typed, QStringView whenBlank)
{
    const QString symbol = typed.trimmed().toString();
    if (symbol.isEmpty())
        return {whenBlank.toString(), QString()};
    if (symbol.size() > kCurrencySymbolMaxLength) {
        return {std::nullopt,
                QCoreApplication::translate("CurrencyUnits", "A currency symbol has at most %1 characters.")
                    .arg(kCurrencySymbolMaxLength)};
    }
    for (const QChar c : symbol) {
        if (refused(c)) {
            return {std::nullopt, QCoreApplication::translate(
                                      "CurrencyUnits", "A currency symbol cannot hold digits, signs, the marks "
                                                       "of a figure (. , ' %), quotes or invisible characters.")};
        }
    }
    return {symbol, QString()};
}

QString regionalCurrencySymbol(const QLocale &locale)
{
    for (const QLocale::CurrencySymbolFormat format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
        // Only a symbol the window would keep as it is, never one it trims.
        const QString symbol = locale.currencySymbol(format);
        if (readCurrencySymbol(symbol).symbol == symbol)
            return symbol;
    }
    return QString::fromUtf16(kDesignedCurrencySymbol);
}

Units regionalUnits(const QLocale &locale)
{
    const bool usUnits = locale.language() == QLocale::C || locale.measurementSystem() == QLocale::ImperialUSSystem;
    return usUnits ? Units::Imperial : Units::Metric;
}

QString unitLabel(int index, const CurrencyUnits &currency)
{
    const std::size_t i = std::size_t(index);
    QString label = inputText(currency.units == Units::Metric ? kMetricUnits[i] : kInputs[i].unit);
    label.replace(QString::fromUtf16(kDesignedCurrencySymbol), currency.symbol);
    return label;
}

QString inputMeaning(int index, Units units)
{
    if (units == Units::Metric) {
        for (const auto &[input, meaning] : kMetricMeanings) {
            if (int(input) == index)
                return inputText(meaning);
        }
    }
    return inputText(kInputs[std::size_t(index)].meaning);
}

QString withCurrencySymbol(QString text, QStringView symbol)
{
    return text.replace(QString::fromUtf16(kDesignedCurrencySymbol), symbol.toString());
}

QString savingsChartTitle(const CurrencyUnits &currency)
{
    if (currency.symbol == QString::fromUtf16(kDesignedCurrencySymbol))
        return QString();
    return QCoreApplication::translate("ChartControl", "ESTIMATED ANNUAL SAVINGS IN %1").arg(currency.symbol);
}

QString unitsName(Units units)
{
    return units == Units::Metric ? QStringLiteral("metric") : QStringLiteral("imperial");
}

std::optional<Units> unitsNamed(QStringView name)
{
    if (name == u"imperial")
        return Units::Imperial;
    if (name == u"metric")
        return Units::Metric;
    return std::nullopt;
}

} // namespace model
