// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/files/zip_member_device.h"

#include <algorithm>
#include <climits>
#include <string>

namespace model {

ZipArchive::~ZipArchive()
{
    if (m_archive)
        unzClose(m_archive);
}

ZipMemberDevice::ZipMemberDevice(const ZipArchive &archive, const QByteArray &name, qint64 limit)
    : m_archive(archive.handle()), m_limit(limit)
{
    // Member names are compared case-sensitively (2), as the format has them.
    if (!m_archive || unzLocateFile(m_archive, name.constData(), 1) != UNZ_OK)
        return;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(m_archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        m_state = State::Damaged;
        return;
    }
    // A part inflates to a few times its compressed size, a bomb to
    // thousands: beyond a floor, no more than a ratio is let through.
    constexpr qint64 kFloor = 16 * 1024 * 1024;
    constexpr qint64 kRatio = 100;
    m_limit = std::min(m_limit, std::max(kFloor, qint64(std::min<quint64>(info.compressed_size, INT_MAX)) * kRatio));
    if (info.uncompressed_size > quint64(m_limit)) {
        m_state = State::TooLarge;
        return;
    }
    m_claimed = qint64(info.uncompressed_size);
    if (unzOpenCurrentFile(m_archive) != UNZ_OK) {
        m_state = State::Damaged;
        return;
    }
    m_state = State::Reading;
    open(QIODevice::ReadOnly);
}

ZipMemberDevice::~ZipMemberDevice()
{
    if (m_state == State::Reading)
        unzCloseCurrentFile(m_archive);
}

void ZipMemberDevice::finish(State state)
{
    if (m_state == State::Reading) {
        // Closing a member read to its end compares its checksum.
        const bool closed = unzCloseCurrentFile(m_archive) == UNZ_OK;
        m_state = state == State::Whole && !(closed && m_inflated == m_claimed) ? State::Damaged : state;
    }
}

bool ZipMemberDevice::atEnd() const { return m_state != State::Reading && QIODevice::bytesAvailable() == 0; }

qint64 ZipMemberDevice::bytesAvailable() const
{
    return QIODevice::bytesAvailable() + (m_state == State::Reading ? 1 : 0);
}

qint64 ZipMemberDevice::readData(char *data, qint64 maxSize)
{
    if (m_state != State::Reading)
        return m_state == State::Whole ? 0 : -1;
    if (maxSize <= 0)
        return 0;
    const int read = unzReadCurrentFile(m_archive, data, unsigned(std::min<qint64>(maxSize, INT_MAX)));
    if (read < 0) {
        finish(State::Damaged);
        return -1;
    }
    m_inflated += read;
    // More than the archive's directory claims is a damaged member, or one
    // that hides its size; the claim was held against the limit already.
    if (m_inflated > m_claimed) {
        finish(State::Damaged);
        return -1;
    }
    if (m_longestRun > 0) {
        for (int i = 0; i < read; ++i)
            m_run = data[i] == '<' || data[i] == '>' ? 0 : m_run + 1;
        if (m_run > m_longestRun) {
            finish(State::Damaged);
            return -1;
        }
    }
    if (read == 0) {
        finish(State::Whole);
        return m_state == State::Whole ? 0 : -1;
    }
    return read;
}

QByteArray ZipMemberDevice::readWhole(const ZipArchive &archive, const QByteArray &name, qint64 limit, State &state)
{
    ZipMemberDevice member(archive, name, limit);
    QByteArray bytes;
    char chunk[65536];
    while (member.state() == State::Reading) {
        const qint64 read = member.read(chunk, sizeof chunk);
        if (read > 0)
            bytes.append(chunk, read);
        else if (read == 0 && member.state() == State::Reading)
            break;
    }
    state = member.state();
    return state == State::Whole ? bytes : QByteArray();
}

} // namespace model
