// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// What the window suites share: the program's fonts, a pinned locale, the
// beep and the error report counted instead of sounded and shown, a window
// shown and active before a test types into it, controls found by their
// design names, modal windows run under a watchdog, the check that a caption
// fits its label, and the default figures where the window shows them.

#include "default_figures.h"
#include "model/finance/business_case.h"
#include "platform/bundled_fonts.h"
#include "platform/caption_label.h"
#include "platform/system_seams.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// An investment of this price and nothing else given.
inline model::InvestmentTexts investmentOf(const QString &price)
{
    model::InvestmentTexts investment;
    investment.systemPrice = price;
    return investment;
}

inline void useTestDesktop(int &beeps, QStringList &reports)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::installBundledFonts();
    platform::setBeepHandler([&beeps] { ++beeps; });
    platform::setRuntimeErrorReporter([&reports](QWidget *, const QString &message) { reports.append(message); });
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

// Calls open, which shows a modal window and returns once it is hidden, and
// runs whileOpen on that window once it is up and has the focus; whileOpen
// or the caller's closing hides it. A window still up after the watchdog's
// time is hidden, so that no test hangs in exec(). True when whileOpen ran
// and the watchdog had nothing to do.
inline constexpr int kModalWatchdogMs = 10000;
[[nodiscard]] inline bool whileModal(const std::function<void()> &open,
                                     const std::function<void(QWidget &modal)> &whileOpen)
{
    bool ran = false;
    bool timedOut = false;
    QObject context; // cancels both timers when open() returns first
    QTimer::singleShot(0, &context, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        modal->activateWindow(); // nothing else activates it on a bare X server
        // Not qWaitForWindowActive(): it counts the window as active while
        // its owner still has the focus, and keys would go to the owner.
        if (!QTest::qWaitFor([modal] { return QGuiApplication::focusWindow() == modal->windowHandle(); }))
            return;
        ran = true;
        whileOpen(*modal);
    });
    QTimer::singleShot(kModalWatchdogMs, &context, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timedOut = true;
            modal->hide();
        }
    });
    open();
    return ran && !timedOut;
}

// Opens the main window's About window with its About button, runs
// whileOpen in it and closes it with its Close button; as whileModal().
template <typename AboutWindow, typename MainWindow>
[[nodiscard]] bool whileAboutWindow(MainWindow &mainWindow, const std::function<void(AboutWindow &)> &whileOpen)
{
    bool ran = false;
    const bool closed = whileModal([&] { mainWindow.Command3->click(); },
                                   [&](QWidget &modal) {
        if (auto *about = qobject_cast<AboutWindow *>(&modal)) {
            ran = true;
            whileOpen(*about);
            if (about->isVisible())
                about->Command1->click();
        }
    });
    return ran && closed;
}

// "" when a caption label holds its caption in width and height, otherwise
// why not. A text that wraps by design is only held to the height.
enum class Wrapping { None, ByDesign };
inline QString captionMisfit(const platform::CaptionLabel *label, Wrapping wrapping = Wrapping::None)
{
    if (!label)
        return QStringLiteral("no label");
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    if (wrapping == Wrapping::None) {
        QString text = label->caption();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        for (const QString &line : text.split(u'\n')) {
            const int needed = metrics.horizontalAdvance(line);
            if (needed > room.width())
                return QStringLiteral("\"%1\" needs %2 px of %3").arg(line).arg(needed).arg(room.width());
        }
    }
    const int high = label->heightForWidth(room.width());
    if (high > room.height())
        return QStringLiteral("\"%1\" needs %2 px high of %3")
            .arg(label->caption().left(40))
            .arg(high)
            .arg(room.height());
    return QString();
}

// The design's label of each figure, CurentCost(index), [table][row - 1].
inline constexpr int kFigureLabels[3][6] = {{0, 1, 2, 3, 4, 5}, {22, 21, 20, 19, 18, 17}, {34, 33, 32, 31, 30, 29}};

// "" when the main window's eighteen figure labels show the default
// figures, otherwise the first that does not.
inline QString defaultFiguresMisfit(const QWidget *mainWindow)
{
    for (std::size_t t = 0; t < 3; ++t) {
        for (std::size_t r = 0; r < 6; ++r) {
            const auto *label =
                designControl<platform::CaptionLabel>(mainWindow, QStringLiteral("CurentCost"), kFigureLabels[t][r]);
            const QString expected = QString::fromLatin1(kDefaultFigures[t][r]);
            if (!label || label->caption() != expected)
                return QStringLiteral("CurentCost(%1) shows \"%2\", not %3")
                    .arg(kFigureLabels[t][r])
                    .arg(label ? label->caption() : QStringLiteral("nothing"), expected);
        }
    }
    return QString();
}
