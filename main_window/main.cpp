// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/application_setup.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    main_window::setUpApplication();

    Form1 window;
    window.show();
    return app.exec();
}
