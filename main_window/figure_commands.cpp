// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/figure_commands.h"

#include "dialogs/assumptions_dialog.h"
#include "dialogs/business_case_window.h"
#include "dialogs/currency_units_dialog.h"
#include "main_window/figure_window.h"
#include "dialogs/investment_fields.h"
#include "main_window/main_layout.h"
#include "outputs/results_clipboard.h"
#include "model/model_text.h"
#include "model/numeric_text.h"
#include "platform/system_seams.h"
#include "report/report_page.h"
#include "workbook/workbook.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QStandardPaths>

using namespace main_window;
using namespace outputs;

namespace {

// The file dialogs' filter, translated when a dialog opens: a translation is
// installed only after static objects have been built.
QString facilityFilter() { return FigureCommands::tr("Facility figures (*.velmor)"); }

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

// Asks for the report's details and the investment; the investment's
// figures are read as the figures are.
class ReportDetailsDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ReportDetailsDialog)

public:
    ReportDetailsDialog(const model::ReportDetails &details, const model::InvestmentTexts &investment,
                        const QLocale &locale, QWidget *parent, QStringView symbol)
        : QDialog(parent), m_locale(locale)
    {
        setWindowTitle(tr("Report Details"));
        auto *form = new QFormLayout(this);
        m_customer = field(details.customer, tr("Customer:"), form);
        m_site = field(details.site, tr("Site:"), form);
        m_preparedBy = field(details.preparedBy, tr("Prepared by:"), form);
        m_investment = new InvestmentFields(investment, nullptr, symbol);
        form->addRow(m_investment);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &ReportDetailsDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        setMinimumWidth(420);
    }

    model::ReportDetails details() const { return {m_customer->text(), m_site->text(), m_preparedBy->text()}; }
    model::InvestmentTexts investment() const { return m_investment->texts(); }

    void accept() override
    {
        if (m_investment->readsIn(m_locale))
            QDialog::accept();
    }

private:
    static QLineEdit *field(const QString &text, const QString &label, QFormLayout *form)
    {
        auto *edit = new QLineEdit(text);
        edit->setMaxLength(int(model::kReportDetailMaxLength));
        edit->setMinimumWidth(240);
        form->addRow(label, edit);
        return edit;
    }

    QLocale m_locale;
    QLineEdit *m_customer;
    QLineEdit *m_site;
    QLineEdit *m_preparedBy;
    InvestmentFields *m_investment;
};

} // namespace

FigureCommands::FigureCommands(FigureWindow &window, QObject *parent) : QObject(parent), m_window(window)
{
    const auto make = [this](const QString &text, const QList<QKeySequence> &keys, void (FigureCommands::*slot)()) {
        auto *action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_open = make(tr("Open Figures\u2026"), QKeySequence::keyBindings(QKeySequence::Open), &FigureCommands::open);
    m_save = make(tr("Save Figures"), QKeySequence::keyBindings(QKeySequence::Save), &FigureCommands::save);
    m_saveAs = make(tr("Save Figures As\u2026"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                    &FigureCommands::saveAs);
    m_editDetails = make(tr("Report Details\u2026"), {}, &FigureCommands::editReportDetails);
    m_assumptions = make(tr("Assumptions\u2026"), {}, &FigureCommands::editAssumptions);
    m_currencyUnits = make(tr("Currency and Units\u2026"), {}, &FigureCommands::editCurrencyUnits);
    m_businessCase = make(tr("Business Case\u2026"), {}, &FigureCommands::showBusinessCase);
    m_export = make(tr("Export Report as PDF\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
                    &FigureCommands::exportPdf);
    m_exportWorkbook = make(tr("Export Workbook\u2026"), {}, &FigureCommands::exportXlsx);
    m_print = make(tr("Print Report\u2026"), QKeySequence::keyBindings(QKeySequence::Print), &FigureCommands::print);
    m_copy = new QAction(tr("Copy Results"), this);
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(m_copy, &QAction::triggered, this, [this] { copyResults(); });
}

QList<QAction *> FigureCommands::actions() const
{
    return {m_open,          m_save,         m_saveAs, m_editDetails,    m_assumptions,
            m_currencyUnits, m_businessCase, m_export, m_exportWorkbook, m_print,
            m_copy};
}

model::FacilityFigures FigureCommands::windowFigures() const
{
    model::FacilityFigures figures;
    figures.figures = m_window.fieldTexts();
    figures.locale = m_window.figuresLocale().name();
    figures.report = m_details;
    figures.investment = m_investment;
    figures.assumptions = m_window.assumptions();
    figures.currency = m_window.currencyUnits();
    return figures;
}

void FigureCommands::tellUser(const QString &message) const
{
    platform::reportRuntimeError(m_window.commandParent(), message);
}

bool FigureCommands::openFigures(const QString &path)
{
    const model::FacilityReadResult opened = model::openFacilityFile(path);
    if (!opened) {
        tellUser(opened.message);
        return false;
    }
    const model::FacilityFigures figures = model::figuresForLocale(*opened.figures, m_window.figuresLocale());
    m_details = figures.report;
    m_investment = figures.investment;
    m_window.showOpenedFigures(figures.figures, *opened.figures);
    m_window.setAssumptions(figures.assumptions);
    m_unitSwitch.forget();
    m_window.setCurrencyUnits(figures.currency);
    keptIn(path);
    return true;
}

void FigureCommands::keptIn(const QString &path)
{
    m_currentFile = path;
    m_window.showFiguresFile(path);
}

void FigureCommands::setReportDetails(const model::ReportDetails &details)
{
    if (details == m_details)
        return;
    m_details = details;
    m_window.markFiguresChanged();
}

void FigureCommands::setInvestment(const model::InvestmentTexts &investment)
{
    if (investment == m_investment)
        return;
    m_investment = investment;
    m_window.markFiguresChanged();
}

void FigureCommands::setAssumptions(const model::Assumptions &assumptions)
{
    if (assumptions == m_window.assumptions())
        return;
    m_window.setAssumptions(assumptions);
    m_window.markFiguresChanged();
}

void FigureCommands::setCurrencyUnits(const model::CurrencyUnits &currency)
{
    const model::CurrencyUnits was = m_window.currencyUnits();
    if (currency == was)
        return;
    if (currency.units != was.units) {
        const model::UnitConversion converted = m_unitSwitch.switchUnits(
            m_window.fieldTexts(), was.units, currency.units, m_window.figuresLocale(), m_window.assumptions());
        m_window.showConvertedFigures(converted.texts);
    }
    m_window.setCurrencyUnits(currency);
    m_window.markFiguresChanged();
}

bool FigureCommands::settleUnsavedChanges(Before before)
{
    // Without a file of its own nothing is asked: the window closes as
    // designed, at once.
    if (m_currentFile.isEmpty() || !m_window.figuresChanged())
        return true;
    // A quit while the question is up waits for its answer.
    if (m_asking)
        return false;
    const QScopedValueRollback asking(m_asking, true);
    const QString name = QFileInfo(m_currentFile).fileName();
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Form1", kWindowCaption),
                    before == Closing ? tr("Save the changes to \"%1\" before closing?").arg(name)
                                      : tr("Save the changes to \"%1\" before opening other figures?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window.commandParent());
    box.setInformativeText(tr("Changes not saved are lost."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return saveFigures(m_currentFile);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool FigureCommands::saveFigures(const QString &path)
{
    const model::FacilitySaveResult saved = model::saveFacilityFile(path, windowFigures());
    if (!saved) {
        tellUser(saved.message);
        return false;
    }
    keptIn(path);
    return true;
}

std::optional<report::ReportContent> FigureCommands::reportOfWindow()
{
    ReportRequest request;
    request.fieldTexts = m_window.fieldTexts();
    request.details = m_details;
    request.investment = m_investment;
    request.assumptions = m_window.assumptions();
    request.chartType = m_window.graphType();
    request.stacking = m_window.graphStacking();
    request.date = QDate::currentDate();
    request.locale = m_window.figuresLocale();
    request.currency = m_window.currencyUnits();
    BuiltReport built = buildReport(request);
    if (!answeredAsTabChange(built.results))
        return std::nullopt;
    if (!built.content) {
        tellUser(built.fault ? model::faultMessage(*built.fault) : built.problem);
        return std::nullopt;
    }
    return std::move(built.content);
}

std::optional<model::Results> FigureCommands::windowResults() const
{
    model::Results results =
        model::computeResults(m_window.fieldTexts(), m_window.figuresLocale(), m_window.assumptions());
    if (!answeredAsTabChange(results))
        return std::nullopt;
    return results;
}

bool FigureCommands::answeredAsTabChange(const model::Results &results) const
{
    // The window reads the same texts the results were computed from.
    if (m_window.refuseBadFigures() || results.failedField)
        return false;
    if (results.fault) {
        tellUser(model::faultMessage(*results.fault));
        return false;
    }
    return true;
}

bool FigureCommands::exportReport(const QString &path)
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    return content && writeReport(path, *content);
}

bool FigureCommands::answeredMeasuresFault(const model::Results &results) const
{
    const model::InvestmentReading reading = model::readInvestment(m_investment, m_window.figuresLocale());
    if (!reading.investment)
        return false;
    const double savings = results.table(model::Table::Savings).row(model::kRowCount);
    const std::optional<model::ArithmeticFault> fault = model::businessCaseOf(savings, *reading.investment).fault;
    if (fault)
        tellUser(model::faultMessage(*fault));
    return fault.has_value();
}

bool FigureCommands::exportWorkbook(const QString &path)
{
    const std::optional<model::Results> results = windowResults();
    return results && !answeredMeasuresFault(*results) && writeWorkbook(path);
}

bool FigureCommands::writeWorkbook(const QString &path) const
{
    QString error;
    if (!workbook::exportWorkbook(path, m_window.fieldTexts(), m_window.figuresLocale(), m_window.assumptions(),
                                  m_investment, &error, m_window.currencyUnits())) {
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
    const std::optional<model::Results> results = windowResults();
    if (!results || answeredMeasuresFault(*results))
        return false;
    const QLocale &locale = m_window.figuresLocale();
    const model::InvestmentReading investment = model::readInvestment(m_investment, locale);
    const ClipboardResults copied = clipboardResults(*results, m_window.assumptions(), investment.investment, locale,
                                                     m_window.currencyUnits().symbol);
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
    const QString path = QFileDialog::getOpenFileName(
        m_window.commandParent(), tr("Open Figures"),
        m_currentFile.isEmpty() ? documentsFolder() : QFileInfo(m_currentFile).path(), facilityFilter());
    if (!path.isEmpty())
        openFigures(path);
}

void FigureCommands::save()
{
    if (m_currentFile.isEmpty())
        saveAs();
    else
        saveFigures(m_currentFile);
}

void FigureCommands::saveAs()
{
    const QString suggested = m_currentFile.isEmpty()
                                  ? QDir(documentsFolder()).filePath(tr("Facility figures.velmor"))
                                  : m_currentFile;
    const QString path =
        QFileDialog::getSaveFileName(m_window.commandParent(), tr("Save Figures As"), suggested, facilityFilter());
    if (!path.isEmpty())
        saveFigures(withSuffix(path, QString::fromLatin1(model::kFacilityFileSuffix)));
}

void FigureCommands::editReportDetails()
{
    ReportDetailsDialog dialog(m_details, m_investment, m_window.figuresLocale(), m_window.commandParent(),
                               m_window.currencyUnits().symbol);
    if (dialog.exec() == QDialog::Accepted) {
        setReportDetails(dialog.details());
        setInvestment(dialog.investment());
    }
}

void FigureCommands::editAssumptions()
{
    AssumptionsDialog dialog(m_window.assumptions(), m_window.figuresLocale(), m_window.zoomFactor(),
                             m_window.commandParent());
    if (dialog.exec() == QDialog::Accepted)
        setAssumptions(dialog.assumptions());
}

void FigureCommands::editCurrencyUnits()
{
    CurrencyUnitsDialog dialog(m_window.currencyUnits(), m_window.fieldTexts(), m_window.figuresLocale(),
                               m_window.zoomFactor(), m_window.commandParent());
    if (dialog.exec() == QDialog::Accepted)
        setCurrencyUnits(dialog.currencyUnits());
}

// Needs figures that compute, as a tab change does.
void FigureCommands::showBusinessCase()
{
    const std::optional<model::Results> results = windowResults();
    if (!results)
        return;
    BusinessCaseWindow window(results->values, m_window.assumptions(), m_investment, m_window.figuresLocale(),
                              m_window.zoomFactor(), m_window.commandParent(), m_window.currencyUnits().symbol);
    if (window.exec() == QDialog::Accepted)
        setInvestment(window.investment());
}

// The figures are checked before a file or a printer is asked for: a report
// that cannot be made is answered at once, as a tab change answers it.
void FigureCommands::exportPdf()
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    if (!content)
        return;
    const QString path = QFileDialog::getSaveFileName(
        m_window.commandParent(), tr("Export Report as PDF"),
        suggestedFile(tr("Lubrication Cost Savings Report.pdf"), tr("%1 - Lubrication Cost Savings Report.pdf")),
        tr("PDF documents (*.pdf)"));
    if (!path.isEmpty())
        writeReport(withSuffix(path, QStringLiteral("pdf")), *content);
}

// A file named after the customer, when there is one, beside the facility
// file, or in the documents folder.
QString FigureCommands::suggestedFile(const QString &name, const QString &customerName) const
{
    const QString customer = m_details.customer.trimmed();
    const QString folder = m_currentFile.isEmpty() ? documentsFolder() : QFileInfo(m_currentFile).path();
    return QDir(folder).filePath(customer.isEmpty() ? name : customerName.arg(customer));
}

// As for the report, figures that do not compute are answered before a file
// is asked for.
void FigureCommands::exportXlsx()
{
    const std::optional<model::Results> results = windowResults();
    if (!results || answeredMeasuresFault(*results))
        return;
    const QString path = QFileDialog::getSaveFileName(
        m_window.commandParent(), tr("Export Workbook"),
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
    // The page is laid out with the screen's font metrics, as for the PDF.
    QPrinter printer(QPrinter::ScreenResolution);
    setUpReportPrinter(printer, *content);
    QPrintDialog dialog(&printer, m_window.commandParent());
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() == QDialog::Accepted)
        paintReport(printer, *content);
}

void main_window::setUpReportPrinter(QPrinter &printer, const report::ReportContent &content)
{
    printer.setPageLayout(report::reportPageLayout(content));
    printer.setDocName(content.title);
}
