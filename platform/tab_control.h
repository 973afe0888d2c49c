// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QHash>
#include <QRect>
#include <QTabWidget>

namespace platform {

// The windows' tab control. Controls are placed on a tab in pixels from the
// tab control's own top-left corner, row of tabs included, as the layouts
// give them; Qt's page origin depends on style and font and is taken off
// here. Only the selected tab's controls are shown and take the focus.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);

    // Adds a tab with an empty page; returns its index.
    int addPage(const QString &caption);

    // Puts a control on a tab at a rectangle relative to the tab control.
    void place(int tab, QWidget *control, const QRect &rect);

    // Where a placed control stands, relative to the tab control.
    QRect placeOf(const QWidget *control) const { return m_places.value(control); }

    int selectedTab() const { return currentIndex(); }
    void selectTab(int tab) { setCurrentIndex(tab); }

    void setBackColour(const QColor &colour);

    // Places the controls on the tabs at this multiple of their places.
    void setZoom(qreal factor);

signals:
    // Raised after the selected tab has changed, with the tab that was left.
    void clicked(int previousTab);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onCurrentChanged(int index);
    void placeControls();

    QHash<const QWidget *, QRect> m_places;
    int m_current = 0;
    qreal m_zoom = 1;
};

} // namespace platform
