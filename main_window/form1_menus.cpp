// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The main window's commands beyond its design: the context menus, the zoom
// keys, the Menu button with the figure commands, and facility files dropped
// onto the window.
#include "language/language.h"
#include "main_window/document_history.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/help_keys.h"
#include "main_window/language_menu.h"
#include "platform/tab_control.h"
#include "platform/zoom.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <memory>

using namespace main_window;

void Form1::createZoomCommands()
{
    m_zoomIn = new QAction(tr("Zoom In"), this);
    m_zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = new QAction(tr("Zoom Out"), this);
    m_zoomOut->setShortcuts(QKeySequence::ZoomOut);
    m_actualSize = new QAction(tr("Actual Size"), this);
    m_actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(m_zoomIn, &QAction::triggered, this, [this] { setZoomPercent(platform::nextZoomStep(m_zoomPercent, +1)); });
    connect(m_zoomOut, &QAction::triggered, this,
            [this] { setZoomPercent(platform::nextZoomStep(m_zoomPercent, -1)); });
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

QList<QAction *> Form1::contextMenuCommands() const { return {m_zoomIn, m_zoomOut, m_actualSize}; }

void Form1::contextMenuEvent(QContextMenuEvent *event) { showWindowMenu(event->globalPos()); }

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

void Form1::createFigureCommands()
{
    m_figureCommands = new FigureCommands(*m_document, *this, this);
    addActions(m_figureCommands->actions());
    // Undo and Redo of the facility's changes; inside a field its own undo
    // takes the keys while it has the focus.
    m_history = new DocumentHistory(*m_document, this);
    // A field left ends its typing's step. Held by the history, which
    // outlives the window's fields as the window closes.
    connect(qApp, &QApplication::focusChanged, m_history, [history = m_history] { history->sealTyping(); });

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
    menu->addActions({m_history->undoAction(), m_history->redoAction()});
    menu->addSeparator();
    menu->addActions(contextMenuCommands());
    menu->addSeparator();
    menu->addMenu(makeLanguageMenu(menu, language::storedLanguage(language::programSettings()),
                                   [this](const QString &code) { chooseLanguage(this, code); }));
    // The user guide, at the page of what has the focus (F1 anywhere).
    auto *helpKeys = new HelpKeys(*this);
    menu->addSeparator();
    QAction *help = menu->addAction(tr("Help"), helpKeys, &HelpKeys::showHelp);
    help->setShortcut(QKeySequence::HelpContents);
    m_menuButton->setMenu(menu);
    // Their keys act anywhere in the window, held by the button rather than
    // the window: a field keeps Ctrl+Z for its own undo while it has the focus.
    m_menuButton->addActions({m_history->undoAction(), m_history->redoAction()});
    placeMenuButton();

    setAcceptDrops(true);
    // A field's text is the document's figure: editing one that was opened
    // as no number makes it the user's, and any edit is a change not yet saved.
    for (int i = 0; i < model::kInputCount; ++i) {
        connect(YourData(i), &QLineEdit::textChanged, this, [this, i](const QString &text) {
            if (!m_showingDocument)
                m_document->setFigureText(i, text);
        });
    }
    connect(m_document, &document::FacilityDocument::changed, this, &Form1::showDocument);
    connect(m_document, &document::FacilityDocument::filePathChanged, this, &Form1::showFileInTitle);
    connect(m_document, &document::FacilityDocument::modifiedChanged, this, &Form1::showFileInTitle);
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
