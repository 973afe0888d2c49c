// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

class QWidget;

namespace platform {

// The file dialogs Qt offers, which afterwards leave the state Qt keeps for
// every Qt program's file dialogs (HKCU\Software\QtProject on Windows,
// QtProject.conf elsewhere) as they found it: the program names the folder
// each dialog opens in, so it needs none of that state, and an uninstalled
// program leaves nothing of it behind. Empty when the user cancels.
QString askOpenFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter);
QString askSaveFileName(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter);

} // namespace platform
