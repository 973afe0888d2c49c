// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/scratch_file.h"

#include "model/message_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter/utility.h>

#ifdef Q_OS_LINUX
#include <cstdio>
#include <sys/mman.h>
#include <unistd.h>
#endif

#ifdef Q_OS_LINUX
// The xlsx library writes every part of a workbook to a scratch file of its
// own, from lxw_tmpfile(), before it zips them; its files lie in the
// temporary folder from their creation until it unlinks them, which a kill
// in between leaves behind. The library calls lxw_tmpfile() through its
// symbol table, so this definition takes the place of its own: the parts
// live in memory, as the zip does, and a kill at any moment leaves nothing.
// A part cut short by a file size limit is still cut, and the reading back
// of the zip still refuses it.
FILE *lxw_tmpfile(char *)
{
    const int part = memfd_create("velmor-workbook-part", MFD_CLOEXEC);
    if (part < 0)
        return nullptr;
    FILE *file = fdopen(part, "w+b");
    if (!file)
        close(part);
    return file;
}
#endif
// On Windows the library, linked statically, keeps its own lxw_tmpfile():
// it opens its scratch files with _O_TEMPORARY, so that the system deletes
// each when it is closed, and when a kill ends the program too.

namespace workbook {

ScratchFile::ScratchFile()
{
#ifdef Q_OS_LINUX
    m_memoryFile = memfd_create("velmor-workbook", MFD_CLOEXEC);
    if (m_memoryFile >= 0) {
        m_name = "/proc/self/fd/" + QByteArray::number(m_memoryFile);
        // Without /proc mounted the name leads nowhere: a folder it is, then.
        if (access(m_name.constData(), R_OK | W_OK) == 0)
            return;
        close(m_memoryFile);
        m_memoryFile = -1;
    }
#endif
    m_folder = std::make_unique<QTemporaryDir>();
    if (!m_folder->isValid()) {
        m_failure = QCoreApplication::translate("WorkbookText", "No temporary folder could be made for it: %1")
                        .arg(model::asSentence(m_folder->errorString()));
        return;
    }
    m_name = QFile::encodeName(m_folder->filePath(QStringLiteral("workbook.xlsx")));
}

ScratchFile::~ScratchFile()
{
#ifdef Q_OS_LINUX
    if (m_memoryFile >= 0)
        close(m_memoryFile);
#endif
}

std::optional<QByteArray> ScratchFile::contents() const
{
    QFile file(QFile::decodeName(m_name));
    if (m_failure || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return std::nullopt;
    return bytes;
}

} // namespace workbook
