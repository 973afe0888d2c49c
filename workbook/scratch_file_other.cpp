// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/scratch_file_system.h"

// Elsewhere a scratch file lies in a temporary folder of its own. On Windows
// the xlsx library, linked statically, keeps its own lxw_tmpfile(): it opens
// its scratch files with _O_TEMPORARY, so that the system deletes each when
// it is closed, and when a kill ends the program too.
namespace workbook::system {

int openMemoryFile(QByteArray &) { return -1; }

void closeMemoryFile(int) {}

} // namespace workbook::system
