// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// How typed input text reads as a figure in the user's regional settings,
// and what an input field keeps of typed or pasted text.

#include "model/numeric_text.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

const QLocale kEnUs("en_US");
const QLocale kDeDe("de_DE");
const QLocale kFrFr("fr_FR");
const QLocale kDeCh("de_CH");

const QLocale kAllLocales[] = {kEnUs, kDeDe, kFrFr, kDeCh};

} // namespace

class NumericTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void plainNumbersReadAlikeEverywhere_data();
    void plainNumbersReadAlikeEverywhere();
    void regionalReading_data();
    void regionalReading();
    void hostileTextIsNoNumber_data();
    void hostileTextIsNoNumber();
    void visibleFieldText_data();
    void visibleFieldText();
};

void NumericTextTest::initTestCase()
{
    // The rows below rely on these separators; a missing locale would fall
    // back to C and let the tables pass for the wrong reason.
    QCOMPARE(kEnUs.groupSeparator(), QStringLiteral(","));
    QCOMPARE(kDeDe.groupSeparator(), QStringLiteral("."));
    QCOMPARE(kDeDe.decimalPoint(), QStringLiteral(","));
    QCOMPARE(kFrFr.groupSeparator(), QStringLiteral("\u202F"));
    QCOMPARE(kFrFr.decimalPoint(), QStringLiteral(","));
    QCOMPARE(kDeCh.groupSeparator(), QStringLiteral("\u2019"));
    QCOMPARE(kDeCh.decimalPoint(), QStringLiteral("."));
}

// Texts with digits, at most one period, sign and exponent read alike in
// every locale, even where the period groups thousands.
void NumericTextTest::plainNumbersReadAlikeEverywhere_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "1000" << 1000.0;
    QTest::newRow("blanks at both ends") << " 25 " << 25.0;
    QTest::newRow("spreadsheet cell with LF") << "2000\n" << 2000.0;
    QTest::newRow("spreadsheet cell with CR LF") << "2000\r\n" << 2000.0;
    QTest::newRow("tabs and line breaks at both ends") << "\t\r\n7\t\r\n" << 7.0;
    QTest::newRow("minus sign") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent D") << "1D3" << 1000.0;
    QTest::newRow("lower-case exponent with sign") << "2.5e-2" << 0.025;
    QTest::newRow("no integer digits") << ".5" << 0.5;
    QTest::newRow("no fraction digits") << "5." << 5.0;
    QTest::newRow("period decimal") << "1.5" << 1.5;
    QTest::newRow("four decimals") << "1.2345" << 1.2345;
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

void NumericTextTest::plainNumbersReadAlikeEverywhere()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    for (const QLocale &locale : kAllLocales) {
        const std::optional<double> figure = model::readFigure(text, locale);
        QVERIFY2(figure.has_value(), qPrintable(locale.name()));
        QCOMPARE(*figure, value);
        QVERIFY(model::passesNumericTest(text, locale));
    }
}

// What a text stands for in one locale: its figure, or no number.
void NumericTextTest::regionalReading_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    const auto reads = [](const char *row, const char *locale, const QString &text, double value) {
        QTest::newRow(row) << QString::fromLatin1(locale) << text << true << value;
    };
    const auto fails = [](const char *row, const char *locale, const QString &text) {
        QTest::newRow(row) << QString::fromLatin1(locale) << text << false << 0.0;
    };

    reads("en_US: comma groups thousands", "en_US", "1,000", 1000);
    reads("en_US: grouping and decimals", "en_US", "1,234.5", 1234.5);
    reads("en_US: negative, two groups", "en_US", "-12,345,678.25", -12345678.25);
    reads("en_US: grouping then exponent", "en_US", "1,000E3", 1e6);
    fails("en_US: misplaced grouping", "en_US", "1,00,0");
    fails("en_US: group of one digit", "en_US", "1,5");
    fails("en_US: group of four digits", "en_US", "1,0000");
    fails("en_US: first group of four digits", "en_US", "1234,567");
    fails("en_US: de_DE number", "en_US", "1.000,5");
    fails("en_US: blank does not group", "en_US", "1 000");
    fails("en_US: leading separator", "en_US", ",5");
    fails("en_US: trailing separator", "en_US", "1,");
    fails("en_US: doubled separator", "en_US", "1,,000");
    fails("en_US: grouped fraction", "en_US", "1.000,000");

    reads("de_DE: period groups thousands", "de_DE", "2.000", 2000);
    reads("de_DE: decimal comma", "de_DE", "2,5", 2.5);
    reads("de_DE: grouping and decimal comma", "de_DE", "1.234,5", 1234.5);
    reads("de_DE: two groups", "de_DE", "1.234.567,89", 1234567.89);
    reads("de_DE: comma before the fraction only", "de_DE", "-,5", -0.5);
    reads("de_DE: no valid grouping, period as decimal point", "de_DE", "1.5", 1.5);
    reads("de_DE: comma decimal near the top of the range", "de_DE", "1,5E308", 1.5e308);
    // The period groups and then stands as a decimal point: which figure
    // was meant (12345, 1234.5) cannot be told.
    fails("de_DE: period used both ways", "de_DE", "1.234.5");
    fails("de_DE: en_US number", "de_DE", "1,000.5");
    fails("de_DE: period after the decimal comma", "de_DE", "1,5.5");
    fails("de_DE: above the range", "de_DE", "1,5E400");

    reads("fr_FR: decimal comma", "fr_FR", "2,5", 2.5);
    reads("fr_FR: narrow no-break space groups", "fr_FR", QStringLiteral("1\u202F234,5"), 1234.5);
    reads("fr_FR: no-break space groups", "fr_FR", QStringLiteral("1\u00A0234,5"), 1234.5);
    reads("fr_FR: plain blank groups", "fr_FR", "1 234,5", 1234.5);
    reads("fr_FR: blank groups, period decimal", "fr_FR", "1 234.5", 1234.5);
    fails("fr_FR: blank between two digits", "fr_FR", "2 5");
    fails("fr_FR: two blanks", "fr_FR", "1  234");
    fails("fr_FR: comma does not group", "fr_FR", "1,234,5");

    reads("de_CH: typographic apostrophe groups", "de_CH", QStringLiteral("2\u2019000"), 2000);
    reads("de_CH: typed apostrophe groups", "de_CH", "2'000", 2000);
    reads("de_CH: grouping and decimals", "de_CH", "1'234.5", 1234.5);
    fails("de_CH: group of two digits", "de_CH", "2'00");
    fails("de_CH: comma is no mark", "de_CH", "2,5");
    fails("de_CH: blank does not group", "de_CH", "2 000");

    fails("empty", "en_US", "");
    fails("blanks and line breaks only", "en_US", " \t\r\n ");
    fails("letters", "en_US", "abc");
    fails("blank between digits", "en_US", "2 5");
    fails("line feed between digits", "en_US", "2\n5");
    fails("double sign", "en_US", "--5");
    fails("two decimal points", "en_US", "1.2.3");
    fails("trailing letters", "en_US", "12abc");
    fails("dollar sign", "en_US", "$");
    fails("separator only", "en_US", ",");
    fails("exponent without digits", "en_US", "1E");
    fails("exponent without mantissa", "en_US", "E3");
    fails("no-break space at the end", "en_US", QStringLiteral("5\u00A0"));
    // Out of range the figure typed cannot be computed with.
    fails("en_US: above the range", "en_US", "1.5E400");
    fails("en_US: negative beyond the range", "en_US", "-1E400");
    fails("en_US: grouped, above the range", "en_US", "1,000E306");
}

void NumericTextTest::regionalReading()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);

    const std::optional<double> figure = model::readFigure(text, QLocale(locale));
    QCOMPARE(figure.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*figure, value);
    QCOMPARE(model::passesNumericTest(text, QLocale(locale)), isNumber);
}

// Whatever is typed or pasted, a text that is no figure reads as none.
void NumericTextTest::hostileTextIsNoNumber_data()
{
    QTest::addColumn<QString>("text");

    QString controls;
    for (char16_t c = 1; c < 32; ++c)
        controls.append(QChar(c));

    QTest::newRow("10,000 nines") << QString(10000, u'9');
    QTest::newRow("one and 9,999 zeros") << QString(1, u'1') + QString(9999, u'0');
    QTest::newRow("digits then 10,000 letters") << QString(QStringLiteral("123")) + QString(10000, u'x');
    QTest::newRow("10,000 blanks around a digit, then a mark")
        << QString(5000, u' ') + QStringLiteral("7") + QString(5000, u' ') + QStringLiteral("!");
    QTest::newRow("exponent of 10,000 digits") << QStringLiteral("1E") + QString(10000, u'9');
    QTest::newRow("control characters") << controls;
    QTest::newRow("digit then control characters") << QStringLiteral("5") + controls;
    QTest::newRow("embedded null") << QString(QStringLiteral("4")) + QChar(u'\0') + QStringLiteral("2");
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663");
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12\uFF13");
    QTest::newRow("ASCII digit then full-width digits") << QStringLiteral("1\uFF12\uFF13");
}

void NumericTextTest::hostileTextIsNoNumber()
{
    QFETCH(QString, text);

    for (const QLocale &locale : kAllLocales)
        QVERIFY2(!model::readFigure(text, locale).has_value(), qPrintable(locale.name()));
}

// What a field keeps of typed or pasted text, and where its cursor ends.
void NumericTextTest::visibleFieldText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("cursor");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<qsizetype>("keptCursor");

    QTest::newRow("figure unchanged") << "1000" << qsizetype(2) << "1000" << qsizetype(2);
    QTest::newRow("no-break space is visible") << QStringLiteral("1\u00A0000") << qsizetype(5)
                                               << QStringLiteral("1\u00A0000") << qsizetype(5);
    QTest::newRow("spreadsheet cell: CR LF at the end")
        << "2000\r\n" << qsizetype(6) << "2000" << qsizetype(4);
    QTest::newRow("tabs at both ends") << "\t7\t" << qsizetype(3) << "7" << qsizetype(1);
    QTest::newRow("line feed at the start") << "\n5" << qsizetype(1) << "5" << qsizetype(0);
    QTest::newRow("only line breaks") << "\r\n" << qsizetype(2) << "" << qsizetype(0);
    QTest::newRow("two cells stay apart") << "1\n2" << qsizetype(3) << "1 2" << qsizetype(3);
    QTest::newRow("a run of breaks is one blank") << "1\r\n\t2" << qsizetype(4) << "1 2" << qsizetype(2);
    QTest::newRow("control inside a run of breaks") << QStringLiteral("1\n\u0001\n2") << qsizetype(5)
                                                    << "1 2" << qsizetype(3);
    QTest::newRow("NUL between digits") << QString(QStringLiteral("1")) + QChar(u'\0') + u'2'
                                        << qsizetype(2) << "12" << qsizetype(1);
    QTest::newRow("escape before digits") << QStringLiteral("\u001B5") << qsizetype(2) << "5" << qsizetype(1);
    QTest::newRow("DEL and C1 controls") << QStringLiteral("5\u007F\u0085\u009F0") << qsizetype(5)
                                         << "50" << qsizetype(2);
    QTest::newRow("cursor before a dropped character")
        << QStringLiteral("12\u0001") << qsizetype(2) << "12" << qsizetype(2);
    QTest::newRow("cursor beyond the end") << QStringLiteral("5\u0001") << qsizetype(9) << "5" << qsizetype(1);
}

void NumericTextTest::visibleFieldText()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, cursor);
    QFETCH(QString, kept);
    QFETCH(qsizetype, keptCursor);

    QCOMPARE(model::visibleFieldText(text, &cursor), kept);
    QCOMPARE(cursor, keptCursor);
    // What a field keeps, it keeps again.
    QCOMPARE(model::visibleFieldText(kept), kept);
}

QTEST_APPLESS_MAIN(NumericTextTest)

#include "numeric_text_test.moc"
