// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The windows are laid out in twips (1/1440 inch). Qt works in
// device-independent pixels at 96 per inch, 15 twips each, and scales them to
// the screen itself, so this is the one place where twips become pixels.
namespace platform {

constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) { return value / kTwipsPerPixel; }

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

constexpr QSize twipsSize(int width, int height) { return QSize(twips(width), twips(height)); }

} // namespace platform
