// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/scratch_file.h"

#include "model/message_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

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
