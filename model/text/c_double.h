// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <string>

namespace model {

// strtod in the "C" locale: QApplication sets the process locale from the
// environment, and the number forms given here always use a period. Each
// system's C library names its own call for it, so each has a file of its own.
double parseCDouble(const std::string &ascii);

} // namespace model
