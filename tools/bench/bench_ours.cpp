// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
// The calculator's start-up exactly as app/main.cpp does it, with
// the window handed to the benchmark probe instead of being left to the user.

#include "app/application_setup.h"
#include "language/language.h"
#include "main_window/form1.h"
#include "platform/tab_control.h"
#include "tools/bench/bench_probe.h"

#include <QApplication>
#include <QLineEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app::setUpApplication();
    language::setUpLanguage(QString());

    Form1 window;
    bench::Subject subject;
    subject.window = &window;
    subject.tabs = window.SSTab1;
    subject.field = window.YourData(2); // number of lubrication points
    return bench::run(subject);
}
