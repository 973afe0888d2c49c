// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/c_double.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace model {

double parseCDouble(const std::string &ascii)
{
    static const _locale_t cLocale = _create_locale(LC_ALL, "C");
    return _strtod_l(ascii.c_str(), nullptr, cLocale);
}

} // namespace model
