// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Shared by the fuzz targets: the locales they try, how input bytes become a
// figure, the C-locale number reader the checks compare with, and how a
// broken invariant is reported.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace fuzz {

inline constexpr std::size_t kLocaleCount = 4;

// A period decimal with comma groups; a comma decimal with period groups; a
// comma decimal with narrow no-break space groups; a period decimal with
// typographic apostrophe groups.
inline const std::array<QLocale, kLocaleCount> &locales()
{
    static const std::array<QLocale, kLocaleCount> all{
        QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("fr_FR")),
        QLocale(QStringLiteral("de_CH"))};
    return all;
}

// The text in a form fit for a one-line message: printable ASCII as it is,
// everything else as \uXXXX, cut after 300 characters.
inline std::string printable(QStringView text)
{
    std::string out;
    qsizetype shown = 0;
    for (QChar c : text) {
        if (++shown > 300) {
            out += "...";
            break;
        }
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\') {
            out.push_back(char(u));
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", unsigned(u));
            out += escape;
        }
    }
    return '"' + out + '"';
}

inline std::string printable(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g (%a)", value, value);
    return buffer;
}

// Reports the broken invariant and aborts, so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *invariant, const std::string &detail)
{
    std::fprintf(stderr, "\n*** Invariant broken: %s\n    %s\n", invariant, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// The detail is only built when the check fails.
#define FUZZ_CHECK(condition, invariant, detail) \
    do {                                         \
        if (!(condition))                        \
            ::fuzz::fail(invariant, detail);     \
    } while (false)

// strtod in the "C" locale, whatever the process locale is; *end (when given)
// receives how many characters were read.
inline double readCDouble(const std::string &text, std::size_t *end = nullptr)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    char *stop = nullptr;
    const double value = strtod_l(text.c_str(), &stop, cLocale);
    if (end)
        *end = std::size_t(stop - text.c_str());
    return value;
}

inline long double readCLongDouble(const std::string &text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtold_l(text.c_str(), nullptr, cLocale);
}

// The figure the money targets format. An input that starts with '#' carries
// the double's eight bytes after it (missing bytes are 0), which reaches every
// bit pattern; any other input is a decimal text as strtod reads it ("1.005",
// "-2.675e3", "0x1p-1074", "inf"), which keeps near-ties within reach.
// Returns false when the text holds no number.
inline bool readFigure(const std::uint8_t *data, std::size_t size, double &value)
{
    if (size > 0 && data[0] == '#') {
        std::uint8_t bytes[sizeof(double)] = {};
        std::memcpy(bytes, data + 1, std::min(size - 1, sizeof bytes));
        std::memcpy(&value, bytes, sizeof value);
        return true;
    }
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::size_t end = 0;
    value = readCDouble(text, &end);
    return end > 0;
}

} // namespace fuzz
