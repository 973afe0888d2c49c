// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "model/costs/currency_units.h"
#include "model/costs/unit_conversion.h"

#include <QDialog>
#include <QLocale>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QRadioButton;
QT_END_NAMESPACE

// "Currency and Units": the symbol every money figure is typed and shown in
// (one of the usual ones, or any other typed), with a preview of a figure
// in the regional settings, and whether the lubricant is weighed in pounds
// or kilograms. A change of units tells, before OK, that the lubricant's
// two figures will be converted so that the results stay the same.
class CurrencyUnitsDialog : public QDialog {
    Q_OBJECT
public:
    // fields: the figures as typed, for telling which can be converted.
    CurrencyUnitsDialog(const model::CurrencyUnits &currency, const model::FieldTexts &fields, const QLocale &locale,
                        qreal zoom, QWidget *parent = nullptr);

    // The choice as accepted.
    model::CurrencyUnits currencyUnits() const { return m_accepted; }

    void accept() override;

private:
    model::CurrencySymbolReading readSymbol() const;
    model::Units chosenUnits() const;
    void showPreview();
    void showUnitsNote();

    QLocale m_locale;
    model::FieldTexts m_fields;
    model::CurrencyUnits m_accepted;
    QComboBox *m_symbol = nullptr;
    QLabel *m_preview = nullptr;
    QRadioButton *m_imperial = nullptr;
    QRadioButton *m_metric = nullptr;
    QLabel *m_unitsNote = nullptr;
};
