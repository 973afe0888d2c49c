// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/currency_units_dialog.h"

#include "dialogs/dialog_size.h"
#include "model/costs/cost_rows.h"
#include "model/text/money_text.h"
#include "platform/system_seams.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The symbols offered; any other may be typed.
const char *const kSymbols[] = {"$", "\u20AC", "\u00A3", "CHF", "R$", "\u00A5", "\u20B9"};

// The figure the preview writes: the designed facility's current cost.
constexpr double kPreviewFigure = 62600;

} // namespace

CurrencyUnitsDialog::CurrencyUnitsDialog(const model::CurrencyUnits &currency, const model::FieldTexts &fields,
                                         const QLocale &locale, qreal zoom, QWidget *parent)
    : QDialog(parent), m_locale(locale), m_fields(fields), m_accepted(currency)
{
    setObjectName(QStringLiteral("currencyUnitsDialog"));
    setWindowTitle(tr("Currency and Units"));
    dialogs::zoomFont(this, zoom);

    auto *form = new QFormLayout(this);
    auto *intro = new QLabel(tr("Every money figure is typed and shown in this currency; figures are not "
                                "converted between currencies."));
    intro->setWordWrap(true);
    form->addRow(intro);

    m_symbol = new QComboBox;
    m_symbol->setObjectName(QStringLiteral("currencySymbol"));
    m_symbol->setEditable(true);
    m_symbol->setInsertPolicy(QComboBox::NoInsert);
    for (const char *symbol : kSymbols)
        m_symbol->addItem(QString::fromUtf8(symbol));
    m_symbol->lineEdit()->setMaxLength(4 * int(model::kCurrencySymbolMaxLength));
    m_symbol->setCurrentText(currency.symbol);
    form->addRow(tr("Currency symbol:"), m_symbol);

    m_preview = new QLabel;
    m_preview->setObjectName(QStringLiteral("currencyPreview"));
    form->addRow(tr("A figure shows as:"), m_preview);

    m_imperial = new QRadioButton(tr("Imperial (lb)"));
    m_imperial->setObjectName(QStringLiteral("imperialUnits"));
    m_metric = new QRadioButton(tr("Metric (kg)"));
    m_metric->setObjectName(QStringLiteral("metricUnits"));
    (currency.units == model::Units::Metric ? m_metric : m_imperial)->setChecked(true);
    auto *units = new QVBoxLayout;
    units->addWidget(m_imperial);
    units->addWidget(m_metric);
    form->addRow(tr("Lubricant weighed in:"), units);

    m_unitsNote = new QLabel;
    m_unitsNote->setObjectName(QStringLiteral("unitsNote"));
    m_unitsNote->setWordWrap(true);
    form->addRow(m_unitsNote);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CurrencyUnitsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_symbol, &QComboBox::currentTextChanged, this, &CurrencyUnitsDialog::showPreview);
    connect(m_metric, &QRadioButton::toggled, this, &CurrencyUnitsDialog::showUnitsNote);
    setMinimumWidth(int(380 * zoom));
    showPreview();
    showUnitsNote();
}

// A blank field is the regional settings' currency, the one a new facility starts in.
model::CurrencySymbolReading CurrencyUnitsDialog::readSymbol() const
{
    return model::readCurrencySymbol(m_symbol->currentText(), model::regionalCurrencySymbol(m_locale));
}

model::Units CurrencyUnitsDialog::chosenUnits() const
{
    return m_metric->isChecked() ? model::Units::Metric : model::Units::Imperial;
}

void CurrencyUnitsDialog::showPreview()
{
    const model::CurrencySymbolReading read = readSymbol();
    m_preview->setText(read.symbol ? model::currencyText(kPreviewFigure, m_locale, *read.symbol) : read.message);
    dialogs::growToContents(this);
}

// Said before OK, so that nobody wonders why two figures changed.
void CurrencyUnitsDialog::showUnitsNote()
{
    const model::Units units = chosenUnits();
    if (units == m_accepted.units) {
        m_unitsNote->clear();
        m_unitsNote->hide();
        return;
    }
    const model::UnitConversion conversion =
        model::convertUnits(m_fields, m_accepted.units, units, m_locale, model::Assumptions::designed());
    const bool metric = units == model::Units::Metric;
    QString note;
    if (conversion.quantityConverted && conversion.priceConverted) {
        note = metric ? tr("Lubricant quantity and price will be converted to kilograms; the results stay the same.")
                      : tr("Lubricant quantity and price will be converted to pounds; the results stay the same.");
    } else if (conversion.quantityConverted || conversion.priceConverted) {
        note = metric
                   ? tr("The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.")
                   : tr("The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.");
        note = note.arg(conversion.quantityConverted ? tr("quantity") : tr("price"),
                        conversion.quantityConverted ? tr("price") : tr("quantity"));
    } else {
        note = tr("The lubricant quantity and price hold no numbers and stay as typed.");
    }
    m_unitsNote->setText(note);
    m_unitsNote->show();
    dialogs::growToContents(this);
}

void CurrencyUnitsDialog::accept()
{
    const model::CurrencySymbolReading read = readSymbol();
    if (!read.symbol) {
        platform::reportRuntimeError(this, read.message);
        m_symbol->setFocus();
        m_symbol->lineEdit()->selectAll();
        return;
    }
    m_accepted = {*read.symbol, chosenUnits()};
    QDialog::accept();
}
