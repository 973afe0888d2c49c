// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/records/records_choice.h"
#include "model/records/records_evidence.h"
#include "model/records/records_export.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <optional>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTableWidget;
QT_END_NAMESPACE

class MatchedOrdersModel;

// "Maintenance Records": how a work-order export is read. Which column holds
// the date, the asset, the work type or cause, the description, the repair
// hours and the downtime (guessed from the header names, or as the
// facility's records were read before), the order of day and month when the
// dates leave it open, the sheet of a workbook, the work types and words
// that mark a bearing failure; the period the export covers, the gap within
// which orders on one asset are one failure and when the system went in; the
// orders matched, each of which can be left out; and the assets with the
// most failures. What the records come to, repeated rows among them, is
// shown as it is edited. "Apply to Figures" takes the records' failures a
// year and hours to replace; "Keep as Evidence" keeps the records without
// changing a figure.
class RecordsDialog : public QDialog {
    Q_OBJECT
public:
    RecordsDialog(model::RecordsExport records, const std::optional<model::RecordsEvidence> &previous,
                  const QLocale &locale, qreal zoom, QWidget *parent = nullptr);

    // The records as accepted; applied tells which of the two buttons it was.
    const model::RecordsEvidence &evidence() const { return m_accepted; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The tabs, each built once by the constructor.
    QWidget *columnsPage();
    QWidget *periodPage();
    QWidget *ordersPage();
    QWidget *assetsPage();
    void chooseSheet(int sheet);
    void showColumns(const model::RecordsChoice &choice);
    void dateColumnChosen();
    void showTypes(const std::optional<QStringList> &failureTypes);
    void showDateOrder(bool open);
    void showCounting(const model::CountingRule &counting);
    void orderCounted(std::size_t row, bool counted);
    void showAssets(const model::RecordsSummary &summary);
    model::RecordsChoice choiceShown() const;
    void showEvidence();
    void finish(bool apply);

    model::RecordsExport m_records;
    std::optional<model::RecordsEvidence> m_previous;
    QLocale m_locale;
    QString m_sheetProblem;                            // why the chosen sheet could not be read
    model::DateForm m_dateForm = model::DateForm::Iso; // of the date column, when its order is not open
    bool m_dateOrderOpen = false;
    model::EvidenceReading m_reading;
    model::RecordsEvidence m_accepted;
    std::vector<model::LeftOutOrder> m_leftOut;

    QComboBox *m_sheet = nullptr;
    std::array<QComboBox *, model::kWorkOrderColumnCount> m_columns{};
    QFormLayout *m_columnForm = nullptr;
    QComboBox *m_dateOrder = nullptr;
    QLabel *m_typesLabel = nullptr;
    QListWidget *m_types = nullptr;
    QLineEdit *m_words = nullptr;
    QLabel *m_count = nullptr;
    QTabWidget *m_tabs = nullptr;
    QCheckBox *m_periodGiven = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QSpinBox *m_repeatDays = nullptr;
    QCheckBox *m_installedGiven = nullptr;
    QCheckBox *m_stopsOnDowntime = nullptr;
    QDateEdit *m_installed = nullptr;
    MatchedOrdersModel *m_matched = nullptr;
    QTableView *m_matchedView = nullptr;
    QLabel *m_leftOutCount = nullptr;
    QTableWidget *m_assets = nullptr;
    QLabel *m_noAssets = nullptr;
    QLabel *m_evidence = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_keep = nullptr;
};
