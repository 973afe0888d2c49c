// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/cost_rows.h"

#include <QDialog>
#include <QLocale>

#include <array>

QT_BEGIN_NAMESPACE
class QLineEdit;
QT_END_NAMESPACE

// "Assumptions": the reduction a Velmor system is assumed to bring to each
// of the five cost rows, in per cent, typed and read as the figures are.
// "Restore Designed Values" puts the designed reductions back.
class AssumptionsDialog : public QDialog {
    Q_OBJECT
public:
    AssumptionsDialog(const model::Assumptions &assumptions, const QLocale &locale, qreal zoom,
                      QWidget *parent = nullptr);

    // The reductions as accepted.
    model::Assumptions assumptions() const { return m_accepted; }

    void accept() override;

private:
    void show(const model::Assumptions &assumptions);

    QLocale m_locale;
    model::Assumptions m_accepted;
    std::array<QLineEdit *, model::kReducedRowCount> m_fields{};
};
