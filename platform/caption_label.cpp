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
}

} // namespace platform
