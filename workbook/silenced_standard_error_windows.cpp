// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/silenced_standard_error.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace workbook {

SilencedStandardError::SilencedStandardError()
{
    std::fflush(stderr);
    const int nowhere = _open("NUL", _O_WRONLY);
    if (nowhere < 0)
        return;
    m_saved = _dup(2);
    if (m_saved >= 0)
        _dup2(nowhere, 2);
    _close(nowhere);
}

SilencedStandardError::~SilencedStandardError()
{
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    _dup2(m_saved, 2);
    _close(m_saved);
}

} // namespace workbook
