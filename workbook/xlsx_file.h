// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/files/safe_write.h"

#include <QDate>
#include <QString>

#include <xlsxwriter.h>

#include <functional>
#include <map>
#include <optional>

namespace workbook {

// One worksheet written cell by cell from Qt's types; the first failure of
// the library is kept, and every later write is skipped.
// One worksheet. Each column is as wide as its widest caption, in every
// language, and at least the width asked for it (columnWidth()); texts
// longer than a caption, notes that may run on over empty cells, leave the
// width alone. The widths are set as the sheet goes out of scope, before
// the workbook is closed.
class Sheet {
public:
    Sheet(lxw_workbook *book, const char *name, bool zeroCached);
    ~Sheet();
    Sheet(const Sheet &) = delete;
    Sheet &operator=(const Sheet &) = delete;

    void text(int row, int column, const QString &text, lxw_format *format = nullptr);
    void number(int row, int column, double value, lxw_format *format = nullptr);
    // A date as spreadsheets count days (1 is 1900-01-01), shown by format.
    void date(int row, int column, const QDate &date, lxw_format *format);
    // A formula and the result it is saved with (0 when the sheet keeps zeros).
    void formula(int row, int column, const QString &formula, double cached, lxw_format *format = nullptr);
    // A formula whose result is the figure, or the empty text where there is
    // none (no payback, no rate of return), saved as that text.
    void formula(int row, int column, const QString &formula, std::optional<double> cached,
                 lxw_format *format = nullptr);
    // A formula whose result is a text, saved as cached (0 when the sheet
    // keeps zeros, as a writer that does not compute leaves it).
    void textFormula(int row, int column, const QString &formula, const QString &cached, lxw_format *format = nullptr);
    void columnWidth(int column, double width);
    // Cells of the range show in format wherever the formula, written for
    // the range's top-left cell and moving with each cell, holds.
    void formatWhere(int firstRow, int firstColumn, int lastRow, int lastColumn, const QString &formula,
                     lxw_format *format);

    lxw_error error() const { return m_error; }

private:
    bool go(lxw_error error);
    void fit(int column, const QString &text);

    lxw_worksheet *m_sheet = nullptr;
    std::map<int, double> m_widths; // asked for or fitted, by column
    bool m_zeroCached = false;
    lxw_error m_error = LXW_NO_ERROR;
};

// Fills the workbook's sheets; returns why it could not, or nothing.
using WorkbookFiller = std::function<std::optional<QString>(lxw_workbook *book)>;

// The library writes to a file name, so the workbook is made in a
// ScratchFile, with every number in the C form whatever the regional
// settings and the library's own messages kept off standard error; it is
// read back and checked part by part (workbookDamage()), and only a whole
// workbook goes to path through model::writeFileSafely().
model::WriteResult writeXlsxSafely(const QString &path, const WorkbookFiller &fill);

// Why the library failed, as a sentence ("The workbook could not be made:
// String exceeds Excel's limit of 32,767 characters.").
QString libraryFailure(lxw_error error);

// A1 reference of a cell, 0-based row and column ("B4"); sheet-qualified and
// absolute when a sheet is named ("Figures!$B$4").
QString cellName(int row, int column, const char *sheet = nullptr);

} // namespace workbook
