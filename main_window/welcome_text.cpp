// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/welcome_text.h"

namespace main_window {

QString welcomeText()
{
    const QChar cr(13);
    QString text;
    text += u"     Welcome"_qs + cr + cr;
    text += u"     This calculator will provide you with an estimated cost comparison between your "
            u"existing lubrication method and a VELMOR\u00AE Centralized Lubrication System by "
            u"HALDMARK\u00AE Inc."_qs
            + cr + cr;
    text += u"     To calculate costs particular to your facility, enter the required data in the "
            u"data fields found under the \"Your Data\" tab above."_qs
            + cr + cr;
    text += u"     Once your data are properly entered, you can review the effect of using a VELMOR "
            u"Centralized Lubrication System under the \"Velmor Cost\" tab and the savings that "
            u"can be realized under the \"Savings\" tab. A comparison of the results can be "
            u"reviewed in graphical format under the \"Graph\" tab above."_qs;
    return text;
}

} // namespace main_window
