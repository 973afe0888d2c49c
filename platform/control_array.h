// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <algorithm>

namespace platform {

// Controls that share one name and are told apart by an index, like the
// input fields YourData(0) to YourData(11). One handler serves them all and
// receives the index of the control that raised the event. Each member is
// given the object name "<name>_<index>" (YourData_3), so that it can be
// found by its design name.
template <typename Control>
class ControlArray {
public:
    ControlArray(const char *name, int size) : m_name(QString::fromLatin1(name)), m_controls(size, nullptr) {}

    void set(int index, Control *control)
    {
        if (index >= m_controls.size())
            m_controls.resize(index + 1, nullptr);
        m_controls[index] = control;
        if (control)
            control->setObjectName(m_name + u'_' + QString::number(index));
    }

    // Forgets every member, for controls that have been deleted.
    void clear() { m_controls.fill(nullptr); }

    Control *operator()(int index) const { return m_controls.at(index); }
    int size() const { return int(m_controls.size()); }

    // The index of a member, or -1 for any other object.
    int indexOf(const QObject *object) const
    {
        const auto it = std::find(m_controls.begin(), m_controls.end(), object);
        return it == m_controls.end() ? -1 : int(it - m_controls.begin());
    }

private:
    QString m_name;
    QList<Control *> m_controls;
};

} // namespace platform
