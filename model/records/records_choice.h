// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/records_evidence.h"
#include "model/records/work_orders.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace model {

// How a work-order export is read: which column holds what, how its dates
// are written, and the words that mark a bearing failure.
struct RecordsChoice {
    ColumnMapping mapping;
    DateForm dateForm = DateForm::Iso;
    // The dates leave the order of day and month open (03/04/2024): it is
    // the user's to choose.
    bool dateOrderOpen = false;
    QStringList failureWords;
    // The work types that mean a corrective or breakdown order (where the
    // export has a work-type column), the period, the repeat gap, the orders
    // left out and when the system went in.
    CountingRule counting;
    // Whether applying values the lost production's stops on the mean
    // downtime (RecordsEvidence::stopsOnDowntime).
    bool stopsOnDowntime = false;
};

// The choice to start from: the columns and words the facility's records
// were read with (previous), where this export has columns of those names,
// else guessed from the header (guessMapping()), the default words
// (defaultFailureWords()); the date form from the date column, an open
// order as before or else as locale writes dates; the failure types as
// before where this export holds them, else guessed (guessFailureTypes());
// the repeat gap, the orders left out and the installation as before, the
// period an export's own.
RecordsChoice startingChoice(const ExportTable &table, const std::optional<RecordsEvidence> &previous,
                             const QLocale &locale);

// The form of the dates in column (dateFormOf()). When they do not read in
// one form, the form of the first, so that summariseRecords() names the
// first line that does not read in it.
DateColumn dateColumnOf(const ExportTable &table, std::optional<int> column);
DateForm dateFormToTry(const ExportTable &table, std::optional<int> column);

// The failure words typed in one line, separated by commas or semicolons,
// each without the spaces around it; none twice.
QStringList failureWordsOf(const QString &typed);

// What the export comes to read as chosen, as the facility keeps it (not yet
// applied), or why not, naming the line where one is to blame.
struct EvidenceReading {
    std::optional<RecordsEvidence> evidence;
    QString problem;
    std::vector<MatchedOrder> matched; // the orders the words and types matched, left out or not
};
EvidenceReading evidenceOf(const ExportTable &table, const RecordsChoice &choice, const QString &fileName,
                           const QString &sha256, const QString &sheet, const QLocale &locale);

} // namespace model
