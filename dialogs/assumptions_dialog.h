// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"
#include "model/costs/savings_kinds.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <optional>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QFormLayout;
class QLineEdit;
QT_END_NAMESPACE

// "Assumptions": the reduction a Velmor system is assumed to bring to each
// of the five cost rows, in per cent, typed and read as the figures are, and
// where the savings are split which of them are cash (hard);
// below them how a failure's stop is valued (model::LostProductionRule),
// each field empty unless given. "Restore Defaults" puts the designed
// reductions and the designed valuation back.
class AssumptionsDialog : public QDialog {
    Q_OBJECT
public:
    AssumptionsDialog(const model::Assumptions &assumptions, const std::optional<model::SavingsKinds> &kinds,
                      const QLocale &locale, QStringView currencySymbol, qreal zoom, QWidget *parent = nullptr);

    // The reductions and the valuation of a stop as accepted.
    model::Assumptions assumptions() const { return m_accepted; }
    // Which savings are cash, none when the savings are not split.
    const std::optional<model::SavingsKinds> &savingsKinds() const { return m_acceptedKinds; }

    void accept() override;

private:
    void show(const model::Assumptions &assumptions, const std::optional<model::SavingsKinds> &kinds);
    void addStopFields(QFormLayout *form, QStringView currencySymbol, qreal zoom);
    // The rule as typed, or none after telling the user which field is wrong.
    std::optional<model::LostProductionRule> readStopFields();

    QLocale m_locale;
    model::Assumptions m_accepted;
    std::optional<model::SavingsKinds> m_acceptedKinds;
    QCheckBox *m_split = nullptr;
    std::array<QCheckBox *, model::kReducedRowCount> m_hard{};
    QLineEdit *m_freedHoursTo = nullptr;
    std::array<QLineEdit *, model::kReducedRowCount> m_fields{};
    std::array<QLineEdit *, model::kStopFigureCount> m_stopFields{};
    std::array<QString, model::kStopFigureCount> m_stopCaptions;
    QCheckBox *m_soldOut = nullptr;
};
