// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/artwork_lettering.h"

#include "model/text/contact_details.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace platform {
namespace {

constexpr const char *kContext = "Artwork";

// The design's lettering colours.
constexpr QRgb kOnBlue = 0xFFFBFBFF;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kTagBlue = 0xFF0000C0;

// Texts shown in more than one picture, translated once.
//: tag line under the VELMOR wordmark; about 30 characters fit the Your Data banner at full size
constexpr const char *kAutomaticSystems = QT_TRANSLATE_NOOP("Artwork", "Automatic Lubrication Systems");

// "www.haldmark.com" for "http://www.haldmark.com".
QString siteName(QStringView url)
{
    for (QStringView scheme : {u"https://", u"http://"}) {
        if (url.startsWith(scheme))
            return url.mid(scheme.size()).toString();
    }
    return url.toString();
}

QString contactLine(const QString &translated)
{
    return translated.arg(model::kMaker.phone, model::kMaker.fax, siteName(model::kMaker.web));
}

// background_main: the title band (y 6..31, between the two drops) and the
// footer's two lines right of the HALDMARK logotype.
const std::array kMainTexts{
    //: title band of the main window; a longer title is drawn a little smaller, or on two lines
    ArtworkText{QT_TRANSLATE_NOOP("Artwork", "Velmor Automatic Lubrication Systems \u00B7 Cost Savings Calculator"),
                QRectF(71, 6, 458, 25), QPointF(300, 23.5), Qt::AlignHCenter, 14, 0, true, false, kOnBlue},
    //: the maker's postal address in the main window's footer; keep it, adding the country where readers need it
    ArtworkText{QT_TRANSLATE_NOOP("Artwork",
                                  "HALDMARK\u00AE, Inc. \u00B7 1200 Industrial Parkway \u00B7 Springfield, OH  45501"),
                QRectF(124, 392, 468, 11.7), QPointF(589, 401.5), Qt::AlignRight, 10, 0, false, false, kNavy},
    //: main window's footer: %1 phone number, %2 fax number, %3 web site
    ArtworkText{QT_TRANSLATE_NOOP("Artwork", "Phone %1 \u00B7 Fax %2 \u00B7 %3"), QRectF(124, 402.3, 468, 11.7),
                QPointF(589, 411.5), Qt::AlignRight, 10, 0, false, false, kNavy, contactLine},
};

// brand_logo: the tag line under the rule below the wordmark.
const std::array kLogoTexts{
    ArtworkText{kAutomaticSystems, QRectF(4, 192, 253, 35), QPointF(130.5, 208), Qt::AlignHCenter, 13, 0, false, false,
                kTagBlue},
};

// your_data_banner: the tag line under the wordmark, above the blue rule.
const std::array kYourDataTexts{
    ArtworkText{kAutomaticSystems, QRectF(129, 68, 131, 14), QPointF(195, 78), Qt::AlignHCenter, 9, 0, false, false,
                kTagBlue},
};

// result_banner: the slogan under the HALDMARK logotype, the tag line under
// the wordmark.
const std::array kResultTexts{
    //: slogan in the results' banner; it may take two lines
    ArtworkText{QT_TRANSLATE_NOOP("Artwork", "Centralized lubrication that pays for itself"), QRectF(205, 53, 221, 28),
                QPointF(315.5, 67), Qt::AlignHCenter, 11, 0, false, true, kTagBlue},
    //: short tag line under the VELMOR wordmark; about 22 characters fit at full size
    ArtworkText{QT_TRANSLATE_NOOP("Artwork", "Lubrication Systems"), QRectF(431, 68, 101, 14), QPointF(480.5, 78),
                Qt::AlignHCenter, 9, 0, false, false, kTagBlue},
};

// about_maker_banner: the subtitle under the HALDMARK logotype, between the
// bearing and the emblem.
const std::array kMakerTexts{
    //: subtitle under the maker's logotype in the About window
    ArtworkText{QT_TRANSLATE_NOOP("Artwork", "Centralized lubrication systems"), QRectF(101, 38, 153, 28),
                QPointF(176, 50), Qt::AlignHCenter, 10, 0, false, false, kTagBlue},
};

// about_design_banner: the three lines right of the designer's divider.
const std::array kDesignerTexts{
    //: the software designer's motto in the About window: three short lines, each about 18 characters
    ArtworkText{QT_TRANSLATE_NOOP("Artwork", "Engineering tools\nfor industry\nsince 1994"), QRectF(205, 8, 108, 54),
                QPointF(208, 23), Qt::AlignLeft, 11, 14, false, false, kNavy},
};

const std::array kPictures{
    LetteredPicture{u":/images/background_main.png", u":/images/background_main_unlettered.png", kMainTexts},
    LetteredPicture{u":/images/brand_logo.png", u":/images/brand_logo_unlettered.png", kLogoTexts},
    LetteredPicture{u":/images/your_data_banner.png", u":/images/your_data_banner_unlettered.png", kYourDataTexts},
    LetteredPicture{u":/images/result_banner.png", u":/images/result_banner_unlettered.png", kResultTexts},
    LetteredPicture{u":/images/about_maker_banner.png", u":/images/about_maker_banner_unlettered.png", kMakerTexts},
    LetteredPicture{u":/images/about_design_banner.png", u":/images/about_design_banner_unlettered.png",
                    kDesignerTexts},
};

QString translated(const ArtworkText &text) { return QCoreApplication::translate(kContext, text.source); }

QFont fontOf(const ArtworkText &text)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(text.pixelSize);
    font.setBold(text.bold);
    font.setItalic(text.italic);
    // Unhinted, a line's width grows with its size alone, so that it fits
    // its room alike at every device pixel ratio.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The lines of the paragraphs broken at word boundaries (between any two
// Chinese characters) to the width; empty when a word alone is wider.
QStringList wrapped(const QStringList &paragraphs, const QFont &font, qreal width)
{
    QStringList lines;
    for (const QString &paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        bool tooWide = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            tooWide = tooWide || line.naturalTextWidth() > width;
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        if (tooWide)
            return {};
    }
    return lines;
}

} // namespace

std::span<const LetteredPicture> letteredPictures() { return kPictures; }

const LetteredPicture *letteredPicture(QStringView resource)
{
    const auto found = std::find_if(kPictures.begin(), kPictures.end(),
                                    [resource](const LetteredPicture &p) { return p.resource == resource; });
    return found == kPictures.end() ? nullptr : &*found;
}

QString writtenText(const ArtworkText &text)
{
    const QString words = translated(text);
    return text.fill ? text.fill(words) : words;
}

bool writesOtherwise(const LetteredPicture &picture)
{
    return std::any_of(picture.texts.begin(), picture.texts.end(),
                       [](const ArtworkText &text) { return translated(text) != QString::fromUtf8(text.source); });
}

TextPlacement placeText(const ArtworkText &text, const QString &written)
{
    TextPlacement placement{fontOf(text), 1, {}};
    // Chinese characters are never slanted: oblique Han type reads as a fault.
    if (std::any_of(written.begin(), written.end(), [](QChar c) { return c.script() == QChar::Script_Han; }))
        placement.font.setItalic(false);
    const QFontMetricsF metrics(placement.font);
    const qreal step = text.lineStep > 0 ? text.lineStep : metrics.lineSpacing();
    const auto blockHeight = [&](qsizetype lines) { return metrics.ascent() + metrics.descent() + (lines - 1) * step; };
    const auto widest = [&](const QStringList &lines) {
        qreal width = 0;
        for (const QString &line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    // A hair of room to spare, for the rounding of glyph positions.
    const QSizeF room = text.room.size() - QSizeF(0.5, 0);
    const auto fits = [&](const QStringList &lines, qreal scale) {
        return !lines.isEmpty() && widest(lines) * scale <= room.width()
               && blockHeight(lines.size()) * scale <= room.height();
    };

    const QStringList designed = written.split(u'\n');
    // The designed lines, as large as they fit; a step or two smaller is
    // still the designed look.
    QStringList lines = designed;
    const qreal widestDesigned = widest(designed);
    qreal scale = std::min(
        {1.0, widestDesigned > 0 ? room.width() / widestDesigned : 1.0, room.height() / blockHeight(designed.size())});
    // Else wrapped within the room, where that lets them be larger.
    for (int s = 0; scale < 0.9 && 1 - 0.05 * s > scale; ++s) {
        const QStringList broken = wrapped(designed, placement.font, room.width() / (1 - 0.05 * s));
        if (fits(broken, 1 - 0.05 * s)) {
            lines = broken;
            scale = 1 - 0.05 * s;
        }
    }
    placement.scale = scale;

    // Centred where the designed lines stand, within the room.
    const qreal centre = text.anchor.y() - metrics.ascent() + blockHeight(designed.size()) / 2;
    const qreal height = blockHeight(lines.size()) * scale;
    const qreal top = std::max(text.room.top(), std::min(centre - height / 2, text.room.bottom() - height));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qreal width = metrics.horizontalAdvance(lines[i]) * scale;
        qreal left = text.anchor.x();
        if (text.align == Qt::AlignHCenter)
            left -= width / 2;
        else if (text.align == Qt::AlignRight)
            left -= width;
        left = std::max(text.room.left(), std::min(left, text.room.right() - width));
        placement.lines.append({lines[i], QPointF(left, top + (metrics.ascent() + i * step) * scale), width});
    }
    return placement;
}

void drawLettering(QImage &unlettered, const LetteredPicture &picture)
{
    if (unlettered.format() != QImage::Format_ARGB32_Premultiplied)
        unlettered = unlettered.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&unlettered);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (const ArtworkText &text : picture.texts) {
        const TextPlacement placement = placeText(text, writtenText(text));
        painter.setFont(placement.font);
        painter.setPen(QColor::fromRgba(text.colour));
        for (const PlacedLine &line : placement.lines) {
            painter.save();
            painter.translate(line.baseline);
            painter.scale(placement.scale, placement.scale);
            painter.drawText(QPointF(0, 0), line.text);
            painter.restore();
        }
    }
}

} // namespace platform
