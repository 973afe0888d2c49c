// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/silenced_standard_error.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace workbook {

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

} // namespace workbook
