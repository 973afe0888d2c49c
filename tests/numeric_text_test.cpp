// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The numeric test and the value conversion applied to typed input text.

#include "model/numeric_text.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

const QLocale kEnUs("en_US");
const QLocale kDeDe("de_DE");
const QLocale kFrFr("fr_FR");

const QLocale kAllLocales[] = {kEnUs, kDeDe, kFrFr};

} // namespace

class NumericTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void plainNumbersPassEverywhere_data();
    void plainNumbersPassEverywhere();
    void numericTest_data();
    void numericTest();
    void conversion_data();
    void conversion();
    void hostileTextStaysFinite_data();
    void hostileTextStaysFinite();
};

void NumericTextTest::initTestCase()
{
    // The rows below rely on these separators; a missing locale would fall
    // back to C and let the tables pass for the wrong reason.
    QCOMPARE(kEnUs.groupSeparator(), QStringLiteral(","));
    QCOMPARE(kDeDe.groupSeparator(), QStringLiteral("."));
    QCOMPARE(kDeDe.decimalPoint(), QStringLiteral(","));
    QCOMPARE(kFrFr.decimalPoint(), QStringLiteral(","));
}

// Texts the conversion reads to their end (sign, digits, at most one period,
// exponent) count as numbers whatever the locale, and the value that enters
// the arithmetic is the conversion's.
void NumericTextTest::plainNumbersPassEverywhere_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "1000" << 1000.0;
    QTest::newRow("blanks at both ends") << " 25 " << 25.0;
    QTest::newRow("minus sign") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent D") << "1D3" << 1000.0;
    QTest::newRow("lower-case exponent with sign") << "2.5e-2" << 0.025;
    QTest::newRow("no integer digits") << ".5" << 0.5;
    QTest::newRow("no fraction digits") << "5." << 5.0;
    QTest::newRow("period decimal") << "1.5" << 1.5;
    QTest::newRow("signed fraction with exponent") << "-.5D1" << -5.0;
    QTest::newRow("period then exponent") << "1.E3" << 1000.0;
    // Where the period groups thousands, reading it as a separator would
    // take these out of range.
    QTest::newRow("period decimal near the top of the range") << "1.5E308" << 1.5e308;
    QTest::newRow("largest double") << "1.7976931348623157E308" << 1.7976931348623157e308;
    QTest::newRow("below the range reads as zero") << "1E-400" << 0.0;
    QTest::newRow("fraction of 10,000 digits")
        << QStringLiteral("0.") + QString(9997, u'0') + QStringLiteral("1") << 0.0;
    QTest::newRow("exponent of 10,000 digits below the range")
        << QStringLiteral("1E-") + QString(10000, u'9') << 0.0;
}

void NumericTextTest::plainNumbersPassEverywhere()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    for (const QLocale &locale : kAllLocales)
        QVERIFY2(model::passesNumericTest(text, locale), qPrintable(locale.name()));
    QCOMPARE(model::convertValue(text), value);
}

// Locale-dependent texts and texts that are no number.
void NumericTextTest::numericTest_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    QTest::newRow("en_US: comma groups thousands") << kEnUs << "1,000" << true;
    QTest::newRow("en_US: grouping and decimals") << kEnUs << "-12,345.67" << true;
    QTest::newRow("de_DE: period groups thousands") << kDeDe << "1.000" << true;
    QTest::newRow("de_DE: decimal comma") << kDeDe << "1,5" << true;
    QTest::newRow("de_DE: grouping and decimal comma") << kDeDe << "1.234,5" << true;
    QTest::newRow("fr_FR: narrow no-break space groups")
        << kFrFr << QStringLiteral("1\u202F000") << true;
    QTest::newRow("fr_FR: decimal comma") << kFrFr << "1,5" << true;

    // The locale decides which mark is which; no fallback to another one.
    QTest::newRow("en_US: de_DE number fails") << kEnUs << "1.000,5" << false;
    QTest::newRow("de_DE: en_US number fails") << kDeDe << "1,000.5" << false;
    QTest::newRow("fr_FR: plain blank does not group") << kFrFr << "1 000" << false;

    QTest::newRow("empty") << kEnUs << "" << false;
    QTest::newRow("blanks only") << kEnUs << "   " << false;
    QTest::newRow("letters") << kEnUs << "abc" << false;
    QTest::newRow("blank between digits") << kEnUs << "2 5" << false;
    QTest::newRow("double sign") << kEnUs << "--5" << false;
    QTest::newRow("two decimal points") << kEnUs << "1.2.3" << false;
    QTest::newRow("trailing letters") << kEnUs << "12abc" << false;
    QTest::newRow("dollar sign") << kEnUs << "$" << false;
    QTest::newRow("separator only") << kEnUs << "," << false;
    QTest::newRow("leading separator") << kEnUs << ",5" << false;
    QTest::newRow("trailing separator") << kEnUs << "1," << false;
    QTest::newRow("doubled separator") << kEnUs << "1,,000" << false;
    QTest::newRow("exponent without digits") << kEnUs << "1E" << false;
    QTest::newRow("exponent without mantissa") << kEnUs << "E3" << false;

    // The conversion would make these 0; letting them through would turn a
    // figure the user typed into a silent zero.
    QTest::newRow("en_US: above the range") << kEnUs << "1E400" << false;
    QTest::newRow("en_US: negative beyond the range") << kEnUs << "-1E400" << false;
    QTest::newRow("de_DE: above the range") << kDeDe << "1E400" << false;
}

void NumericTextTest::numericTest()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, passes);

    QCOMPARE(model::passesNumericTest(text, locale), passes);
}

// The conversion on its own: what a text that passes becomes, and what it
// reads from texts the test turns away.
void NumericTextTest::conversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("stops at the thousands separator") << "1,000" << 1.0;
    QTest::newRow("period grouping reads as a decimal point") << "1.000" << 1.0;
    QTest::newRow("blanks inside are skipped") << "2 5" << 25.0;
    QTest::newRow("blanks, tabs and line feeds anywhere") << "\n1\t0 0\n" << 100.0;
    QTest::newRow("blank after the sign") << "- 5" << -5.0;
    QTest::newRow("stops at the second period") << "1.2.3" << 1.2;
    QTest::newRow("stops at letters") << "12abc" << 12.0;
    QTest::newRow("incomplete exponent is not read") << "1E" << 1.0;
    QTest::newRow("exponent sign without digits") << "1E+" << 1.0;
    QTest::newRow("D exponent with sign") << "1D-2" << 0.01;
    QTest::newRow("nothing read: letters") << "abc" << 0.0;
    QTest::newRow("nothing read: double sign") << "--5" << 0.0;
    QTest::newRow("carriage return is not skipped") << "1\r2" << 1.0;
    QTest::newRow("no-break space is not skipped") << QStringLiteral("1\u00A05") << 1.0;
    QTest::newRow("above the range gives 0") << "1E400" << 0.0;
}

void NumericTextTest::conversion()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    const double converted = model::convertValue(text);
    QVERIFY(std::isfinite(converted));
    QCOMPARE(converted, value);
}

// Whatever is typed or pasted, the conversion gives a finite number and the
// test turns the text away.
void NumericTextTest::hostileTextStaysFinite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QString controls;
    for (char16_t c = 1; c < 32; ++c)
        controls.append(QChar(c));

    QTest::newRow("10,000 nines") << QString(10000, u'9') << 0.0;
    QTest::newRow("one and 9,999 zeros") << QString(1, u'1') + QString(9999, u'0') << 0.0;
    QTest::newRow("digits then 10,000 letters") << QString(QStringLiteral("123")) + QString(10000, u'x')
                                                << 123.0;
    QTest::newRow("10,000 blanks around a digit, then a mark")
        << QString(5000, u' ') + QStringLiteral("7") + QString(5000, u' ') + QStringLiteral("!") << 7.0;
    QTest::newRow("exponent of 10,000 digits") << QStringLiteral("1E") + QString(10000, u'9') << 0.0;
    QTest::newRow("control characters") << controls << 0.0;
    QTest::newRow("digit then control characters") << QStringLiteral("5") + controls << 5.0;
    QTest::newRow("embedded null") << QString(QStringLiteral("4")) + QChar(u'\0') + QStringLiteral("2")
                                   << 4.0;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663") << 0.0;
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12\uFF13") << 0.0;
    QTest::newRow("ASCII digit then full-width digits") << QStringLiteral("1\uFF12\uFF13") << 1.0;
}

void NumericTextTest::hostileTextStaysFinite()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    const double converted = model::convertValue(text);
    QVERIFY(std::isfinite(converted));
    QCOMPARE(converted, value);
    for (const QLocale &locale : kAllLocales)
        QVERIFY2(!model::passesNumericTest(text, locale), qPrintable(locale.name()));
}

QTEST_APPLESS_MAIN(NumericTextTest)

#include "numeric_text_test.moc"
