// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/application_setup.h"
#include "main_window/display_connection.h"
#include "main_window/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    main_window::DisplayConnection display(argc, argv);
    QApplication app(argc, argv);
    display.connected();
    main_window::setUpApplication();

    Form1 window;
    window.show();
    return app.exec();
}
