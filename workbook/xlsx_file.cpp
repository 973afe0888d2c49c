// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "workbook/xlsx_file.h"

#include "model/text/message_text.h"
#include "workbook/c_numeric_locale.h"
#include "workbook/scratch_file.h"
#include "workbook/silenced_standard_error.h"
#include "workbook/xlsx_parts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIODevice>

#include <algorithm>

namespace workbook {

Sheet::Sheet(lxw_workbook *book, const char *name, bool zeroCached)
    : m_sheet(workbook_add_worksheet(book, name)), m_zeroCached(zeroCached)
{
    if (!m_sheet)
        m_error = LXW_ERROR_MEMORY_MALLOC_FAILED;
}

Sheet::~Sheet()
{
    for (const auto &[column, width] : m_widths) {
        if (m_error == LXW_NO_ERROR)
            worksheet_set_column(m_sheet, lxw_col_t(column), lxw_col_t(column), width, nullptr);
    }
}

// A caption's width in the spreadsheet's units (the width of a digit): nine
// tenths of one a character of a proportional font, about two for a Chinese
// one, and two for the cell's margins and bold type.
void Sheet::fit(int column, const QString &text)
{
    constexpr double kWidestCaption = 64;
    double widest = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        double width = 0;
        for (const QChar c : line)
            width += c.script() == QChar::Script_Han || (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF60) ? 2.3 : 1;
        widest = std::max(widest, width);
    }
    const double fitted = widest * 0.9 + 2;
    if (fitted <= kWidestCaption && fitted > LXW_DEF_COL_WIDTH)
        m_widths[column] = std::max(m_widths[column], fitted);
}

bool Sheet::go(lxw_error error)
{
    if (m_error == LXW_NO_ERROR)
        m_error = error;
    return m_error == LXW_NO_ERROR;
}

void Sheet::text(int row, int column, const QString &text, lxw_format *format)
{
    fit(column, text);
    if (m_error == LXW_NO_ERROR)
        go(worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(), format));
}

void Sheet::number(int row, int column, double value, lxw_format *format)
{
    if (m_error == LXW_NO_ERROR)
        go(worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, format));
}

void Sheet::date(int row, int column, const QDate &date, lxw_format *format)
{
    // Day 0 is 1899-12-30: the serial numbers count 1900 as a leap year.
    number(row, column, double(QDate(1899, 12, 30).daysTo(date)), format);
}

void Sheet::formula(int row, int column, const QString &formula, double cached, lxw_format *format)
{
    if (m_error == LXW_NO_ERROR)
        go(worksheet_write_formula_num(m_sheet, lxw_row_t(row), lxw_col_t(column), formula.toUtf8().constData(), format,
                                       m_zeroCached ? 0 : cached));
}

void Sheet::formula(int row, int column, const QString &formula, std::optional<double> cached, lxw_format *format)
{
    if (cached || m_zeroCached) {
        this->formula(row, column, formula, cached.value_or(0), format);
        return;
    }
    if (m_error == LXW_NO_ERROR)
        go(worksheet_write_formula_str(m_sheet, lxw_row_t(row), lxw_col_t(column), formula.toUtf8().constData(), format,
                                       ""));
}

void Sheet::textFormula(int row, int column, const QString &formula, const QString &cached, lxw_format *format)
{
    if (m_zeroCached) {
        this->formula(row, column, formula, 0.0, format);
        return;
    }
    if (m_error == LXW_NO_ERROR)
        go(worksheet_write_formula_str(m_sheet, lxw_row_t(row), lxw_col_t(column), formula.toUtf8().constData(), format,
                                       cached.toUtf8().constData()));
}

void Sheet::columnWidth(int column, double width) { m_widths[column] = std::max(m_widths[column], width); }

void Sheet::formatWhere(int firstRow, int firstColumn, int lastRow, int lastColumn, const QString &formula,
                        lxw_format *format)
{
    const QByteArray criteria = formula.toUtf8();
    lxw_conditional_format condition{};
    condition.type = LXW_CONDITIONAL_TYPE_FORMULA;
    condition.value_string = const_cast<char *>(criteria.constData());
    condition.format = format;
    if (m_error == LXW_NO_ERROR)
        go(worksheet_conditional_format_range(m_sheet, lxw_row_t(firstRow), lxw_col_t(firstColumn), lxw_row_t(lastRow),
                                              lxw_col_t(lastColumn), &condition));
}

QString cellName(int row, int column, const char *sheet)
{
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    if (!sheet)
        return letters + QString::number(row + 1);
    return QStringLiteral("%1!$%2$%3").arg(QLatin1StringView(sheet), letters).arg(row + 1);
}

namespace {

QString notMade(const QString &reason)
{
    return QCoreApplication::translate("WorkbookText", "The workbook could not be made: %1").arg(reason);
}

} // namespace

QString libraryFailure(lxw_error error) { return notMade(model::asSentence(QString::fromUtf8(lxw_strerror(error)))); }

model::WriteResult writeXlsxSafely(const QString &path, const WorkbookFiller &fill)
{
    return model::writeFileSafely(path, model::kWorkbookKind, [&fill](QIODevice &device) -> std::optional<QString> {
        const ScratchFile made;
        if (made.failure())
            return made.failure();
        // Where the library's own scratch files are not made in memory (see
        // scratch_file.cpp), its parts lie in the temporary folder until it
        // has zipped them, each removed from the folder once it is opened.
        QByteArray partsFolder = QFile::encodeName(QDir::tempPath());
        std::optional<QString> problem;
        lxw_error closed = LXW_NO_ERROR;
        {
            const CNumericLocale cNumbers;
            if (cNumbers.failure())
                return notMade(*cNumbers.failure());
            const SilencedStandardError quiet;
            lxw_workbook_options options{};
            options.tmpdir = partsFolder.data();
            lxw_workbook *book = workbook_new_opt(made.name().constData(), &options);
            if (!book)
                return QCoreApplication::translate("WorkbookText", "The workbook could not be started.");
            problem = fill(book);
            // Closing writes the file and frees the workbook, filled or not.
            closed = workbook_close(book);
        }
        if (problem)
            return problem;
        if (closed != LXW_NO_ERROR)
            return libraryFailure(closed);
        if (const std::optional<QString> damage = workbookDamage(made.name()))
            return damage;
        const std::optional<QByteArray> bytes = made.contents();
        if (!bytes)
            return QCoreApplication::translate("WorkbookText", "The workbook made could not be read back.");
        device.write(*bytes);
        return std::nullopt;
    });
}

} // namespace workbook
