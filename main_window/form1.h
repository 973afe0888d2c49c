// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// The calculator's main window. Everything sits on one six-tab control:
// a welcome tab with the commands, the twelve input fields, three result
// tabs and the savings chart. The window shows one facility document
// (document/facility_document.h), which holds every fact and computes what
// the figures come to: a field's edit goes to the document, and every tab
// change shows what the twelve figures come to, the figures on the result
// tabs and in the chart, or the "Your Data" tab when a field holds no number.
//
// Reading the code: the controls and their event handlers keep the names of
// the window's original design, misspellings included (CurentCost,
// "Total anual cost"), so that the design documents and the code can be read
// side by side. A control is named after its kind and a number (Command1,
// Label3, Picture2, SSTab1, MSChart1), except the two arrays that carry the
// figures, YourData(0) to YourData(11) and CurentCost(0) to CurentCost(35);
// a handler after its control and event (SSTab1_Click, YourData_LostFocus).
// Each control's object name is its design name, YourData_3 for YourData(3),
// so that findChild() finds it. Where each control stands is in
// main_layout.h, in the design's twips.
//
//   SSTab1            the six tabs; SSTab1_Click shows the results
//   YourData(i)       the twelve figure fields, in model::Input order
//   Label1(n)         the fields' captions and unit labels
//   Frame1(f)         the four frames of the "Your Data" tab
//   Frame2(t)         the current, Velmor and savings tables
//   CurentCost(n)     the tables' row captions and figures
//   Line2(n)          the rules of the result tables
//   MSChart1          the savings chart of the Graph tab
//   Command1          cycles the graph type; its caption names the next one
//   Command2          closes the window (Close)
//   Command3          opens the About window (Form2)
//   Command4          opens the maker's product page (More Information)
//   Label2, Label3    the copyright line and the welcome text
//   Picture1 to 6     the logo, the icon and the banners

#include "document/facility_document.h"
#include "main_window/figure_window.h"
#include "model/costs/cost_rows.h"
#include "platform/control_array.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <array>

QT_BEGIN_NAMESPACE
class QAction;
class QToolButton;
class QGroupBox;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace platform {
class CaptionLabel;
class ChartControl;
class LineControl;
class PictureBox;
class TabControl;
} // namespace platform

namespace model {
struct Results;
} // namespace model

class FigureCommands;
class Form2;

class DocumentHistory;

class Form1 : public QWidget, public FigureWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Hands a web address to the user's browser; nothing comes back.
    void HyperJump(QString address);

    // A caption and a figure for each row of each result table.
    static constexpr int kResultLabelCount = 2 * model::kRowCount * model::kTableCount;

    // The controls by their design names.
    platform::TabControl *SSTab1 = nullptr;
    platform::ControlArray<QLineEdit> YourData{"YourData", model::kInputCount};
    platform::ControlArray<platform::CaptionLabel> CurentCost{"CurentCost", kResultLabelCount};
    platform::ControlArray<platform::CaptionLabel> Label1{"Label1", 24};
    platform::ControlArray<QGroupBox> Frame1{"Frame1", 4};
    platform::ControlArray<QGroupBox> Frame2{"Frame2", model::kTableCount};
    platform::ControlArray<platform::LineControl> Line2{"Line2", 15};
    platform::CaptionLabel *Label2 = nullptr;
    platform::CaptionLabel *Label3 = nullptr;
    platform::PictureBox *Picture1 = nullptr, *Picture2 = nullptr, *Picture3 = nullptr;
    platform::PictureBox *Picture4 = nullptr, *Picture5 = nullptr, *Picture6 = nullptr;
    platform::ChartControl *MSChart1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;

    Form2 *aboutWindow() const { return m_about; }

    // The window's size in per cent of its drawn size, 100 to 200 in steps
    // of 25; the About window opens at the same. A zoom that would not fit
    // the screen is cut to the largest step that does.
    int zoomPercent() const { return m_zoomPercent; }
    void setZoomPercent(int percent);

    // The commands of the window's context menu, in their order.
    QList<QAction *> contextMenuCommands() const;

    // Facility files, the customer report and copying the results; also
    // behind the Menu button at the right of the tab headings.
    FigureCommands *figureCommands() const { return m_figureCommands; }
    DocumentHistory *history() const { return m_history; }
    QToolButton *menuButton() const { return m_menuButton; }

    // The facility the window shows: its figures, reductions, currency and
    // units, report details, investment and file. The title names the file
    // and marks changes not saved ("*"); without a file the designed title stays.
    document::FacilityDocument *document() const { return m_document; }

    // Refuses the figures as leaving a field that holds no number does,
    // when one does: the first such field, in the fields' order, turns red,
    // the "Your Data" tab is shown, the focus goes back into the field and
    // the computer beeps. A figure opened as no number counts as one until
    // it is edited. False, with nothing done, when every field holds a number.
    bool refuseBadFigures() override;

    // For the figure commands.
    DialogPlace dialogPlace() override { return {this, m_zoomPercent / 100.0}; }
    outputs::GraphChoice graph() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createTabControl();
    void createAboutTab();
    void createYourDataTab();
    void createResultTab(int frame);
    void createGraphTab();
    void createConnections();
    void createZoomCommands();
    void createFigureCommands();
    void placeMenuButton();
    void showWindowMenu(QPoint globalPosition);
    void showFieldMenu(QLineEdit *field, QPoint position);
    void showMenuFromKeyboard();
    void setFocusOrder();
    // Accessible names, descriptions and keys, for screen readers and for
    // working the window without a mouse.
    void nameControlsForScreenReaders();
    void describeFields();

    // Event handlers.
    void Form_Load();
    void SSTab1_Click();
    void YourData_LostFocus(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    void giveFocusBack(QLineEdit *field);
    // Whether the key is the shortcut of one of the window's commands.
    bool isCommandKey(const QKeyEvent &key) const;
    // The answer to a field that holds no number: red, the focus back, a beep.
    void refuseField(QLineEdit *field);

    // What the document says has changed, shown: the fields, their colours
    // after a file is opened, the captions, the unit labels and the figures.
    void showDocument(document::FacilityDocument::Changes what);
    // The document's figure texts in the fields; opened: a whole new set,
    // each red when it is no number.
    void showFigureTexts(bool opened);
    // The title names the document's file, and marks it changed.
    void showFileInTitle();
    void showResults(const model::Results &results);
    // The captions of the "Velmor Cost" rows, with the assumed reductions.
    void showReductionCaptions();
    // The unit labels right of the fields, and the fields' names, in the
    // chosen currency and units.
    void showUnitLabels();
    // The results again when the fields hold numbers, after a change of
    // what they are computed or shown with.
    void refreshShownResults();
    void fillChart(const model::Results &results);

    // Every fact of the facility; made before the controls that show it.
    document::FacilityDocument *m_document = nullptr;
    // The window is putting the document's texts into the fields: their
    // changes are not edits.
    bool m_showingDocument = false;
    // A refresh is running; the tab change it makes must not start another.
    bool m_refreshing = false;
    QPixmap m_background;
    Form2 *m_about = nullptr;
    int m_zoomPercent = 100;
    FigureCommands *m_figureCommands = nullptr;
    DocumentHistory *m_history = nullptr;
    QToolButton *m_menuButton = nullptr;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_actualSize = nullptr;
    // The field the program is giving the focus back to; while it is on its
    // way, other fields' lost-focus checks stand aside.
    QPointer<QLineEdit> m_focusReturn;
};
