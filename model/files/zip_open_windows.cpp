// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/zip_member_device.h"

#include <QFile>

#include <iowin32.h>
#include <string>

namespace model {

// The Windows file functions, given the name in UTF-16: the C library's
// would read it in the ANSI code page, which lacks most letters.
unzFile openZip(const QByteArray &path)
{
    zlib_filefunc64_def functions{};
    fill_win32_filefunc64W(&functions);
    const std::wstring name = QFile::decodeName(path).toStdWString();
    return unzOpen2_64(name.c_str(), &functions);
}

} // namespace model
