// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

namespace main_window {

// The welcome text of the first tab: a heading and three paragraphs, each
// indented by five blanks, separated by two carriage returns.
QString welcomeText();

} // namespace main_window
