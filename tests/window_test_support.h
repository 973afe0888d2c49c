// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// What the window suites share: the program's fonts, a pinned locale, the
// beep and the error report counted instead of sounded and shown, a window
// shown and active before a test types into it, and controls found by their
// design names.

#include "platform/bundled_fonts.h"
#include "platform/system_seams.h"

#include <QLocale>
#include <QStringList>
#include <QTest>
#include <QWidget>

inline void useTestDesktop(int &beeps, QStringList &reports)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::installBundledFonts();
    platform::setBeepHandler([&beeps] { ++beeps; });
    platform::setRuntimeErrorReporter(
        [&reports](QWidget *, const QString &message) { reports.append(message); });
}

// X servers without a window manager do not activate a new window.
[[nodiscard]] inline bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// A window's control by its design name: "Command1", or with an index the
// member of a control array, "YourData" and 3 for YourData(3).
template <typename Control = QWidget>
Control *designControl(const QWidget *window, const QString &name)
{
    return window->findChild<Control *>(name);
}
template <typename Control = QWidget>
Control *designControl(const QWidget *window, const QString &array, int index)
{
    return designControl<Control>(window, array + u'_' + QString::number(index));
}
