// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/line_control.h"

#include <QPainter>

namespace platform {

LineControl::LineControl(int x1, int x2, int y, int width, QColor colour, QWidget *parent)
    : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(x1, y, x2 - x1, width);
}

void LineControl::paintEvent(QPaintEvent *) { QPainter(this).fillRect(rect(), m_colour); }

} // namespace platform
