// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/c_numeric_locale.h"

#include "model/message_text.h"

#include <cerrno>
#include <clocale>
#include <locale.h>

namespace workbook {

#ifdef _WIN32

// setlocale() changes only this thread's locale once the thread has its own.
CNumericLocale::CNumericLocale() : m_previousMode(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE))
{
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    m_previousLocale = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "C"))
        m_failure = model::systemErrorText(errno);
}

CNumericLocale::~CNumericLocale()
{
    std::setlocale(LC_NUMERIC, m_previousLocale.c_str());
    if (m_previousMode > 0)
        _configthreadlocale(m_previousMode);
}

#else

// The thread's locale as it is, numbers excepted: the copy keeps its other
// categories, and uselocale() puts it in place for this thread only.
CNumericLocale::CNumericLocale()
{
    const locale_t copy = duplocale(uselocale(locale_t(0)));
    if (copy != locale_t(0)) {
        m_numbers = newlocale(LC_NUMERIC_MASK, "C", copy);
        if (m_numbers == locale_t(0))
            freelocale(copy);
    }
    if (m_numbers == locale_t(0)) {
        m_failure = model::systemErrorText(errno);
        return;
    }
    m_previous = uselocale(m_numbers);
}

CNumericLocale::~CNumericLocale()
{
    if (m_numbers == locale_t(0))
        return;
    uselocale(m_previous);
    freelocale(m_numbers);
}

#endif

} // namespace workbook
