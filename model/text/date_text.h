// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace model {

// A date in a sentence or a table cell as the regional settings write a
// short date, with the year in full: "01.03.2023" in Germany, "3/1/2023" in
// the United States, "2023/3/1" in China; ISO 8601 in the C locale, which
// names no region. Files keep ISO 8601.
QString dateText(const QDate &date, const QLocale &locale);

} // namespace model
