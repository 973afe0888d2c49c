// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "formula_arithmetic.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace model {
namespace {

// What a part of a formula comes to; a text in arithmetic is an error, as
// in a spreadsheet, which IF may still leave aside.
struct Value {
    enum Kind { Number, Empty, Error } kind = Error;
    double number = 0;
};
Value number(double x) { return {Value::Number, x}; }

// Recursive descent over the text; an unreadable part ends the reading.
class FormulaReader {
public:
    FormulaReader(QStringView text, const CellValue &cellValue) : m_text(text), m_cellValue(cellValue) {}

    std::optional<Value> whole()
    {
        const std::optional<Value> value = comparison();
        skipBlanks();
        if (m_at != m_text.size())
            return std::nullopt;
        return value;
    }

private:
    using Reading = std::optional<Value>;

    Reading comparison()
    {
        Reading left = sum();
        for (const char *operation : {"<>", "<=", ">=", "=", "<", ">"}) {
            if (!left || !peek(QLatin1StringView(operation)))
                continue;
            m_at += qsizetype(qstrlen(operation));
            const Reading right = sum();
            if (!right)
                return std::nullopt;
            return compare(*left, QLatin1StringView(operation), *right);
        }
        return left;
    }

    static Value compare(const Value &a, QLatin1StringView operation, const Value &b)
    {
        if (a.kind == Value::Error || b.kind == Value::Error)
            return {};
        // A number is never the empty text; two texts here are both empty.
        if (a.kind != b.kind || a.kind == Value::Empty) {
            const bool same = a.kind == b.kind;
            return operation == u"=" ? number(same) : operation == u"<>" ? number(!same) : Value{};
        }
        const double x = a.number;
        const double y = b.number;
        const bool holds = operation == u"="    ? x == y
                           : operation == u"<>" ? x != y
                           : operation == u"<=" ? x <= y
                           : operation == u">=" ? x >= y
                           : operation == u"<"  ? x < y
                                                : x > y;
        return number(holds);
    }

    template <typename Next, typename Apply>
    Reading leftToRight(const char *operations, Next next, Apply apply)
    {
        Reading value = next();
        while (value) {
            skipBlanks();
            if (m_at >= m_text.size() || !QLatin1StringView(operations).contains(m_text[m_at]))
                break;
            const QChar operation = m_text[m_at++];
            const Reading operand = next();
            if (!operand)
                return std::nullopt;
            value = value->kind == Value::Number && operand->kind == Value::Number
                        ? number(apply(operation, value->number, operand->number))
                        : Value{};
        }
        return value;
    }

    Reading sum()
    {
        return leftToRight(
            "+-", [this] { return product(); },
            [](QChar op, double a, double b) { return op == u'+' ? a + b : a - b; });
    }

    Reading product()
    {
        return leftToRight(
            "*/", [this] { return power(); }, [](QChar op, double a, double b) { return op == u'*' ? a * b : a / b; });
    }

    Reading power()
    {
        return leftToRight(
            "^", [this] { return signedFactor(); }, [](QChar, double a, double b) { return std::pow(a, b); });
    }

    Reading signedFactor()
    {
        if (peek(u"-") || peek(u"+")) {
            const bool negative = m_text[m_at++] == u'-';
            const Reading value = signedFactor();
            if (!value)
                return std::nullopt;
            return value->kind == Value::Number ? number(negative ? -value->number : value->number) : Value{};
        }
        if (peek(u"(")) {
            ++m_at;
            const Reading value = comparison();
            if (!value || !peek(u")"))
                return std::nullopt;
            ++m_at;
            return value;
        }
        if (peek(u"\"\"")) {
            m_at += 2;
            return Value{Value::Empty};
        }
        if (m_at < m_text.size() && (m_text[m_at].isDigit() || m_text[m_at] == u'.'))
            return constant();
        return cellOrFunction();
    }

    Reading constant()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && (m_text[m_at].isDigit() || m_text[m_at] == u'.'))
            ++m_at;
        if (m_at < m_text.size() && (m_text[m_at] == u'E' || m_text[m_at] == u'e')) {
            ++m_at;
            if (m_at < m_text.size() && (m_text[m_at] == u'+' || m_text[m_at] == u'-'))
                ++m_at;
            while (m_at < m_text.size() && m_text[m_at].isDigit())
                ++m_at;
        }
        bool ok = false;
        const double value = QLocale::c().toDouble(m_text.mid(start, m_at - start), &ok);
        return ok ? Reading(number(value)) : std::nullopt;
    }

    // A quoted sheet name may hold blanks and operators; the rest of a cell
    // name is letters, digits, $, ! and _. A name before "(" is a function.
    Reading cellOrFunction()
    {
        const qsizetype start = m_at;
        if (m_at < m_text.size() && m_text[m_at] == u'\'') {
            const qsizetype close = m_text.indexOf(u'\'', m_at + 1);
            if (close < 0)
                return std::nullopt;
            m_at = close + 1;
        }
        while (m_at < m_text.size()
               && (m_text[m_at].isLetterOrNumber() || m_text[m_at] == u'$' || m_text[m_at] == u'!'
                   || m_text[m_at] == u'_'))
            ++m_at;
        if (m_at == start)
            return std::nullopt;
        const QStringView name = m_text.mid(start, m_at - start);
        if (m_at < m_text.size() && m_text[m_at] == u'(')
            return function(name);
        const std::optional<SheetValue> value = m_cellValue(name);
        if (!value)
            return std::nullopt;
        return *value ? number(**value) : Value{Value::Empty};
    }

    Reading function(QStringView name)
    {
        ++m_at;
        std::vector<Value> arguments;
        do {
            const Reading argument = comparison();
            if (!argument)
                return std::nullopt;
            arguments.push_back(*argument);
        } while (peek(u",") && ++m_at);
        if (!peek(u")"))
            return std::nullopt;
        ++m_at;
        const auto numbers = [&] {
            return std::all_of(arguments.begin(), arguments.end(),
                               [](const Value &value) { return value.kind == Value::Number; });
        };
        if (name == u"IF" && arguments.size() == 3)
            return arguments[0].kind != Value::Number ? Value{} : arguments[arguments[0].number != 0 ? 1 : 2];
        if (name == u"AND" && arguments.size() == 2)
            return numbers() ? number(arguments[0].number != 0 && arguments[1].number != 0) : Value{};
        if (name == u"MAX" && arguments.size() == 2)
            return numbers() ? number(std::max(arguments[0].number, arguments[1].number)) : Value{};
        // The sign of the divisor, as spreadsheets take it.
        if (name == u"MOD" && arguments.size() == 2 && numbers() && arguments[1].number != 0) {
            const double a = arguments[0].number;
            const double b = arguments[1].number;
            return number(a - b * std::floor(a / b));
        }
        return std::nullopt;
    }

    template <typename Text>
    bool peek(Text what)
    {
        skipBlanks();
        return m_text.mid(m_at).startsWith(what);
    }

    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text[m_at] == u' ')
            ++m_at;
    }

    QStringView m_text;
    const CellValue &m_cellValue;
    qsizetype m_at = 0;
};

} // namespace

std::optional<SheetValue> formulaResult(QStringView text, const CellValue &cellValue)
{
    const std::optional<Value> value = FormulaReader(text, cellValue).whole();
    if (!value || value->kind == Value::Error)
        return std::nullopt;
    return value->kind == Value::Number ? SheetValue(value->number) : SheetValue();
}

std::optional<double> formulaValue(QStringView text, const CellValue &cellValue)
{
    const std::optional<SheetValue> result = formulaResult(text, cellValue);
    return result ? *result : std::nullopt;
}

} // namespace model
