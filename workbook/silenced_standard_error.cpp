// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/silenced_standard_error.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace workbook {

#ifdef _WIN32

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

#else

SilencedStandardError::SilencedStandardError()
{
    std::fflush(stderr);
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0)
        return;
    // Close-on-exec: a program started meanwhile inherits neither copy.
    m_saved = fcntl(2, F_DUPFD_CLOEXEC, 3);
    if (m_saved >= 0)
        dup2(nowhere, 2);
    close(nowhere);
}

SilencedStandardError::~SilencedStandardError()
{
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    dup2(m_saved, 2);
    close(m_saved);
}

#endif

} // namespace workbook
