// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/help_keys.h"

#include "dialogs/help_viewer.h"
#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "platform/tab_control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWhatsThis>

HelpKeys::HelpKeys(Form1 &window) : QObject(&window), m_window(window) { qApp->installEventFilter(this); }

HelpKeys::Place HelpKeys::placeOf(const QWidget *focus) const
{
    using outputs::HelpTopic;
    for (int i = 0; i < model::kInputCount; ++i) {
        if (focus == m_window.YourData(i))
            return {HelpTopic::Figures, QStringLiteral("field-%1").arg(i)};
    }
    const QString dialog = focus ? focus->window()->objectName() : QString();
    if (dialog == u"recordsDialog" || dialog == u"riskRangesDialog")
        return {HelpTopic::Records, {}};
    if (dialog == u"businessCaseWindow" || dialog == u"alternativesDialog" || dialog == u"caseItemsDialog")
        return {HelpTopic::BusinessCase, {}};
    if (dialog == u"assumptionsDialog")
        return {HelpTopic::Computed, {}};
    if (dialog == u"currencyUnitsDialog")
        return {HelpTopic::Figures, {}};
    const int tab = m_window.SSTab1->selectedTab();
    const bool results = tab != main_window::AboutTab && tab != main_window::YourDataTab;
    return {results ? HelpTopic::Computed : HelpTopic::Figures, {}};
}

void HelpKeys::showHelp()
{
    QWidget *focus = QApplication::focusWidget();
    const Place place = placeOf(focus);
    QWidget *over = QApplication::activeModalWidget();
    HelpViewer::showTopic(place.topic, place.anchor, *m_window.document(), over ? over : &m_window);
}

bool HelpKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            showHelp();
            return true;
        }
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::ShiftModifier) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
