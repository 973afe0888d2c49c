// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/window_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace platform {

void setFixedDialogFrame(QWidget *window, QSize clientSize)
{
    window->setWindowFlags(window->windowFlags() | Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    window->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    window->setFixedSize(clientSize);
}

namespace {

using Area = std::function<QRect()>;

// The margins of the frame a window manager has put round a shown window;
// none without a window manager, or before it has framed the window.
QMargins framedMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return window->isVisible() && handle ? handle->frameMargins() : QMargins();
}

// The margins a window not framed yet will most likely get: those of
// another window of the program, which the same window manager has framed.
QMargins likelyMargins(const QWidget *window)
{
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window) {
            if (const QMargins margins = framedMargins(other); !margins.isNull())
                return margins;
        }
    }
    return {};
}

// Moves the window so that its frame stands in the middle of the area and,
// as far as it fits, on the screen.
void placeFrame(QWidget *window, const QRect &area, const QMargins &margins)
{
    QRect frame(QPoint(), window->size().grownBy(margins));
    frame.moveTo(area.left() + (area.width() - frame.width()) / 2, area.top() + (area.height() - frame.height()) / 2);
    if (const QScreen *screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        if (frame.right() > available.right())
            frame.moveRight(available.right());
        if (frame.bottom() > available.bottom())
            frame.moveBottom(available.bottom());
        if (frame.left() < available.left())
            frame.moveLeft(available.left());
        if (frame.top() < available.top())
            frame.moveTop(available.top()); // the title bar stays within reach
    }
    // A window's position is that of its frame.
    window->move(frame.topLeft());
}

// Centres a window once more when the window manager has framed it, if the
// frame it got is not the one it was centred with. The window manager tells
// its frame only some time after the window is shown; without one no frame
// comes, and the watch ends a while after showing.
class CentreWhenFramed : public QObject {
public:
    static inline const QString kName = QStringLiteral("platform::CentreWhenFramed");

    CentreWhenFramed(QWidget *window, const QMargins &assumed, Area area)
        : QObject(window), m_window(window), m_assumed(assumed), m_area(std::move(area))
    {
        setObjectName(kName);
        window->installEventFilter(this);
        if (window->isVisible())
            m_shown.start();
    }

    // Brings a window whose frame has come, but has not been looked at yet,
    // to its place now, before another window is placed by it.
    static void settle(const QWidget *window)
    {
        for (QObject *watch : window->findChildren<QObject *>(kName, Qt::FindDirectChildrenOnly))
            static_cast<CentreWhenFramed *>(watch)->check(Now);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            m_shown.start();
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            check(Queued);
            break;
        case QEvent::Hide:
            finish();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int kPatienceMs = 5000;
    enum When { Now, Queued };

    void check(When when)
    {
        if (m_done || !m_shown.isValid())
            return;
        const QMargins margins = framedMargins(m_window);
        if (margins.isNull()) {
            if (m_shown.hasExpired(kPatienceMs))
                finish();
            return;
        }
        if (margins == m_assumed) {
            finish();
        } else if (when == Now) {
            placeFrame(m_window, m_area(), margins);
            finish();
        } else if (!m_queued) {
            // Not from inside the event that told of the frame.
            m_queued = true;
            QTimer::singleShot(0, this, [this] { check(Now); });
        }
    }

    void finish()
    {
        m_done = true;
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QWidget *m_window;
    QMargins m_assumed;
    Area m_area;
    QElapsedTimer m_shown;
    bool m_queued = false;
    bool m_done = false;
};

void centreFrame(QWidget *window, const Area &area)
{
    // The newest centring is the one that counts.
    for (QObject *watch : window->findChildren<QObject *>(CentreWhenFramed::kName, Qt::FindDirectChildrenOnly))
        delete watch;
    const QMargins framed = framedMargins(window);
    const QMargins margins = framed.isNull() ? likelyMargins(window) : framed;
    placeFrame(window, area(), margins);
    if (framed.isNull())
        new CentreWhenFramed(window, margins, area);
}

QRect availableArea(const QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void centreOnScreen(QWidget *window)
{
    if (!window->screen())
        return;
    centreFrame(window, [window] { return availableArea(window); });
}

void centreOver(QWidget *window, const QWidget *owner)
{
    if (owner)
        CentreWhenFramed::settle(owner);
    centreFrame(window, [window, owner = QPointer<const QWidget>(owner)] {
        return owner ? owner->frameGeometry() : availableArea(window);
    });
}

} // namespace platform
