// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

// Whether a caption label holds its caption, for the window suites.

#include "platform/caption_label.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

// Lines of a caption as its label shows them.
inline QStringList captionLines(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.split(u'\n');
}

// "" when the caption fits its label in width and height, otherwise why not.
// A text that wraps by design is only held to the height.
enum class Wrapping { None, ByDesign };
inline QString captionMisfit(const platform::CaptionLabel *label, Wrapping wrapping = Wrapping::None)
{
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect();
    const QStringList lines = wrapping == Wrapping::None ? captionLines(label->caption()) : QStringList();
    for (const QString &line : lines) {
        const int needed = metrics.horizontalAdvance(line);
        if (needed > room.width())
            return QStringLiteral("\"%1\" needs %2 px of %3").arg(line).arg(needed).arg(room.width());
    }
    const int high = label->heightForWidth(room.width());
    if (high > room.height())
        return QStringLiteral("\"%1\" needs %2 px high of %3")
            .arg(label->caption().left(40)).arg(high).arg(room.height());
    return QString();
}

