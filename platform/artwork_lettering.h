// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <QStringView>

#include <span>

namespace platform {

// One text of the artwork, drawn at run time in the interface's language.
// Places are in the picture's logical pixels, as in its SVG source.
struct ArtworkText {
    const char *source;      // in the "Artwork" context; lines split by '\n'
    QRectF room;             // the band the text never leaves, however long
    QPointF anchor;          // the designed first baseline's start, middle or end
    Qt::AlignmentFlag align; // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight: which point anchor is
    int pixelSize;
    qreal lineStep; // from one designed line's baseline to the next
    bool bold;
    bool italic;
    QRgb colour;
    QString (*fill)(const QString &translated) = nullptr; // fills its placeholders, if it has any
};

// A picture of the artwork whose texts a translation changes, and the copy
// of it without them that they are drawn over.
struct LetteredPicture {
    QStringView resource; // as shown in English: ":/images/NAME.png"
    QStringView unlettered;
    std::span<const ArtworkText> texts;
};

// Every lettered picture: the one place that says which texts go where.
std::span<const LetteredPicture> letteredPictures();

// The lettered picture shown from the resource, or null.
const LetteredPicture *letteredPicture(QStringView resource);

// The text as the interface's language writes it, its placeholders filled.
QString writtenText(const ArtworkText &text);

// True when the interface's language writes any of the picture's texts
// otherwise than the picture shows them; else the picture is shown as it is.
bool writesOtherwise(const LetteredPicture &picture);

// Where a written text's lines stand: at their designed size and places
// when they fit the room, else a step smaller, else wrapped within the room
// at the largest size that fits, else as small as it takes. Never cut.
struct PlacedLine {
    QString text;
    QPointF baseline; // the line's left end, in the picture's logical pixels
    qreal width;      // logical pixels, at the placement's scale
};
struct TextPlacement {
    QFont font;      // at the designed size
    qreal scale = 1; // the size it is drawn at, as a share of the designed
    QList<PlacedLine> lines;
};
TextPlacement placeText(const ArtworkText &text, const QString &written);

// Draws the picture's texts as the interface's language writes them over
// its unlettered copy, whatever the copy's device pixel ratio: the glyphs are
// drawn for its device pixels, so they are sharp at every zoom and screen.
void drawLettering(QImage &unlettered, const LetteredPicture &picture);

} // namespace platform
