// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "report/report_content.h"

#include <QObject>
#include <QString>

#include <optional>

QT_BEGIN_NAMESPACE
class QAction;
class QPagedPaintDevice;
class QPrinter;
QT_END_NAMESPACE

class FigureWindow;
class RecentFiles;

namespace document {
class FacilityDocument;
}

// The commands that take the facility's figures out of the program and
// bring them back: facility files, the customer report (details, PDF,
// printing), the results for a spreadsheet (copied, or as a workbook), the
// assumed reductions, currency and units, a plant's maintenance records, and
// the business case. Each is a
// dialog, where it needs one, and calls on the facility document. Nothing is
// read or written unless the user asks; the designed window works without them.
class FigureCommands : public QObject {
    Q_OBJECT
public:
    FigureCommands(document::FacilityDocument &facility, FigureWindow &window, QObject *parent);

    // In the order the menus list them.
    QList<QAction *> actions() const;

    // Each returns whether it did what it was asked; a failure has been told
    // to the user, and the window is as it was.
    bool openFigures(const QString &path);
    bool saveFigures(const QString &path);
    bool exportReport(const QString &path);
    bool exportWorkbook(const QString &path);
    bool printReport(QPagedPaintDevice &device);
    bool copyResults();
    // Reads a work-order export and asks how in the records dialog; true
    // when the records were kept or applied, false on Cancel or a refusal
    // (told).
    bool openRecords(const QString &path);

    // Before the figures are closed or others opened: when the document's file
    // has changes not saved, asks whether to save them there first. True
    // when the window may go on: nothing to ask, saved, or discarded; false
    // on Cancel, when the save failed (and has been told), or while the
    // question is already being asked.
    enum Before { Closing, Opening };
    bool settleUnsavedChanges(Before before);

    // The report of the window's figures, or nothing after answering the
    // failure the way a tab change does.
    std::optional<report::ReportContent> reportOfWindow();

private:
    void open();
    void save();
    void saveAs();
    void editReportDetails();
    void editAssumptions();
    void editCurrencyUnits();
    void chooseRecords();
    void showBusinessCase();
    void exportPdf();
    void exportXlsx();
    void print();

    // Answers figures that are no number or overflow as a tab change does;
    // true when the results can be used.
    bool figuresCompute() const;
    // As figuresCompute(), and the business case of the investment, when one
    // is given, does not overflow (told as a tab change tells the tables').
    bool figuresAndMeasuresCompute() const;

    bool writeReport(const QString &path, const report::ReportContent &content) const;
    bool writeWorkbook(const QString &path) const;
    bool paintReport(QPagedPaintDevice &device, const report::ReportContent &content) const;
    QString suggestedFile(const QString &name, const QString &customerName) const;

    QString folderOfFile() const;
    void tellUser(const QString &message) const;

    document::FacilityDocument &m_document;
    FigureWindow &m_window;
    bool m_asking = false;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_editDetails = nullptr;
    QAction *m_assumptions = nullptr;
    QAction *m_currencyUnits = nullptr;
    QAction *m_records = nullptr;
    QAction *m_businessCase = nullptr;
    QAction *m_export = nullptr;
    QAction *m_exportWorkbook = nullptr;
    QAction *m_print = nullptr;
    QAction *m_copy = nullptr;
    RecentFiles *m_recent = nullptr;
};

namespace main_window {

// Sets a printer up for the report: the exported page's layout, which the
// print dialog may still change, and the report's title as the job's name.
void setUpReportPrinter(QPrinter &printer, const report::ReportContent &content);

} // namespace main_window
