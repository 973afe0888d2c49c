// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

QT_BEGIN_NAMESPACE
class QMenu;
class QSettings;
QT_END_NAMESPACE

// The facility files last opened or saved, newest first, at most
// kMostRecentFiles, kept in the program's settings; each also reaches the
// desktop's own list of recent documents (platform::addRecentDocument()).
// Its menu, "Open Recent", names each file and its folder, greys a file that
// is gone, and offers "Remove Missing Files" and "Clear Recent".
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostRecentFiles = 8;

    explicit RecentFiles(QSettings &settings, QObject *parent = nullptr);
    ~RecentFiles() override;

    QStringList files() const;
    void add(const QString &path);
    void removeMissing();
    void clear();

    QMenu *menu() const { return m_menu.get(); }

signals:
    // A file chosen in the menu.
    void chosen(const QString &path);

private:
    void store(const QStringList &files);
    void fill();

    QSettings &m_settings;
    std::unique_ptr<QMenu> m_menu;
};
