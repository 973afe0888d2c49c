// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/picture_box.h"

#include <QPixmap>

namespace platform {

PictureBox::PictureBox(const QString &resource, Border border, QWidget *parent) : QLabel(parent)
{
    if (border == Border::Sunken)
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // QPixmap picks resource@2x.png on a high-density screen.
    setPixmap(QPixmap(resource));
}

} // namespace platform
