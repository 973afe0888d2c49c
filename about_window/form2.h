// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "platform/control_array.h"

#include <QDialog>
#include <QPixmap>

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
//
// Its controls keep the names of the window's design, as the main window's
// do (see form1.h): each array's member (0) stands on the "Software Design"
// tab and member (1) at the same place on the maker's tab.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);
    ~Form2() override;

    // Loads the window if needed and shows it modally; returns once it has
    // been hidden or unloaded.
    void showModal();

    bool isLoaded() const { return Command1 != nullptr; }
    // How many times the window has been loaded.
    int loadCount() const { return m_loadCount; }

    // Draws the window at this multiple of its drawn size.
    void setZoom(qreal factor);
    qreal zoom() const { return m_zoom; }

    // The controls by their design names, while the window is loaded; null
    // otherwise.
    QPushButton *Command1 = nullptr;
    platform::TabControl *SSTab1 = nullptr;
    platform::ControlArray<platform::PictureBox> Picture1{"Picture1", 2};
    platform::ControlArray<platform::PictureBox> Picture2{"Picture2", 2};
    platform::ControlArray<platform::CaptionLabel> Label1{"Label1", 2};
    platform::ControlArray<platform::CaptionLabel> Label2{"Label2", 2};
    platform::ControlArray<platform::CaptionLabel> Label3{"Label3", 2};
    platform::ControlArray<platform::CaptionLabel> Label4{"Label4", 2};

public slots:
    // Escape and the like ask for this; the window has no cancel button and
    // stays open.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void load();
    void applyZoom();
    void unload();

    // Event handlers.
    void Form_Load();
    void Command1_Click();

    QPixmap m_background;
    int m_loadCount = 0;
    qreal m_zoom = 1;
    bool m_showing = false;
    bool m_unloadRequested = false;
};
