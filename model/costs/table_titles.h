// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/results.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace model {

// Each cost table's title, in the three forms it is shown in. The texts are
// English source texts, translated under "TableTitles" by tableTitle().
struct TableTitle {
    const char *tab;     // the window's tab, the clipboard's and the workbook's column
    const char *heading; // the window's frame and the report's table, as designed
    const char *total;   // the summary's column of the table's total
};

inline constexpr std::array<TableTitle, kTableCount> kTableTitles{{
    {QT_TRANSLATE_NOOP("TableTitles", "Current Cost"),
     QT_TRANSLATE_NOOP("TableTitles", "ANUAL COST OF MANUAL LUBRICATION"),
     QT_TRANSLATE_NOOP("TableTitles", "Current annual cost")},
    {QT_TRANSLATE_NOOP("TableTitles", "Velmor Cost"),
     QT_TRANSLATE_NOOP("TableTitles", "ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM"),
     QT_TRANSLATE_NOOP("TableTitles", "Velmor annual cost")},
    {QT_TRANSLATE_NOOP("TableTitles", "Savings"),
     QT_TRANSLATE_NOOP("TableTitles", "ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION"),
     QT_TRANSLATE_NOOP("TableTitles", "Annual savings")},
}};

// One of the texts above in the interface language.
inline QString tableTitle(const char *source) { return QCoreApplication::translate("TableTitles", source); }

} // namespace model
