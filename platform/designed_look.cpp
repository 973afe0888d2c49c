// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "platform/designed_look.h"

#include <QFont>
#include <QWidget>

namespace platform {

QPalette designedPalette()
{
    // The light scheme the windows were laid out and coloured against.
    struct Role {
        QPalette::ColorRole role;
        QColor normal;   // active and inactive windows
        QColor disabled; // disabled controls
    };
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor window(239, 239, 239);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    const Role roles[] = {
        {QPalette::WindowText, black, kGreyText},
        {QPalette::Button, window, window},
        {QPalette::Light, white, white},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), kGreyText},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, black, kGreyText},
        {QPalette::BrightText, white, white},
        {QPalette::ButtonText, black, kGreyText},
        {QPalette::Base, white, window},
        {QPalette::Window, window, window},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
        {QPalette::HighlightedText, white, white},
        {QPalette::Link, QColor(Qt::blue), QColor(Qt::blue)},
        {QPalette::LinkVisited, QColor(Qt::magenta), QColor(Qt::magenta)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::NoRole, black, black},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, black, black},
        {QPalette::PlaceholderText, placeholder, placeholder},
    };
    static_assert(sizeof(roles) / sizeof(roles[0]) == QPalette::NColorRoles, "every role has its colours");

    // Every role set in every group: nothing is left to be filled in from
    // the desktop's palette.
    QPalette palette;
    for (const Role &r : roles) {
        palette.setColor(QPalette::Active, r.role, r.normal);
        palette.setColor(QPalette::Inactive, r.role, r.normal);
        palette.setColor(QPalette::Disabled, r.role, r.disabled);
    }
    return palette;
}

QFont designedFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    font.setStyleName(QString());
    font.setStyleHint(QFont::SansSerif, QFont::PreferDefault);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    font.setStretch(QFont::Unstretched);
    font.setKerning(true);
    font.setCapitalization(QFont::MixedCase);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setWordSpacing(0);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    return font;
}

void applyDesignedLook(QWidget *window)
{
    window->setPalette(designedPalette());
    window->setFont(designedFont());
}

} // namespace platform
