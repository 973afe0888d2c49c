// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

namespace platform {

struct LetteredPicture;

// Lettered pictures kept between runs in the user's cache folder, so that a
// start in a translated interface reads each picture as it was lettered
// before instead of laying out its texts again. A picture is known by what
// its pixels come from: the texts as the language writes them, the device
// pixel ratio, the bytes of the unlettered files it may be drawn over and
// the lettering's own revision. Any change gives another key, and the
// picture is lettered afresh.
QByteArray letteringKey(const LetteredPicture &picture, const QStringList &unletteredFiles, qreal devicePixelRatio);

// The picture kept under the key, at the ratio; null when there is none or
// it does not read.
QImage keptLettering(const QByteArray &key, qreal devicePixelRatio);

// Keeps the picture under the key once the event loop is idle, so that the
// first paint does not wait for it, with the safe write; the oldest kept
// pictures beyond a few dozen are removed. A folder that cannot be written
// only means the next start letters again.
void keepLettering(const QByteArray &key, const QImage &picture);

} // namespace platform
