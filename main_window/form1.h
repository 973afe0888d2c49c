// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// The calculator's main window. Everything sits on one six-tab control:
// a welcome tab with the commands, the twelve input fields, three result
// tabs and the savings chart. Every tab change reads the twelve fields,
// hands their texts to the cost model (model/results.h) and shows what comes
// back: the figures on the result tabs and in the chart, or the "Your Data"
// tab when a field holds no number.
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

#include "main_window/figure_window.h"
#include "model/cost_rows.h"
#include "model/results.h"
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
struct FacilityFigures;
struct Results;
} // namespace model

class FigureCommands;
class Form2;

class Form1 : public QWidget, public FigureWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Hands a web address to the user's browser; nothing comes back.
    void HyperJump(QString address);

    // The controls by their design names.
    platform::TabControl *SSTab1 = nullptr;
    platform::ControlArray<QLineEdit> YourData{"YourData", model::kInputCount};
    platform::ControlArray<platform::CaptionLabel> CurentCost{"CurentCost", 2 * model::kRowCount * model::kTableCount};
    platform::ControlArray<platform::CaptionLabel> Label1{"Label1", 24};
    platform::ControlArray<QGroupBox> Frame1{"Frame1", 4};
    platform::ControlArray<QGroupBox> Frame2{"Frame2", model::kTableCount};
    platform::ControlArray<platform::LineControl> Line2{"Line2", 15};
    platform::CaptionLabel *Label2 = nullptr;
    platform::CaptionLabel *Label3 = nullptr;
    platform::PictureBox *Picture1 = nullptr, *Picture2 = nullptr, *Picture3 = nullptr;
    platform::PictureBox *Picture4 = nullptr, *Picture5 = nullptr, *Picture6 = nullptr;
    platform::ChartControl *MSChart1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr,
                *Command4 = nullptr;

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
    QToolButton *menuButton() const { return m_menuButton; }

    // Shows figures opened from a file, as shown in the current regional
    // settings. A figure that was no number where it was saved stays red
    // and counts as no number until it is edited, even where these
    // settings would read it as one. Then shows the "Your Data" tab.
    void showOpenedFigures(const std::array<QString, model::kInputCount> &shown,
                           const model::FacilityFigures &saved) override;
    // Whether such a figure is still in a field.
    bool holdsInvalidField() const;

    // Refuses the figures as leaving a field that holds no number does,
    // when one does: the first such field, in the fields' order, turns red,
    // the "Your Data" tab is shown, the focus goes back into the field and
    // the computer beeps. A figure opened as no number counts as one until
    // it is edited. False, with nothing done, when every field holds a number.
    bool refuseBadFigures() override;

    // The facility file the figures were last opened from or saved to: the
    // title names it, and the figures count as saved.
    void showFiguresFile(const QString &path) override;
    // An edit of a figure by the user, or of the report details, marks the
    // figures of that file changed (isWindowModified(), "*" in the title).
    // Without a file there is nothing to mark: the designed title stays.
    void markFiguresChanged() override;
    bool figuresChanged() const override { return isWindowModified(); }

    // The regional settings the fields are read and the figures written in.
    const QLocale &locale() const { return m_locale; }

    // The reductions the Velmor figures are computed with: the designed
    // ones until the user or a file chooses others. New ones show in the
    // "Velmor Cost" captions at once, and in its figures and the chart at
    // once too when the fields hold numbers.
    const model::Assumptions &assumptions() const override { return m_assumptions; }
    void setAssumptions(const model::Assumptions &assumptions) override;

    // The currency and units: "$" and pounds until the user or a file
    // chooses others. New ones show in the unit labels, and in the figures
    // at once too when the fields hold numbers.
    const model::CurrencyUnits &currencyUnits() const override { return m_currency; }
    void setCurrencyUnits(const model::CurrencyUnits &currency) override;
    void showConvertedFigures(const std::array<QString, model::kInputCount> &texts) override;

    // For the figure commands.
    QWidget *commandParent() override { return this; }
    qreal zoomFactor() const override { return m_zoomPercent / 100.0; }
    std::array<QString, model::kInputCount> fieldTexts() const override;
    const QLocale &figuresLocale() const override { return m_locale; }
    int graphType() const override;
    bool graphStacking() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
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

    // The regional settings the fields are read and the figures written in.
    const QLocale m_locale;
    model::Assumptions m_assumptions = model::Assumptions::designed();
    model::CurrencyUnits m_currency;
    // A refresh is running; the tab change it makes must not start another.
    bool m_refreshing = false;
    QPixmap m_background;
    Form2 *m_about = nullptr;
    int m_zoomPercent = 100;
    FigureCommands *m_figureCommands = nullptr;
    QToolButton *m_menuButton = nullptr;
    // The file the title names; empty until one is opened or saved.
    QString m_figuresFile;
    // Figures opened as no number; see showOpenedFigures().
    std::array<bool, model::kInputCount> m_heldInvalid{};
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_actualSize = nullptr;
    // The field the program is giving the focus back to; while it is on its
    // way, other fields' lost-focus checks stand aside.
    QPointer<QLineEdit> m_focusReturn;
};
