// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/figure_commands.h"

#include "dialogs/assumptions_dialog.h"
#include "dialogs/business_case_window.h"
#include "dialogs/currency_units_dialog.h"
#include "dialogs/records_dialog.h"
#include "dialogs/report_details_dialog.h"
#include "document/facility_document.h"
#include "language/language.h"
#include "main_window/figure_window.h"
#include "main_window/main_layout.h"
#include "main_window/recent_files.h"
#include "model/costs/model_text.h"
#include "model/finance/risk_text.h"
#include "model/records/records_export.h"
#include "model/text/numeric_text.h"
#include "outputs/results_clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/system_seams.h"
#include "report/report_page.h"
#include "workbook/workbook.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStandardPaths>

using namespace main_window;
using namespace outputs;

namespace {

// The file dialogs' filter, translated when a dialog opens: a translation is
// installed only after static objects have been built.
QString facilityFilter() { return FigureCommands::tr("Facility figures (*.velmor)"); }
QString recordsFilter()
{
    return FigureCommands::tr("Work-order exports (*.csv *.txt *.xlsx)") + QStringLiteral(";;")
           + FigureCommands::tr("All files (*)");
}

QString withSuffix(QString path, const QString &suffix)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

FigureCommands::FigureCommands(document::FacilityDocument &facility, FigureWindow &window, QObject *parent)
    : QObject(parent), m_document(facility), m_window(window)
{
    const auto make = [this](const QString &text, const QList<QKeySequence> &keys, void (FigureCommands::*slot)()) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_open = make(tr("Open Figures\u2026"), QKeySequence::keyBindings(QKeySequence::Open), &FigureCommands::open);
    m_save = make(tr("Save Figures"), QKeySequence::keyBindings(QKeySequence::Save), &FigureCommands::save);
    m_saveAs =
        make(tr("Save Figures As\u2026"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, &FigureCommands::saveAs);
    m_editDetails = make(tr("Report Details\u2026"), {}, &FigureCommands::editReportDetails);
    m_assumptions = make(tr("Assumptions\u2026"), {}, &FigureCommands::editAssumptions);
    m_currencyUnits = make(tr("Currency and Units\u2026"), {}, &FigureCommands::editCurrencyUnits);
    m_records = make(tr("Open Maintenance Records\u2026"), {}, &FigureCommands::chooseRecords);
    m_businessCase = make(tr("Business Case\u2026"), {}, &FigureCommands::showBusinessCase);
    m_export = make(tr("Export Report as PDF\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_E)}, &FigureCommands::exportPdf);
    m_exportWorkbook = make(tr("Export Workbook\u2026"), {}, &FigureCommands::exportXlsx);
    m_print = make(tr("Print Report\u2026"), QKeySequence::keyBindings(QKeySequence::Print), &FigureCommands::print);
    // The files last opened or saved; one chosen opens as Open Figures… does.
    m_recent = new RecentFiles(language::programSettings(), this);
    connect(m_recent, &RecentFiles::chosen, this, [this](const QString &path) {
        if (settleUnsavedChanges(Opening))
            openFigures(path);
    });
    m_copy = new QAction(tr("Copy Results"), this);
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(m_copy, &QAction::triggered, this, [this] { copyResults(); });
}

QList<QAction *> FigureCommands::actions() const
{
    return {m_open,
            m_recent->menu()->menuAction(),
            m_save,
            m_saveAs,
            m_editDetails,
            m_assumptions,
            m_currencyUnits,
            m_records,
            m_businessCase,
            m_export,
            m_exportWorkbook,
            m_print,
            m_copy};
}

void FigureCommands::tellUser(const QString &message) const
{
    platform::reportRuntimeError(m_window.dialogPlace().parent, message);
}

bool FigureCommands::openFigures(const QString &path)
{
    // Shown in the window's regional settings; a figure that was no number
    // where it was saved stays one until it is edited.
    const model::FacilityReadResult opened = m_document.open(path, m_document.locale());
    if (!opened)
        tellUser(opened.message);
    else
        m_recent->add(path);
    return bool(opened);
}

bool FigureCommands::settleUnsavedChanges(Before before)
{
    // Without a file of its own nothing is asked: the window closes as
    // designed, at once.
    const QString file = m_document.filePath();
    if (file.isEmpty() || !m_document.isModified())
        return true;
    // A quit while the question is up waits for its answer.
    if (m_asking)
        return false;
    const QScopedValueRollback asking(m_asking, true);
    const QString name = QFileInfo(file).fileName();
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Form1", kWindowCaption),
                    before == Closing ? tr("Save the changes to \"%1\" before closing?").arg(name)
                                      : tr("Save the changes to \"%1\" before opening other figures?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window.dialogPlace().parent);
    box.setInformativeText(tr("Changes not saved are lost."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveFigures(file);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool FigureCommands::saveFigures(const QString &path)
{
    const model::FacilitySaveResult saved = m_document.save(path);
    if (!saved)
        tellUser(saved.message);
    else
        m_recent->add(path);
    return bool(saved);
}

std::optional<report::ReportContent> FigureCommands::reportOfWindow()
{
    if (!figuresCompute())
        return std::nullopt;
    BuiltReport built = buildReport(m_document, QDate::currentDate(), m_window.graph());
    if (!built.content) {
        tellUser(built.fault ? model::faultMessage(*built.fault) : built.problem);
        return std::nullopt;
    }
    return std::move(built.content);
}

bool FigureCommands::figuresCompute() const
{
    // The window reads the same texts the document computed from.
    const model::Results &results = m_document.results();
    if (m_window.refuseBadFigures() || results.failedField)
        return false;
    if (results.fault) {
        tellUser(model::faultMessage(*results.fault));
        return false;
    }
    return true;
}

bool FigureCommands::figuresAndMeasuresCompute() const
{
    if (!figuresCompute())
        return false;
    // The measures of the assumed reductions: the other cases are the report's.
    const std::optional<model::BusinessCaseStudy> &study = m_document.businessCase();
    if (study && study->measures.fault) {
        tellUser(model::faultMessage(*study->measures.fault));
        return false;
    }
    return true;
}

bool FigureCommands::exportReport(const QString &path)
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    return content && writeReport(path, *content);
}

bool FigureCommands::exportWorkbook(const QString &path) { return figuresAndMeasuresCompute() && writeWorkbook(path); }

bool FigureCommands::writeWorkbook(const QString &path) const
{
    QString error;
    if (!workbook::exportWorkbook(path, m_document.shownFacts(), m_document.locale(), m_document.outcome(), &error,
                                  workbook::CachedResults::Computed, m_document.riskSummary())) {
        tellUser(error);
        return false;
    }
    return true;
}

bool FigureCommands::writeReport(const QString &path, const report::ReportContent &content) const
{
    QString error;
    if (!report::exportReportPdf(path, content, &error)) {
        tellUser(error);
        return false;
    }
    return true;
}

bool FigureCommands::printReport(QPagedPaintDevice &device)
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    return content && paintReport(device, *content);
}

bool FigureCommands::paintReport(QPagedPaintDevice &device, const report::ReportContent &content) const
{
    if (!report::paintReportPage(device, content)) {
        tellUser(tr("The report could not be printed."));
        return false;
    }
    return true;
}

bool FigureCommands::copyResults()
{
    if (!figuresAndMeasuresCompute())
        return false;
    const ClipboardResults copied =
        clipboardResults(m_document.results(), m_document.assumptions(), m_document.businessCase(), m_document.locale(),
                         m_document.currencyUnits().symbol, m_document.riskSummary(), m_document.records(),
                         model::riskRecordsText(m_document.riskRanges(), m_document.records(), m_document.locale(),
                                                m_document.currencyUnits().symbol),
                         m_document.hardMeasures(), m_document.alternatives());
    auto *data = new QMimeData;
    data->setText(copied.text);
    data->setHtml(copied.html);
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void FigureCommands::open()
{
    if (!settleUnsavedChanges(Opening))
        return;
    const QString path =
        platform::askOpenFileName(m_window.dialogPlace().parent, tr("Open Figures"), folderOfFile(), facilityFilter());
    if (!path.isEmpty())
        openFigures(path);
}

void FigureCommands::save()
{
    if (m_document.filePath().isEmpty())
        saveAs();
    else
        saveFigures(m_document.filePath());
}

void FigureCommands::saveAs()
{
    const QString file = m_document.filePath();
    const QString suggested = file.isEmpty() ? QDir(documentsFolder()).filePath(tr("Facility figures.velmor")) : file;
    const QString path =
        platform::askSaveFileName(m_window.dialogPlace().parent, tr("Save Figures As"), suggested, facilityFilter());
    if (!path.isEmpty())
        saveFigures(withSuffix(path, QString::fromLatin1(model::kFacilityFileSuffix)));
}

void FigureCommands::editReportDetails()
{
    const FigureWindow::DialogPlace place = m_window.dialogPlace();
    ReportDetailsDialog dialog(m_document.reportDetails(), m_document.investment(), m_document.locale(), place.parent,
                               m_document.currencyUnits().symbol, place.zoom);
    if (dialog.exec() == QDialog::Accepted) {
        m_document.setReportDetails(dialog.details());
        m_document.setInvestment(dialog.investment());
    }
}

void FigureCommands::editAssumptions()
{
    const FigureWindow::DialogPlace place = m_window.dialogPlace();
    AssumptionsDialog dialog(m_document.assumptions(), m_document.savingsKinds(), m_document.locale(),
                             m_document.currencyUnits().symbol, place.zoom, place.parent);
    if (dialog.exec() == QDialog::Accepted) {
        m_document.setAssumptions(dialog.assumptions());
        m_document.setSavingsKinds(dialog.savingsKinds());
    }
}

void FigureCommands::editCurrencyUnits()
{
    const FigureWindow::DialogPlace place = m_window.dialogPlace();
    CurrencyUnitsDialog dialog(m_document.currencyUnits(), m_document.figureTexts(), m_document.locale(), place.zoom,
                               place.parent);
    if (dialog.exec() == QDialog::Accepted)
        m_document.setCurrencyUnits(dialog.currencyUnits());
}

// Beside the facility file, or in the documents folder, as the figures are.
void FigureCommands::chooseRecords()
{
    const QString path = platform::askOpenFileName(m_window.dialogPlace().parent, tr("Open Maintenance Records"),
                                                   folderOfFile(), recordsFilter());
    if (!path.isEmpty())
        openRecords(path);
}

bool FigureCommands::openRecords(const QString &path)
{
    const model::RecordsExportReading read = model::readRecordsExport(path);
    if (!read.records) {
        tellUser(read.problem);
        return false;
    }
    const FigureWindow::DialogPlace place = m_window.dialogPlace();
    RecordsDialog dialog(*read.records, m_document.records(), m_document.locale(), place.zoom, place.parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // These records replace any read before.
    if (dialog.evidence().applied)
        m_document.applyRecords(dialog.evidence());
    else
        m_document.setRecords(dialog.evidence());
    return true;
}

// Needs figures that compute, as a tab change does.
void FigureCommands::showBusinessCase()
{
    if (!figuresCompute())
        return;
    const FigureWindow::DialogPlace place = m_window.dialogPlace();
    BusinessCaseWindow window(m_document, place.zoom, place.parent);
    if (window.exec() == QDialog::Accepted) {
        m_document.setInvestment(window.investment());
        m_document.setCapital(window.capital());
        // Another option chosen, or options added or removed: all at once.
        m_document.setOptions(window.selectedOption(), window.otherOptions());
    }
}

// The figures are checked before a file or a printer is asked for: a report
// that cannot be made is answered at once, as a tab change answers it.
void FigureCommands::exportPdf()
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    if (!content)
        return;
    const QString path = platform::askSaveFileName(
        m_window.dialogPlace().parent, tr("Export Report as PDF"),
        suggestedFile(tr("Lubrication Cost Savings Report.pdf"), tr("%1 - Lubrication Cost Savings Report.pdf")),
        tr("PDF documents (*.pdf)"));
    if (!path.isEmpty())
        writeReport(withSuffix(path, QStringLiteral("pdf")), *content);
}

// A file named after the customer, when there is one, beside the facility
// file, or in the documents folder.
QString FigureCommands::suggestedFile(const QString &name, const QString &customerName) const
{
    const QString customer = m_document.reportDetails().customer.trimmed();
    return QDir(folderOfFile()).filePath(customer.isEmpty() ? name : customerName.arg(customer));
}

QString FigureCommands::folderOfFile() const
{
    const QString file = m_document.filePath();
    return file.isEmpty() ? documentsFolder() : QFileInfo(file).path();
}

// As for the report, figures that do not compute are answered before a file
// is asked for.
void FigureCommands::exportXlsx()
{
    if (!figuresAndMeasuresCompute())
        return;
    const QString path = platform::askSaveFileName(
        m_window.dialogPlace().parent, tr("Export Workbook"),
        suggestedFile(tr("Lubrication Cost Savings.xlsx"), tr("%1 - Lubrication Cost Savings.xlsx")),
        tr("Excel workbooks (*.xlsx)"));
    if (!path.isEmpty())
        writeWorkbook(withSuffix(path, QStringLiteral("xlsx")));
}

void FigureCommands::print()
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    if (!content)
        return;
    // Without a printer the print dialog has nothing to print to (on
    // Windows it does not even open): say so, and offer the PDF instead.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox box(QMessageBox::Information, tr("Print Report"), tr("No printer is installed."),
                        QMessageBox::Cancel, m_window.dialogPlace().parent);
        box.setObjectName(QStringLiteral("noPrinter"));
        box.setInformativeText(tr("Export the report as a PDF document instead?"));
        QPushButton *pdf = box.addButton(m_export->text(), QMessageBox::AcceptRole);
        box.setDefaultButton(pdf);
        box.exec();
        if (box.clickedButton() == pdf)
            exportPdf();
        return;
    }
    // The page is laid out with the screen's font metrics, as for the PDF.
    QPrinter printer(QPrinter::ScreenResolution);
    setUpReportPrinter(printer, *content);
    QPrintDialog dialog(&printer, m_window.dialogPlace().parent);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() == QDialog::Accepted)
        paintReport(printer, *content);
}

void main_window::setUpReportPrinter(QPrinter &printer, const report::ReportContent &content)
{
    printer.setPageLayout(report::reportPageLayout(content));
    printer.setDocName(content.title);
}
