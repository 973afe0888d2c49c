// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/costs/model_text.h"

#include "model/costs/input_table.h"
#include "model/text/list_text.h"
#include "model/text/message_text.h"

namespace model {
namespace {

// The start of a figure's text, in quotation marks: a figure may be thousands
// of characters long, and a message is one line.
QString quotedStart(const QString &text)
{
    constexpr qsizetype kShown = 20;
    if (text.size() <= kShown)
        return quotedForMessage(text);
    const qsizetype cut = text.at(kShown - 1).isHighSurrogate() ? kShown - 1 : kShown;
    return quotedForMessage(text.left(cut) + u'\u2026');
}

} // namespace

QString notANumberText(int field)
{
    return QCoreApplication::translate("Inputs", "The figure for \u201c%1\u201d is not a number.")
        .arg(inputText(kInputs.at(std::size_t(field)).caption).trimmed());
}

QString notANumberText(int field, const QString &text)
{
    return sentencesText(
        {notANumberText(field), QCoreApplication::translate("Inputs", "It reads %1.").arg(quotedStart(text))});
}

QString faultMessage(ArithmeticFault fault)
{
    return QCoreApplication::translate("Form1", "%1\n\nThe results cannot be computed from these figures. "
                                                "Please check the figures under \"Your Data\".")
        .arg(faultText(fault));
}

} // namespace model
