// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"

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
// of the five cost rows, in per cent, typed and read as the figures are;
// below them how a failure's stop is valued (model::LostProductionRule),
// each field empty unless given. "Restore Designed Values" puts the designed
// reductions and the designed valuation back.
class AssumptionsDialog : public QDialog {
    Q_OBJECT
public:
    AssumptionsDialog(const model::Assumptions &assumptions, const QLocale &locale, QStringView currencySymbol,
                      qreal zoom, QWidget *parent = nullptr);

    // The reductions as accepted.
    model::Assumptions assumptions() const { return m_accepted; }

    void accept() override;

private:
    void show(const model::Assumptions &assumptions);
    void addStopFields(QFormLayout *form, QStringView currencySymbol, qreal zoom);
    // The rule as typed, or none after telling the user which field is wrong.
    std::optional<model::LostProductionRule> readStopFields();

    QLocale m_locale;
    model::Assumptions m_accepted;
    std::array<QLineEdit *, model::kReducedRowCount> m_fields{};
    std::array<QLineEdit *, model::kStopFigureCount> m_stopFields{};
    std::array<QString, model::kStopFigureCount> m_stopCaptions;
    QCheckBox *m_soldOut = nullptr;
};
