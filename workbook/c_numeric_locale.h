// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

#include <optional>

#ifdef _WIN32
#include <string>
#else
#include <locale.h>
#endif

namespace workbook {

// While it lives, the calling thread writes and reads numbers with the C
// library as the C locale does ("1.5"), whatever the regional settings the
// application set from the environment ("1,5" in Germany). The xlsx library
// writes every number of the file with printf(), and a spreadsheet reads only
// the C form. Other threads keep their regional settings.
class CNumericLocale {
public:
    CNumericLocale();
    ~CNumericLocale();
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

    // Why the C numbers could not be set, as a sentence; nothing when they are.
    const std::optional<QString> &failure() const { return m_failure; }

private:
    std::optional<QString> m_failure;
#ifdef _WIN32
    int m_previousMode = 0;
    std::string m_previousLocale;
#else
    locale_t m_numbers = locale_t(0);
    locale_t m_previous = locale_t(0);
#endif
};

} // namespace workbook
