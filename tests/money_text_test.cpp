// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The currency text of the result labels and the plain text the chart gets.

#include "model/costs/cost_rows.h"
#include "model/finance/business_case_text.h"
#include "model/text/money_scale.h"
#include "model/text/money_text.h"
#include "model/text/numeric_text.h"
#include "model/text/percentage_text.h"

#include <QLocale>
#include <QTest>

#include <limits>

namespace {

const QLocale kEnUs("en_US");
const QLocale kDeDe("de_DE");
const QLocale kFrFr("fr_FR");
const QLocale kArEg("ar_EG");
const QLocale kFaIr("fa_IR");
const QLocale kHiIn("hi_IN");

// The figure of a currency text, whatever its currency symbol.
QString withoutCurrency(QString text)
{
    text.removeIf([](QChar c) { return c.category() == QChar::Symbol_Currency; });
    return text;
}

} // namespace

class MoneyTextTest : public QObject {
    Q_OBJECT

private slots:
    void currencyText_data();
    void currencyText();
    void largestDoubleShowsEveryDigit();
    void moneyTextHasAZeroBeforeThePoint_data();
    void moneyTextHasAZeroBeforeThePoint();
    void roundedToCentsIsTheSumShown_data();
    void roundedToCentsIsTheSumShown();
    void plainNumberText_data();
    void plainNumberText();
    void writtenFiguresReadBack_data();
    void writtenFiguresReadBack();
    void chartsCountMoneyInShortLabels_data();
    void chartsCountMoneyInShortLabels();
    void percentSign_data();
    void percentSign();
};

void MoneyTextTest::currencyText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("current total") << kEnUs << 62600.0 << "$62,600.00";
    QTest::newRow("Velmor total") << kEnUs << 12580.0 << "$12,580.00";
    QTest::newRow("savings total") << kEnUs << 50020.0 << "$50,020.00";
    QTest::newRow("three digits: no separator") << kEnUs << 999.0 << "$999.00";
    QTest::newRow("four digits: one separator") << kEnUs << 1000.0 << "$1,000.00";
    QTest::newRow("grouped in threes, rounded down") << kEnUs << 1234567.891 << "$1,234,567.89";

    QTest::newRow("zero has no digit before the point") << kEnUs << 0.0 << "$.00";
    QTest::newRow("negative zero has no minus") << kEnUs << -0.0 << "$.00";
    QTest::newRow("below one has no digit before the point") << kEnUs << 0.5 << "$.50";

    QTest::newRow("minus before the dollar") << kEnUs << -5.0 << "-$5.00";
    QTest::newRow("more digits than the pattern's twelve places") << kEnUs << 1e20 << "$100,000,000,000,000,000,000.00";
    QTest::newRow("largest exact integer") << kEnUs << 9007199254740992.0 << "$9,007,199,254,740,992.00";

    // Half away from zero on the decimal text that reads back as the value:
    // the binary values of 1.005 and 2.675 lie just below the tie.
    QTest::newRow("tie 1.005 rounds up") << kEnUs << 1.005 << "$1.01";
    QTest::newRow("tie 2.675 rounds up") << kEnUs << 2.675 << "$2.68";
    QTest::newRow("exact binary tie rounds up") << kEnUs << 0.125 << "$.13";
    QTest::newRow("negative tie rounds away from zero") << kEnUs << -0.125 << "-$.13";
    QTest::newRow("just below a tie rounds down") << kEnUs << 1.00499999 << "$1.00";

    // From 10^14 on the cents are those of the stored value: the shortest
    // text of these ends "56.8", "99.9" and, on an even digit, "00.12".
    QTest::newRow("stored cents above 10^15") << kEnUs << 1234567890123456.75 << "$1,234,567,890,123,456.75";
    QTest::newRow("negative stored cents above 10^15") << kEnUs << -1234567890123456.75 << "-$1,234,567,890,123,456.75";
    QTest::newRow("stored value .875 below 10^15") << kEnUs << 999999999999999.9 << "$999,999,999,999,999.88";
    QTest::newRow("exact tie above 10^14 rounds up") << kEnUs << 100000000000000.125 << "$100,000,000,000,000.13";
    QTest::newRow("de_DE stored cents") << kDeDe << 1234567890123456.75 << "$1.234.567.890.123.456,75";

    QTest::newRow("carry into a new group") << kEnUs << 999.995 << "$1,000.00";
    QTest::newRow("carry across two groups") << kEnUs << 999999.999 << "$1,000,000.00";
    QTest::newRow("negative carry") << kEnUs << -999.995 << "-$1,000.00";

    QTest::newRow("negative rounding to zero has no minus") << kEnUs << -0.001 << "$.00";
    QTest::newRow("negative just below half a cent has no minus") << kEnUs << -0.0049 << "$.00";
    QTest::newRow("negative half cent keeps its minus") << kEnUs << -0.005 << "-$.01";
    QTest::newRow("smallest positive double") << kEnUs << std::numeric_limits<double>::denorm_min() << "$.00";

    QTest::newRow("de_DE separators") << kDeDe << 62600.0 << "$62.600,00";
    QTest::newRow("de_DE below one") << kDeDe << 0.5 << "$,50";
    QTest::newRow("fr_FR separators") << kFrFr << -1234567.891 << QStringLiteral("-$1\u202F234\u202F567,89");

    // Shown beside the locale's other figures, in the locale's digits; the
    // designed groups of three stay where the locale groups otherwise.
    QTest::newRow("ar_EG digits and marks")
        << kArEg << 1234.5 << QStringLiteral("$\u0661\u066C\u0662\u0663\u0664\u066B\u0665\u0660");
    QTest::newRow("ar_EG zero") << kArEg << 0.0 << QStringLiteral("$\u066B\u0660\u0660");
    QTest::newRow("fa_IR negative") << kFaIr << -1000.0
                                    << QStringLiteral("-$\u06F1\u066C\u06F0\u06F0\u06F0\u066B\u06F0\u06F0");
    QTest::newRow("hi_IN groups as India writes") << kHiIn << 4000000.0 << "$40,00,000.00";
    QTest::newRow("hi_IN below a lakh") << kHiIn << 99999.5 << "$99,999.50";

    // A label must never show "inf" or "nan".
    QTest::newRow("infinity") << kEnUs << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("NaN") << kEnUs << std::numeric_limits<double>::quiet_NaN() << "";
}

void MoneyTextTest::currencyText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(model::currencyText(value, locale), text);
}

// Outside the designed tables a sum below one dollar has its zero.
void MoneyTextTest::moneyTextHasAZeroBeforeThePoint_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << kEnUs << 0.0 << "$"
                          << "$0.00";
    QTest::newRow("below one, negative") << kEnUs << -0.5 << "$"
                                         << "-$0.50";
    QTest::newRow("decimal comma") << kDeDe << 0.5 << "$"
                                   << "$0,50";
    QTest::newRow("above one as ever") << kEnUs << 1234.5 << "$"
                                       << "$1,234.50";
    QTest::newRow("another symbol as ever") << kDeDe << 0.5 << "\u20AC"
                                            << "0,50\u00A0\u20AC";
    QTest::newRow("the zero in the region's digits") << kArEg << 0.0 << "EGP"
                                                     << "\u0660\u066B\u0660\u0660\u00A0EGP";
}

void MoneyTextTest::moneyTextHasAZeroBeforeThePoint()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, symbol);
    QFETCH(QString, expected);
    QCOMPARE(model::moneyText(value, locale, symbol), expected);
}

void MoneyTextTest::largestDoubleShowsEveryDigit()
{
    const QString text = model::currencyText(std::numeric_limits<double>::max(), kEnUs);

    QVERIFY(text.startsWith(QStringLiteral("$179,769,313,486,231,57")));
    QVERIFY(text.endsWith(QStringLiteral(".00")));
    // 309 digits in 103 groups of three.
    QCOMPARE(text.size(), 1 + 309 + 102 + 3);
}

void MoneyTextTest::plainNumberText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << kEnUs << 14400.0 << "14400";
    QTest::newRow("fraction") << kEnUs << 1234.5 << "1234.5";
    QTest::newRow("de_DE decimal comma") << kDeDe << 1234.5 << "1234,5";
    QTest::newRow("negative") << kEnUs << -960.0 << "-960";
    QTest::newRow("zero") << kEnUs << 0.0 << "0";
    QTest::newRow("negative zero has no minus") << kEnUs << -0.0 << "0";
    QTest::newRow("binary noise hidden by 15 digits") << kEnUs << 0.1 + 0.2 << "0.3";
    QTest::newRow("third cut at 15 digits") << kEnUs << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("15 integer digits stay plain") << kEnUs << 123456789012345.0 << "123456789012345";
    QTest::newRow("16 integer digits take an exponent") << kEnUs << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("large value") << kEnUs << 1e20 << "1E+20";
    // Rounded to 15 digits these would lie beyond the range and read back as
    // an overflow, leaving the chart's old figure in place.
    QTest::newRow("largest double stays within the range")
        << kEnUs << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("most negative double stays within the range")
        << kDeDe << std::numeric_limits<double>::lowest() << "-1,79769313486231E+308";
    // The chart and the facility file read it back: ASCII digits everywhere.
    QTest::newRow("ar_EG keeps ASCII digits") << kArEg << 1234.5 << QStringLiteral("1234\u066B5");
    QTest::newRow("fa_IR keeps ASCII digits") << kFaIr << -1e20 << "-1E+20";
}

void MoneyTextTest::plainNumberText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(model::plainNumberText(value, locale), text);
}

// Every figure the program writes reads back through the numeric test in the
// same locale as the figure it was written for: money to the cent, the chart's
// text and a percentage as they are.
// The sum computed with is the one the currency text shows, to the cent.
void MoneyTextTest::chartsCountMoneyInShortLabels_data()
{
    QTest::addColumn<double>("largest");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("figure");
    QTest::newRow("whole below a million") << -999999.0 << 50020.0 << "\u20AC"
                                           << "50.020,00\u00A0\u20AC";
    QTest::newRow("thousands") << 2.4e6 << 258000.8 << "\u20AC\u00A0thousands"
                               << "258";
    QTest::newRow("millions from ten") << 1e7 << 25.84e6 << "\u20AC\u00A0millions"
                                       << "25,8";
    QTest::newRow("billions") << -3.2e10 << 2.584e9 << "\u20AC\u00A0billions"
                              << "2,58";
    QTest::newRow("not finite") << qInf() << 1.0 << "\u20AC"
                                << "1,00\u00A0\u20AC";
}

// A chart's labels stay within six digits; its figures keep three.
void MoneyTextTest::chartsCountMoneyInShortLabels()
{
    QFETCH(double, largest);
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(QString, figure);
    const model::MoneyScale scale = model::moneyScale(largest, u"\u20AC");
    QCOMPARE(scale.unit, unit);
    QVERIFY(std::abs(largest) / scale.divisor < 1e6 || !std::isfinite(largest));
    QCOMPARE(model::chartMoneyText(value, scale, QLocale(QLocale::German, QLocale::Germany)), figure);
}

void MoneyTextTest::roundedToCentsIsTheSumShown_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("a tenth of a cent") << 0.001 << 0.0;
    QTest::newRow("binary value below the tie") << 1.005 << 1.01;
    QTest::newRow("another below the tie") << 2.675 << 2.68;
    QTest::newRow("negative, away from zero") << -1.005 << -1.01;
    QTest::newRow("below half a cent, negative: zero") << -0.004 << 0.0;
    QTest::newRow("the largest sum and half a cent") << 1000000000000.005 << 1000000000000.01;
    QTest::newRow("whole cents stay") << 20000.5 << 20000.5;
}

void MoneyTextTest::roundedToCentsIsTheSumShown()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    const double result = model::roundedToCents(value);
    QCOMPARE(result, rounded);
    QVERIFY(!std::signbit(result) || result < 0);
    QCOMPARE(model::currencyText(result, kEnUs), model::currencyText(value, kEnUs));
}

void MoneyTextTest::writtenFiguresReadBack_data()
{
    QTest::addColumn<QLocale>("locale");
    for (const char *name : {"en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "ar_EG", "fa_IR", "he_IL", "sv_SE", "pl_PL"})
        QTest::newRow(name) << QLocale(QString::fromLatin1(name));
}

void MoneyTextTest::writtenFiguresReadBack()
{
    QFETCH(QLocale, locale);
    for (const double value : {0.0, 0.5, -1234.5, 100000.0, 12345678.9, 999.995, -1e20, 0.1 + 0.2}) {
        const QString money = withoutCurrency(model::currencyText(value, locale));
        const QString cents = withoutCurrency(model::currencyText(value, kEnUs)).remove(u',');
        const std::optional<double> moneyFigure = model::readFigure(money, locale);
        QVERIFY2(moneyFigure.has_value(), qPrintable(money));
        QCOMPARE(*moneyFigure, QLocale::c().toDouble(cents));

        const QString plain = model::plainNumberText(value, locale);
        const std::optional<double> plainFigure = model::readFigure(plain, locale);
        QVERIFY2(plainFigure.has_value(), qPrintable(plain));
        QCOMPARE(*plainFigure, QLocale::c().toDouble(model::plainNumberText(value, kEnUs)));
    }
    for (const double percent : {0.0, 12.5, 90.0, 100.0}) {
        const QString text = model::percentText(percent, locale);
        const std::optional<double> figure = model::readFigure(text, locale);
        QVERIFY2(figure.has_value(), qPrintable(text));
        QCOMPARE(*figure, percent);
    }
}

// One rule for every percentage written: a no-break space before the sign
// where the locale's percent pattern has one, none elsewhere.
// clang-format off
void MoneyTextTest::percentSign_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("reduction"); // percentageText(1234.5)
    QTest::addColumn<QString>("share");     // percentOf(12.3456), grouped as the locale groups
    QTest::newRow("en_US") << "en_US" << "1234.5%" << "1,234.6%";
    QTest::newRow("de_DE") << "de_DE" << "1234,5\u00A0%" << "1.234,6\u00A0%";
    QTest::newRow("fr_FR") << "fr_FR" << "1234,5\u00A0%" << "1\u202F234,6\u00A0%";
    QTest::newRow("es_ES") << "es_ES" << "1234,5\u00A0%" << "1234,6\u00A0%";
    QTest::newRow("pt_BR") << "pt_BR" << "1234,5%" << "1.234,6%";
    QTest::newRow("zh_CN") << "zh_CN" << "1234.5%" << "1,234.6%";
    QTest::newRow("de_CH") << "de_CH" << "1234.5%" << "1\u2019234.6%";
    QTest::newRow("es_MX") << "es_MX" << "1234.5%" << "1,234.6%";
    QTest::newRow("ar_EG") << "ar_EG" << "\u0661\u0662\u0663\u0664\u066B\u0665%"
                           << "\u0661\u066C\u0662\u0663\u0664\u066B\u0666%";
}
// clang-format on

void MoneyTextTest::percentSign()
{
    QFETCH(QString, locale);
    QFETCH(QString, reduction);
    QFETCH(QString, share);
    QCOMPARE(model::percentageText(1234.5, QLocale(locale)), reduction);
    QCOMPARE(model::percentOf(12.3456, QLocale(locale)), share);
    // A round figure stays whole, never "1e+05".
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QCOMPARE(model::percentText(100000, QLocale(locale)), plain.toString(100000));
}

QTEST_APPLESS_MAIN(MoneyTextTest)

#include "money_text_test.moc"
