// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/message_text.h"
#include "workbook/c_numeric_locale.h"

#include <cerrno>
#include <clocale>
#include <locale.h>
#include <string>

namespace workbook {

struct CNumericLocale::Saved {
    int previousMode = 0;
    std::string previousLocale;
};

// setlocale() changes only this thread's locale once the thread has its own.
CNumericLocale::CNumericLocale() : m_saved(std::make_unique<Saved>())
{
    m_saved->previousMode = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    m_saved->previousLocale = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "C"))
        m_failure = model::systemErrorText(errno);
}

CNumericLocale::~CNumericLocale()
{
    std::setlocale(LC_NUMERIC, m_saved->previousLocale.c_str());
    if (m_saved->previousMode > 0)
        _configthreadlocale(m_saved->previousMode);
}

} // namespace workbook
