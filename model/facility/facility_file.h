// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/currency_units.h"
#include "model/costs/input_table.h"
#include "model/costs/savings_kinds.h"
#include "model/facility/case_options.h"
#include "model/files/file_kinds.h"
#include "model/finance/business_case.h"
#include "model/finance/capital_inputs.h"
#include "model/finance/risk_simulation.h"
#include "model/records/records_evidence.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace model {

// A facility file keeps the twelve figures of a facility, as the input fields
// held them, the report details, the investment, the capital request's
// inputs and the assumed reductions, in a small UTF-8 JSON file:
//
//   {
//       "format": "velmor-figures",
//       "version": 4,
//       "locale": "de_DE",
//       "figures": [ twelve texts, indexed like kInputs ],
//       "report": { "customer": "", "site": "", "preparedBy": "" },
//       "investment": { "systemPrice": "", "installationCost": "", "yearlyUpkeep": "",
//                       "years": "", "discountRate": "" },
//       "capital": { "labourEscalation": "", "lubricantEscalation": "", "bearingEscalation": "",
//                    "productionValueEscalation": "", "upkeepEscalation": "", "taxRate": "",
//                    "depreciationYears": "", "decliningRate": "", "residualValue": "",
//                    "firstYearShare": "", "depreciation": "none", "timing": "yearEnd" },
//       "assumptions": { "lubricationLabour": 90, "lubricant": 50, "bearings": 80,
//                        "replacementLabour": 80, "lostProduction": 80 },
//       "currency": { "symbol": "$", "units": "imperial" }
//   }
//
// "locale" is the QLocale::name() of the regional settings the figures were
// typed in; without it a text such as "2.000" has no known meaning, so a file
// that lacks it, or names settings Qt does not know, is refused. The
// investment's members are texts as typed, read in the same settings; the
// reductions are numbers in per cent, 0 to 100. "report", "investment",
// "capital" and "assumptions" may be absent (empty details, no investment,
// the capital inputs' defaults, the designed reductions), and so may any of
// their members; members other than these are ignored, and no object may
// name a key twice. Their texts open with each control character but the
// line feed a blank. Version 1 files, which kept the system price as
// "systemPrice" of "report" and had no assumptions, open with that price
// and the designed reductions.
// "currency" (version 3) holds the symbol every money figure is typed in and
// the lubricant's units, "imperial" or "metric"; without it, and in files of
// versions 1 and 2, the figures are in "$" and pounds. A symbol that the
// window would refuse (readCurrencySymbol()) refuses the file.
// "capital" (version 4) holds texts as typed, as "investment" does, and two
// choices: "depreciation" is "none", "straightLine" or "decliningBalance",
// "timing" is "yearEnd" or "midYear"; any other choice refuses the file. Files
// of versions 1 to 3 open with the defaults (model::CapitalInputs), whatever
// "capital" they may hold.
// "records" and "risk" (version 5, both may be absent) keep the work-order
// records read and the user's risk ranges:
//
//       "records": { "file": "orders.csv", "sha256": "…", "sheet": "",
//                    "columns": { "date": "Date", "asset": "", "workType": "",
//                                 "description": "", "repairHours": "", "downtimeHours": "" },
//                    "dateForm": "iso", "failureWords": [ "bearing" ], "applied": true,
//                    "workOrders": 120, "failures": 17, "duplicates": 0,
//                    "first": "2023-03-01", "last": "2025-03-01",
//                    "medianHours": 4.2, "hours10": 2.9, "hours90": 6.1, "medianDowntime": 3 },
//       "risk": { "seed": "1", "runs": 10000,
//                 "ranges": { "lubricationLabour": [ 45, 90, 95 ], … } }
//
// The rate and its interval are computed again from the counts and dates.
// The seed is a decimal text, as a 64-bit number is more than JSON's numbers
// hold exactly; an input without a range keeps its figure.
// "lostProduction" (version 6, may be absent) keeps how a failure's stop is
// valued, only the figures given: "marginPercent" and "madeUpPercent" (0 to
// 100), "idleCrew" and "idleCrewRate" (0 to a million), "stopHours" (0 to
// 8760) and "soldOut" (true or false); "savingsKinds" (version 6, may be
// absent) which savings rows are cash, "hard": five booleans, rows 1 to 5,
// and "freedHoursTo", the text of where the freed lubrication hours go.
// "options" (version 6, may be absent) keeps the options of the case beside
// the one the root describes: "selected", that one's name, and "others", at
// most kMaxOtherOptions objects each holding a "name" and its own
// "assumptions", "investment", "capital", "otherSavings" and "oneOffItems" as
// the root holds them. A file that holds none of version 6's members is
// written as version 5, so that older versions still open it.

inline constexpr const char *kFacilityFileSuffix = kFacilityFileKind.suffix;
inline constexpr char kFacilityFormat[] = "velmor-figures";
inline constexpr int kFacilityFormatVersion = 6;

// Larger files are refused before they are read.
inline constexpr qint64 kFacilityFileMaxBytes = kFacilityFileKind.maxBytes;

// The most characters an input field holds (QLineEdit's maximum length); a
// longer text could not come back unchanged, so a file holding one is refused.
inline constexpr qsizetype kFieldTextMaxLength = 32767;

// The most characters a report detail (customer, site, prepared by, system
// price) holds: enough for any name, and few enough that the report's page
// shows the whole of it.
inline constexpr qsizetype kReportDetailMaxLength = 100;

struct ReportDetails {
    QString customer;
    QString site;
    QString preparedBy;

    friend bool operator==(const ReportDetails &, const ReportDetails &) = default;
};

struct FacilityFigures {
    std::array<QString, kInputCount> figures;
    QString locale; // QLocale::name() of the settings the texts were typed in
    ReportDetails report;
    InvestmentTexts investment;
    CapitalTexts capital;
    Assumptions assumptions = Assumptions::designed();
    CurrencyUnits currency;
    std::optional<RecordsEvidence> records;
    std::optional<RiskRanges> risk; // none: the defaults
    // Which savings are cash; none: the case is not split into hard and soft.
    std::optional<SavingsKinds> savingsKinds;
    // The name of the option the reductions, investment and capital inputs
    // above describe, and the options considered beside it; no name and none
    // while the case weighs one option against doing nothing.
    QString optionName;
    std::vector<CaseOption> otherOptions;

    friend bool operator==(const FacilityFigures &, const FacilityFigures &) = default;
};

// The figures read, or when there are none a message saying what is wrong.
struct FacilityReadResult {
    std::optional<FacilityFigures> figures;
    QString message;

    explicit operator bool() const { return figures.has_value(); }
};

struct FacilitySaveResult {
    bool saved = false;
    QString message; // what went wrong, when not saved

    explicit operator bool() const { return saved; }
};

// The file's bytes for these figures.
QByteArray toFacilityJson(const FacilityFigures &figures);

// Reads a facility file's bytes. On failure the message is one sentence about
// the contents ("The file is not a facility file."); openFacilityFile() puts
// the file's name before it.
FacilityReadResult readFacilityJson(const QByteArray &bytes);

// Opens the facility file at path. On failure the message names the file and
// says what is wrong, ready to be shown to the user.
FacilityReadResult openFacilityFile(const QString &path);

// Writes the figures to path through QSaveFile: afterwards the file is the
// complete new one, or, when saving failed, whatever it was before. On
// failure the message names the file and the reason.
FacilitySaveResult saveFacilityFile(const QString &path, const FacilityFigures &figures);

// The opened figures as the fields show them in the current regional
// settings. In the settings they were saved in, every text is returned as it
// was saved. In others, a text that reads as a number in the saved settings
// becomes the plain number text of the current settings that reads back as
// the same figure ("2.000" from de_DE is "2000" in en_US, "2.5" from en_US
// is "2,5" in de_DE); a text that was no number in the saved settings is
// returned as it was. The same holds for the investment's and the capital
// inputs' texts. The
// result's locale is the current one.
FacilityFigures figuresForLocale(const FacilityFigures &opened, const QLocale &current);

} // namespace model
