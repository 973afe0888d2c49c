// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/formula_term.h"

#include <QLocale>

namespace model {

FormulaTerm::FormulaTerm(double constant)
    : m_text(QLocale::c().toString(constant, 'g', QLocale::FloatingPointShortest)),
      m_binding(constant < 0 ? Sign : Atom)
{
}

FormulaTerm FormulaTerm::cell(const QString &name) { return {name, Atom}; }

FormulaTerm FormulaTerm::call(const char *name, std::initializer_list<FormulaTerm> arguments)
{
    QString text = QLatin1StringView(name) + u'(';
    for (const FormulaTerm &argument : arguments)
        text += (&argument == arguments.begin() ? QString() : QStringLiteral(",")) + argument.m_text;
    return {text + u')', Atom};
}

FormulaTerm FormulaTerm::emptyText() { return {QStringLiteral("\"\""), Atom}; }

FormulaTerm operator-(const FormulaTerm &a)
{
    return {u'-' + (a.m_binding < FormulaTerm::Sign ? u'(' + a.m_text + u')' : a.m_text), FormulaTerm::Sign};
}

// The left operand keeps its own parentheses only when it binds more loosely;
// the right one also when it binds alike, as a − (b + c) or a ÷ (b × c) must.
// A sign is enclosed everywhere but first: spreadsheets read −a^2 as (−a)^2.
FormulaTerm FormulaTerm::binary(const FormulaTerm &a, const char *operation, const FormulaTerm &b, Binding binding)
{
    const auto enclosed = [](const FormulaTerm &term) { return u'(' + term.m_text + u')'; };
    const bool leftEnclosed = a.m_binding < binding || (a.m_binding == Sign && binding == Power);
    const bool rightEnclosed = b.m_binding <= binding || b.m_binding == Sign;
    return {(leftEnclosed ? enclosed(a) : a.m_text) + QLatin1StringView(operation)
                + (rightEnclosed ? enclosed(b) : b.m_text),
            binding};
}

} // namespace model
