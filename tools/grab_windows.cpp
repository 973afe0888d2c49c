// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// Saves a picture of every tab of the main window, of the Graph tab in each
// graph type and of both About tabs, for looking at the layout.
// Usage: grab-windows <output folder> [zoom per cent]

#include "about_window/form2.h"
#include "main_window/form1.h"
#include "platform/bundled_fonts.h"
#include "platform/tab_control.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

bool save(QWidget *window, const QString &folder, const QString &name)
{
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
    for (int click = 1; click <= 6; ++click) {
        const QString shown = window.Command1->text();
        window.Command1->click();
        ok &= save(&window, folder, QStringLiteral("graph-%1-%2").arg(click).arg(shown.toLower().replace(u' ', u'-')));
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
    return ok ? 0 : 1;
}
