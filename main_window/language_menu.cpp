// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/language_menu.h"

#include "language/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

namespace main_window {

QMenu *makeLanguageMenu(QWidget *parent, const QString &stored, std::function<void(const QString &)> choose)
{
    auto *menu = new QMenu(QCoreApplication::translate("LanguageMenu", "Language"), parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(menu);
    const auto add = [&](const QString &text, const QString &code) {
        QAction *action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(code == stored);
        action->setData(code);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [choose, code] { choose(code); });
    };
    add(QCoreApplication::translate("LanguageMenu", "System default"), QString());
    menu->addSeparator();
    // Each language in its own name, so that a reader of it finds it.
    for (const language::Language &language : language::kLanguages)
        add(QString::fromUtf8(language.ownName), QString::fromLatin1(language.code));
    return menu;
}

void chooseLanguage(QWidget *parent, const QString &code)
{
    language::storeLanguage(language::programSettings(), code);
    QMessageBox::information(parent, QCoreApplication::translate("LanguageMenu", "Language"),
                             QCoreApplication::translate("LanguageMenu",
                                                         "The calculator will be shown in the chosen language "
                                                         "the next time it is started."));
}

} // namespace main_window
