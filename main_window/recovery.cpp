// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/recovery.h"

#include "document/facility_document.h"
#include "main_window/main_layout.h"
#include "model/facility/facility_file.h"
#include "model/files/safe_write.h"
#include "model/text/message_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace {

constexpr int kQuietMs = 5'000;
constexpr int kEveryMs = 60'000;

// A run's files: the figures, which file they were typed for and when, and
// the lock its run holds.
QString figuresOf(const QString &base) { return base + QStringLiteral(".velmor"); }
QString originOf(const QString &base) { return base + QStringLiteral(".origin"); }
QString lockOf(const QString &base) { return base + QStringLiteral(".lock"); }

void removeFiles(const QString &base)
{
    QFile::remove(figuresOf(base));
    QFile::remove(originOf(base));
}

} // namespace

Recovery::Recovery(document::FacilityDocument &document, QObject *parent) : QObject(parent), m_document(document)
{
    const QString dir = folder();
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return;
    m_base = QDir(dir).filePath(QStringLiteral("recovery-%1-%2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(QDateTime::currentMSecsSinceEpoch()));
    m_lock = std::make_unique<QLockFile>(lockOf(m_base));
    m_lock->setStaleLockTime(0); // stale only when its run has ended
    if (!m_lock->tryLock(0)) {
        m_base.clear();
        return;
    }
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    m_every.setInterval(kEveryMs);
    connect(&m_quiet, &QTimer::timeout, this, &Recovery::write);
    connect(&m_every, &QTimer::timeout, this, [this] {
        if (m_pending)
            write();
    });
    m_every.start();
    connect(&m_document, &document::FacilityDocument::changed, this, &Recovery::changed);
    connect(&m_document, &document::FacilityDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified) { // saved: nothing is left to recover
            m_pending = false;
            m_quiet.stop();
            removeFiles(m_base);
        }
    });
}

Recovery::~Recovery()
{
    if (m_base.isEmpty())
        return;
    // Figures without a file close at once, as ever, unasked: they are kept
    // for the next start. A file's were saved or discarded when asked.
    if (m_document.filePath().isEmpty() && m_document.isModified())
        write();
    else
        removeFiles(m_base);
    m_lock->unlock();
}

QString Recovery::folder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("recovery"));
}

void Recovery::changed()
{
    if (m_base.isEmpty() || !m_document.isModified())
        return;
    m_pending = true;
    m_quiet.start();
}

void Recovery::write()
{
    if (m_base.isEmpty() || !m_document.isModified())
        return;
    m_pending = false;
    // The figures as a facility file; a failure leaves the last one kept.
    if (!model::saveFacilityFile(figuresOf(m_base), m_document.figures()))
        return;
    const QJsonObject origin{{QStringLiteral("file"), m_document.filePath()},
                             {QStringLiteral("changed"), QDateTime::currentDateTime().toString(Qt::ISODate)}};
    const QByteArray bytes = QJsonDocument(origin).toJson();
    model::writeFileSafely(originOf(m_base), model::kFacilityFileKind, [&bytes](QIODevice &device) {
        device.write(bytes);
        return std::optional<QString>();
    });
}

bool Recovery::offer(QWidget *parent)
{
    const QDir dir(folder());
    // A run killed with nothing to recover leaves its lock alone behind.
    for (const QFileInfo &lockFile : dir.entryInfoList({QStringLiteral("recovery-*.lock")}, QDir::Files)) {
        const QString base = lockFile.absoluteFilePath().chopped(int(qstrlen(".lock")));
        QLockFile lock(lockFile.absoluteFilePath());
        lock.setStaleLockTime(0);
        if (base != m_base && !QFileInfo::exists(figuresOf(base)) && lock.tryLock(0))
            lock.unlock(); // removes it
    }
    const QFileInfoList left = dir.entryInfoList({QStringLiteral("recovery-*.velmor")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : left) {
        const QString base = file.absoluteFilePath().chopped(int(qstrlen(".velmor")));
        if (base == m_base)
            continue;
        // Held by a run still going: another copy's, not to be taken.
        QLockFile lock(lockOf(base));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        QFile originFile(originOf(base));
        const QJsonObject origin = originFile.open(QIODevice::ReadOnly)
                                       ? QJsonDocument::fromJson(originFile.readAll()).object()
                                       : QJsonObject();
        originFile.close();
        const QString path = origin.value(QStringLiteral("file")).toString();
        const QDateTime when = QDateTime::fromString(origin.value(QStringLiteral("changed")).toString(), Qt::ISODate);
        const model::FacilityReadResult kept = model::openFacilityFile(file.absoluteFilePath());
        if (!kept) { // nothing to give back
            removeFiles(base);
            continue;
        }
        const QLocale locale = m_document.locale();
        const QString at = when.date() == QDate::currentDate() ? locale.toString(when.time(), QLocale::ShortFormat)
                                                               : locale.toString(when, QLocale::ShortFormat);
        const QString text = path.isEmpty() ? tr("Figures typed at %1 were not saved.").arg(at)
                                            : tr("Figures of %1 changed at %2 were not saved.")
                                                  .arg(model::quotedForMessage(QFileInfo(path).fileName()), at);
        QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Form1", main_window::kWindowCaption), text,
                        QMessageBox::NoButton, parent);
        box.setObjectName(QStringLiteral("recoveryQuestion"));
        QPushButton *restore = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
        box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
        box.setDefaultButton(restore);
        box.exec();
        removeFiles(base);
        if (box.clickedButton() == restore) {
            m_document.recover(*kept.figures, m_document.locale(), path);
            write(); // kept again, as this run's
            return true;
        }
    }
    return false;
}
