// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/file_dialogs.h"

#include <QFileDialog>
#include <QSettings>
#include <QVariantMap>

namespace platform {
namespace {

// The shared file dialogs' state, read before a dialog opens and written
// back as it was once the dialog is gone.
class SharedDialogState {
public:
    SharedDialogState()
    {
        m_settings.beginGroup(QStringLiteral("FileDialog"));
        for (const QString &key : m_settings.allKeys())
            m_values.insert(key, m_settings.value(key));
    }
    ~SharedDialogState()
    {
        m_settings.remove(QString()); // this group's keys, as the dialog left them
        for (auto value = m_values.cbegin(); value != m_values.cend(); ++value)
            m_settings.setValue(value.key(), value.value());
        m_settings.endGroup();
        m_settings.sync();
    }
    SharedDialogState(const SharedDialogState &) = delete;
    SharedDialogState &operator=(const SharedDialogState &) = delete;

private:
    QSettings m_settings{QSettings::UserScope, QStringLiteral("QtProject")};
    QVariantMap m_values;
};

} // namespace

QString askOpenFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    const SharedDialogState kept;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString askSaveFileName(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    const SharedDialogState kept;
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

} // namespace platform
