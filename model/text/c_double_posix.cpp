// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/c_double.h"

#include <cstdlib>
#include <locale.h>

namespace model {

double parseCDouble(const std::string &ascii)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

} // namespace model
