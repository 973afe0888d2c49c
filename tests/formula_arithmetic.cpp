// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "formula_arithmetic.h"

#include <QLocale>

namespace model {
namespace {

// Recursive descent over the text; any unreadable part ends the reading.
class FormulaReader {
public:
    FormulaReader(QStringView text, const CellValue &cellValue) : m_text(text), m_cellValue(cellValue) {}

    std::optional<double> whole()
    {
        const std::optional<double> value = sum();
        skipBlanks();
        if (m_at != m_text.size())
            return std::nullopt;
        return value;
    }

private:
    std::optional<double> sum()
    {
        std::optional<double> value = product();
        while (value && (peek(u'+') || peek(u'-'))) {
            const QChar operation = m_text[m_at++];
            const std::optional<double> term = product();
            if (!term)
                return std::nullopt;
            value = operation == u'+' ? *value + *term : *value - *term;
        }
        return value;
    }

    std::optional<double> product()
    {
        std::optional<double> value = signedFactor();
        while (value && (peek(u'*') || peek(u'/'))) {
            const QChar operation = m_text[m_at++];
            const std::optional<double> factor = signedFactor();
            if (!factor)
                return std::nullopt;
            value = operation == u'*' ? *value * *factor : *value / *factor;
        }
        return value;
    }

    std::optional<double> signedFactor()
    {
        if (peek(u'-') || peek(u'+')) {
            const bool negative = m_text[m_at++] == u'-';
            const std::optional<double> value = signedFactor();
            if (!value)
                return std::nullopt;
            return negative ? -*value : *value;
        }
        if (peek(u'(')) {
            ++m_at;
            const std::optional<double> value = sum();
            if (!value || !peek(u')'))
                return std::nullopt;
            ++m_at;
            return value;
        }
        if (m_at < m_text.size() && (m_text[m_at].isDigit() || m_text[m_at] == u'.'))
            return number();
        return cell();
    }

    std::optional<double> number()
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
        return ok ? std::optional(value) : std::nullopt;
    }

    // A quoted sheet name may hold blanks and operators; the rest of a cell
    // name is letters, digits, $, ! and _.
    std::optional<double> cell()
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
        return m_cellValue(m_text.mid(start, m_at - start));
    }

    bool peek(QChar c)
    {
        skipBlanks();
        return m_at < m_text.size() && m_text[m_at] == c;
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

std::optional<double> formulaValue(QStringView text, const CellValue &cellValue)
{
    return FormulaReader(text, cellValue).whole();
}

} // namespace model
