// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/recent_files.h"

#include "platform/recent_documents.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings), m_menu(std::make_unique<QMenu>(tr("Open Recent")))
{
    m_menu->setObjectName(QStringLiteral("recentFiles"));
    // Filled as it opens, so that a file gone since shows greyed, and
    // nothing is read for it at start.
    connect(m_menu.get(), &QMenu::aboutToShow, this, &RecentFiles::fill);
}

RecentFiles::~RecentFiles() = default;

QStringList RecentFiles::files() const { return m_settings.value(kKey).toStringList(); }

void RecentFiles::store(const QStringList &files) { m_settings.setValue(kKey, files.mid(0, kMostRecentFiles)); }

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list);
    platform::addRecentDocument(absolute);
}

void RecentFiles::removeMissing()
{
    QStringList list = files();
    list.removeIf([](const QString &file) { return !QFileInfo::exists(file); });
    store(list);
}

void RecentFiles::clear() { store({}); }

void RecentFiles::fill()
{
    m_menu->clear();
    const QStringList list = files();
    bool missing = false;
    for (const QString &file : list) {
        const QFileInfo info(file);
        // The name first, its folder after it, as the desktop writes paths.
        QAction *open =
            m_menu->addAction(tr("%1 (%2)").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())));
        open->setEnabled(info.exists());
        missing = missing || !info.exists();
        connect(open, &QAction::triggered, this, [this, file] { emit chosen(file); });
    }
    if (list.isEmpty())
        m_menu->addAction(tr("No Recent Files"))->setEnabled(false);
    m_menu->addSeparator();
    QAction *remove = m_menu->addAction(tr("Remove Missing Files"), this, &RecentFiles::removeMissing);
    remove->setEnabled(missing);
    m_menu->addAction(tr("Clear Recent"), this, &RecentFiles::clear)->setEnabled(!list.isEmpty());
}
