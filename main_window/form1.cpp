// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/form1.h"

#include "about_window/form2.h"
#include "main_window/figure_commands.h"
#include "main_window/graph_type_cycle.h"
#include "language/language.h"
#include "main_window/language_menu.h"
#include "main_window/main_layout.h"
#include "main_window/visible_text_validator.h"
#include "main_window/welcome_text.h"
#include "model/contact_details.h"
#include "model/input_table.h"
#include "model/model_text.h"
#include "model/money_text.h"
#include "model/numeric_text.h"
#include "model/results.h"
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
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabBar>
#include <QToolButton>
#include <QUrl>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <array>
#include <vector>

using namespace main_window;
using platform::CaptionLabel;
using platform::twipsRect;

namespace {

const QString kBackgroundPicture = QStringLiteral(":/images/background_main.png");

QRect rectOf(const Place &p) { return twipsRect(p.left, p.top, p.width, p.height); }

// A control with its design name as object name.
template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1StringView(name));
    return control;
}

QPushButton *makeButton(const char *name, const char *caption)
{
    auto *button = named(new QPushButton(Form1::tr(caption)), name);
    button->setAutoDefault(false);
    return button;
}

QFont resultFont(bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

// Enter presses the focused button, as Space does. The window is no dialog,
// so its buttons have no default-button handling of their own; autoDefault
// would give them one, but would also press on Ctrl+Enter and on a held key,
// and draw the focused button with the default button's frame.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent), m_background(platform::loadPicture(kBackgroundPicture, this))
{
    platform::applyDesignedLook(this);
    setWindowTitle(tr(kWindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/images/calculator_icon.png")));
    platform::setFixedDialogFrame(this, platform::twipsSize(kClientWidth, kClientHeight));

    SSTab1 = named(new platform::TabControl(this), "SSTab1");
    SSTab1->setGeometry(rectOf(kTabControlPlace));
    for (int tab = AboutTab; tab <= GraphTab; ++tab)
        SSTab1->addPage(tabCaption(tab));
    SSTab1->setBackColour(platform::kLightBlue);

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
    platform::centreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::createAboutTab()
{
    using platform::PictureBox;
    Picture1 = named(new PictureBox(QStringLiteral(":/images/brand_logo.png"), PictureBox::Border::Sunken),
                     "Picture1");
    SSTab1->place(AboutTab, Picture1, rectOf(kLogoPlace));

    Label3 = named(new CaptionLabel, "Label3");
    SSTab1->place(AboutTab, Label3, rectOf(kWelcomePlace));

    Picture2 = named(new PictureBox(QStringLiteral(":/images/calculator_icon.png"), PictureBox::Border::None),
                     "Picture2");
    SSTab1->place(AboutTab, Picture2, rectOf(kIconPlace));

    Label2 = named(new CaptionLabel, "Label2");
    Label2->setCaption(QString::fromUtf8(model::kCopyrightLine));
    SSTab1->place(AboutTab, Label2, rectOf(kCopyrightPlace));

    Command4 = makeButton("Command4", QT_TRANSLATE_NOOP("Form1", "More Information"));
    Command3 = makeButton("Command3", QT_TRANSLATE_NOOP("Form1", "About"));
    Command2 = makeButton("Command2", QT_TRANSLATE_NOOP("Form1", "Close"));
    SSTab1->place(AboutTab, Command4, rectOf(kMoreInfoPlace));
    SSTab1->place(AboutTab, Command3, rectOf(kAboutPlace));
    SSTab1->place(AboutTab, Command2, rectOf(kClosePlace));
}

void Form1::createYourDataTab()
{
    using platform::PictureBox;
    Picture3 = named(new PictureBox(QStringLiteral(":/images/your_data_banner.png"), PictureBox::Border::Sunken),
                     "Picture3");
    SSTab1->place(YourDataTab, Picture3, rectOf(kDataBannerPlace));

    for (int f = 0; f < 4; ++f) {
        auto *frame = new QGroupBox;
        Frame1.set(f, frame);
        SSTab1->place(YourDataTab, frame, rectOf(kInputFramePlaces[std::size_t(f)]));
    }

    for (int i = 0; i < model::kInputCount; ++i) {
        const InputRow &row = kInputRows[std::size_t(i)];
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        QGroupBox *frame = Frame1(row.frame);
        frame->setTitle(model::inputText(input.group));

        auto *caption = new CaptionLabel(frame);
        caption->setCaption(model::inputText(input.caption));
        const int captionWidth = i <= 1 ? kWideCaptionWidth : kInputCaptionWidth;
        caption->setGeometry(twipsRect(kInputCaptionLeft, row.top, captionWidth, kInputLabelHeight));
        Label1.set(row.captionLabel, caption);

        auto *unit = new CaptionLabel(frame);
        unit->setCaption(model::inputText(input.unit));
        unit->setGeometry(twipsRect(kUnitLeft, row.top, kUnitWidth, kInputLabelHeight));
        Label1.set(row.unitLabel, unit);

        auto *field = new QLineEdit(QString::fromUtf8(input.defaultText), frame);
        field->setGeometry(twipsRect(kFieldLeft, row.top, kFieldWidth, kFieldHeight));
        field->raise(); // above the wide caption labels of the first two rows
        field->setValidator(new VisibleTextValidator(field));
        field->installEventFilter(this);
        YourData.set(i, field);
    }
}

void Form1::createResultTab(int f)
{
    using platform::PictureBox;
    const int tab = CurrentCostTab + f;
    PictureBox **banners[] = {&Picture4, &Picture5, &Picture6};
    const char *bannerNames[] = {"Picture4", "Picture5", "Picture6"};
    auto *banner = named(new PictureBox(QStringLiteral(":/images/result_banner.png"), PictureBox::Border::Sunken),
                         bannerNames[f]);
    *banners[f] = banner;
    SSTab1->place(tab, banner, rectOf(kResultBannerPlace));

    auto *frame = new QGroupBox(model::tableTitle(model::kTableTitles[std::size_t(f)].heading));
    SSTab1->place(tab, frame, rectOf(kResultFramePlace));
    Frame2.set(f, frame);

    for (const Rule &rule : kRules) {
        auto *line = new platform::LineControl(platform::twips(kRuleLeft), platform::twips(kRuleRight),
                                               platform::twips(rule.y), rule.widthPixels, platform::kGreyText,
                                               frame);
        Line2.set(5 * f + rule.lineOffset, line);
    }

    for (int r = 1; r <= model::kRowCount; ++r) {
        const ResultRow &row = kResultRows[std::size_t(f)][std::size_t(r - 1)];
        const int top = resultRowTop(r);
        auto *caption = new CaptionLabel(frame);
        caption->setFont(resultFont(false));
        caption->setCaption(model::costRowCaption(f, r, m_assumptions, m_locale));
        caption->setGeometry(twipsRect(kResultCaptionLeft, top, row.captionWidth, kResultRowHeight));
        auto *figure = new CaptionLabel(frame, Qt::AlignRight);
        figure->setFont(resultFont(true));
        // A figure is one line: wrapping would break a very wide one after
        // its minus sign and hide the digits.
        figure->setWordWrap(false);
        figure->setCaption(QStringLiteral("0"));
        figure->setGeometry(twipsRect(row.figureLeft, top, row.figureWidth, kResultRowHeight));
        if (r <= model::kReducedRowCount) { // the total keeps the default text colour
            for (QLabel *label : {static_cast<QLabel *>(caption), static_cast<QLabel *>(figure)}) {
                QPalette p = platform::designedPalette();
                p.setColor(QPalette::WindowText, platform::kNavy);
                label->setPalette(p);
            }
        }
        CurentCost.set(row.captionLabel, caption);
        CurentCost.set(row.figureLabel, figure);
    }
}

void Form1::createGraphTab()
{
    MSChart1 = named(new platform::ChartControl, "MSChart1");
    SSTab1->place(GraphTab, MSChart1, rectOf(kChartPlace));
    Command1 = makeButton("Command1", kGraphCycle.front().captionBefore);
    SSTab1->place(GraphTab, Command1, rectOf(kGraphButtonPlace));
    Command1->raise(); // in front of the chart
}

void Form1::setFocusOrder()
{
    // Tab order by ascending TabIndex; the tab control lets only the selected
    // tab's controls take the focus, so the Tab key walks the visible ones.
    std::vector<std::pair<int, QWidget *>> order{
        {0, SSTab1}, {54, MSChart1}, {81, Command1}, {83, Command2}, {87, Command3}, {88, Command4}};
    for (int i = 0; i < model::kInputCount; ++i)
        order.emplace_back(kInputRows[std::size_t(i)].tabIndex, YourData(i));
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
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

void Form1::createZoomCommands()
{
    m_zoomIn = new QAction(tr("Zoom In"), this);
    m_zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = new QAction(tr("Zoom Out"), this);
    m_zoomOut->setShortcuts(QKeySequence::ZoomOut);
    m_actualSize = new QAction(tr("Actual Size"), this);
    m_actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_zoomIn, &QAction::triggered, this, [this] {
        setZoomPercent(platform::nextZoomStep(m_zoomPercent, +1));
    });
    connect(m_zoomOut, &QAction::triggered, this, [this] {
        setZoomPercent(platform::nextZoomStep(m_zoomPercent, -1));
    });
    connect(m_actualSize, &QAction::triggered, this, [this] { setZoomPercent(100); });
    // Added to the window, the shortcuts work wherever the focus is in it.
    addActions(contextMenuCommands());

    // The menu key opens the menu by itself on some desktops only (see
    // keyPressEvent); Shift+F10 on none.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &Form1::showMenuFromKeyboard);

    // A field's own menu (undo, cut, copy, paste) gets the window's commands
    // below its own.
    for (int i = 0; i < model::kInputCount; ++i) {
        QLineEdit *field = YourData(i);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QLineEdit::customContextMenuRequested, this,
                [this, field](QPoint position) { showFieldMenu(field, position); });
    }
}

QList<QAction *> Form1::contextMenuCommands() const
{
    return {m_zoomIn, m_zoomOut, m_actualSize};
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    showWindowMenu(event->globalPos());
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Where the platform turns the menu key into a context menu event, the
    // menu is up before the key arrives and takes it; elsewhere the key
    // comes here, unused by the control that has the focus.
    if (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) {
        showMenuFromKeyboard();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::showMenuFromKeyboard()
{
    QWidget *focus = focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focus); field && YourData.indexOf(field) >= 0) {
        showFieldMenu(field, field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
        return;
    }
    const QWidget *anchor = focus ? focus : this;
    showWindowMenu(anchor->mapToGlobal(anchor->rect().center()));
}

void Form1::showWindowMenu(QPoint globalPosition)
{
    QMenu menu(this);
    menu.addActions(contextMenuCommands());
    menu.addSeparator();
    menu.addActions(m_figureCommands->actions());
    menu.exec(globalPosition);
}

void Form1::showFieldMenu(QLineEdit *field, QPoint position)
{
    std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    menu->addSeparator();
    menu->addActions(contextMenuCommands());
    menu->addSeparator();
    menu->addActions(m_figureCommands->actions());
    menu->exec(field->mapToGlobal(position));
}

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

void Form1::nameControlsForScreenReaders()
{
    // Labels and figures name themselves with their captions (CaptionLabel),
    // buttons, tabs and frames with theirs (Qt). The rest is set here.
    for (int i = 0; i < model::kInputCount; ++i) {
        const model::InputDefinition &input = model::kInputs[std::size_t(i)];
        // Without a name of its own a field would be announced by its frame.
        YourData(i)->setAccessibleName(QStringLiteral("%1, %2").arg(model::inputText(input.caption).trimmed(),
                                                                     model::inputText(input.unit).trimmed()));
        YourData(i)->setAccessibleDescription(model::inputText(input.meaning));
    }
    // A figure alone says nothing; its row caption tells what it is.
    for (const auto &frame : kResultRows) {
        for (const ResultRow &row : frame)
            CurentCost(row.figureLabel)->setAccessibleDescription(CurentCost(row.captionLabel)->caption());
    }
    // A page takes the focus itself when the tabs are turned by keyboard onto
    // a tab where nothing else can; it is announced by its tab's caption.
    for (int t = 0; t < SSTab1->count(); ++t)
        SSTab1->widget(t)->setAccessibleName(SSTab1->tabText(t));

    Picture1->setAccessibleName(tr("Velmor logo"));
    Picture2->setAccessibleName(tr("Calculator icon"));
    Picture3->setAccessibleName(tr("Velmor banner"));
    Picture3->setAccessibleDescription(tr("A lubrication pump and a bearing beside the Velmor logo"));
    for (platform::PictureBox *banner : {Picture4, Picture5, Picture6}) {
        banner->setAccessibleName(tr("HALDMARK and Velmor banner"));
        banner->setAccessibleDescription(tr("Lubrication equipment, the HALDMARK logo and the Velmor logo"));
    }

    MSChart1->setAccessibleName(tr("Savings chart"));
    // The named chart control takes the focus, from the Tab key or a click;
    // its drawing surface never does (ChartControl).
    MSChart1->setFocusPolicy(Qt::StrongFocus);

    auto *enterPresses = new EnterPressesButton(this);
    for (QPushButton *button : {Command1, Command2, Command3, Command4})
        button->installEventFilter(enterPresses);
}

void Form1::Form_Load()
{
    Label3->setCaption(welcomeText());
}

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
    if (holdsInvalidField()) {
        SSTab1->selectTab(YourDataTab);
        return;
    }

    const model::Results results = model::computeResults(fieldTexts(), m_locale, m_assumptions);
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
    const model::ResultTexts texts = model::resultTexts(results, m_locale, m_currency.symbol);
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
    return std::any_of(commands.begin(), commands.end(), [&](const QAction *command) {
        return command->shortcuts().contains(pressed);
    });
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
    if (m_heldInvalid[std::size_t(index)] || !model::passesNumericTest(field->text(), m_locale))
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
        if (!m_heldInvalid[std::size_t(i)] && model::passesNumericTest(field->text(), m_locale))
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

void Form1::showFiguresFile(const QString &path)
{
    // "[*]" is where Qt shows the changed mark; one in the file's name is
    // written twice to stand for itself.
    QString name = QFileInfo(path).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1[*] \u2014 %2").arg(name, tr(kWindowCaption)));
    setWindowModified(false);
    m_figuresFile = path;
}

void Form1::setAssumptions(const model::Assumptions &assumptions)
{
    m_assumptions = assumptions;
    showReductionCaptions();
    // The figures follow at once where they can; a field that holds no
    // number is answered by the next tab change, as ever.
    if (holdsInvalidField())
        return;
    const model::Results results = model::computeResults(fieldTexts(), m_locale, m_assumptions);
    if (!results.failedField && !results.fault)
        showResults(results);
}

void Form1::setCurrencyUnits(const model::CurrencyUnits &currency)
{
    m_currency = currency;
    MSChart1->setTitle(model::savingsChartTitle(currency));
    showUnitLabels();
    refreshShownResults();
}

void Form1::showConvertedFigures(const std::array<QString, model::kInputCount> &texts)
{
    for (int i = 0; i < model::kInputCount; ++i) {
        if (!m_heldInvalid[std::size_t(i)] && YourData(i)->text() != texts[std::size_t(i)]) {
            YourData(i)->setText(texts[std::size_t(i)]);
            // A converted figure is often longer than its field: its leading
            // digits say more than its last ones.
            YourData(i)->setCursorPosition(0);
        }
    }
}

void Form1::showUnitLabels()
{
    for (int i = 0; i < model::kInputCount; ++i) {
        const QString unit = model::unitLabel(i, m_currency);
        Label1(kInputRows[std::size_t(i)].unitLabel)->setCaption(unit);
        YourData(i)->setAccessibleName(
            QStringLiteral("%1, %2").arg(model::inputText(model::kInputs[std::size_t(i)].caption).trimmed(),
                                         unit.trimmed()));
    }
}

void Form1::refreshShownResults()
{
    // A field that holds no number is answered by the next tab change, as ever.
    if (holdsInvalidField())
        return;
    const model::Results results = model::computeResults(fieldTexts(), m_locale, m_assumptions);
    if (!results.failedField && !results.fault)
        showResults(results);
}

void Form1::showReductionCaptions()
{
    for (int k = 1; k <= model::kRowCount; ++k) {
        const ResultRow &row = kResultRows[VelmorCostTab - CurrentCostTab][std::size_t(k - 1)];
        const QString caption = model::costRowCaption(int(model::Table::Velmor), k, m_assumptions, m_locale);
        CurentCost(row.captionLabel)->setCaption(caption);
        CurentCost(row.figureLabel)->setAccessibleDescription(caption);
    }
}

std::array<QString, model::kInputCount> Form1::fieldTexts() const
{
    std::array<QString, model::kInputCount> texts;
    for (int i = 0; i < model::kInputCount; ++i)
        texts[std::size_t(i)] = YourData(i)->text();
    return texts;
}

int Form1::graphType() const { return MSChart1->chartType(); }

bool Form1::graphStacking() const { return MSChart1->stacking(); }

void Form1::markFiguresChanged()
{
    if (!m_figuresFile.isEmpty())
        setWindowModified(true);
}

void Form1::Command3_Click()
{
    if (!m_about)
        m_about = new Form2(this);
    m_about->setZoom(m_zoomPercent / 100.0);
    m_about->showModal();
}

void Form1::Command4_Click()
{
    HyperJump(QString::fromUtf8(model::kProductPage));
}

void Form1::HyperJump(QString address)
{
    platform::openWebAddress(address);
}

// Rows 1 to 5 of the current, Velmor and savings tables, as columns 1 to 3,
// cell by cell; the report's chart takes the same figures at once.
void Form1::fillChart(const model::Results &results)
{
    const model::ChartFigures figures = model::chartFigures(results);
    for (int c = 1; c <= model::kTableCount; ++c) {
        for (int r = 1; r <= model::kReducedRowCount; ++r) {
            MSChart1->setColumn(c);
            MSChart1->setRow(r);
            MSChart1->setData(model::plainNumberText(figures[std::size_t(r - 1)][std::size_t(c - 1)], m_locale));
        }
    }
}

void Form1::createFigureCommands()
{
    m_figureCommands = new FigureCommands(*this, this);
    addActions(m_figureCommands->actions());

    // In the free space at the right end of the tab headings, outside the
    // tab control, so that no designed control moves. Made after every
    // designed control, it stands last in the focus chain, so the Tab key
    // reaches it after them. (Ordering it with setTabOrder() would reorder
    // the designed chain: Qt takes the tab control's children as one block.)
    m_menuButton = new QToolButton(this);
    m_menuButton->setObjectName(QStringLiteral("menuButton"));
    m_menuButton->setText(tr("Menu"));
    m_menuButton->setAccessibleName(tr("Menu"));
    m_menuButton->setToolTip(tr("Facility files, the customer report, copying the results and zoom"));
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setFocusPolicy(Qt::StrongFocus);
    auto *menu = new QMenu(m_menuButton);
    menu->addActions(m_figureCommands->actions());
    menu->addSeparator();
    menu->addActions(contextMenuCommands());
    menu->addSeparator();
    menu->addMenu(makeLanguageMenu(menu, language::storedLanguage(language::programSettings()),
                                   [this](const QString &code) { chooseLanguage(this, code); }));
    m_menuButton->setMenu(menu);
    placeMenuButton();

    setAcceptDrops(true);
    for (int i = 0; i < model::kInputCount; ++i) {
        // Editing a figure that was opened as no number makes it the user's;
        // any edit is a change not yet saved.
        connect(YourData(i), &QLineEdit::textEdited, this, [this, i] {
            m_heldInvalid[std::size_t(i)] = false;
            markFiguresChanged();
        });
    }
}

void Form1::placeMenuButton()
{
    // Within the row of tab headings at every zoom: the row grows with its
    // font, not quite in proportion.
    const QRect tabs = SSTab1->geometry();
    const int height = SSTab1->tabBar()->sizeHint().height() - 4;
    const int width = m_menuButton->fontMetrics().horizontalAdvance(m_menuButton->text()) + height + 4;
    m_menuButton->setGeometry(tabs.right() - 3 - width, tabs.top() + 1, width, height);
}

void Form1::showOpenedFigures(const std::array<QString, model::kInputCount> &shown, const model::FacilityFigures &saved)
{
    const QLocale savedLocale(saved.locale);
    for (int i = 0; i < model::kInputCount; ++i) {
        QLineEdit *field = YourData(i);
        field->setText(shown[std::size_t(i)]);
        const bool wasNumber = model::passesNumericTest(saved.figures[std::size_t(i)], savedLocale);
        m_heldInvalid[std::size_t(i)] = !wasNumber;
        QPalette p = field->palette();
        const bool valid = wasNumber && model::passesNumericTest(field->text(), m_locale);
        p.setColor(QPalette::Text, valid ? Qt::black : Qt::red);
        field->setPalette(p);
    }
    SSTab1->selectTab(YourDataTab);
}

bool Form1::holdsInvalidField() const
{
    return std::find(m_heldInvalid.begin(), m_heldInvalid.end(), true) != m_heldInvalid.end();
}

// One facility file at a time, from a file manager.
static QString droppedFacilityFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    return urls.first().toLocalFile();
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFacilityFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Form1::dropEvent(QDropEvent *event)
{
    const QString path = droppedFacilityFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: a message about a bad file must not
    // hold the dragging program up.
    QTimer::singleShot(0, this, [this, path] {
        if (m_figureCommands->settleUnsavedChanges(FigureCommands::Opening))
            m_figureCommands->openFigures(path);
    });
}
