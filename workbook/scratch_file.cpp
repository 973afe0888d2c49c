// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/scratch_file.h"

#include "model/text/message_text.h"
#include "workbook/scratch_file_system.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace workbook {

ScratchFile::ScratchFile()
{
    m_memoryFile = system::openMemoryFile(m_name);
    if (m_memoryFile >= 0)
        return;
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
    if (m_memoryFile >= 0)
        system::closeMemoryFile(m_memoryFile);
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
