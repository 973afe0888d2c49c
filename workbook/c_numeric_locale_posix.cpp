// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/message_text.h"
#include "workbook/c_numeric_locale.h"

#include <cerrno>
#include <locale.h>

namespace workbook {

struct CNumericLocale::Saved {
    locale_t numbers = locale_t(0);
    locale_t previous = locale_t(0);
};

// The thread's locale as it is, numbers excepted: the copy keeps its other
// categories, and uselocale() puts it in place for this thread only.
CNumericLocale::CNumericLocale() : m_saved(std::make_unique<Saved>())
{
    const locale_t copy = duplocale(uselocale(locale_t(0)));
    if (copy != locale_t(0)) {
        m_saved->numbers = newlocale(LC_NUMERIC_MASK, "C", copy);
        if (m_saved->numbers == locale_t(0))
            freelocale(copy);
    }
    if (m_saved->numbers == locale_t(0)) {
        m_failure = model::systemErrorText(errno);
        return;
    }
    m_saved->previous = uselocale(m_saved->numbers);
}

CNumericLocale::~CNumericLocale()
{
    if (m_saved->numbers == locale_t(0))
        return;
    uselocale(m_saved->previous);
    freelocale(m_saved->numbers);
}

} // namespace workbook
