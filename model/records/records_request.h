// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/records_choice.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace model {

// A work-order export to read without the dialog, and what is said of how
// it is read over what is guessed from it, so that a monthly script can
// read an export the dialog would ask about.
struct RecordsRequest {
    QString file;
    QString sheet; // a workbook's sheet, by its number from 1 or its name; empty: the first
    std::optional<QStringList> failureWords;
    std::optional<QStringList> failureTypes; // the work types of failures; none: guessed
    QDate installed;                         // when the system went in; invalid: not checked
    QDate from;                              // the period the export covers; invalid: its orders'
    QDate to;
    std::optional<int> repeatDays;                      // the gap of repeat orders; none: as before
    std::optional<DateForm> slashOrder;                 // day or month first, where slashes leave it open
    std::array<QString, kWorkOrderColumnCount> columns; // header names; empty: guessed
    bool stopsOnDowntime = false;                       // the lost production's stops on the mean downtime
};

// "date=Datum,description=Text,repairHours=Ist-Arbeit" (the keys as a
// facility file names the columns) into columns, or why not.
std::optional<QString> readColumnsOption(const QString &text, std::array<QString, kWorkOrderColumnCount> &columns);
// "2023-01-01:2024-12-31" into the request's period, or why not.
std::optional<QString> readPeriodOption(const QString &text, RecordsRequest &request);
// "dmy" or "mdy".
std::optional<DateForm> slashOrderNamed(const QString &text);

// The choice with the request's columns, order and words put over it, or
// why not: a column named that the header lacks.
std::optional<QString> applyRequest(RecordsChoice &choice, const ExportTable &table, const RecordsRequest &request);

} // namespace model
