// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace main_window {

// The Menu's "Language" submenu: "System default", then each language in
// its own name, the stored choice checked. Choosing one stores it
// (code, or empty for the desktop's) through `choose`.
QMenu *makeLanguageMenu(QWidget *parent, const QString &stored, std::function<void(const QString &)> choose);

// Stores the choice in the program's settings and says that it takes
// effect when the program is started again: every window sets its captions
// and sizes once, as it is built.
void chooseLanguage(QWidget *parent, const QString &code);

} // namespace main_window
