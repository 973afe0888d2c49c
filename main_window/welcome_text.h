// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

namespace main_window {

// The welcome text of the first tab: a heading and three paragraphs, each
// indented by five blanks, separated by two carriage returns.
QString welcomeText();

// The maker, as the customer report names it.
inline constexpr const char *kMakerName = "HALDMARK\u00AE, Inc.";

// The maker's copyright line under the logo.
inline constexpr const char *kCopyrightLine = "\u00A9 2026 HALDMARK\u00AE, Inc.";

// The maker's product information page, opened by "More Information".
inline constexpr const char *kProductPage = "http://www.haldmark.com/info.html";

} // namespace main_window
