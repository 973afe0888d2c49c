// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/tab_control.h"

#include "platform/zoom.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStackedWidget>

namespace platform {

namespace {

// A tab's page, filled with its palette's window colour. It paints the fill
// itself rather than through autoFillBackground: Qt takes a self-filling
// widget for opaque and repaints it apart from its parent, so every tab
// change drew the new page and its controls twice, once on its own and once
// with the tab control around it.
class Page : public QWidget {
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter(this).fillRect(event->rect(), palette().brush(backgroundRole()));
    }
};

} // namespace

TabControl::TabControl(QWidget *parent) : QTabWidget(parent)
{
    // The page stack moves when the tab widget lays itself out; the placed
    // controls follow it so that they keep their place relative to this.
    if (auto *stack = findChild<QStackedWidget *>())
        stack->installEventFilter(this);
    connect(this, &QTabWidget::currentChanged, this, &TabControl::onCurrentChanged);
}

int TabControl::addPage(const QString &caption)
{
    auto *page = new Page;
    page->setPalette(palette());
    return addTab(page, caption);
}

void TabControl::place(int tab, QWidget *control, const QRect &rect)
{
    control->setParent(widget(tab));
    m_places.insert(control, rect);
    const QPoint origin = widget(tab)->mapTo(this, QPoint(0, 0));
    control->setGeometry(zoomed(rect, m_zoom).translated(-origin));
}

void TabControl::setZoom(qreal factor)
{
    m_zoom = factor;
    placeControls();
}

void TabControl::setBackColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    for (int i = 0; i < count(); ++i)
        widget(i)->setPalette(p);
}

bool TabControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        placeControls();
    return QTabWidget::eventFilter(watched, event);
}

void TabControl::placeControls()
{
    for (auto it = m_places.cbegin(); it != m_places.cend(); ++it) {
        auto *control = const_cast<QWidget *>(it.key());
        const QPoint origin = control->parentWidget()->mapTo(this, QPoint(0, 0));
        control->setGeometry(zoomed(it.value(), m_zoom).translated(-origin));
    }
}

void TabControl::onCurrentChanged(int index)
{
    // Record the new tab before anything can re-enter: a handler that selects
    // another tab raises a nested change, which must see this one as left.
    const int left = m_current;
    m_current = index;
    if (index != left && index >= 0)
        emit clicked(left);
}

} // namespace platform
