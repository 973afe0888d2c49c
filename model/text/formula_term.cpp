// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/formula_term.h"

#include <QLocale>

namespace model {

FormulaTerm::FormulaTerm(double constant)
    : m_text(QLocale::c().toString(constant, 'f', QLocale::FloatingPointShortest)),
      m_binding(constant < 0 ? Sign : Atom), m_constant(constant)
{
}

FormulaTerm FormulaTerm::named(const QString &name, const QLocale &locale)
{
    FormulaTerm term(name, Atom);
    term.m_words = locale;
    return term;
}

QString FormulaTerm::wordsIn(const QLocale &locale) const
{
    return m_constant ? locale.toString(*m_constant, 'f', QLocale::FloatingPointShortest) : m_text;
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
    const bool leftEnclosed = a.m_binding < binding || (a.m_binding == Sign && binding == Power);
    const bool rightEnclosed = b.m_binding <= binding || b.m_binding == Sign;
    const std::optional<QLocale> &words = a.m_words ? a.m_words : b.m_words;
    const auto textOf = [&](const FormulaTerm &term, bool enclosed) {
        const QString text = words ? term.wordsIn(*words) : term.m_text;
        return enclosed ? u'(' + text + u')' : text;
    };
    QString between = QLatin1StringView(operation);
    if (words) {
        const char16_t symbol = between == u"*"   ? u'\u00D7'
                                : between == u"/" ? u'\u00F7'
                                : between == u"-" ? u'\u2212'
                                                  : between.at(0).unicode();
        between = QStringLiteral(" %1 ").arg(QChar(symbol));
    }
    FormulaTerm result(textOf(a, leftEnclosed) + between + textOf(b, rightEnclosed), binding);
    result.m_words = words;
    return result;
}

} // namespace model
