// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "model/text/date_text.h"

#include <QRegularExpression>

namespace model {

QString dateText(const QDate &date, const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return date.toString(Qt::ISODate);
    // A two-digit year ("yy" alone) becomes four: "1.3.23" could be 1923.
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.replace(shortYear, QStringLiteral("yyyy"));
    return locale.toString(date, format);
}

} // namespace model
