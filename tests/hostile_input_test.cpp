// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Hostile text in every input field of the main window: overlong texts,
// control characters, line breaks, digits of other scripts, words and
// notations that other number readers accept, and figures at the edges of
// the double range. Each text ends either as a red field that sends the user
// back to "Your Data", or as figures; never as a crash, a hang, an infinity
// on screen or an error report other than the arithmetic fault. Afterwards
// the window works as before.

#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "model/costs/input_table.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/system_seams.h"
#include "platform/tab_control.h"
#include "window_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <memory>

using namespace main_window;

namespace {

// How the program must take a text.
enum Verdict {
    Rejected,  // red on leaving the field; a tab change sends the user back
    Figures,   // accepted; a tab change shows figures
    Overflows, // accepted; the arithmetic overflows in every field that
               // enters a formula, which is reported, and shows figures in
               // the one that does not
};

// The number of bearings in the facility enters no formula.
constexpr int kUnusedField = 0;

QString repeated(const QString &unit, int total)
{
    QString text;
    while (text.size() < total)
        text += unit;
    text.truncate(total);
    return text;
}

QString withChar(const char *before, char16_t c, const char *after)
{
    return QString::fromUtf8(before) + QChar(c) + QString::fromUtf8(after);
}

} // namespace

class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hostileTextInEveryField_data();
    void hostileTextInEveryField();
    void hostileTextInAllFieldsAtOnce_data();
    void hostileTextInAllFieldsAtOnce();

private:
    // Leaves the field with the Tab key and lets the queued focus return run.
    void leaveWithTab(QLineEdit *field);
    // Every figure on the result tabs is currency text or the initial "0",
    // every chart value finite; the other labels keep their captions.
    void checkScreenShowsOnlyFigures();
    void checkDefaultFigures();
    // Puts the default texts back and checks that the window computes the
    // default figures again, with no beep and no report.
    void checkUsableAfterRestoringDefaults();

    std::unique_ptr<Form1> m_window;
    QStringList m_fixedCaptions; // of the CurentCost labels that hold no figure
    int m_beeps = 0;
    QStringList m_reports;
};

void HostileInputTest::initTestCase() { useTestDesktop(m_beeps, m_reports); }

void HostileInputTest::init()
{
    m_beeps = 0;
    m_reports.clear();
    m_window = std::make_unique<Form1>();
    QVERIFY(showActive(m_window.get()));
    m_fixedCaptions.clear();
    for (int j = 0; j < 36; ++j)
        m_fixedCaptions << m_window->CurentCost(j)->caption();
    // The default figures, so that a refused text can be seen to leave them.
    m_window->SSTab1->selectTab(CurrentCostTab);
    checkDefaultFigures();
}

void HostileInputTest::cleanup() { m_window.reset(); }

void HostileInputTest::leaveWithTab(QLineEdit *field)
{
    QTest::keyClick(field, Qt::Key_Tab);
    // The focus return is queued once; a second pass would run a stray one.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void HostileInputTest::checkScreenShowsOnlyFigures()
{
    static const QRegularExpression currency(QStringLiteral("^-?\\$[0-9,]*\\.[0-9]{2}$"));
    Form1 &w = *m_window;
    QList<int> figureLabels;
    for (const auto &table : kFigureLabels) {
        for (int label : table) {
            figureLabels << label;
            const QString figure = w.CurentCost(label)->caption();
            QVERIFY2(figure == QStringLiteral("0") || currency.match(figure).hasMatch(),
                     qPrintable(QStringLiteral("CurentCost(%1) shows \"%2\"").arg(label).arg(figure.left(80))));
        }
    }
    for (int j = 0; j < 36; ++j) {
        if (!figureLabels.contains(j))
            QCOMPARE(w.CurentCost(j)->caption(), m_fixedCaptions.at(j));
    }
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 3; ++c)
            QVERIFY2(std::isfinite(w.MSChart1->value(r, c)), qPrintable(QStringLiteral("chart %1,%2").arg(r).arg(c)));
    }
}

void HostileInputTest::checkDefaultFigures()
{
    const QString misfit = defaultFiguresMisfit(m_window.get());
    QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
}

void HostileInputTest::checkUsableAfterRestoringDefaults()
{
    Form1 &w = *m_window;
    w.SSTab1->selectTab(YourDataTab);
    QCoreApplication::processEvents();
    for (int i = 0; i < model::kInputCount; ++i)
        w.YourData(i)->setText(QString::fromUtf8(model::kInputs[i].defaultText));
    m_beeps = 0;
    m_reports.clear();
    w.SSTab1->selectTab(CurrentCostTab);
    QCoreApplication::processEvents();
    QCOMPARE(w.SSTab1->selectedTab(), int(CurrentCostTab));
    checkDefaultFigures();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_beeps, 0);
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'|')));
    for (int i = 0; i < model::kInputCount; ++i)
        QCOMPARE(w.YourData(i)->palette().color(QPalette::Text), QColor(Qt::black));
}

void HostileInputTest::hostileTextInEveryField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("verdict");

    // Overlong.
    QTest::newRow("10,000 nines: beyond the double range") << QString(10000, u'9') << int(Rejected);
    QTest::newRow("10,000 letters") << QString(10000, u'x') << int(Rejected);
    QTest::newRow("10,000 digits and letters") << repeated(QStringLiteral("1a"), 10000) << int(Rejected);
    QTest::newRow("10,000 digits with leading zeros: one") << QString(9999, u'0') + u'1' << int(Figures);
    QTest::newRow("10,000-character fraction: next to nothing")
        << QStringLiteral("0.") + QString(9997, u'0') + u'1' << int(Figures);
    QTest::newRow("exponent of 20 digits") << "1E99999999999999999999" << int(Rejected);
    QTest::newRow("negative exponent of 20 digits: zero") << "1E-99999999999999999999" << int(Figures);

    // Control characters and line breaks. The fields drop what cannot be
    // seen, so what is left is judged as it shows.
    QTest::newRow("start of heading after digits") << withChar("5", 0x01, "") << int(Figures);
    QTest::newRow("delete character") << withChar("5", 0x7f, "") << int(Figures);
    QTest::newRow("NUL between digits") << withChar("1", 0x00, "2") << int(Figures);
    QTest::newRow("escape before digits") << withChar("", 0x1b, "5") << int(Figures);
    QTest::newRow("C1 control after digits") << withChar("5", 0x85, "") << int(Figures);
    // A cell copied from a spreadsheet brings its line break along.
    QTest::newRow("CR LF after digits") << "12\r\n" << int(Figures);
    QTest::newRow("LF before digits") << "\n5" << int(Figures);
    QTest::newRow("LF between digits") << "1\n2" << int(Rejected);
    QTest::newRow("CR alone") << "\r" << int(Rejected);
    QTest::newRow("tabs around digits") << "\t7\t" << int(Figures);
    QTest::newRow("blanks only") << "   " << int(Rejected);

    // Digits and signs of other scripts, invisible and directional marks.
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663") << int(Rejected);
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12\uFF13") << int(Rejected);
    QTest::newRow("Devanagari digits") << QStringLiteral("\u0967\u0968\u0969") << int(Rejected);
    QTest::newRow("minus sign character") << QStringLiteral("\u22125") << int(Rejected);
    QTest::newRow("no-break space before digits") << QStringLiteral("\u00A05") << int(Rejected);
    QTest::newRow("zero-width space between digits") << QStringLiteral("1\u200B2") << int(Rejected);
    QTest::newRow("right-to-left override") << QStringLiteral("\u202E12") << int(Rejected);
    QTest::newRow("emoji") << QStringLiteral("\U0001F600") << int(Rejected);
    QTest::newRow("lone surrogate") << withChar("1", 0xD800, "") << int(Rejected);

    // Words and notations of other number readers.
    QTest::newRow("NaN") << "NaN" << int(Rejected);
    QTest::newRow("Infinity") << "Infinity" << int(Rejected);
    QTest::newRow("-Infinity") << "-Infinity" << int(Rejected);
    QTest::newRow("inf") << "inf" << int(Rejected);
    QTest::newRow("hexadecimal &H") << "&H7FFFFFFF" << int(Rejected);
    QTest::newRow("hexadecimal 0x") << "0x1F" << int(Rejected);
    QTest::newRow("doubled thousands separator") << "1,,000" << int(Rejected);
    QTest::newRow("two exponents") << "1e5e5" << int(Rejected);
    QTest::newRow("exponent without digits") << "1E" << int(Rejected);
    QTest::newRow("sign alone") << "-" << int(Rejected);
    QTest::newRow("decimal point alone") << "." << int(Rejected);
    QTest::newRow("two signs") << "+-1" << int(Rejected);
    QTest::newRow("currency sign") << "$5" << int(Rejected);
    QTest::newRow("percent") << "5%" << int(Rejected);
    QTest::newRow("D exponent") << "1D2" << int(Figures);

    // The edges of the double range.
    QTest::newRow("1E308") << "1E308" << int(Overflows);
    QTest::newRow("-1E308") << "-1E308" << int(Overflows);
    QTest::newRow("largest double") << "+1.7976931348623157E308" << int(Overflows);
    QTest::newRow("just above the largest double") << "1.8E308" << int(Rejected);
    QTest::newRow("1E300: 300-digit figures") << "1E300" << int(Figures);
    QTest::newRow("-1E300: negative 300-digit figures") << "-1E300" << int(Figures);
    QTest::newRow("1E-400: underflows to zero") << "1E-400" << int(Figures);
    QTest::newRow("-1E-400: negative zero") << "-1E-400" << int(Figures);
    QTest::newRow("smallest subnormal") << "4.9E-324" << int(Figures);
}

void HostileInputTest::hostileTextInEveryField()
{
    QFETCH(QString, text);
    QFETCH(int, verdict);
    Form1 &w = *m_window;

    for (int i = 0; i < model::kInputCount; ++i) {
        const QString where = QStringLiteral("YourData(%1)").arg(i);
        const int expected = verdict == Overflows && i == kUnusedField ? int(Figures) : verdict;
        QLineEdit *field = w.YourData(i);

        w.SSTab1->selectTab(YourDataTab);
        field->setFocus();
        QTRY_VERIFY2(field->hasFocus(), qPrintable(where));
        field->setText(text);
        m_beeps = 0;
        m_reports.clear();
        leaveWithTab(field);

        const QColor colour = field->palette().color(QPalette::Text);
        if (expected == Rejected) {
            QVERIFY2(field->hasFocus(), qPrintable(where));
            QVERIFY2(colour == QColor(Qt::red), qPrintable(where));
            QCOMPARE(m_beeps, 1);
        } else {
            QVERIFY2(!field->hasFocus(), qPrintable(where));
            QVERIFY2(colour == QColor(Qt::black), qPrintable(where));
            QCOMPARE(m_beeps, 0);
        }

        w.SSTab1->selectTab(CurrentCostTab);
        QCoreApplication::processEvents();
        if (expected == Rejected) {
            QVERIFY2(w.SSTab1->selectedTab() == YourDataTab, qPrintable(where));
            QVERIFY2(field->isVisible(), qPrintable(where));
            QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'|')));
            checkDefaultFigures();
        } else {
            QVERIFY2(w.SSTab1->selectedTab() == CurrentCostTab, qPrintable(where));
            if (expected == Overflows) {
                QVERIFY2(m_reports.size() == 1 && m_reports.first().startsWith(QStringLiteral("Overflow")),
                         qPrintable(where + u' ' + m_reports.join(u'|')));
            } else {
                QVERIFY2(m_reports.isEmpty(), qPrintable(where + u' ' + m_reports.join(u'|')));
            }
            // The chart draws whatever it holds.
            QVERIFY2(w.MSChart1->chart() && !w.MSChart1->grab().isNull(), qPrintable(where));
        }
        checkScreenShowsOnlyFigures();
        if (QTest::currentTestFailed())
            return;
        // The next field's tab change finds the window as it would be with
        // this one corrected.
        field->setText(QString::fromUtf8(model::kInputs[std::size_t(i)].defaultText));
    }
    checkUsableAfterRestoringDefaults();
}

void HostileInputTest::hostileTextInAllFieldsAtOnce_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("verdict");
    QTest::newRow("10,000 nines everywhere") << QString(10000, u'9') << int(Rejected);
    QTest::newRow("CR LF between digits everywhere") << "1\r\n2" << int(Rejected);
    QTest::newRow("full-width digits everywhere") << QStringLiteral("\uFF11\uFF12\uFF13") << int(Rejected);
    QTest::newRow("1E308 everywhere") << "1E308" << int(Overflows);
    QTest::newRow("-1E308 everywhere") << "-1E308" << int(Overflows);
    // 1E200 squared and more overflows in the first row.
    QTest::newRow("1E200 everywhere") << "1E200" << int(Overflows);
    QTest::newRow("1E-400 everywhere: all zero") << "1E-400" << int(Figures);
}

void HostileInputTest::hostileTextInAllFieldsAtOnce()
{
    QFETCH(QString, text);
    QFETCH(int, verdict);
    Form1 &w = *m_window;

    w.SSTab1->selectTab(YourDataTab);
    for (int i = 0; i < model::kInputCount; ++i)
        w.YourData(i)->setText(text);
    m_reports.clear();
    for (int tab : {int(CurrentCostTab), int(VelmorCostTab), int(SavingsTab), int(GraphTab)}) {
        w.SSTab1->selectTab(tab);
        QCoreApplication::processEvents();
        if (verdict == Rejected) {
            QCOMPARE(w.SSTab1->selectedTab(), int(YourDataTab));
            checkDefaultFigures();
        } else {
            QCOMPARE(w.SSTab1->selectedTab(), tab);
        }
        checkScreenShowsOnlyFigures();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!w.grab().isNull());
    }
    // One report for each of the four tab changes, and only the fault.
    for (const QString &report : std::as_const(m_reports))
        QVERIFY2(report.startsWith(QStringLiteral("Overflow")), qPrintable(report));
    QCOMPARE(m_reports.size(), verdict == Overflows ? 4 : 0);
    if (verdict == Figures) {
        for (const auto &table : kFigureLabels) {
            for (int label : table)
                QCOMPARE(w.CurentCost(label)->caption(), QStringLiteral("$.00"));
        }
    }

    checkUsableAfterRestoringDefaults();
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
