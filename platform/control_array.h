// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QList>
#include <QObject>

#include <algorithm>
#include <functional>

namespace platform {

// Controls that share one name and are told apart by an index, like the
// input fields YourData(0) to YourData(11). One handler serves them all and
// receives the index of the control that raised the event.
template <typename Control>
class ControlArray {
public:
    explicit ControlArray(int size = 0) : m_controls(size, nullptr) {}

    void set(int index, Control *control)
    {
        if (index >= m_controls.size())
            m_controls.resize(index + 1, nullptr);
        m_controls[index] = control;
    }

    Control *operator()(int index) const { return m_controls.at(index); }
    int size() const { return int(m_controls.size()); }

    // The index of a member, or -1 for any other object.
    int indexOf(const QObject *object) const
    {
        const auto it = std::find(m_controls.begin(), m_controls.end(), object);
        return it == m_controls.end() ? -1 : int(it - m_controls.begin());
    }

    // Connects one signal of every member to a handler taking the index.
    template <typename Signal, typename Receiver>
    void connectEach(Signal signal, const Receiver *context, std::function<void(int)> handler)
    {
        for (int i = 0; i < m_controls.size(); ++i) {
            if (m_controls[i])
                QObject::connect(m_controls[i], signal, context, [handler, i] { handler(i); });
        }
    }

private:
    QList<Control *> m_controls;
};

} // namespace platform
