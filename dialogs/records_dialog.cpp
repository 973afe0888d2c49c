// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/records_dialog.h"

#include "dialogs/dialog_size.h"
#include "dialogs/fitted_scroll_area.h"
#include "dialogs/matched_orders_model.h"
#include "model/records/asset_failure_table.h"
#include "model/records/failure_types.h"
#include "model/records/xlsx_records.h"
#include "model/text/message_text.h"
#include "model/text/regional_digits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using model::WorkOrderColumn;

// The captions of the column choices, in the order of WorkOrderColumn.
const char *const kColumnCaptions[] = {
    QT_TRANSLATE_NOOP("RecordsDialog", "Date:"),
    QT_TRANSLATE_NOOP("RecordsDialog", "Asset:"),
    QT_TRANSLATE_NOOP("RecordsDialog", "Work type or cause:"),
    QT_TRANSLATE_NOOP("RecordsDialog", "Description:"),
    QT_TRANSLATE_NOOP("RecordsDialog", "Repair hours:"),
    QT_TRANSLATE_NOOP("RecordsDialog", "Downtime hours:"),
};
static_assert(std::size(kColumnCaptions) == model::kWorkOrderColumnCount);

const char *const kColumnNames[] = {"dateColumn",        "assetColumn",       "workTypeColumn",
                                    "descriptionColumn", "repairHoursColumn", "downtimeHoursColumn"};

// The item data of "(none)".
constexpr int kNoColumn = -1;

} // namespace

RecordsDialog::RecordsDialog(model::RecordsExport records, const std::optional<model::RecordsEvidence> &previous,
                             const QLocale &locale, qreal zoom, QWidget *parent)
    : QDialog(parent), m_records(std::move(records)), m_previous(previous), m_locale(locale)
{
    setObjectName(QStringLiteral("recordsDialog"));
    setWindowTitle(tr("Maintenance Records"));
    dialogs::zoomFont(this, zoom);

    // Everything but the buttons scrolls where the screen is too small.
    auto *contents = new QWidget;
    auto *layout = new QVBoxLayout(contents);
    auto *intro = new QLabel(tr("Choose which column of %1 holds what, and which work orders count as bearing "
                                "failures. What the records come to is shown below as you choose.")
                                 .arg(model::quotedForMessage(m_records.fileName)));
    intro->setObjectName(QStringLiteral("recordsIntro"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("recordsTabs"));
    m_tabs->addTab(columnsPage(), tr("Columns and Failures"));
    m_tabs->addTab(periodPage(), tr("Period"));

    m_tabs->addTab(ordersPage(), QString()); // named with the count of orders

    m_tabs->addTab(assetsPage(), tr("Assets"));
    layout->addWidget(m_tabs);

    auto *evidence = new QGroupBox(tr("What the records come to"));
    auto *evidenceLayout = new QVBoxLayout(evidence);
    m_evidence = new QLabel;
    m_evidence->setObjectName(QStringLiteral("recordsEvidence"));
    m_evidence->setTextFormat(Qt::PlainText);
    m_evidence->setWordWrap(true);
    m_evidence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    evidenceLayout->addWidget(m_evidence);
    layout->addWidget(evidence);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_apply = buttons->addButton(tr("Apply to Figures"), QDialogButtonBox::AcceptRole);
    m_apply->setObjectName(QStringLiteral("applyRecords"));
    m_keep = buttons->addButton(tr("Keep as Evidence"), QDialogButtonBox::AcceptRole);
    m_keep->setObjectName(QStringLiteral("keepRecords"));
    m_apply->setDefault(true);
    dialogs::layOutAboveButtons(this, contents, buttons);
    connect(m_apply, &QPushButton::clicked, this, [this] { finish(true); });
    connect(m_keep, &QPushButton::clicked, this, [this] { finish(false); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(int(460 * zoom));
    const model::RecordsChoice choice = model::startingChoice(m_records.table, m_previous, m_locale);
    {
        const QSignalBlocker blocker(m_words);
        m_words->setText(choice.failureWords.join(QStringLiteral(", ")));
    }
    {
        const QSignalBlocker blocker(m_stopsOnDowntime);
        m_stopsOnDowntime->setChecked(choice.stopsOnDowntime);
    }
    showCounting(choice.counting);
    showColumns(choice);
}

// The columns, the date order, the failures' work types and words.
QWidget *RecordsDialog::columnsPage()
{
    auto *reading = new QWidget;
    auto *readingLayout = new QVBoxLayout(reading);
    auto *columns = new QGroupBox(tr("Columns"));
    auto *form = new QFormLayout(columns);
    m_columnForm = form;
    if (!m_records.sheets.isEmpty()) {
        m_sheet = new QComboBox;
        m_sheet->setObjectName(QStringLiteral("recordsSheet"));
        m_sheet->addItems(m_records.sheets);
        m_sheet->setCurrentIndex(m_records.sheet);
        form->addRow(tr("Sheet:"), m_sheet);
        connect(m_sheet, &QComboBox::activated, this, &RecordsDialog::chooseSheet);
    }
    for (int c = 0; c < model::kWorkOrderColumnCount; ++c) {
        auto *combo = new QComboBox;
        combo->setObjectName(QLatin1StringView(kColumnNames[c]));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        form->addRow(tr(kColumnCaptions[c]), combo);
        m_columns[std::size_t(c)] = combo;
        if (c == int(WorkOrderColumn::Date))
            connect(combo, &QComboBox::currentIndexChanged, this, &RecordsDialog::dateColumnChosen);
        else if (c == int(WorkOrderColumn::WorkType))
            // Another column's types, guessed afresh.
            connect(combo, &QComboBox::currentIndexChanged, this, [this] {
                showTypes(model::guessFailureTypes(model::workTypesOf(
                    m_records.table, choiceShown().mapping[std::size_t(WorkOrderColumn::WorkType)])));
                showEvidence();
            });
        else
            connect(combo, &QComboBox::currentIndexChanged, this, &RecordsDialog::showEvidence);
    }
    m_dateOrder = new QComboBox;
    m_dateOrder->setObjectName(QStringLiteral("dateOrder"));
    m_dateOrder->addItem(tr("Day first (31/12/2024)"), int(model::DateForm::SlashDayMonth));
    m_dateOrder->addItem(tr("Month first (12/31/2024)"), int(model::DateForm::SlashMonthDay));
    form->addRow(tr("Order of the dates:"), m_dateOrder);
    connect(m_dateOrder, &QComboBox::currentIndexChanged, this, &RecordsDialog::showEvidence);
    m_stopsOnDowntime = new QCheckBox(tr("Value lost production over the mean downtime, not the repair hours"));
    m_stopsOnDowntime->setObjectName(QStringLiteral("stopsOnDowntime"));
    form->addRow(m_stopsOnDowntime);
    connect(m_stopsOnDowntime, &QCheckBox::toggled, this, &RecordsDialog::showEvidence);
    readingLayout->addWidget(columns);

    auto *failures = new QGroupBox(tr("Bearing failures"));
    auto *failureLayout = new QVBoxLayout(failures);
    m_typesLabel = new QLabel(tr("Work types of corrective or breakdown orders, the only ones that can be "
                                 "failures:"));
    m_typesLabel->setWordWrap(true);
    m_types = new QListWidget;
    m_types->setObjectName(QStringLiteral("failureTypes"));
    m_typesLabel->setBuddy(m_types);
    failureLayout->addWidget(m_typesLabel);
    failureLayout->addWidget(m_types);
    connect(m_types, &QListWidget::itemChanged, this, &RecordsDialog::showEvidence);
    auto *wordsLabel = new QLabel(tr("Work orders whose work type or description contains one of these words, "
                                     "separated by commas:"));
    wordsLabel->setWordWrap(true);
    m_words = new QLineEdit;
    m_words->setObjectName(QStringLiteral("failureWords"));
    wordsLabel->setBuddy(m_words);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("failureCount"));
    m_count->setWordWrap(true);
    failureLayout->addWidget(wordsLabel);
    failureLayout->addWidget(m_words);
    failureLayout->addWidget(m_count);
    readingLayout->addWidget(failures);
    readingLayout->addStretch();
    connect(m_words, &QLineEdit::textChanged, this, &RecordsDialog::showEvidence);
    return reading;
}

// The period, the repeat gap and the installation.
QWidget *RecordsDialog::periodPage()
{
    auto *period = new QWidget;
    auto *periodForm = new QFormLayout(period);
    // A caption too long for the side of its field goes above it.
    periodForm->setRowWrapPolicy(QFormLayout::WrapLongRows);
    const auto dateEdit = [&](const char *name) {
        auto *edit = new QDateEdit;
        edit->setObjectName(QLatin1StringView(name));
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        connect(edit, &QDateEdit::dateChanged, this, &RecordsDialog::showEvidence);
        return edit;
    };
    auto *periodNote = new QLabel(tr("The failures a year are counted over the period the export covers: from its "
                                     "first order to its last, unless you give the months you exported."));
    periodNote->setWordWrap(true);
    periodForm->addRow(periodNote);
    m_periodGiven = new QCheckBox(tr("The export covers a given period"));
    m_periodGiven->setObjectName(QStringLiteral("periodGiven"));
    periodForm->addRow(m_periodGiven);
    m_from = dateEdit("periodFrom");
    m_to = dateEdit("periodTo");
    periodForm->addRow(tr("From:"), m_from);
    periodForm->addRow(tr("To:"), m_to);
    connect(m_periodGiven, &QCheckBox::toggled, this, [this](bool given) {
        m_from->setEnabled(given);
        m_to->setEnabled(given);
        showEvidence();
    });
    m_repeatDays = new QSpinBox;
    m_repeatDays->setObjectName(QStringLiteral("repeatDays"));
    m_repeatDays->setRange(0, model::kMaxRepeatDays);
    m_repeatDays->setSuffix(tr(" days"));
    periodForm->addRow(tr("Orders on one asset within this gap are one failure:"), m_repeatDays);
    connect(m_repeatDays, &QSpinBox::valueChanged, this, &RecordsDialog::showEvidence);
    m_installedGiven = new QCheckBox(tr("The system was installed on:"));
    m_installedGiven->setObjectName(QStringLiteral("installedGiven"));
    m_installed = dateEdit("installedOn");
    periodForm->addRow(m_installedGiven, m_installed);
    connect(m_installedGiven, &QCheckBox::toggled, this, [this](bool given) {
        m_installed->setEnabled(given);
        showEvidence();
    });
    return period;
}

// The orders matched, each of which the user can leave out.
QWidget *RecordsDialog::ordersPage()
{
    auto *orders = new QWidget;
    auto *ordersLayout = new QVBoxLayout(orders);
    auto *ordersNote = new QLabel(tr("Clear an order that is no bearing failure to leave it out."));
    ordersNote->setWordWrap(true);
    m_leftOutCount = new QLabel;
    m_leftOutCount->setObjectName(QStringLiteral("leftOutCount"));
    m_leftOutCount->setWordWrap(true);
    m_matched = new MatchedOrdersModel(this);
    m_matchedView = new QTableView;
    m_matchedView->setObjectName(QStringLiteral("matchedOrders"));
    m_matchedView->setModel(m_matched);
    m_matchedView->setWordWrap(false);
    m_matchedView->horizontalHeader()->setStretchLastSection(true);
    for (const int column : {MatchedOrdersModel::Counted, MatchedOrdersModel::Date})
        m_matchedView->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    // One line a row, however many lines a description has.
    m_matchedView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_matchedView->verticalHeader()->setDefaultSectionSize(m_matchedView->fontMetrics().height() + 6);
    ordersLayout->addWidget(ordersNote);
    ordersLayout->addWidget(m_matchedView);
    ordersLayout->addWidget(m_leftOutCount);
    connect(m_matched, &MatchedOrdersModel::countedChanged, this, &RecordsDialog::orderCounted);
    return orders;
}

// The failures by asset, the worst first.
QWidget *RecordsDialog::assetsPage()
{
    auto *assets = new QWidget;
    auto *assetsLayout = new QVBoxLayout(assets);
    m_assets = new QTableWidget(0, model::kAssetColumnCount);
    m_assets->setObjectName(QStringLiteral("worstAssets"));
    QStringList captions;
    for (int c = 0; c < model::kAssetColumnCount; ++c)
        captions << model::assetColumnCaption(model::AssetColumn(c));
    m_assets->setHorizontalHeaderLabels(captions);
    m_assets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_assets->verticalHeader()->hide();
    m_assets->verticalHeader()->setDefaultSectionSize(m_assets->fontMetrics().height() + 6);
    m_assets->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_assets->horizontalHeader()->setStretchLastSection(true);
    m_noAssets = new QLabel(tr("The export names no asset of a failure."));
    m_noAssets->setWordWrap(true);
    assetsLayout->addWidget(m_assets);
    assetsLayout->addWidget(m_noAssets);
    return assets;
}

// Another sheet of the workbook, read afresh; the columns guessed from its header.
void RecordsDialog::chooseSheet(int sheet)
{
    if (sheet == m_records.sheet)
        return;
    const model::ExportReading read = model::readXlsxRecords(QFile::encodeName(m_records.path), sheet);
    m_records.sheet = sheet;
    m_records.table = read.table.value_or(model::ExportTable{});
    m_sheetProblem = read.table ? QString() : model::recordsRefusal(m_records.path, read.problem);
    model::RecordsChoice choice = model::startingChoice(m_records.table, m_previous, m_locale);
    choice.failureWords = model::failureWordsOf(m_words->text());
    choice.counting = choiceShown().counting;
    showColumns(choice);
}

void RecordsDialog::showColumns(const model::RecordsChoice &choice)
{
    for (int c = 0; c < model::kWorkOrderColumnCount; ++c) {
        QComboBox *combo = m_columns[std::size_t(c)];
        const QSignalBlocker blocker(combo);
        combo->clear();
        // Every work order has a date; any other column may be missing.
        if (c != int(WorkOrderColumn::Date))
            combo->addItem(tr("(none)"), kNoColumn);
        for (int h = 0; h < m_records.table.header.size(); ++h) {
            const QString name = m_records.table.header[h];
            combo->addItem(name.isEmpty() ? tr("Column %1").arg(h + 1) : name, h);
        }
        const std::optional<int> chosen = choice.mapping[std::size_t(c)];
        combo->setCurrentIndex(qMax(0, combo->findData(chosen.value_or(kNoColumn))));
    }
    {
        const QSignalBlocker blocker(m_dateOrder);
        const int order = m_dateOrder->findData(int(choice.dateForm));
        if (order >= 0)
            m_dateOrder->setCurrentIndex(order);
    }
    m_dateForm = choice.dateForm;
    showDateOrder(choice.dateOrderOpen);
    showTypes(choice.counting.failureTypes);
    showEvidence();
}

// The values of the work-type column, with their counts, those of failures
// checked; hidden where the export has no such column.
void RecordsDialog::showTypes(const std::optional<QStringList> &failureTypes)
{
    const QSignalBlocker blocker(m_types);
    m_types->clear();
    const int column = m_columns[std::size_t(WorkOrderColumn::WorkType)]->currentData().toInt();
    const std::vector<model::WorkTypeCount> types =
        model::workTypesOf(m_records.table, column == kNoColumn ? std::nullopt : std::optional(column));
    for (const model::WorkTypeCount &type : types) {
        auto *item = new QListWidgetItem(tr("%1 (%2)").arg(type.type, m_locale.toString(type.orders)), m_types);
        item->setData(Qt::UserRole, type.type);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(failureTypes && model::isOfTypes(type.type, *failureTypes) ? Qt::Checked : Qt::Unchecked);
    }
    const bool shown = !types.empty();
    m_types->setVisible(shown);
    m_typesLabel->setVisible(shown);
    // A few rows show; more scroll.
    const int rows = std::min(int(types.size()), 5);
    m_types->setFixedHeight(rows * m_types->sizeHintForRow(0) + 2 * m_types->frameWidth());
}

// The dates' form is the new column's own; the order is asked only when its
// dates leave it open.
void RecordsDialog::dateColumnChosen()
{
    const model::RecordsChoice shown = choiceShown();
    const std::optional<int> column = shown.mapping[std::size_t(WorkOrderColumn::Date)];
    const model::DateColumn dates = model::dateColumnOf(m_records.table, column);
    m_dateForm = dates.form.value_or(model::dateFormToTry(m_records.table, column));
    showDateOrder(dates.ambiguous);
    showEvidence();
}

void RecordsDialog::showDateOrder(bool open)
{
    m_dateOrderOpen = open;
    m_columnForm->setRowVisible(m_dateOrder, open);
}

// The period as given, else the export's own dates to start from.
void RecordsDialog::showCounting(const model::CountingRule &counting)
{
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_periodGiven), QSignalBlocker(m_from),           QSignalBlocker(m_to),
        QSignalBlocker(m_repeatDays),  QSignalBlocker(m_installedGiven), QSignalBlocker(m_installed)};
    m_periodGiven->setChecked(counting.periodGiven());
    m_from->setEnabled(counting.periodGiven());
    m_to->setEnabled(counting.periodGiven());
    if (counting.periodGiven()) {
        m_from->setDate(counting.from);
        m_to->setDate(counting.to);
    }
    m_repeatDays->setValue(counting.repeatDays);
    m_installedGiven->setChecked(counting.installed.isValid());
    m_installed->setEnabled(counting.installed.isValid());
    m_installed->setDate(counting.installed.isValid() ? counting.installed : QDate::currentDate());
    m_leftOut = counting.leftOut;
}

// The assets with the most failures, the figures right-aligned.
void RecordsDialog::showAssets(const model::RecordsSummary &summary)
{
    const std::vector<QStringList> rows = model::assetTableTexts(summary, m_locale);
    m_assets->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < rows[std::size_t(r)].size(); ++c) {
            auto *item = new QTableWidgetItem(rows[std::size_t(r)][c]);
            if (c != int(model::AssetColumn::Asset))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_assets->setItem(r, c, item);
        }
    }
    m_noAssets->setVisible(rows.empty() && summary.failures > 0);
}

// An order checked or cleared: left out, or counted again.
void RecordsDialog::orderCounted(std::size_t row, bool counted)
{
    const model::RecordsChoice choice = choiceShown();
    const std::optional<int> dateColumn = choice.mapping[std::size_t(WorkOrderColumn::Date)];
    const std::optional<QDate> date =
        dateColumn ? model::readDate(m_records.table.cell(row, *dateColumn), choice.dateForm) : std::nullopt;
    if (!date)
        return;
    const model::LeftOutOrder order = model::leftOutOrderOf(m_records.table, choice.mapping, row, *date);
    std::erase(m_leftOut, order);
    if (!counted)
        m_leftOut.push_back(order);
    showEvidence();
}

model::RecordsChoice RecordsDialog::choiceShown() const
{
    model::RecordsChoice choice;
    for (int c = 0; c < model::kWorkOrderColumnCount; ++c) {
        const int column = m_columns[std::size_t(c)]->currentData().toInt();
        if (m_columns[std::size_t(c)]->currentIndex() >= 0 && column != kNoColumn)
            choice.mapping[std::size_t(c)] = column;
    }
    choice.dateOrderOpen = m_dateOrderOpen;
    choice.dateForm = choice.dateOrderOpen ? model::DateForm(m_dateOrder->currentData().toInt()) : m_dateForm;
    choice.failureWords = model::failureWordsOf(m_words->text());
    if (!m_types->isHidden()) {
        choice.counting.failureTypes = QStringList();
        for (int i = 0; i < m_types->count(); ++i)
            if (m_types->item(i)->checkState() == Qt::Checked)
                choice.counting.failureTypes->append(m_types->item(i)->data(Qt::UserRole).toString());
    }
    if (m_periodGiven->isChecked()) {
        choice.counting.from = m_from->date();
        choice.counting.to = m_to->date();
    }
    choice.counting.repeatDays = m_repeatDays->value();
    choice.counting.leftOut = m_leftOut;
    if (m_installedGiven->isChecked())
        choice.counting.installed = m_installed->date();
    choice.stopsOnDowntime = m_stopsOnDowntime->isChecked();
    return choice;
}

void RecordsDialog::showEvidence()
{
    const QString sheet = m_sheet ? m_sheet->currentText() : QString();
    const model::RecordsChoice choice = choiceShown();
    m_reading = m_sheetProblem.isEmpty()
                    ? model::evidenceOf(m_records.table, choice, m_records.fileName, m_records.sha256, sheet, m_locale)
                    : model::EvidenceReading{std::nullopt, m_sheetProblem, {}};
    m_matched->show(&m_records.table, choice.mapping, m_reading.matched);
    if (const std::optional<model::RecordsEvidence> &evidence = m_reading.evidence) {
        const model::RecordsSummary &summary = evidence->summary;
        m_count->setText(tr("Bearing failures: %1 of %2 work orders.")
                             .arg(m_locale.toString(summary.failures), m_locale.toString(summary.workOrders)));
        m_evidence->setText(model::keptInWrittenOrder(model::evidenceLines(*evidence, m_locale).join(u'\n')));
        // Until the user gives a period, the export's own is shown.
        if (!m_periodGiven->isChecked()) {
            const QSignalBlocker from(m_from);
            const QSignalBlocker to(m_to);
            m_from->setDate(summary.first);
            m_to->setDate(summary.last);
        }
        showAssets(summary);
    } else {
        m_count->setText(m_reading.problem);
        m_evidence->clear();
        showAssets(model::RecordsSummary{});
    }
    const qsizetype leftOut = std::count_if(m_reading.matched.begin(), m_reading.matched.end(),
                                            [](const model::MatchedOrder &order) { return order.leftOut; });
    m_leftOutCount->setText(tr("%Ln order(s) matched, %1 left out by hand.", nullptr, int(m_reading.matched.size()))
                                .arg(m_locale.toString(leftOut)));
    m_tabs->setTabText(m_tabs->indexOf(m_matchedView->parentWidget()),
                       tr("Matched Orders (%1)").arg(m_locale.toString(qsizetype(m_reading.matched.size()))));
    // Words that match nothing (kept from another export, perhaps) give no
    // figures to apply.
    const bool noFailures = m_reading.evidence && m_reading.evidence->summary.failures == 0;
    if (noFailures)
        m_evidence->setText(model::keptInWrittenOrder(model::noFailuresFoundText(*m_reading.evidence)) + u'\n'
                            + m_evidence->text());
    m_stopsOnDowntime->setEnabled(m_reading.evidence && m_reading.evidence->summary.meanDowntime);
    m_keep->setEnabled(m_reading.evidence.has_value());
    m_apply->setEnabled(m_reading.evidence && !noFailures
                        && !model::recordsFigureTexts(m_reading.evidence->summary, m_locale).empty());
    dialogs::growToContents(this);
}

// The size a dialog is first given counts its wrapped texts at another
// width: at its own width they may need more lines, or fewer, whose room
// would stand empty between the controls.
void RecordsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    layout()->activate();
    // The contents scroll (FittedScrollArea), which asks for their height at this width.
    QLayout *window = layout();
    int height =
        qMax(window->hasHeightForWidth() ? window->totalHeightForWidth(width()) : window->totalSizeHint().height(),
             window->totalMinimumSize().height());
    resize(width(), qMin(height, dialogs::roomOnScreen(this).height()));
}

void RecordsDialog::finish(bool apply)
{
    if (!m_reading.evidence)
        return;
    m_accepted = *m_reading.evidence;
    m_accepted.applied = apply;
    accept();
}
