// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/console_output.h"

#include <io.h>
#include <windows.h>

namespace platform {
namespace {

// Whether the standard stream was given somewhere to go: a file, a pipe or
// a console.
bool given(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void useStartingConsole()
{
    const bool output = given(STD_OUTPUT_HANDLE);
    const bool error = given(STD_ERROR_HANDLE);
    if ((output && error) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!output && std::freopen("CONOUT$", "w", stdout))
        SetStdHandle(STD_OUTPUT_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout))));
    if (!error && std::freopen("CONOUT$", "w", stderr))
        SetStdHandle(STD_ERROR_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stderr))));
}

void writeText(std::FILE *stream, const QString &text)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written, nullptr);
        return;
    }
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace platform
