// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/recent_documents.h"

#include <QDir>

#include <shlobj.h>

namespace platform {

void addRecentDocument(const QString &path)
{
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    SHAddToRecentDocs(SHARD_PATHW, native.c_str());
}

} // namespace platform
