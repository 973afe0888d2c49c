// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace model {

// The currency every money figure is typed and shown in, and the units of
// the lubricant. There is no exchange rate: a figure is a number in the
// chosen currency. The designed window shows "$" and pounds; a new facility
// starts in the regional settings' currency and units (regionalCurrencySymbol(),
// regionalUnits()).
enum class Units { Imperial, Metric };

inline constexpr char16_t kDesignedCurrencySymbol[] = u"$";

// Long enough for "CHF", "US$" or "NZ$"; short enough that a unit caption
// such as " MXN/hour" keeps to its label at the designed size.
inline constexpr qsizetype kCurrencySymbolMaxLength = 3;

// Kilograms in one pound, exactly.
inline constexpr double kKilogramsPerPound = 0.45359237;

struct CurrencyUnits {
    QString symbol = QString::fromUtf16(kDesignedCurrencySymbol);
    Units units = Units::Imperial;

    bool isDesigned() const { return *this == CurrencyUnits(); }
    friend bool operator==(const CurrencyUnits &, const CurrencyUnits &) = default;
};

// A symbol as typed, made fit to stand beside figures: blanks at either end
// are dropped and nothing becomes whenBlank ("$" for a file's symbol, the
// region's in the window). A symbol that could be misread as part of a
// figure (a digit, a sign, a decimal or grouping mark), that holds
// characters no label shows (control or format characters) or quotes that
// would end a spreadsheet's number format, or that is longer than
// kCurrencySymbolMaxLength, is refused: then message says why.
struct CurrencySymbolReading {
    std::optional<QString> symbol;
    QString message;
};
CurrencySymbolReading readCurrencySymbol(QStringView typed, QStringView whenBlank = kDesignedCurrencySymbol);

// The currency a facility starts in, without a choice made: the symbol the
// regional settings write amounts with ("€" in Germany, "R$" in Brazil,
// "$" in the United States), else their three-letter code where the symbol
// is not one readCurrencySymbol() takes as it is ("EGP" in Egypt, whose
// symbol holds dots and a direction mark), else "$".
QString regionalCurrencySymbol(const QLocale &locale);
// The units a facility starts in, without a choice made: pounds where the
// regional settings measure in US units (and in the C locale, which names
// no region), else kilograms.
Units regionalUnits(const QLocale &locale);

// The label right of input field index (0 to 11) for these units and this
// currency: the metric texts replace the imperial ones, then the "$" of the
// text, which stands for the currency, becomes the chosen symbol.
QString unitLabel(int index, const CurrencyUnits &currency);
// What field index means, in the units: "pounds of lubricant used per
// year" or "kilograms of lubricant used per year".
QString inputMeaning(int index, Units units);

// A text that names the currency by "$" ("Cumulative cash flow ($)"), in
// the chosen currency.
QString withCurrencySymbol(QString text, QStringView symbol);

// The savings chart's title for the currency: empty for "$", whose title
// is the designed one naming dollars; else one naming the symbol.
QString savingsChartTitle(const CurrencyUnits &currency);

// The name of the units in a facility file, and back; nothing for another name.
QString unitsName(Units units);
std::optional<Units> unitsNamed(QStringView name);

} // namespace model
