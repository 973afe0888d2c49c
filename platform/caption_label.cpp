// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/caption_label.h"

namespace platform {

CaptionLabel::CaptionLabel(QWidget *parent, Qt::Alignment horizontal) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(horizontal | Qt::AlignTop);
}

void CaptionLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(u'\r', QChar::LineSeparator);
    setText(shown);
    // Left to itself QLabel would hand screen readers the line separators
    // it draws with; they read a plain line feed as the line break.
    QString spoken = caption;
    spoken.replace(u'\r', u'\n');
    setAccessibleName(spoken);
}

} // namespace platform
