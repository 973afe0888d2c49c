// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Saves a picture of every tab of the main window, of the Graph tab in each
// graph type, of both About tabs and of the figure commands' dialogs (report
// details, assumptions, business case and its risk view, risk ranges,
// maintenance records), for looking at the layout.
// Usage: grab-windows <output folder> [zoom per cent]

#include "about_window/form2.h"
#include "language/language.h"
#include "main_window/figure_commands.h"
#include "main_window/form1.h"
#include "main_window/help_keys.h"
#include "platform/bundled_fonts.h"
#include "platform/tab_control.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

bool save(QWidget *window, const QString &folder, const QString &name)
{
    // Laid out as it settles: a scroll area lays its contents out again once
    // its scroll bars are known, in the turn after the first.
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = window->grab().save(path);
    qInfo("%s %s", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::installBundledFonts();
    // VELMOR_LANGUAGE=de grabs the German windows; English otherwise.
    const QString language = qEnvironmentVariable("VELMOR_LANGUAGE", QStringLiteral("en"));
    if (!language::installLanguage(language)) {
        std::fprintf(stderr, "grab-windows: no language \"%s\"\n", qPrintable(language));
        return 2;
    }
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    Form1 window;
    window.show();
    if (argc > 2)
        window.setZoomPercent(QString::fromLocal8Bit(argv[2]).toInt());
    bool ok = save(&window, folder, QStringLiteral("main-0-welcome"));
    const char *names[] = {"welcome", "your-data", "current-cost", "velmor-cost", "savings", "graph"};
    for (int tab = 1; tab < 6; ++tab) {
        window.SSTab1->selectTab(tab);
        ok &= save(&window, folder, QStringLiteral("main-%1-%2").arg(tab).arg(QLatin1StringView(names[tab])));
    }
    // Named by the graph each click shows, in English whatever the language.
    const char *graphs[] = {"series-bar-graph", "pie-chart",  "line-graph",
                            "area-graph",       "step-graph", "stacked-bar-graph"};
    for (int click = 1; click <= 6; ++click) {
        window.Command1->click();
        ok &= save(&window, folder, QStringLiteral("graph-%1-%2").arg(click).arg(QLatin1StringView(graphs[click - 1])));
    }

    // The About window is modal: grab it from inside its own event loop.
    QTimer::singleShot(0, &window, [&] {
        Form2 *about = window.aboutWindow();
        ok &= save(about, folder, QStringLiteral("about-0-maker"));
        about->SSTab1->selectTab(1);
        ok &= save(about, folder, QStringLiteral("about-1-design"));
        about->Command1->click();
    });
    window.Command3->click();

    // The figure commands' dialogs, each grabbed from inside its own loop.
    FigureCommands &commands = *window.figureCommands();
    document::FacilityDocument &facility = *window.document();
    facility.setInvestment(
        {QStringLiteral("20000"), QStringLiteral("5000"), QStringLiteral("1000"), QString(), QString()});
    // A command by its English text, in the interface's language.
    const auto grabDialog = [&](const char *command, const QString &name, int cashFlowView = 0) {
        for (QAction *action : commands.actions()) {
            if (action->text() != QCoreApplication::translate("FigureCommands", command))
                continue;
            QTimer::singleShot(0, &window, [&] {
                if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                    if (auto *views = dialog->findChild<QTabWidget *>(QStringLiteral("cashFlowViews")))
                        views->setCurrentIndex(cashFlowView);
                    ok &= save(dialog, folder, name);
                    dialog->reject();
                }
            });
            action->trigger();
        }
    };
    grabDialog("Report Details\u2026", QStringLiteral("dialog-report-details"));
    grabDialog("Assumptions\u2026", QStringLiteral("dialog-assumptions"));
    // The records dialog of a workbook (its sheets offered), and of a CSV
    // export whose dates leave the order of day and month open and that
    // repeats a row.
    const auto grabRecords = [&](const QString &path, const QString &name) {
        QTimer::singleShot(0, &window, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ok &= save(dialog, folder, name);
                // Each further page of the dialog.
                if (auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("recordsTabs"))) {
                    for (int page = 1; page < tabs->count(); ++page) {
                        tabs->setCurrentIndex(page);
                        ok &= save(dialog, folder, name + QStringLiteral("-%1").arg(page + 1));
                    }
                }
                dialog->reject();
            }
        });
        commands.openRecords(path);
    };
    grabRecords(QStringLiteral(VELMOR_SAMPLE_RECORDS), QStringLiteral("dialog-records-workbook"));
    QTemporaryDir scratch;
    QFile open(scratch.filePath(QStringLiteral("orders.csv")));
    if (open.open(QIODevice::WriteOnly)) {
        open.write("Date,Machine,Cause,Text,Hours\n03/04/2024,Fan F-1,Wear,Bearing replaced,4\n"
                   "05/06/2024,Pump P-2,Wear,Lager getauscht,3.5\n05/06/2024,Pump P-2,Wear,Lager getauscht,3.5\n"
                   "01/02/2025,Press M-4,Inspection,Vibration reading,0.5\n");
        open.close();
        grabRecords(open.fileName(), QStringLiteral("dialog-records-ambiguous-dates"));
    }
    grabDialog("Business Case\u2026", QStringLiteral("dialog-business-case"));
    // Its risk view, and the risk ranges dialog that view opens.
    grabDialog("Business Case\u2026", QStringLiteral("dialog-business-case-risk"), 3);
    // The dialogs a button of the Business Case window opens, each grabbed
    // from inside its own loop, prepared first where it needs it.
    const auto openedBy = [&](QWidget *businessCase, const char *button, const QString &name,
                              const std::function<void(QWidget &)> &prepare = {}) {
        QTimer::singleShot(0, &window, [&, businessCase, name, prepare] {
            QWidget *opened = QApplication::activeModalWidget();
            if (prepare)
                prepare(*opened);
            ok &= opened != businessCase && save(opened, folder, name);
            qobject_cast<QDialog *>(opened)->reject();
        });
        businessCase->findChild<QPushButton *>(QLatin1StringView(button))->click();
    };
    const auto insideBusinessCase = [&](const std::function<void(QWidget *)> &inside) {
        for (QAction *action : commands.actions()) {
            if (action->text() != QCoreApplication::translate("FigureCommands", "Business Case\u2026"))
                continue;
            QTimer::singleShot(0, &window, [&] {
                QWidget *businessCase = QApplication::activeModalWidget();
                inside(businessCase);
                qobject_cast<QDialog *>(businessCase)->reject();
            });
            action->trigger();
        }
    };
    insideBusinessCase([&](QWidget *businessCase) {
        openedBy(businessCase, "riskRanges", QStringLiteral("dialog-risk-ranges"));
        // The other savings and one-off items, with a row of each.
        openedBy(businessCase, "caseItems", QStringLiteral("dialog-case-items"), [](QWidget &items) {
            for (const char *name : {"otherSavings", "oneOffItems"}) {
                auto *table = items.findChild<QTableWidget *>(QLatin1StringView(name));
                table->insertRow(0);
                table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Pump P-2")));
                table->setItem(0, 1, new QTableWidgetItem(QStringLiteral("3000")));
            }
        });
    });
    // The Velmor Cost tab with reductions other than the designed.
    model::Assumptions assumptions;
    assumptions.reductionPercent = {72.5, 100, 0, 33.3, 99.9};
    facility.setAssumptions(assumptions);
    window.SSTab1->selectTab(3);
    ok &= save(&window, folder, QStringLiteral("main-3-velmor-cost-assumed"));
    // Another currency and kilograms: the unit labels and the figures.
    grabDialog("Currency and Units\u2026", QStringLiteral("dialog-currency-units"));
    facility.setCurrencyUnits({QStringLiteral("CHF"), model::Units::Metric});
    window.SSTab1->selectTab(1);
    ok &= save(&window, folder, QStringLiteral("main-1-your-data-metric"));
    window.SSTab1->selectTab(2);
    ok &= save(&window, folder, QStringLiteral("main-2-current-cost-metric"));
    window.SSTab1->selectTab(4);
    ok &= save(&window, folder, QStringLiteral("main-4-savings-metric"));
    grabDialog("Business Case\u2026", QStringLiteral("dialog-business-case-metric"));
    // A capital request: escalation, tax, depreciation, residual value.
    model::CapitalTexts capital;
    capital.labourEscalation = QStringLiteral("3");
    capital.taxRate = QStringLiteral("25");
    capital.depreciation = model::Depreciation::StraightLine;
    capital.residualValue = QStringLiteral("2000");
    capital.firstYearShare = QStringLiteral("60");
    facility.setCapital(capital);
    for (int view = 0; view < 3; ++view)
        grabDialog("Business Case\u2026", QStringLiteral("dialog-business-case-capital-%1").arg(view), view);
    // Four options side by side: the window's tab and the Alternatives dialog.
    const auto option = [](const QString &name, std::array<double, 5> reductions, const char *price) {
        return model::CaseOption{
            name, reductions, {QString::fromLatin1(price), {}, QStringLiteral("1500"), {}, {}}, {}};
    };
    facility.setOptions(option(QStringLiteral("Central system"), {90, 50, 80, 80, 80}, "20000"),
                        {option(QStringLiteral("Improved manual programme"), {0, 20, 30, 30, 30}, "3000"),
                         option(QStringLiteral("Single-point lubricators"), {60, 40, 60, 60, 60}, "9000"),
                         option(QStringLiteral("Central system with monitoring"), {95, 55, 85, 85, 85}, "45000")});
    grabDialog("Business Case\u2026", QStringLiteral("dialog-business-case-alternatives"), 4);
    insideBusinessCase(
        [&](QWidget *businessCase) { openedBy(businessCase, "alternatives", QStringLiteral("dialog-alternatives")); });
    // The Menu, with a step to undo and the files last kept in Open Recent.
    facility.setFigureText(2, QStringLiteral("1200"));
    QMenu *menu = window.menuButton()->menu();
    menu->popup(window.mapToGlobal(QPoint(window.width() / 2, 20)));
    ok &= save(menu, folder, QStringLiteral("menu"));
    menu->hide();
    if (QAction *recent = window.figureCommands()->actions().at(1); recent->menu()) {
        emit recent->menu()->aboutToShow();
        recent->menu()->popup(window.mapToGlobal(QPoint(window.width() / 2, 20)));
        ok &= save(recent->menu(), folder, QStringLiteral("menu-open-recent"));
        recent->menu()->hide();
    }
    // The user guide, opened by F1 in a figure's field.
    window.SSTab1->selectTab(1);
    window.YourData(3)->setFocus();
    if (auto *keys = window.findChild<HelpKeys *>()) {
        keys->showHelp();
        if (auto *viewer = window.findChild<QWidget *>(QStringLiteral("helpViewer"))) {
            ok &= save(viewer, folder, QStringLiteral("help"));
            viewer->close();
        }
    }
    return ok ? 0 : 1;
}
