// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

namespace workbook {

// While it lives, what anything in the process writes to standard error goes
// nowhere. The xlsx library prints its own "[ERROR]" lines there on a
// failure the program reports itself, in one sentence, naming the file.
class SilencedStandardError {
public:
    SilencedStandardError();
    ~SilencedStandardError();
    SilencedStandardError(const SilencedStandardError &) = delete;
    SilencedStandardError &operator=(const SilencedStandardError &) = delete;

private:
    int m_saved = -1; // standard error as it was, to be put back
};

} // namespace workbook
