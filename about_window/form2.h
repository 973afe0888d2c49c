// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "platform/control_array.h"

#include <QDialog>
#include <QPixmap>

#include <memory>

class QPushButton;

namespace platform {
class CaptionLabel;
class PictureBox;
class TabControl;
} // namespace platform

// The About window: who makes the lubrication systems and who designed the
// calculator, on two tabs, with a Close button below them.
//
// The main window creates it once and shows it modally. Showing loads it
// (builds the controls, selects the first tab, runs Form_Load) unless it is
// still loaded. Close only hides it, so it comes back as it was left; the
// title bar's close box unloads it, so it comes back afresh.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);
    ~Form2() override;

    // Loads the window if needed and shows it modally; returns once it has
    // been hidden or unloaded.
    void showModal();

    bool isLoaded() const { return m_controls != nullptr; }

    // Draws the window at this multiple of its drawn size.
    void setZoom(qreal factor);
    qreal zoom() const { return m_zoom; }

    // Event handlers.
    void Form_Load();
    void Command1_Click();

    // The controls while the window is loaded, null otherwise.
    QPushButton *closeButton() const;
    platform::TabControl *tabs() const;
    platform::CaptionLabel *label(int array, int index) const; // Label1 to Label4, index 0 or 1
    platform::PictureBox *picture(int array, int index) const; // Picture1 or Picture2, index 0 or 1

    // How many times the window has been loaded.
    int loadCount() const { return m_loadCount; }

    // Tab of the tab control that holds the members with this index.
    static int tabOfIndex(int index) { return index == 1 ? 0 : 1; }

public slots:
    // Escape and the like ask for this; the window has no cancel button and
    // stays open.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Controls;

    void load();
    void applyZoom();
    void unload();

    std::unique_ptr<Controls> m_controls;
    QPixmap m_background;
    int m_loadCount = 0;
    qreal m_zoom = 1;
    bool m_showing = false;
    bool m_unloadRequested = false;
};
