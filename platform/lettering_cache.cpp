// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/lettering_cache.h"

#include "platform/artwork_lettering.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include <cstring>

namespace platform {
namespace {

// Raised whenever the way texts are placed or drawn changes, so that no
// picture lettered the old way is shown again.
constexpr int kLetteringRevision = 1;
// Pictures kept at most: every picture at a few zooms in two languages.
constexpr int kMostKept = 48;

QString cacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/lettering");
}

// A kept picture is its pixels as they are in memory after a short header:
// reading it is a copy, where decoding a PNG of them took longer than
// lettering it afresh.
struct Header {
    char magic[4];
    quint32 width;
    quint32 height;
};
constexpr char kMagic[4] = {'V', 'L', 'P', '1'};
constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
constexpr quint32 kLargest = 8192;

QString keptFile(const QByteArray &key)
{
    return QStringLiteral("%1/%2.pixels").arg(cacheFolder(), QString::fromLatin1(key));
}

void removeOldest(QDir &folder)
{
    const QFileInfoList kept = folder.entryInfoList({QStringLiteral("*.pixels")}, QDir::Files, QDir::Time);
    for (qsizetype i = kMostKept; i < kept.size(); ++i)
        QFile::remove(kept[i].filePath());
}

void write(const QByteArray &key, const QImage &picture)
{
    QDir folder(cacheFolder());
    if (folder.path().isEmpty() || !folder.mkpath(QStringLiteral(".")))
        return;
    const QImage pixels = picture.convertToFormat(kFormat);
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.width = quint32(pixels.width());
    header.height = quint32(pixels.height());
    QSaveFile file(keptFile(key));
    if (file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char *>(&header), sizeof header) == sizeof header
        && file.write(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes()) == pixels.sizeInBytes())
        file.commit();
    else
        file.cancelWriting();
    removeOldest(folder);
}

} // namespace

QByteArray letteringKey(const LetteredPicture &picture, const QStringList &unletteredFiles, qreal devicePixelRatio)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(kLetteringRevision));
    hash.addData(QByteArray::number(devicePixelRatio, 'g', 12));
    for (const ArtworkText &text : picture.texts) {
        hash.addData(QByteArrayView("\0", 1));
        hash.addData(writtenText(text).toUtf8());
    }
    for (const QString &name : unletteredFiles) {
        QFile file(name);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(QByteArrayView("\0", 1));
            hash.addData(file.readAll());
        }
    }
    return hash.result().toHex();
}

QImage keptLettering(const QByteArray &key, qreal devicePixelRatio)
{
    if (cacheFolder().isEmpty())
        return QImage();
    QFile file(keptFile(key));
    Header header{};
    if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char *>(&header), sizeof header) != sizeof header
        || std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || header.width == 0 || header.width > kLargest
        || header.height == 0 || header.height > kLargest)
        return QImage();
    QImage picture(int(header.width), int(header.height), kFormat);
    if (picture.isNull() || file.size() != qint64(sizeof header) + picture.sizeInBytes()
        || file.read(reinterpret_cast<char *>(picture.bits()), picture.sizeInBytes()) != picture.sizeInBytes())
        return QImage();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

void keepLettering(const QByteArray &key, const QImage &picture)
{
    QTimer::singleShot(0, QCoreApplication::instance(), [key, picture] { write(key, picture); });
}

} // namespace platform
