// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// How typed input text reads as a figure in the user's regional settings,
// and what an input field keeps of typed or pasted text.

#include "model/text/numeric_text.h"
#include "model/text/regional_digits.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

const QLocale kEnUs("en_US");
const QLocale kDeDe("de_DE");
const QLocale kFrFr("fr_FR");
const QLocale kDeCh("de_CH");

const QLocale kAllLocales[] = {kEnUs, kDeDe, kFrFr, kDeCh};

// Locales that write figures otherwise: in lakhs and crores, in their own
// digits, with signs of their own.
const QLocale kHiIn("hi_IN");
const QLocale kArEg("ar_EG");
const QLocale kFaIr("fa_IR");
const QLocale kHeIl("he_IL");
const QLocale kSvSe("sv_SE");

} // namespace

class NumericTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void plainNumbersReadAlikeEverywhere_data();
    void plainNumbersReadAlikeEverywhere();
    void regionalReading_data();
    void regionalReading();
    void everyLocaleFormReads_data();
    void everyLocaleFormReads();
    void hostileTextIsNoNumber_data();
    void hostileTextIsNoNumber();
    void visibleFieldText_data();
    void visibleFieldText();
    void arabicNumbersKeepTheirPlace_data();
    void arabicNumbersKeepTheirPlace();
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
    QCOMPARE(kHiIn.toString(100000.0, 'f', 0), QStringLiteral("1,00,000"));
    QCOMPARE(kArEg.zeroDigit(), QStringLiteral("\u0660"));
    QCOMPARE(kArEg.groupSeparator(), QStringLiteral("\u066C"));
    QCOMPARE(kArEg.decimalPoint(), QStringLiteral("\u066B"));
    QCOMPARE(kFaIr.zeroDigit(), QStringLiteral("\u06F0"));
    QCOMPARE(kFaIr.negativeSign(), QStringLiteral("\u200E\u2212"));
    QCOMPARE(kHeIl.negativeSign(), QStringLiteral("\u200E-"));
    QCOMPARE(kSvSe.negativeSign(), QStringLiteral("\u2212"));
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
    QTest::newRow("exponent of 10,000 digits below the range") << QStringLiteral("1E-") + QString(10000, u'9') << 0.0;
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

    // The forms these locales write, with their own digits and signs, read as
    // the ASCII forms; the rules of every locale still hold beside them.
    reads("hi_IN: lakh", "hi_IN", "1,00,000", 100000);
    reads("hi_IN: crore with decimals", "hi_IN", "1,23,45,678.90", 12345678.9);
    reads("hi_IN: thousand", "hi_IN", "1,000.5", 1000.5);
    reads("hi_IN: negative", "hi_IN", "-12,34,567", -1234567);
    reads("hi_IN: groups of three as well", "hi_IN", "100,000", 100000);
    fails("hi_IN: last group of two", "hi_IN", "1,00,00");
    fails("hi_IN: first group of three before pairs", "hi_IN", "100,00,000");
    fails("hi_IN: group of one", "hi_IN", "1,0,000");
    fails("en_US: lakh is no en_US form", "en_US", "1,00,000");
    reads("pl_PL: first group of four, as written", "pl_PL", QStringLiteral("1234\u00A0567"), 1234567);
    fails("en_US: first group of four", "en_US", "1234,567,890");
    reads("es_ES: first group of four, as written", "es_ES", "1234.567.890", 1234567890);
    reads("es_ES: one period stays a decimal point", "es_ES", "1234.567", 1234.567);
    fails("es_ES: first group of five", "es_ES", "12345.678.901");
    reads("ar_EG: own digits", "ar_EG", QStringLiteral("\u0661\u0660\u0660\u0660"), 1000);
    reads("ar_EG: 100000 as written", "ar_EG", QStringLiteral("\u0661\u0660\u0660\u066C\u0660\u0660\u0660"), 100000);
    reads("ar_EG: own group and decimal marks", "ar_EG", QStringLiteral("\u0661\u066C\u0660\u0660\u0660\u066B\u0665"),
          1000.5);
    reads("ar_EG: own minus sign", "ar_EG", QStringLiteral("\u061C-\u0661\u066C\u0662\u0663\u0664\u066B\u0665"),
          -1234.5);
    reads("ar_EG: minus without its direction mark", "ar_EG", QStringLiteral("-\u0661\u0662"), -12);
    reads("ar_EG: own exponent symbol", "ar_EG", QStringLiteral("\u0661\u066B\u0665\u0627\u0633\u061C-\u0660\u0667"),
          1.5e-7);
    reads("ar_EG: E with own digits", "ar_EG", QStringLiteral("\u0661E\u0663"), 1000);
    reads("ar_EG: period decimal with own digits", "ar_EG", QStringLiteral("\u0661.\u0665"), 1.5);
    reads("ar_EG: ASCII digits, own decimal mark", "ar_EG", QStringLiteral("1234\u066B5"), 1234.5);
    fails("ar_EG: ASCII and own digits mixed", "ar_EG", QStringLiteral("1\u0662\u0663"));
    fails("ar_EG: ASCII exponent of own digits", "ar_EG", QStringLiteral("\u0661E3"));
    fails("ar_EG: Persian digits", "ar_EG", QStringLiteral("\u06F1\u06F2"));
    fails("ar_EG: ASCII comma does not group", "ar_EG", QStringLiteral("\u0661,\u0660\u0660\u0660"));
    reads("fa_IR: own digits", "fa_IR", QStringLiteral("\u06F1\u06F2\u06F3\u06F4"), 1234);
    reads("fa_IR: own minus sign", "fa_IR", QStringLiteral("\u200E\u2212\u06F1\u066C\u06F2\u06F3\u06F4\u066B\u06F5"),
          -1234.5);
    reads("fa_IR: minus sign without its direction mark", "fa_IR", QStringLiteral("\u2212\u06F5"), -5);
    reads("fa_IR: own exponent symbol", "fa_IR",
          QStringLiteral("\u06F1\u066B\u06F5\u00D7\u06F1\u06F0^\u200E\u2212\u06F0\u06F7"), 1.5e-7);
    fails("fa_IR: Arabic-Indic digits", "fa_IR", QStringLiteral("\u0661\u0662"));
    fails("en_US: Persian digits", "en_US", QStringLiteral("\u06F1\u06F2"));
    fails("en_US: minus sign of other locales", "en_US", QStringLiteral("\u22125"));
    reads("he_IL: minus with its direction mark", "he_IL", QStringLiteral("\u200E-1,234.5"), -1234.5);
    reads("he_IL: exponent sign with its direction mark", "he_IL", QStringLiteral("1.5E\u200E-07"), 1.5e-7);
    fails("he_IL: direction mark within the digits", "he_IL", QStringLiteral("1\u200E000"));
    fails("he_IL: direction mark alone", "he_IL", QStringLiteral("\u200E"));
    reads("sv_SE: minus sign", "sv_SE", QStringLiteral("\u22121\u00A0234,5"), -1234.5);
    reads("sv_SE: exponent symbol", "sv_SE", QStringLiteral("1,5\u00D710^\u221207"), 1.5e-7);
    fails("sv_SE: two minus signs", "sv_SE", QStringLiteral("\u2212-5"));
    reads("fr_FR: negative as written", "fr_FR", QStringLiteral("-1\u202F234,5"), -1234.5);
    reads("de_CH: negative as written", "de_CH", QStringLiteral("-1\u2019234.5"), -1234.5);

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

// Whatever number a locale writes, grouped or not, in any format, reads back
// in that locale as the C locale's text of it.
void NumericTextTest::everyLocaleFormReads_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"en_US", "de_DE", "fr_FR", "de_CH", "hi_IN", "ar_EG", "fa_IR", "he_IL", "sv_SE", "es_ES",
                             "pl_PL", "ps_AF", "bn_BD", "my_MM"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void NumericTextTest::everyLocaleFormReads()
{
    QFETCH(QString, locale);
    const QLocale written(locale);
    QCOMPARE(written.name(), locale);
    for (const double value :
         {0.0, 0.5, -1234.5, 100000.0, 12345678.9, -9.87654321e20, 1.5e-7, 1.7976931348623157e308}) {
        for (const char format : {'f', 'e', 'g'}) {
            for (const int precision : {0, 2, 6, int(QLocale::FloatingPointShortest)}) {
                const QString text = written.toString(value, format, precision);
                bool inRange = false; // the largest double rounds beyond the range
                const double expected =
                    QLocale::c().toDouble(QLocale::c().toString(value, format, precision), &inRange);
                const std::optional<double> figure = model::readFigure(text, written);
                QVERIFY2(figure.has_value() == inRange, qPrintable(text));
                if (figure)
                    QCOMPARE(*figure, expected);
            }
        }
    }
    for (const qlonglong value : {0LL, -7LL, 1000LL, -1234567LL, 1234567890123LL}) {
        // Where the period groups, a text with one period and a first group
        // of four ("1234.567" in es_ES) keeps reading as a decimal figure.
        if (written.groupSeparator() == u"." && QStringView(written.toString(value)).count(u'.') == 1)
            continue;
        const std::optional<double> figure = model::readFigure(written.toString(value), written);
        QVERIFY2(figure.has_value(), qPrintable(written.toString(value)));
        QCOMPARE(*figure, double(value));
    }
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
    QTest::newRow("no-break space is visible")
        << QStringLiteral("1\u00A0000") << qsizetype(5) << QStringLiteral("1\u00A0000") << qsizetype(5);
    QTest::newRow("spreadsheet cell: CR LF at the end") << "2000\r\n" << qsizetype(6) << "2000" << qsizetype(4);
    QTest::newRow("tabs at both ends") << "\t7\t" << qsizetype(3) << "7" << qsizetype(1);
    QTest::newRow("line feed at the start") << "\n5" << qsizetype(1) << "5" << qsizetype(0);
    QTest::newRow("only line breaks") << "\r\n" << qsizetype(2) << "" << qsizetype(0);
    QTest::newRow("two cells stay apart") << "1\n2" << qsizetype(3) << "1 2" << qsizetype(3);
    QTest::newRow("a run of breaks is one blank") << "1\r\n\t2" << qsizetype(4) << "1 2" << qsizetype(2);
    QTest::newRow("control inside a run of breaks")
        << QStringLiteral("1\n\u0001\n2") << qsizetype(5) << "1 2" << qsizetype(3);
    QTest::newRow("NUL between digits") << QString(QStringLiteral("1")) + QChar(u'\0') + u'2' << qsizetype(2) << "12"
                                        << qsizetype(1);
    QTest::newRow("escape before digits") << QStringLiteral("\u001B5") << qsizetype(2) << "5" << qsizetype(1);
    QTest::newRow("DEL and C1 controls") << QStringLiteral("5\u007F\u0085\u009F0") << qsizetype(5) << "50"
                                         << qsizetype(2);
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

// A mark after each number in Arabic-Indic digits, none anywhere else, and
// none twice when a text is passed again.
void NumericTextTest::arabicNumbersKeepTheirPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("between two numbers") << u"at \u0668%: $\u0661\u0666\u066C\u0663\u066B\u0665"_qs
                                         << u"at \u0668\u200E%: $\u0661\u0666\u066C\u0663\u066B\u0665\u200E"_qs;
    QTest::newRow("Persian digits") << u"\u06F4\u06F5 / \u06F2\u06F5"_qs
                                    << u"\u06F4\u06F5\u200E / \u06F2\u06F5\u200E"_qs;
    QTest::newRow("a date is one number") << u"from \u0661/\u0663/\u0662\u0660\u0662\u0663: \u0668"_qs
                                          << u"from \u0661/\u0663/\u0662\u0660\u0662\u0663\u200E: \u0668\u200E"_qs;
    QTest::newRow("the minus before the number") << u"\u061C-\u0665 EGP"_qs << u"\u200E-\u0665\u200E EGP"_qs;
    QTest::newRow("Latin digits as they are") << u"at 8%: $163.54"_qs << u"at 8%: $163.54"_qs;
}

void NumericTextTest::arabicNumbersKeepTheirPlace()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(model::keptInWrittenOrder(text), kept);
    QCOMPARE(model::keptInWrittenOrder(kept), kept);
}

#include "numeric_text_test.moc"
