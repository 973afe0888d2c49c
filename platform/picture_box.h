// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLabel>

namespace platform {

// A picture drawn at its natural size from the top-left corner, either with
// a 2-pixel sunken border (a box sized to its picture) or without a border.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    enum class Border { None, Sunken };

    PictureBox(const QString &resource, Border border, QWidget *parent = nullptr);
};

} // namespace platform
