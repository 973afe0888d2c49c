// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QColor>
#include <QWidget>

namespace platform {

// A horizontal rule of a given colour and width in pixels, from x1 to x2 at y
// (pixels, in its container).
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(int x1, int x2, int y, int width, QColor colour, QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace platform
