// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/welcome_text.h"

#include <QCoreApplication>

namespace main_window {

QString welcomeText()
{
    const QChar cr(13);
    // The paragraphs' indent is the layout's, not part of the texts.
    const QString indent(5, u' ');
    QString text;
    text += indent + QCoreApplication::translate("Form1", "Welcome") + cr + cr;
    text += indent
            + QCoreApplication::translate(
                "Form1", "This calculator will provide you with an estimated cost comparison between your "
                         "existing lubrication method and a VELMOR\u00AE Centralized Lubrication System by "
                         "HALDMARK\u00AE Inc.")
            + cr + cr;
    text += indent
            + QCoreApplication::translate(
                "Form1", "To calculate costs particular to your facility, enter the required data in the "
                         "data fields found under the \"Your Data\" tab above.")
            + cr + cr;
    text += indent
            + QCoreApplication::translate(
                "Form1", "Once your data are properly entered, you can review the effect of using a VELMOR "
                         "Centralized Lubrication System under the \"Velmor Cost\" tab and the savings that "
                         "can be realized under the \"Savings\" tab. A comparison of the results can be "
                         "reviewed in graphical format under the \"Graph\" tab above.");
    return text;
}

} // namespace main_window
