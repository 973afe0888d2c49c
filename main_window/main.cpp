// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/form1.h"
#include "platform/bundled_fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmor-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor Automatic Lubrication Systems"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.haldmark.VelmorCalculator"));
    platform::installBundledFonts();

    Form1 window;
    window.show();
    return app.exec();
}
