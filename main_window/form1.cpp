// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/form1.h"

#include "about_window/form2.h"
#include "language/language.h"
#include "main_window/figure_commands.h"
#include "main_window/graph_type_cycle.h"
#include "main_window/language_menu.h"
#include "main_window/main_layout.h"
#include "main_window/visible_text_validator.h"
#include "main_window/welcome_text.h"
#include "model/costs/input_table.h"
#include "model/costs/model_text.h"
#include "model/costs/results.h"
#include "model/text/contact_details.h"
#include "model/text/money_text.h"
#include "model/text/numeric_text.h"
#include "outputs/user_guide.h"
#include "platform/caption_label.h"
#include "platform/chart_control.h"
#include "platform/designed_look.h"
#include "platform/line_control.h"
#include "platform/picture_box.h"
#include "platform/system_seams.h"
#include "platform/tab_control.h"
#include "platform/twips.h"
#include "platform/window_frame.h"
#include "platform/zoom.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

using namespace main_window;
using platform::CaptionLabel;
using platform::twipsRect;

namespace {

const QString kBackgroundPicture = QStringLiteral(":/images/background_main.png");

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent), m_document(new document::FacilityDocument(QLocale(), this)),
      m_background(platform::loadPicture(kBackgroundPicture, this))
{
    platform::applyDesignedLook(this);
    setWindowTitle(tr(kWindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/images/calculator_icon.png")));
    platform::setFixedDialogFrame(this, platform::twipsSize(kClientWidth, kClientHeight));

    createTabControl();
    createAboutTab();
    createYourDataTab();
    for (int frame = 0; frame < model::kTableCount; ++frame)
        createResultTab(frame);
    createGraphTab();
    setFocusOrder();
    createConnections();
    createZoomCommands();
    createFigureCommands();
    nameControlsForScreenReaders();

    Form_Load();
    // The region's currency from the first paint: the designed captions name
    // dollars and pounds, and the starting document need not.
    if (!m_document->currencyUnits().isDesigned()) {
        MSChart1->setTitle(model::savingsChartTitle(m_document->currencyUnits()));
        showUnitLabels();
    }
    platform::centreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::setZoomPercent(int percent)
{
    // Never larger than the screen's free area, frame included.
    const QSize design = platform::twipsSize(kClientWidth, kClientHeight);
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins frameMargins(client.left() - frame.left(), client.top() - frame.top(),
                                frame.right() - client.right(), frame.bottom() - client.bottom());
    const QSize available = screen() ? screen()->availableGeometry().size() : design;
    percent = std::clamp(percent, platform::kZoomSteps.front(),
                         platform::largestFittingZoom(design, frameMargins, available));
    if (percent == m_zoomPercent)
        return;
    m_zoomPercent = percent;

    const qreal factor = percent / 100.0;
    setFixedSize(platform::zoomed(design, factor));
    platform::zoomControls(this, factor);
    placeMenuButton();
    m_background = platform::loadPicture(kBackgroundPicture, this, factor);
    update();
    platform::centreOnScreen(this);
}

void Form1::createConnections()
{
    // Connected after every tab exists: QTabWidget reports its first tab as
    // a change.
    connect(SSTab1, &platform::TabControl::clicked, this, &Form1::SSTab1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::Form_Load() { Label3->setCaption(welcomeText()); }

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::kLightBlue);
    painter.drawPixmap(0, 0, m_background);
}

// Every tab change, whichever tab was left and whichever is now selected,
// recomputes every figure from the fields.
void Form1::SSTab1_Click()
{
    // Selecting "Your Data" below is itself a tab change, which comes
    // straight back here. The outer refresh has found the bad field and
    // selected the tab already, so the nested one has nothing to add.
    if (m_refreshing)
        return;
    const QScopedValueRollback refreshing(m_refreshing, true);
    // The document has computed them from the fields' texts; a figure opened
    // as no number fails until it is edited.
    const model::Results &results = m_document->results();
    if (results.failedField) {
        SSTab1->selectTab(YourDataTab);
        return;
    }
    showResults(results);
}

// The current, Velmor and savings figures, then the chart. After an
// arithmetic fault the tables finished before it are shown and the rest keep
// what they showed; the fields stay as typed, so the user can correct one and
// go on.
void Form1::showResults(const model::Results &results)
{
    const model::ResultTexts texts =
        model::resultTexts(results, m_document->locale(), m_document->currencyUnits().symbol);
    for (int t = 0; t < results.finishedTables; ++t) {
        for (int k = 1; k <= model::kRowCount; ++k) {
            const ResultRow &row = kResultRows[std::size_t(t)][std::size_t(k - 1)];
            CurentCost(row.figureLabel)->setCaption(texts[std::size_t(t)][std::size_t(k - 1)]);
        }
    }
    if (results.fault) {
        platform::reportRuntimeError(this, model::faultMessage(*results.fault));
        return;
    }
    fillChart(results);
}

bool Form1::isCommandKey(const QKeyEvent &key) const
{
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    const QList<QAction *> commands = actions();
    return std::any_of(commands.begin(), commands.end(),
                       [&](const QAction *command) { return command->shortcuts().contains(pressed); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const int index = YourData.indexOf(watched);
    if (index >= 0) {
        // The window's commands keep their keys in a field: on X11 a line
        // edit takes Ctrl+E for the end of the line, the key of "Export
        // Report as PDF" in the menus (End still goes there).
        if (event->type() == QEvent::ShortcutOverride && isCommandKey(*static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        // A facility file dragged onto a field opens, rather than pasting
        // its name into the field.
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (drop->mimeData()->hasUrls()) {
                if (event->type() == QEvent::DragEnter)
                    dragEnterEvent(static_cast<QDragEnterEvent *>(event));
                else
                    dropEvent(drop);
                return true;
            }
        }
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            // Another window or the field's own menu took the focus: the
            // user has not left the field.
            const bool leftField = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
            if (leftField && (!m_focusReturn || m_focusReturn == watched))
                YourData_LostFocus(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::YourData_LostFocus(int index)
{
    QLineEdit *field = YourData(index);
    QPalette p = field->palette();
    p.setColor(QPalette::Text, Qt::black);
    field->setPalette(p);
    // An emptied field is no number either.
    if (m_document->isHeldAsNoNumber(index) || !model::passesNumericTest(field->text(), m_document->locale()))
        refuseField(field);
}

void Form1::refuseField(QLineEdit *field)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Text, Qt::red);
    field->setPalette(p);
    giveFocusBack(field);
    platform::beep();
}

bool Form1::refuseBadFigures()
{
    for (int i = 0; i < model::kInputCount; ++i) {
        QLineEdit *field = YourData(i);
        if (!m_document->isHeldAsNoNumber(i) && model::passesNumericTest(field->text(), m_document->locale()))
            continue;
        // The focus return is queued before the tab changes, so that the
        // focus-out the change causes in another field is not checked.
        refuseField(field);
        SSTab1->selectTab(YourDataTab);
        return true;
    }
    return false;
}

void Form1::giveFocusBack(QLineEdit *field)
{
    // Setting the focus inside the lost-focus event would recurse into the
    // check of the field that just took it, and a plain queued return would
    // bounce between two bad fields. One return is queued per leave, and the
    // focus-out it causes elsewhere is not checked.
    if (m_focusReturn)
        return;
    m_focusReturn = field;
    QTimer::singleShot(0, this, [this, field = QPointer<QLineEdit>(field)] {
        if (field)
            field->setFocus(Qt::OtherFocusReason);
        m_focusReturn = nullptr;
    });
}

void Form1::Command1_Click()
{
    const QString caption = Command1->text();
    for (const GraphStep &step : kGraphCycle) {
        if (caption == tr(step.captionBefore)) {
            Command1->setText(tr(step.captionAfter));
            MSChart1->setChartType(step.chartType);
            MSChart1->setStacking(step.stacking);
            break;
        }
    }
    MSChart1->refresh();
}

void Form1::Command2_Click()
{
    if (m_figureCommands->settleUnsavedChanges(FigureCommands::Closing))
        QCoreApplication::exit(0);
}

// The title-bar close, and Qt's quit, which closes every window first.
void Form1::closeEvent(QCloseEvent *event)
{
    if (m_figureCommands->settleUnsavedChanges(FigureCommands::Closing))
        event->accept();
    else
        event->ignore();
}

void Form1::showFileInTitle()
{
    const QString &path = m_document->filePath();
    if (!path.isEmpty()) {
        // "[*]" is where Qt shows the changed mark; one in the file's name is
        // written twice to stand for itself.
        QString name = QFileInfo(path).fileName();
        name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        setWindowTitle(QStringLiteral("%1[*] \u2014 %2").arg(name, tr(kWindowCaption)));
    }
    // Without a file there is nothing to mark: the designed title stays.
    setWindowModified(!path.isEmpty() && m_document->isModified());
}

void Form1::showDocument(document::FacilityDocument::Changes what)
{
    using Change = document::FacilityDocument::Change;
    const bool replaced = what.testFlag(Change::Replaced);
    if (replaced || what.testFlag(Change::FigureTexts))
        showFigureTexts(replaced);
    if (replaced || what.testFlag(Change::Assumptions))
        showReductionCaptions();
    if (replaced || what.testFlag(Change::CurrencyUnits)) {
        MSChart1->setTitle(model::savingsChartTitle(m_document->currencyUnits()));
        showUnitLabels();
    }
    // Figures opened from a file are shown on "Your Data"; new reductions,
    // currency or units show in the figures at once. A figure's edit shows
    // at the next tab change, as ever.
    if (replaced)
        SSTab1->selectTab(YourDataTab);
    if (replaced || what.testAnyFlags(Change::Assumptions | Change::CurrencyUnits))
        refreshShownResults();
}

void Form1::showFigureTexts(bool opened)
{
    const QScopedValueRollback showing(m_showingDocument, true);
    for (int i = 0; i < model::kInputCount; ++i) {
        QLineEdit *field = YourData(i);
        const QString &text = m_document->figureTexts()[std::size_t(i)];
        if (field->text() != text) {
            field->setText(text);
            // A converted figure is often longer than its field: its leading
            // digits say more than its last ones.
            if (!opened)
                field->setCursorPosition(0);
        }
        if (opened) {
            const bool valid = !m_document->isHeldAsNoNumber(i) && model::passesNumericTest(text, m_document->locale());
            QPalette p = field->palette();
            p.setColor(QPalette::Text, valid ? Qt::black : Qt::red);
            field->setPalette(p);
        }
    }
}

void Form1::showUnitLabels()
{
    for (int i = 0; i < model::kInputCount; ++i) {
        const QString unit = model::unitLabel(i, m_document->currencyUnits());
        Label1(kInputRows[std::size_t(i)].unitLabel)->setCaption(unit);
        YourData(i)->setAccessibleName(QStringLiteral("%1, %2").arg(
            model::inputText(model::kInputs[std::size_t(i)].caption).trimmed(), unit.trimmed()));
    }
    describeFields();
}

// Each field's meaning for screen readers and What's This (Shift+F1), in
// the facility's currency and units.
void Form1::describeFields()
{
    for (int i = 0; i < model::kInputCount; ++i) {
        YourData(i)->setAccessibleDescription(model::inputMeaning(i, m_document->currencyUnits().units));
        YourData(i)->setWhatsThis(outputs::fieldExplanation(i, m_document->currencyUnits()));
    }
}

void Form1::refreshShownResults()
{
    // A field that holds no number is answered by the next tab change, as ever.
    const model::Results &results = m_document->results();
    if (!results.failedField && !results.fault)
        showResults(results);
}

void Form1::showReductionCaptions()
{
    for (int k = 1; k <= model::kRowCount; ++k) {
        const ResultRow &row = kResultRows[VelmorCostTab - CurrentCostTab][std::size_t(k - 1)];
        const QString caption =
            model::costRowCaption(int(model::Table::Velmor), k, m_document->assumptions(), m_document->locale());
        CurentCost(row.captionLabel)->setCaption(caption);
        CurentCost(row.figureLabel)->setAccessibleDescription(caption);
    }
}

outputs::GraphChoice Form1::graph() const { return {MSChart1->chartType(), MSChart1->stacking()}; }

void Form1::Command3_Click()
{
    if (!m_about)
        m_about = new Form2(this);
    m_about->setZoom(m_zoomPercent / 100.0);
    m_about->showModal();
}

void Form1::Command4_Click() { HyperJump(QString::fromUtf8(model::kProductPage)); }

void Form1::HyperJump(QString address) { platform::openWebAddress(address); }

// Rows 1 to 5 of the current, Velmor and savings tables, as columns 1 to 3,
// cell by cell; the report's chart takes the same figures at once.
void Form1::fillChart(const model::Results &results)
{
    const model::ChartFigures figures = model::chartFigures(results);
    for (int c = 1; c <= model::kTableCount; ++c) {
        for (int r = 1; r <= model::kReducedRowCount; ++r) {
            MSChart1->setColumn(c);
            MSChart1->setRow(r);
            MSChart1->setData(
                model::plainNumberText(figures[std::size_t(r - 1)][std::size_t(c - 1)], m_document->locale()));
        }
    }
}
