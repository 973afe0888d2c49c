// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

#include <memory>
#include <optional>

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
    // What is put back at the end, in the system's own terms: each system
    // has a file of its own (c_numeric_locale_posix.cpp, _windows.cpp).
    struct Saved;
    std::unique_ptr<Saved> m_saved;
    std::optional<QString> m_failure;
};

} // namespace workbook
