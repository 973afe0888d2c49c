// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The chosen currency and units: money texts in regional settings, the
// symbols taken, the unit labels, the spreadsheet's money format and the
// lubricant's conversion between pounds and kilograms.

#include "model/costs/currency_text.h"
#include "model/costs/currency_units.h"
#include "model/costs/results.h"
#include "model/costs/unit_conversion.h"
#include "model/text/money_text.h"

#include <QTest>

#include <cmath>

namespace {

const QString kEuro = QStringLiteral("\u20AC");

model::FieldTexts fieldsWith(const QString &quantity, const QString &price)
{
    model::FieldTexts texts;
    for (int i = 0; i < model::kInputCount; ++i)
        texts[std::size_t(i)] = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
    texts[model::kLubricantQuantityField] = quantity;
    texts[model::kLubricantPriceField] = price;
    return texts;
}

model::ResultTexts resultsOf(const model::FieldTexts &texts, const QLocale &locale)
{
    const model::Results results = model::computeResults(texts, locale);
    return results.complete() ? model::resultTexts(results, locale) : model::ResultTexts();
}

} // namespace

class CurrencyUnitsTest : public QObject {
    Q_OBJECT

private slots:
    void currencyText_data();
    void currencyText();
    void symbolIsRead_data();
    void symbolIsRead();
    void unitLabel_data();
    void unitLabel();
    void spreadsheetFormat_data();
    void spreadsheetFormat();
    void conversionKeepsResults_data();
    void conversionKeepsResults();
    void conversionLeavesWhatItCannotConvert();
};

void CurrencyUnitsTest::currencyText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const auto row =
        [](const char *name, const char *locale, const QString &symbol, double value, const QString &expected) {
        QTest::newRow(name) << QString::fromLatin1(locale) << symbol << value << expected;
    };
    row("de_DE euro after", "de_DE", kEuro, 14400, QStringLiteral("14.400,00\u00A0\u20AC"));
    row("en_US euro before", "en_US", kEuro, 14400, QStringLiteral("\u20AC14,400.00"));
    row("fr_FR narrow group blank", "fr_FR", kEuro, 62600, QStringLiteral("62\u202F600,00\u00A0\u20AC"));
    row("en_GB pound", "en_GB", QStringLiteral("\u00A3"), 1234567.891, QStringLiteral("\u00A31,234,567.89"));
    row("de_CH francs", "de_CH", QStringLiteral("CHF"), 14400, QStringLiteral("14\u2019400.00\u00A0CHF"));
    row("pt_BR reais before with blank", "pt_BR", QStringLiteral("R$"), 14400, QStringLiteral("R$\u00A014.400,00"));
    row("de_DE negative", "de_DE", kEuro, -14400, QStringLiteral("-14.400,00\u00A0\u20AC"));
    row("en_US negative as the locale writes it", "en_US", kEuro, -0.5, QStringLiteral("(\u20AC0.50)"));
    row("pt_BR minus before the symbol", "pt_BR", QStringLiteral("R$"), -3, QStringLiteral("-R$\u00A03,00"));
    row("hi_IN minus before the symbol", "hi_IN", QStringLiteral("\u20B9"), -60000, QStringLiteral("-\u20B960,000.00"));
    row("de_DE zero", "de_DE", kEuro, 0, QStringLiteral("0,00\u00A0\u20AC"));
    row("less than a cent below zero is no negative", "de_DE", kEuro, -0.004, QStringLiteral("0,00\u00A0\u20AC"));
    row("rounds as the designed text", "de_DE", kEuro, 1.005, QStringLiteral("1,01\u00A0\u20AC"));
    row("dollar designed in de_DE", "de_DE", QStringLiteral("$"), 14400, QStringLiteral("$14.400,00"));
    row("dollar designed zero", "de_DE", QStringLiteral("$"), 0, QStringLiteral("$,00"));
    row("dollar designed negative", "fr_FR", QStringLiteral("$"), -62600, QStringLiteral("-$62\u202F600,00"));
    row("infinity has no text", "de_DE", kEuro, qInf(), QString());
}

void CurrencyUnitsTest::currencyText()
{
    QFETCH(QString, locale);
    QFETCH(QString, symbol);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(model::currencyText(value, QLocale(locale), symbol), expected);
}

void CurrencyUnitsTest::symbolIsRead_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("symbol"); // empty: refused

    QTest::newRow("euro") << kEuro << kEuro;
    QTest::newRow("blanks trimmed") << QStringLiteral("  CHF\t") << QStringLiteral("CHF");
    QTest::newRow("nothing is the dollar") << QStringLiteral("  ") << QStringLiteral("$");
    QTest::newRow("inner blank kept") << QStringLiteral("U $") << QStringLiteral("U $");
    QTest::newRow("three characters") << QStringLiteral("MXN") << QStringLiteral("MXN");
    QTest::newRow("four characters") << QStringLiteral("ABCD") << QString();
    QTest::newRow("digit") << QStringLiteral("E1") << QString();
    QTest::newRow("other script's digit") << QStringLiteral("\u0663") << QString();
    QTest::newRow("minus") << QStringLiteral("-") << QString();
    QTest::newRow("decimal comma") << QStringLiteral("kr,") << QString();
    QTest::newRow("period") << QStringLiteral("kr.") << QString();
    QTest::newRow("quote") << QStringLiteral("\"") << QString();
    QTest::newRow("control character") << QStringLiteral("\u20AC\u0007") << QString();
    QTest::newRow("line break inside") << QStringLiteral("\u20AC\n$") << QString();
    QTest::newRow("invisible format character") << QStringLiteral("\u200E\u20AC") << QString();
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QString();
}

void CurrencyUnitsTest::symbolIsRead()
{
    QFETCH(QString, typed);
    QFETCH(QString, symbol);
    const model::CurrencySymbolReading read = model::readCurrencySymbol(typed);
    if (symbol.isEmpty()) {
        QVERIFY(!read.symbol);
        QVERIFY(!read.message.isEmpty());
    } else {
        QCOMPARE(read.symbol, std::optional<QString>(symbol));
    }
}

void CurrencyUnitsTest::unitLabel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<model::Units>("units");
    QTest::addColumn<QString>("label");

    const auto metric = model::Units::Metric;
    const auto imperial = model::Units::Imperial;
    QTest::newRow("designed quantity") << 4 << "$" << imperial << " lbs/year";
    QTest::newRow("designed price") << 6 << "$" << imperial << " $/lb.";
    QTest::newRow("metric quantity") << 4 << "$" << metric << " kg/year";
    QTest::newRow("metric price in euro") << 6 << kEuro << metric << QStringLiteral(" \u20AC/kg");
    QTest::newRow("imperial price in francs") << 6 << "CHF" << imperial << " CHF/lb.";
    QTest::newRow("rate in euro") << 8 << kEuro << metric << QStringLiteral(" \u20AC/hour");
    QTest::newRow("bearing in reais") << 7 << "R$" << imperial << " R$/each";
    QTest::newRow("count untouched") << 0 << kEuro << metric << " total";
    QTest::newRow("minutes untouched") << 10 << "CHF" << metric << " minutes";
}

void CurrencyUnitsTest::unitLabel()
{
    QFETCH(int, index);
    QFETCH(QString, symbol);
    QFETCH(model::Units, units);
    QFETCH(QString, label);
    QCOMPARE(model::unitLabel(index, {symbol, units}), label);
}

// clang-format off
void CurrencyUnitsTest::spreadsheetFormat_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("format");

    QTest::newRow("dollar keeps the designed format") << "de_DE" << "$" << "[designed]";
    QTest::newRow("euro after in de_DE") << "de_DE" << kEuro
                                         << QStringLiteral("#,##0.00\"\u00A0\u20AC\";\"-\"#,##0.00\"\u00A0\u20AC\"");
    QTest::newRow("euro before in en_US") << "en_US" << kEuro
                                          << QStringLiteral("\"\u20AC\"#,##0.00;\"(\u20AC\"#,##0.00\")\"");
}
// clang-format on

void CurrencyUnitsTest::spreadsheetFormat()
{
    QFETCH(QString, locale);
    QFETCH(QString, symbol);
    QFETCH(QString, format);
    QCOMPARE(model::spreadsheetMoneyFormat(QLocale(locale), symbol, QStringLiteral("[designed]")), format);
}

// Pounds to kilograms and back: the yearly lubricant cost, and so every
// result, stays the same to the cent, with the shortest texts that keep it
// so, and switching back without an edit gives the typed texts back.
// clang-format off
void CurrencyUnitsTest::conversionKeepsResults_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("metricQuantity");
    QTest::addColumn<QString>("metricPrice");

    QTest::newRow("designed figures") << "en_US" << "1000" << "5" << "453.592" << "11.023113";
    QTest::newRow("grouped, de_DE") << "de_DE" << "12.500" << "3,35" << "5669,905" << "7,385486";
    QTest::newRow("awkward fractions") << "en_US" << "0.1" << "7.77" << "0.0453592" << "17.1299";
    QTest::newRow("large, a Velmor cost on a half cent") << "en_US" << "123456789" << "0.33" << "55999057.52" << "0.7275254652";
    QTest::newRow("quantity is zero") << "en_US" << "0" << "5" << "0" << "11.0231";
    QTest::newRow("fr_FR") << "fr_FR" << "2 000" << "4,2" << "907,185" << "9,259415";
    // In the region's own digits, as the figures typed beside them.
    QTest::newRow("ar_EG") << "ar_EG" << "\u0661\u0660\u0660\u0660" << "\u0665" << "\u0664\u0665\u0663\u066B\u0665\u0669\u0662" << "\u0661\u0661\u066B\u0660\u0662\u0663\u0661\u0661\u0663";
}
// clang-format on

void CurrencyUnitsTest::conversionKeepsResults()
{
    QFETCH(QString, locale);
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, metricQuantity);
    QFETCH(QString, metricPrice);
    const QLocale settings(locale);
    const model::FieldTexts typed = fieldsWith(quantity, price);
    const auto designed = model::Assumptions::designed();
    const auto imperial = model::Units::Imperial;
    const auto metric = model::Units::Metric;

    model::UnitSwitch units;
    const model::UnitConversion toMetric = units.switchUnits(typed, imperial, metric, settings, designed);
    QVERIFY(toMetric.quantityConverted && toMetric.priceConverted);
    QCOMPARE(toMetric.texts[model::kLubricantQuantityField], metricQuantity);
    QCOMPARE(toMetric.texts[model::kLubricantPriceField], metricPrice);
    const model::ResultTexts before = resultsOf(typed, settings);
    QVERIFY(!before[0][0].isEmpty());
    QCOMPARE(resultsOf(toMetric.texts, settings), before);

    // Back without an edit: the texts as typed.
    QCOMPARE(units.switchUnits(toMetric.texts, metric, imperial, settings, designed).texts, typed);

    // After an edit the figures are converted again, and still keep the results.
    units.switchUnits(typed, imperial, metric, settings, designed);
    model::FieldTexts edited = toMetric.texts;
    edited[model::kLubricantPriceField] = settings.toString(10);
    const model::UnitConversion back = units.switchUnits(edited, metric, imperial, settings, designed);
    // Rounded, the price stays within a millionth of itself.
    QVERIFY(std::abs(settings.toDouble(back.texts[model::kLubricantPriceField]) / 4.5359237 - 1) < 1e-6);
    QCOMPARE(resultsOf(back.texts, settings), resultsOf(edited, settings));
}

void CurrencyUnitsTest::conversionLeavesWhatItCannotConvert()
{
    const QLocale settings(QStringLiteral("en_US"));
    const model::UnitConversion converted =
        model::convertUnits(fieldsWith(QStringLiteral("lots"), QStringLiteral("1.5E308")), model::Units::Imperial,
                            model::Units::Metric, settings, model::Assumptions::designed());
    QVERIFY(!converted.quantityConverted);
    QVERIFY(!converted.priceConverted); // per kilogram it would overflow
    QCOMPARE(converted.texts, fieldsWith(QStringLiteral("lots"), QStringLiteral("1.5E308")));
}

QTEST_GUILESS_MAIN(CurrencyUnitsTest)
#include "currency_units_test.moc"
