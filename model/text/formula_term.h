// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace model {

// A spreadsheet formula built with the operators of the arithmetic it
// stands for: FormulaTerm::cell("B2") + 1 is "B2+1". An operand is put in
// parentheses wherever the spreadsheet would otherwise group or order the
// steps differently, so that it computes each step in the order the C++
// expression does and rounds alike. Arithmetic written once as a template
// over the number type gives the program's value with double and the
// workbook's formula with FormulaTerm; power(), when(), both() and larger()
// are the functions both types have.
class FormulaTerm {
public:
    FormulaTerm(double constant); // NOLINT: implicit, so that 1 + term reads as arithmetic
    static FormulaTerm cell(const QString &name);
    // A function of the spreadsheet's, "IF(a,b,c)".
    static FormulaTerm call(const char *name, std::initializer_list<FormulaTerm> arguments);
    static FormulaTerm emptyText(); // ""
    // A term of the same arithmetic in words, for a note: its operations
    // written " × ", " ÷ ", " + ", " − " and its constants as locale writes
    // them ("points × minutes ÷ 60").
    static FormulaTerm named(const QString &name, const QLocale &locale);

    const QString &text() const { return m_text; }

    friend FormulaTerm operator+(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "+", b, Sum); }
    friend FormulaTerm operator-(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "-", b, Sum); }
    friend FormulaTerm operator*(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "*", b, Product); }
    friend FormulaTerm operator/(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "/", b, Product); }
    friend FormulaTerm operator-(const FormulaTerm &a);
    // Comparisons are formulas too: TRUE or FALSE in the sheet.
    friend FormulaTerm operator==(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "=", b, Compare); }
    friend FormulaTerm operator!=(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "<>", b, Compare); }
    friend FormulaTerm operator<(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "<", b, Compare); }
    friend FormulaTerm operator>(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, ">", b, Compare); }
    friend FormulaTerm operator<=(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, "<=", b, Compare); }
    friend FormulaTerm operator>=(const FormulaTerm &a, const FormulaTerm &b) { return binary(a, ">=", b, Compare); }
    friend FormulaTerm power(const FormulaTerm &base, const FormulaTerm &exponent)
    {
        return binary(base, "^", exponent, Power);
    }

private:
    // How tightly a term binds, loosest first.
    enum Binding { Compare, Sum, Product, Power, Sign, Atom };
    FormulaTerm(QString text, Binding binding) : m_text(std::move(text)), m_binding(binding) {}
    static FormulaTerm binary(const FormulaTerm &a, const char *operation, const FormulaTerm &b, Binding binding);
    // The text in words, once the other operand has told the locale.
    QString wordsIn(const QLocale &locale) const;

    QString m_text;
    Binding m_binding = Atom;
    std::optional<double> m_constant; // a constant, written once the term's notation is known
    std::optional<QLocale> m_words;   // the locale of a term in words
};

// Named here too, so that model::power() finds it.
FormulaTerm power(const FormulaTerm &base, const FormulaTerm &exponent);

inline FormulaTerm when(const FormulaTerm &condition, const FormulaTerm &then, const FormulaTerm &otherwise)
{
    return FormulaTerm::call("IF", {condition, then, otherwise});
}
inline FormulaTerm both(const FormulaTerm &a, const FormulaTerm &b) { return FormulaTerm::call("AND", {a, b}); }
inline FormulaTerm larger(const FormulaTerm &a, const FormulaTerm &b) { return FormulaTerm::call("MAX", {a, b}); }
inline FormulaTerm modulo(const FormulaTerm &a, const FormulaTerm &b) { return FormulaTerm::call("MOD", {a, b}); }

// The same functions of plain numbers.
inline double power(double base, double exponent) { return std::pow(base, exponent); }
inline double when(bool condition, double then, double otherwise) { return condition ? then : otherwise; }
inline bool both(bool a, bool b) { return a && b; }
inline double larger(double a, double b) { return std::max(a, b); }
inline double modulo(double a, double b) { return std::fmod(a, b); }

} // namespace model
