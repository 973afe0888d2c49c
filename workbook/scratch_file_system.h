// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>

// What a scratch file needs of the system, one file per system.
namespace workbook::system {

// A file in memory, its name (to open it by) set in name; -1 where the
// system has none, or none that can be named.
int openMemoryFile(QByteArray &name);
void closeMemoryFile(int file);

} // namespace workbook::system
