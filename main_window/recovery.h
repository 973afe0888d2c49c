// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

QT_BEGIN_NAMESPACE
class QLockFile;
class QWidget;
QT_END_NAMESPACE

namespace document {
class FacilityDocument;
}

// Changes not saved, kept for a crash, a power cut or a forced logout. While
// the facility has such changes they are written, with the safe write, to
// this run's recovery file in the user's data folder (folder()): a quiet
// 5 s after a change, and at least every 60 s. Saving, or a normal close,
// removes it; figures without a file, which close unasked, are kept then for
// the next start. Each run holds a lock on its own files, so that two running
// copies never take each other's; at the next start a recovery file whose
// run has ended is offered back (offer()).
class Recovery : public QObject {
    Q_OBJECT
public:
    explicit Recovery(document::FacilityDocument &document, QObject *parent = nullptr);
    // A normal close: nothing is left to recover but figures without a file.
    ~Recovery() override;

    // Where the recovery files are kept.
    static QString folder();

    // Each recovery file a run that has ended left behind, newest first:
    // "Restore" gives its figures back as changes not saved of their file and
    // offers no more; "Discard" removes it for good. True when restored.
    bool offer(QWidget *parent);

    // Writes the changes now, as the timers would.
    void write();

private:
    void changed();

    document::FacilityDocument &m_document;
    QString m_base; // this run's files, without their endings
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_quiet;
    QTimer m_every;
    bool m_pending = false;
};
