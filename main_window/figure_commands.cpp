// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/figure_commands.h"

#include "main_window/fault_message.h"
#include "main_window/form1.h"
#include "main_window/main_layout.h"
#include "model/numeric_text.h"
#include "platform/chart_control.h"
#include "platform/system_seams.h"
#include "platform/tab_control.h"
#include "report/report_page.h"

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

namespace {

const QString kFilter = QObject::tr("Facility figures (*.velmor)");

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

// Asks for the report's details; the price is read as the figures are.
class ReportDetailsDialog : public QDialog {
public:
    ReportDetailsDialog(const model::ReportDetails &details, const QLocale &locale, QWidget *parent)
        : QDialog(parent), m_locale(locale)
    {
        setWindowTitle(tr("Report Details"));
        auto *form = new QFormLayout(this);
        m_customer = field(details.customer, tr("Customer:"), form);
        m_site = field(details.site, tr("Site:"), form);
        m_preparedBy = field(details.preparedBy, tr("Prepared by:"), form);
        m_price = field(details.systemPrice, tr("Installed system price ($, optional):"), form);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &ReportDetailsDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        setMinimumWidth(420);
    }

    model::ReportDetails details() const
    {
        return {m_customer->text(), m_site->text(), m_preparedBy->text(), m_price->text()};
    }

    void accept() override
    {
        bool valid = true;
        systemPriceOf(details(), m_locale, &valid);
        if (!valid) {
            platform::reportRuntimeError(
                this, tr("The installed system price \"%1\" is not a sum of dollars.").arg(m_price->text()));
            m_price->setFocus();
            m_price->selectAll();
            return;
        }
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
    QLineEdit *m_price;
};

QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

FigureCommands::FigureCommands(Form1 *window) : QObject(window), m_window(window)
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
    m_export = make(tr("Export Report as PDF\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_E)},
                    &FigureCommands::exportPdf);
    m_print = make(tr("Print Report\u2026"), QKeySequence::keyBindings(QKeySequence::Print), &FigureCommands::print);
    m_copy = new QAction(tr("Copy Results"), this);
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(m_copy, &QAction::triggered, this, [this] { copyResults(); });
}

QList<QAction *> FigureCommands::actions() const
{
    return {m_open, m_save, m_saveAs, m_editDetails, m_export, m_print, m_copy};
}

model::FacilityFigures FigureCommands::windowFigures() const
{
    model::FacilityFigures figures;
    for (int i = 0; i < model::kInputCount; ++i)
        figures.figures[std::size_t(i)] = m_window->YourData(i)->text();
    figures.locale = m_window->locale().name();
    figures.report = m_details;
    return figures;
}

void FigureCommands::tellUser(const QString &message) const
{
    platform::reportRuntimeError(m_window, message);
}

bool FigureCommands::openFigures(const QString &path)
{
    const model::FacilityReadResult opened = model::openFacilityFile(path);
    if (!opened) {
        tellUser(opened.message);
        return false;
    }
    const model::FacilityFigures figures = model::figuresForLocale(*opened.figures, m_window->locale());
    m_window->showOpenedFigures(figures.figures, *opened.figures);
    m_details = figures.report;
    keptIn(path);
    return true;
}

void FigureCommands::keptIn(const QString &path)
{
    m_currentFile = path;
    m_window->showFiguresFile(path);
}

void FigureCommands::setReportDetails(const model::ReportDetails &details)
{
    if (details == m_details)
        return;
    m_details = details;
    m_window->markFiguresChanged();
}

bool FigureCommands::settleUnsavedChanges(Before before)
{
    // Without a file of its own nothing is asked: the window closes as
    // designed, at once.
    if (m_currentFile.isEmpty() || !m_window->isWindowModified())
        return true;
    // A quit while the question is up waits for its answer.
    if (m_asking)
        return false;
    const QScopedValueRollback asking(m_asking, true);
    const QString name = QFileInfo(m_currentFile).fileName();
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kWindowCaption),
                    before == Closing ? tr("Save the changes to \"%1\" before closing?").arg(name)
                                      : tr("Save the changes to \"%1\" before opening other figures?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
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
    request.fieldTexts = windowFigures().figures;
    request.details = m_details;
    request.chartType = m_window->MSChart1->chartType();
    request.stacking = m_window->MSChart1->stacking();
    request.date = QDate::currentDate();
    request.locale = m_window->locale();
    BuiltReport built = buildReport(request);
    if (!answeredAsTabChange(built.results))
        return std::nullopt;
    if (!built.content) {
        tellUser(built.problem);
        return std::nullopt;
    }
    return std::move(built.content);
}

bool FigureCommands::answeredAsTabChange(const model::Results &results) const
{
    // The window reads the same texts the results were computed from.
    if (m_window->refuseBadFigures() || results.failedField)
        return false;
    if (results.fault) {
        tellUser(faultMessage(*results.fault));
        return false;
    }
    return true;
}

bool FigureCommands::exportReport(const QString &path)
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    return content && writeReport(path, *content);
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
    const QLocale &locale = m_window->locale();
    const model::Results results = model::computeResults(windowFigures().figures, locale);
    if (!answeredAsTabChange(results))
        return false;
    // A header, then caption, current, Velmor and savings of each row, as
    // the result tabs show them: tab-separated for a spreadsheet's cells,
    // and as a table for programs that take HTML.
    const model::ResultTexts texts = model::resultTexts(results, locale);
    const QStringList header{tr("Cost"), QString::fromUtf8(kTabCaptions[CurrentCostTab]),
                             QString::fromUtf8(kTabCaptions[VelmorCostTab]), QString::fromUtf8(kTabCaptions[SavingsTab])};
    QStringList lines{header.join(u'\t')};
    QString html = QStringLiteral("<table>\n<tr>");
    for (const QString &cell : header)
        html += QStringLiteral("<th>%1</th>").arg(htmlEscaped(cell));
    html += QStringLiteral("</tr>\n");
    for (int r = 0; r < model::kRowCount; ++r) {
        const QStringList row{QString::fromUtf8(kResultRows[0][std::size_t(r)].caption), texts[0][std::size_t(r)],
                              texts[1][std::size_t(r)], texts[2][std::size_t(r)]};
        lines << row.join(u'\t');
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += QStringLiteral("<td>%1</td>").arg(htmlEscaped(cell));
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    auto *data = new QMimeData;
    data->setText(lines.join(u'\n') + u'\n');
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void FigureCommands::open()
{
    if (!settleUnsavedChanges(Opening))
        return;
    const QString path = QFileDialog::getOpenFileName(
        m_window, tr("Open Figures"), m_currentFile.isEmpty() ? documentsFolder() : QFileInfo(m_currentFile).path(),
        kFilter);
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
    const QString path = QFileDialog::getSaveFileName(m_window, tr("Save Figures As"), suggested, kFilter);
    if (!path.isEmpty())
        saveFigures(withSuffix(path, QString::fromLatin1(model::kFacilityFileSuffix)));
}

void FigureCommands::editReportDetails()
{
    ReportDetailsDialog dialog(m_details, m_window->locale(), m_window);
    if (dialog.exec() == QDialog::Accepted)
        setReportDetails(dialog.details());
}

// The figures are checked before a file or a printer is asked for: a report
// that cannot be made is answered at once, as a tab change answers it.
void FigureCommands::exportPdf()
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    if (!content)
        return;
    const QString name = m_details.customer.trimmed().isEmpty()
                             ? tr("Lubrication Cost Savings Report.pdf")
                             : tr("%1 - Lubrication Cost Savings Report.pdf").arg(m_details.customer.trimmed());
    const QString folder = m_currentFile.isEmpty() ? documentsFolder() : QFileInfo(m_currentFile).path();
    const QString path = QFileDialog::getSaveFileName(m_window, tr("Export Report as PDF"),
                                                      QDir(folder).filePath(name), tr("PDF documents (*.pdf)"));
    if (!path.isEmpty())
        writeReport(withSuffix(path, QStringLiteral("pdf")), *content);
}

void FigureCommands::print()
{
    const std::optional<report::ReportContent> content = reportOfWindow();
    if (!content)
        return;
    // The page is laid out with the screen's font metrics, as for the PDF.
    QPrinter printer(QPrinter::ScreenResolution);
    setUpReportPrinter(printer, *content);
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() == QDialog::Accepted)
        paintReport(printer, *content);
}

void main_window::setUpReportPrinter(QPrinter &printer, const report::ReportContent &content)
{
    printer.setPageLayout(report::reportPageLayout(content));
    printer.setDocName(content.title);
}
