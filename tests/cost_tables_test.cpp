// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The current, Velmor and savings tables and their arithmetic faults.

#include "formula_arithmetic.h"
#include "model/costs/cost_formulas.h"
#include "model/costs/cost_tables.h"
#include "model/costs/formula_prose.h"
#include "model/costs/input_table.h"
#include "model/text/numeric_text.h"

#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

using model::ArithmeticError;
using model::ArithmeticFault;
using model::CostTable;
using model::InputValues;

Q_DECLARE_METATYPE(model::InputValues)
Q_DECLARE_METATYPE(model::ArithmeticFault)
Q_DECLARE_METATYPE(model::Assumptions)
Q_DECLARE_METATYPE(model::Units)
Q_DECLARE_METATYPE(model::LostProductionRule)

namespace {

constexpr InputValues kDefaults{1000, 10, 1000, 1, 1000, 1000, 5, 200, 24, 30, 3, 4};

// QCOMPARE on doubles allows a relative error of about 1e-12; the rows are
// fixed to the last bit, so they are compared as round-trip text.
QString exact(double value) { return QString::number(value, 'g', 17); }

InputValues with(InputValues v, std::initializer_list<std::pair<int, double>> changes)
{
    for (const auto &[index, value] : changes)
        v[std::size_t(index)] = value;
    return v;
}

struct Tables {
    CostTable current, velmor, savings;
};

// The cells a formula may name, by name.
model::CellValue cellsOf(const QHash<QString, double> &cells)
{
    return [&cells](QStringView cell) -> std::optional<model::SheetValue> {
        const auto found = cells.constFind(cell.toString());
        return found == cells.cend() ? std::nullopt : std::optional(model::SheetValue(*found));
    };
}

Tables computeAll(const InputValues &v)
{
    Tables t;
    model::computeCurrentCost(v, t.current);
    model::computeVelmorCost(t.current, t.velmor);
    model::computeSavings(t.current, t.velmor, t.savings);
    return t;
}

} // namespace

class CostTablesTest : public QObject {
    Q_OBJECT

private slots:
    void defaultTextsGiveDefaultInputs();
    void defaultTables_data();
    void defaultTables();
    void inputChanges_data();
    void inputChanges();
    void evaluationOrderDecidesLastBits();
    void overflowKeepsEarlierRows();
    void arithmeticFaults_data();
    void arithmeticFaults();
    void faultNames_data();
    void faultNames();
    void formulaArithmetic_data();
    void formulaArithmetic();
    void formulaTextsGiveTheComputedRows_data();
    void formulaTextsGiveTheComputedRows();
    void formulaProseGivesTheComputedRows_data();
    void formulaProseGivesTheComputedRows();
    void lostProductionAtMargin_data();
    void lostProductionAtMargin();
};

void CostTablesTest::defaultTextsGiveDefaultInputs()
{
    for (int i = 0; i < model::kInputCount; ++i) {
        const QString text = QString::fromLatin1(model::kInputs[std::size_t(i)].defaultText);
        const std::optional<double> figure = model::readFigure(text, QLocale("en_US"));
        QVERIFY2(figure.has_value(), qPrintable(text));
        QCOMPARE(exact(*figure), exact(kDefaults[std::size_t(i)]));
    }
}

void CostTablesTest::defaultTables_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("current");
    QTest::addColumn<double>("velmor");
    QTest::addColumn<double>("savings");

    QTest::newRow("row 1: lubrication labor") << 1 << 14400.0 << 1440.0 << 12960.0;
    QTest::newRow("row 2: lubricant") << 2 << 5000.0 << 2500.0 << 2500.0;
    QTest::newRow("row 3: replacement bearings") << 3 << 2000.0 << 400.0 << 1600.0;
    QTest::newRow("row 4: replacement labor") << 4 << 1200.0 << 240.0 << 960.0;
    QTest::newRow("row 5: lost production") << 5 << 40000.0 << 8000.0 << 32000.0;
    QTest::newRow("row 6: total") << 6 << 62600.0 << 12580.0 << 50020.0;
}

void CostTablesTest::defaultTables()
{
    QFETCH(int, row);
    QFETCH(double, current);
    QFETCH(double, velmor);
    QFETCH(double, savings);

    const Tables t = computeAll(kDefaults);
    QCOMPARE(exact(t.current.row(row)), exact(current));
    QCOMPARE(exact(t.velmor.row(row)), exact(velmor));
    QCOMPARE(exact(t.savings.row(row)), exact(savings));
}

// Each row names the input it changes; the columns are the current table
// and the savings total (which checks that the change reaches every table).
void CostTablesTest::inputChanges_data()
{
    QTest::addColumn<InputValues>("inputs");
    QTest::addColumn<QList<double>>("current");
    QTest::addColumn<double>("savingsTotal");

    const QList<double> defaultCurrent{14400, 5000, 2000, 1200, 40000, 62600};
    QTest::newRow("bearing count at 0 enters no row") << with(kDefaults, {{0, 0}}) << defaultCurrent << 50020.0;
    QTest::newRow("bearing count at 1E300 enters no row") << with(kDefaults, {{0, 1e300}}) << defaultCurrent << 50020.0;

    QTest::newRow("negative failures flow into rows 3 to 5")
        << with(kDefaults, {{1, -10}}) << QList<double>{14400, 5000, -2000, -1200, -40000, -23800} << -19100.0;
    QTest::newRow("negative labor rate flows into row 1")
        << with(kDefaults, {{8, -24}}) << QList<double>{-14400, 5000, 2000, 1200, 40000, 33800} << 24100.0;
    QTest::newRow("zero failures empty rows 3 to 5")
        << with(kDefaults, {{1, 0}}) << QList<double>{14400, 5000, 0, 0, 0, 19400} << 15460.0;
    QTest::newRow("every input zero") << InputValues{} << QList<double>{0, 0, 0, 0, 0, 0} << 0.0;
}

void CostTablesTest::inputChanges()
{
    QFETCH(InputValues, inputs);
    QFETCH(QList<double>, current);
    QFETCH(double, savingsTotal);

    const Tables t = computeAll(inputs);
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(exact(t.current.row(k)), exact(current.at(k - 1)));
    QCOMPARE(exact(t.savings.row(6)), exact(savingsTotal));
}

// Fractional inputs where another order of the factors in row 1, or a
// savings total summed from the savings rows, would give other last bits.
void CostTablesTest::evaluationOrderDecidesLastBits()
{
    const InputValues v = with(kDefaults, {{10, 1.3}, {8, 18.35}, {3, 1.1}, {6, 4.15}});
    const Tables t = computeAll(v);

    QCOMPARE(exact(t.current.row(1)), exact(5248.100000000001)); // not ...002
    QCOMPARE(exact(t.current.row(6)), exact(52598.100000000006));
    QCOMPARE(exact(t.velmor.row(1)), exact(524.8100000000002));
    QCOMPARE(exact(t.velmor.row(6)), exact(11239.810000000001));
    QCOMPARE(exact(t.savings.row(1)), exact(4723.290000000001));
    QCOMPARE(exact(t.savings.row(6)), exact(41358.29000000001)); // not 41358.29
}

void CostTablesTest::overflowKeepsEarlierRows()
{
    const InputValues v = with(kDefaults, {{1, 1e200}, {11, 1e200}});
    CostTable current;
    current.row(6) = 123; // must not be touched: nothing after the fault runs

    try {
        model::computeCurrentCost(v, current);
        QFAIL("row 4 should overflow");
    } catch (const ArithmeticError &error) {
        QCOMPARE(error.fault(), ArithmeticFault::Overflow);
        QCOMPARE(error.row(), 4);
    }
    QCOMPARE(exact(current.row(1)), exact(14400));
    QCOMPARE(exact(current.row(2)), exact(5000));
    QCOMPARE(exact(current.row(3)), exact(2e202));
    QCOMPARE(current.row(5), 0.0);
    QCOMPARE(current.row(6), 123.0);
}

void CostTablesTest::arithmeticFaults_data()
{
    QTest::addColumn<InputValues>("inputs");
    QTest::addColumn<QString>("table"); // which computation faults, "" for none
    QTest::addColumn<ArithmeticFault>("fault");
    QTest::addColumn<int>("row");

    QTest::newRow("failures and hours at 1E200: row 4 overflows")
        << with(kDefaults, {{1, 1e200}, {11, 1e200}}) << "current" << ArithmeticFault::Overflow << 4;
    QTest::newRow("failures and production value huge: row 5 overflows")
        << with(kDefaults, {{1, 1e200}, {11, 1}, {5, 1e200}}) << "current" << ArithmeticFault::Overflow << 5;
    QTest::newRow("infinite product times zero rate: row 1 invalid")
        << with(kDefaults, {{2, 1e300}, {10, 1e300}, {8, 0}}) << "current" << ArithmeticFault::InvalidOperation << 1;
    QTest::newRow("finite rows, overflowing total")
        << with(kDefaults, {{6, 1e308}, {4, 1.5}, {7, 1e308}, {1, 1.5}}) << "current" << ArithmeticFault::Overflow << 6;
    // Lubricant at minus the labour row: both totals stay finite, but their
    // difference does not.
    QTest::newRow("finite totals, overflowing savings total")
        << InputValues{1000, 1, 1e307, 1, 1, 0, -1.7e308, 1.7e308, 85, 0, 1, 4} << "savings"
        << ArithmeticFault::Overflow << 6;
    QTest::newRow("zero times huge factors is no fault")
        << with(kDefaults, {{2, 0}, {10, 1e200}, {8, 1e200}}) << "" << ArithmeticFault::Overflow << 0;
}

void CostTablesTest::arithmeticFaults()
{
    QFETCH(InputValues, inputs);
    QFETCH(QString, table);
    QFETCH(ArithmeticFault, fault);
    QFETCH(int, row);

    Tables t;
    QString faulted;
    const CostTable *faultedTable = nullptr;
    try {
        faulted = QStringLiteral("current");
        faultedTable = &t.current;
        model::computeCurrentCost(inputs, t.current);
        faulted = QStringLiteral("velmor");
        faultedTable = &t.velmor;
        model::computeVelmorCost(t.current, t.velmor);
        faulted = QStringLiteral("savings");
        faultedTable = &t.savings;
        model::computeSavings(t.current, t.velmor, t.savings);
        faulted.clear();
    } catch (const ArithmeticError &error) {
        QCOMPARE(error.fault(), fault);
        QCOMPARE(error.row(), row);
    }
    QCOMPARE(faulted, table);
    if (faulted.isEmpty()) {
        for (int k = 1; k <= 6; ++k)
            QVERIFY(std::isfinite(t.savings.row(k)));
        return;
    }
    // Rows before the fault keep finite values; nothing after it is computed.
    for (int k = 1; k < row; ++k)
        QVERIFY2(std::isfinite(faultedTable->row(k)), qPrintable(QString::number(k)));
    for (int k = row + 1; k <= 6; ++k)
        QCOMPARE(faultedTable->row(k), 0.0);
}

void CostTablesTest::faultNames_data()
{
    QTest::addColumn<ArithmeticFault>("fault");
    QTest::addColumn<QString>("name");

    QTest::newRow("overflow") << ArithmeticFault::Overflow << "Overflow";
    QTest::newRow("division by zero") << ArithmeticFault::DivisionByZero << "Division by zero";
    QTest::newRow("invalid operation") << ArithmeticFault::InvalidOperation << "Invalid operation";
}

void CostTablesTest::faultNames()
{
    QFETCH(ArithmeticFault, fault);
    QFETCH(QString, name);

    QCOMPARE(QString::fromLatin1(model::faultName(fault)), name);
    const ArithmeticError error(fault, 3);
    QCOMPARE(QString::fromLatin1(error.what()), name);
    QCOMPARE(error.fault(), fault);
    QCOMPARE(error.row(), 3);
}

void CostTablesTest::formulaArithmetic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<double>("value");

    QTest::newRow("products before sums") << "1+2*3" << true << 7.0;
    QTest::newRow("parentheses first") << "(1+2)*3" << true << 9.0;
    QTest::newRow("divisions left to right") << "8/4/2" << true << 1.0;
    QTest::newRow("subtractions left to right") << "10-4-3" << true << 3.0;
    QTest::newRow("signs") << "-2*-3" << true << 6.0;
    QTest::newRow("rounded at every step") << "0.1+0.2" << true << 0.30000000000000004;
    QTest::newRow("cells of this and another sheet") << "B2*Figures!$B$3/'Business Case'!B2" << true << 5.0;
    QTest::newRow("powers left to right, a sign first") << "-2^2+2^3^2" << true << 68.0;
    QTest::newRow("comparisons as 1 and 0") << "IF(AND(1<=2,B2<>1),MAX(3,1),4)+(1=2)" << true << 3.0;
    QTest::newRow("the empty text beside a number") << "IF(\"\"<>\"\",1,IF(B2=\"\",2,3))" << true << 3.0;
    QTest::newRow("text in arithmetic") << "\"\"+1" << false << 0.0;
    QTest::newRow("unknown cell") << "B2+C9" << false << 0.0;
    QTest::newRow("operator without operand") << "1+" << false << 0.0;
    QTest::newRow("unclosed parenthesis") << "(1+2" << false << 0.0;
    QTest::newRow("two numbers side by side") << "2 3" << false << 0.0;
}

void CostTablesTest::formulaArithmetic()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(double, value);

    const QHash<QString, double> cells{{"B2", 2}, {"Figures!$B$3", 5}, {"'Business Case'!B2", 2}};
    const std::optional<double> result = model::formulaValue(text, cellsOf(cells));
    QCOMPARE(result.has_value(), reads);
    if (reads)
        QCOMPARE(exact(*result), exact(value));
}

// Every row's formula, as a spreadsheet would compute it from the cells it
// names, gives the program's value to the last bit on random figures.
void CostTablesTest::formulaTextsGiveTheComputedRows_data()
{
    QTest::addColumn<model::Assumptions>("assumptions");

    QTest::newRow("designed reductions") << model::Assumptions::designed();
    QTest::newRow("reductions with tenths") << model::Assumptions{{72.5, 33.3, 0, 100, 12.7}, {}};
    model::Assumptions atMargin = model::Assumptions::designed();
    atMargin.lostProduction = {37.5, false, 12.5, 3, 31.25, 6.5};
    QTest::newRow("lost production at its margin, an idle crew and a stop of its own") << atMargin;
    atMargin.lostProduction = {std::nullopt, true, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    QTest::newRow("sold out, the stop as long as the repair") << atMargin;
}

void CostTablesTest::formulaTextsGiveTheComputedRows()
{
    QFETCH(model::Assumptions, assumptions);

    const model::FormulaCells names{
        [](model::Input input) { return QStringLiteral("Figures!$B$%1").arg(int(input) + 2); },
        [](int k) { return QStringLiteral("Figures!$B$%1").arg(k + 15); },
        [](model::Table table, int k) { return QStringLiteral("B%1").arg(int(table) * 8 + k + 1); },
        [](model::StopFigure figure) { return QStringLiteral("Figures!$B$%1").arg(int(figure) + 44); },
    };
    QRandomGenerator random(21);
    for (int sample = 0; sample < 200; ++sample) {
        InputValues v{};
        for (double &figure : v) // −10^7 to 10^9, with up to four decimals
            figure = random.bounded(-10'000'000, 1'000'000'000) / std::pow(10.0, random.bounded(0, 5));
        const model::Results results = model::computeResults(v, assumptions);
        QVERIFY(results.complete());
        QHash<QString, double> cells;
        for (int i = 0; i < model::kInputCount; ++i)
            cells.insert(names.input(model::Input(i)), v[std::size_t(i)]);
        for (int k = 1; k <= model::kReducedRowCount; ++k)
            cells.insert(names.reduction(k), assumptions.reductionPercent[std::size_t(k - 1)]);
        for (int f = 0; f < model::kStopFigureCount; ++f)
            cells.insert(names.stop(model::StopFigure(f)),
                         model::stopFigureValue(model::StopFigure(f), assumptions.lostProduction, v));
        // A row names only the rows before it, whose cells hold the program's values.
        for (int t = 0; t < model::kTableCount; ++t) {
            for (int k = 1; k <= model::kRowCount; ++k) {
                const QString text = model::costFormulaText(model::Table(t), k, names, assumptions.lostProduction);
                const std::optional<double> value = model::formulaValue(text, cellsOf(cells));
                QVERIFY2(value, qPrintable(text));
                QCOMPARE(exact(*value), exact(results.tables[std::size_t(t)].row(k)));
                cells.insert(names.cost(model::Table(t), k), *value);
            }
        }
    }
}

// The report's formula of each row, read back with a figure for each name it
// uses, gives the program's value to the last bit: no step left out, turned
// or moved, and every constant written so that the locale reads it back.
void CostTablesTest::formulaProseGivesTheComputedRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<model::Units>("units");
    QTest::addColumn<QString>("locale");

    QTest::newRow("row 1: lubrication labor") << 1 << model::Units::Imperial << "en_US";
    QTest::newRow("row 1 in Arabic digits") << 1 << model::Units::Imperial << "ar_EG";
    QTest::newRow("row 2: lubricant") << 2 << model::Units::Imperial << "en_US";
    QTest::newRow("row 2 in kilograms") << 2 << model::Units::Metric << "de_DE";
    QTest::newRow("row 3: replacement bearings") << 3 << model::Units::Imperial << "en_US";
    QTest::newRow("row 4: replacement labor") << 4 << model::Units::Imperial << "en_US";
    QTest::newRow("row 5: lost production") << 5 << model::Units::Imperial << "en_US";
}

void CostTablesTest::formulaProseGivesTheComputedRows()
{
    QFETCH(int, row);
    QFETCH(model::Units, units);
    QFETCH(QString, locale);

    const QString prose = model::costFormulaProse(row, units, QLocale(locale));
    if (QLocale(locale).zeroDigit() != u"0")
        QVERIFY2(!prose.contains(QRegularExpression(QStringLiteral("[0-9]"))), qPrintable(prose));

    // Each step: its operation and what it names, up to the next operation.
    static const QRegularExpression step(QStringLiteral(" ([\u00D7\u00F7]) (.+?)(?= [\u00D7\u00F7] |$)"));
    QRandomGenerator random{quint32(row)};
    for (int sample = 0; sample < 50; ++sample) {
        // Figures that share a name ("labor rate") share a value.
        QHash<QString, double> byName;
        InputValues v{};
        for (int i = 0; i < model::kInputCount; ++i) {
            const QString name = model::formulaNameText(model::Input(i), units);
            if (!byName.contains(name))
                byName.insert(name, random.bounded(1, 1'000'000'000) / 1e4);
            v[std::size_t(i)] = byName.value(name);
        }
        double value = 1;
        for (const QRegularExpressionMatch &match : step.globalMatch(QStringLiteral(" \u00D7 ") + prose)) {
            const QString term = match.captured(2);
            const std::optional<double> operand =
                byName.contains(term) ? byName.value(term) : model::readFigure(term, QLocale(locale));
            QVERIFY2(operand, qPrintable(prose));
            value = match.captured(1) == u"\u00D7" ? value * *operand : value / *operand;
        }
        QCOMPARE(exact(value), exact(model::currentCostRow(row, v)));
    }
}

// Lost production as finance values it, against the designed row worked by
// hand: 10 failures × 4 hours × 1,000 a lost hour = 40,000 a year.
void CostTablesTest::lostProductionAtMargin_data()
{
    QTest::addColumn<model::LostProductionRule>("rule");
    QTest::addColumn<double>("expected");

    const std::nullopt_t none = std::nullopt;
    QTest::newRow("nothing given: the designed row") << model::LostProductionRule{} << 40'000.0;
    QTest::newRow("margin 40 %, a quarter made up later: × 0.4 × 0.75")
        << model::LostProductionRule{40, false, 25, none, none, none} << 40'000 * 0.4 * 0.75;
    QTest::newRow("sold out: the whole value, whatever margin was typed")
        << model::LostProductionRule{40, true, none, none, none, none} << 40'000.0;
    QTest::newRow("all made up later, 3 people idle at 30: 10 × 4 × 90")
        << model::LostProductionRule{none, false, 100, 3, 30, none} << 3'600.0;
    QTest::newRow("a 6-hour stop at 50 %: 10 × 6 × 500")
        << model::LostProductionRule{50, false, none, none, none, 6} << 30'000.0;
}

void CostTablesTest::lostProductionAtMargin()
{
    QFETCH(model::LostProductionRule, rule);
    QFETCH(double, expected);

    model::Assumptions assumptions = model::Assumptions::designed();
    assumptions.lostProduction = rule;
    const model::Results results = model::computeResults(kDefaults, assumptions);
    QVERIFY(results.complete());
    QCOMPARE(results.table(model::Table::Current).row(5), expected);
    // The replacement labour stays over the repair hours: 10 × 4 × 30.
    QCOMPARE(results.table(model::Table::Current).row(4), 1'200.0);
    QCOMPARE(results.table(model::Table::Savings).row(5), expected * 0.8);
}

QTEST_APPLESS_MAIN(CostTablesTest)

#include "cost_tables_test.moc"
