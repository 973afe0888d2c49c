// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "outputs/report_builder.h"
#include "model/facility_file.h"
#include "model/unit_conversion.h"

#include <QObject>
#include <QString>

#include <optional>

QT_BEGIN_NAMESPACE
class QAction;
class QPagedPaintDevice;
class QPrinter;
QT_END_NAMESPACE

class FigureWindow;

// The commands that take the figures away from the window and bring them
// back: facility files, the customer report (details, PDF, printing), the
// results for a spreadsheet (copied, or as a workbook), the assumed reductions and the business case.
// Nothing is read or written unless the user asks; the designed window works
// without them.
class FigureCommands : public QObject {
    Q_OBJECT
public:
    FigureCommands(FigureWindow &window, QObject *parent);

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

    // The file last opened or saved: "Save Figures" writes there.
    QString currentFile() const { return m_currentFile; }
    const model::ReportDetails &reportDetails() const { return m_details; }
    const model::InvestmentTexts &investment() const { return m_investment; }
    // New details, investment or reductions count as a change of the
    // figures (FigureWindow::markFiguresChanged).
    void setReportDetails(const model::ReportDetails &details);
    void setInvestment(const model::InvestmentTexts &investment);
    void setAssumptions(const model::Assumptions &assumptions);
    // Other units convert the lubricant's quantity and price so that the
    // results stay the same; switching back without an edit gives the texts
    // back as typed.
    void setCurrencyUnits(const model::CurrencyUnits &currency);

    // Before the figures are closed or others opened: when the current file
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
    void showBusinessCase();
    void exportPdf();
    void exportXlsx();
    void print();

    // Answers figures that are no number or overflow as a tab change does;
    // true when the results can be used.
    bool answeredAsTabChange(const model::Results &results) const;
    // The results of the window's figures, or nothing after answering them so.
    std::optional<model::Results> windowResults() const;
    // True, after telling the overflow as a tab change tells the tables',
    // when the business case of the investment overflows with these results.
    bool answeredMeasuresFault(const model::Results &results) const;

    bool writeReport(const QString &path, const report::ReportContent &content) const;
    bool writeWorkbook(const QString &path) const;
    bool paintReport(QPagedPaintDevice &device, const report::ReportContent &content) const;
    void keptIn(const QString &path);
    QString suggestedFile(const QString &name, const QString &customerName) const;

    // The figures as the window holds them now.
    model::FacilityFigures windowFigures() const;
    void tellUser(const QString &message) const;

    FigureWindow &m_window;
    QString m_currentFile;
    model::ReportDetails m_details;
    model::InvestmentTexts m_investment;
    bool m_asking = false;
    model::UnitSwitch m_unitSwitch;
    QAction *m_open = nullptr;
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_editDetails = nullptr;
    QAction *m_assumptions = nullptr;
    QAction *m_currencyUnits = nullptr;
    QAction *m_businessCase = nullptr;
    QAction *m_export = nullptr;
    QAction *m_exportWorkbook = nullptr;
    QAction *m_print = nullptr;
    QAction *m_copy = nullptr;
};

namespace main_window {

// Sets a printer up for the report: the exported page's layout, which the
// print dialog may still change, and the report's title as the job's name.
void setUpReportPrinter(QPrinter &printer, const report::ReportContent &content);

} // namespace main_window
