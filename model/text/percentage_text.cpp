// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/percentage_text.h"

namespace model {
namespace {

// CLDR 42's percent patterns ("#,##0 %" or "#,##0%") for the languages the
// interface speaks; a language not named writes no space.
bool spacedPercent(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::German:
        return locale.territory() != QLocale::Switzerland && locale.territory() != QLocale::Liechtenstein;
    case QLocale::French:
        return locale.territory() != QLocale::Switzerland;
    case QLocale::Spanish:
        return locale.territory() != QLocale::Mexico;
    default:
        return false;
    }
}

} // namespace

QString percentText(double percent, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(percent, 'f', QLocale::FloatingPointShortest); // never "1e+06"
}

QString withPercentSign(const QString &figure, const QLocale &locale)
{
    return spacedPercent(locale) ? figure + QStringLiteral("\u00A0%") : figure + u'%';
}

QString percentageText(double percent, const QLocale &locale)
{
    return withPercentSign(percentText(percent, locale), locale);
}

} // namespace model
