// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/bundled_fonts.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::installBundledFonts();
    QWidget window;
    window.show();
    return app.exec();
}
