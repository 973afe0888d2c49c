// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/case_alternatives.h"
#include "model/facility/facility_file.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <vector>

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

class AlternativesTable;

// "Alternatives": doing nothing and every option of the case side by side
// (AlternativesTable) with what the comparison says. "Add Option…" adds a
// copy of the selected option under a new name, to be changed once selected;
// "Rename…" and "Remove" change the option chosen in the table; "Select"
// makes it the one the tables, the report and the Business Case window show
// and edit. Kept by the caller on OK.
class AlternativesDialog : public QDialog {
    Q_OBJECT
public:
    AlternativesDialog(const model::FacilityFigures &facts, const std::array<bool, model::kInputCount> &heldAsNoNumber,
                       const QLocale &locale, qreal zoom, QWidget *parent = nullptr);

    model::CaseOption selected() const;
    const std::vector<model::CaseOption> &others() const { return m_facts.otherOptions; }

private:
    void refresh(const QString &chosenName);
    // The option of the table's current row: none for doing nothing, -1 for
    // the selected one, else its place among the others.
    std::optional<int> chosenOption() const;
    // A name asked for, or none on Cancel; a name already taken or empty is
    // refused, told.
    std::optional<QString> askName(const QString &title, const QString &name);
    void addOption();
    void renameOption();
    void removeOption();
    void selectChosen();
    void updateButtons();

    model::FacilityFigures m_facts;
    std::array<bool, model::kInputCount> m_held{};
    QLocale m_locale;
    model::AlternativesComparison m_comparison;
    AlternativesTable *m_table = nullptr;
    QLabel *m_sentences = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_select = nullptr;
};
