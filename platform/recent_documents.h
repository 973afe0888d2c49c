// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QString>

namespace platform {

// Tells the desktop that the file was opened or saved, so that its own list
// of recent documents has it: the taskbar's jump list on Windows
// (SHAddToRecentDocs), the freedesktop recently-used list elsewhere
// ($XDG_DATA_HOME/recently-used.xbel). A list that cannot be written is left
// as it was: the program's own list does not depend on it.
void addRecentDocument(const QString &path);

} // namespace platform
