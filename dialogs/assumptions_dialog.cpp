// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/assumptions_dialog.h"

#include "dialogs/dialog_size.h"
#include "dialogs/fitted_scroll_area.h"
#include "model/costs/model_text.h"
#include "model/facility/facility_file.h"
#include "model/text/message_text.h"
#include "model/text/numeric_text.h"
#include "platform/system_seams.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AssumptionsDialog::AssumptionsDialog(const model::Assumptions &assumptions,
                                     const std::optional<model::SavingsKinds> &kinds, const QLocale &locale,
                                     QStringView currencySymbol, qreal zoom, QWidget *parent)
    : QDialog(parent), m_locale(locale), m_accepted(assumptions), m_acceptedKinds(kinds)
{
    setObjectName(QStringLiteral("assumptionsDialog"));
    setWindowTitle(tr("Assumptions"));
    dialogs::zoomFont(this, zoom);

    // Everything but the buttons scrolls where the screen is too small.
    auto *contents = new QWidget;
    auto *form = new QFormLayout(contents);
    auto *intro = new QLabel(tr("How much of each annual cost a Velmor automatic lubrication system is assumed to "
                                "save, in percent (0 to 100, in tenths):"));
    intro->setWordWrap(true);
    form->addRow(intro);
    m_split = new QCheckBox(tr("Split the savings into hard (cash the plant no longer pays) and soft"));
    m_split->setObjectName(QStringLiteral("splitSavings"));
    form->addRow(m_split);
    for (int k = 1; k <= model::kReducedRowCount; ++k) {
        auto *field = new QLineEdit;
        field->setObjectName(QStringLiteral("reduction_%1").arg(k));
        field->setMaxLength(int(model::kReportDetailMaxLength));
        field->setAlignment(Qt::AlignRight);
        field->setMaximumWidth(90 * zoom);
        auto *hard = new QCheckBox(tr("Cash"));
        hard->setObjectName(QStringLiteral("hard_%1").arg(k));
        auto *row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(hard);
        row->addStretch();
        form->addRow(tr("%1 (%):").arg(model::costRowText(model::kCostRows[std::size_t(k - 1)].currentCaption)), row);
        m_fields[std::size_t(k - 1)] = field;
        m_hard[std::size_t(k - 1)] = hard;
    }
    m_freedHoursTo = new QLineEdit;
    m_freedHoursTo->setObjectName(QStringLiteral("freedHoursTo"));
    m_freedHoursTo->setMaxLength(int(model::kMaxFreedHoursLength));
    m_freedHoursTo->setPlaceholderText(tr("e.g. overtime no longer paid"));
    // Wide enough for its example, which would otherwise be cut short.
    m_freedHoursTo->setMinimumWidth(
        int(QFontMetricsF(font()).horizontalAdvance(m_freedHoursTo->placeholderText()) + 24));
    form->addRow(tr("The freed lubrication hours go to:"), m_freedHoursTo);
    connect(m_split, &QCheckBox::toggled, this, [this](bool split) {
        // Split afresh: the kinds a reviewer would accept.
        if (split && !m_acceptedKinds) {
            const model::SavingsKinds kinds = model::defaultSavingsKinds(m_accepted.lostProduction);
            for (int k = 1; k <= model::kReducedRowCount; ++k)
                m_hard[std::size_t(k - 1)]->setChecked(kinds.isHard(k));
        }
        for (QCheckBox *hard : m_hard)
            hard->setEnabled(split);
        m_freedHoursTo->setEnabled(split);
    });
    addStopFields(form, currencySymbol, zoom);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *restore = buttons->addButton(tr("Restore Defaults"), QDialogButtonBox::ResetRole);
    restore->setObjectName(QStringLiteral("restoreDesigned"));
    dialogs::layOutAboveButtons(this, contents, buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &AssumptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restore, &QPushButton::clicked, this, [this] { show(model::Assumptions::designed(), std::nullopt); });
    show(assumptions, kinds);
}

void AssumptionsDialog::addStopFields(QFormLayout *form, QStringView currencySymbol, qreal zoom)
{
    auto *intro = new QLabel(tr("How a failure's stop is valued; empty fields keep the production value per hour over "
                                "the hours to replace a bearing:"));
    intro->setWordWrap(true);
    form->addRow(intro);
    m_stopCaptions = {
        tr("Contribution margin (% of the production value)"),
        tr("Lost output made up later (%)"),
        tr("People standing idle during a stop"),
        tr("Their hourly rate (%1/hour)").arg(currencySymbol),
        tr("Stop per failure (hours)"),
    };
    for (int f = 0; f < model::kStopFigureCount; ++f) {
        auto *field = new QLineEdit;
        field->setObjectName(QStringLiteral("stop_%1").arg(f));
        field->setMaxLength(int(model::kReportDetailMaxLength));
        field->setAlignment(Qt::AlignRight);
        field->setMaximumWidth(90 * zoom);
        //: A field's caption before the field.
        form->addRow(tr("%1:").arg(m_stopCaptions[std::size_t(f)]), field);
        m_stopFields[std::size_t(f)] = field;
        if (model::StopFigure(f) == model::StopFigure::Margin) {
            m_soldOut = new QCheckBox(tr("The plant is sold out: every hour lost is revenue lost"));
            m_soldOut->setObjectName(QStringLiteral("soldOut"));
            form->addRow(m_soldOut);
            connect(m_soldOut, &QCheckBox::toggled, field, &QWidget::setDisabled);
        }
    }
}

void AssumptionsDialog::show(const model::Assumptions &assumptions, const std::optional<model::SavingsKinds> &kinds)
{
    const model::SavingsKinds shown = kinds.value_or(model::defaultSavingsKinds(assumptions.lostProduction));
    for (int k = 1; k <= model::kReducedRowCount; ++k)
        m_hard[std::size_t(k - 1)]->setChecked(shown.isHard(k));
    m_freedHoursTo->setText(shown.freedHoursTo);
    m_split->setChecked(!kinds);
    m_split->setChecked(kinds.has_value());
    for (int k = 0; k < model::kReducedRowCount; ++k)
        m_fields[std::size_t(k)]->setText(model::percentText(assumptions.reductionPercent[std::size_t(k)], m_locale));
    const model::LostProductionRule &rule = assumptions.lostProduction;
    for (int f = 0; f < model::kStopFigureCount; ++f) {
        const std::optional<double> &given = rule.*model::stopFigureMember(model::StopFigure(f));
        m_stopFields[std::size_t(f)]->setText(given ? model::percentText(*given, m_locale) : QString());
    }
    m_soldOut->setChecked(rule.soldOut);
}

std::optional<model::LostProductionRule> AssumptionsDialog::readStopFields()
{
    model::LostProductionRule rule;
    for (int f = 0; f < model::kStopFigureCount; ++f) {
        const double largest = model::largestStopFigure(model::StopFigure(f));
        QLineEdit *field = m_stopFields[std::size_t(f)];
        if (field->text().trimmed().isEmpty())
            continue;
        const std::optional<double> figure = model::readFigure(field->text(), m_locale);
        if (!figure || !(*figure >= 0 && *figure <= largest)) {
            platform::reportRuntimeError(this, tr("The %1 %2 is not a number from 0 to %3.")
                                                   .arg(model::quotedForMessage(m_stopCaptions[std::size_t(f)]),
                                                        model::quotedForMessage(field->text()),
                                                        m_locale.toString(largest, 'g', 7)));
            field->setFocus();
            field->selectAll();
            return std::nullopt;
        }
        rule.*model::stopFigureMember(model::StopFigure(f)) = *figure;
    }
    rule.soldOut = m_soldOut->isChecked();
    if (rule.soldOut)
        rule.marginPercent.reset();
    return rule;
}

void AssumptionsDialog::accept()
{
    model::Assumptions read;
    for (int k = 0; k < model::kReducedRowCount; ++k) {
        QLineEdit *field = m_fields[std::size_t(k)];
        const std::optional<double> percent = model::readFigure(field->text(), m_locale);
        if (!percent || !model::isReductionPercent(*percent)) {
            platform::reportRuntimeError(
                this,
                tr("The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.")
                    .arg(model::quotedForMessage(model::costRowText(model::kCostRows[std::size_t(k)].currentCaption)),
                         model::quotedForMessage(field->text())));
            field->setFocus();
            field->selectAll();
            return;
        }
        read.reductionPercent[std::size_t(k)] = *percent;
    }
    const std::optional<model::LostProductionRule> rule = readStopFields();
    if (!rule)
        return;
    read.lostProduction = *rule;
    m_accepted = read;
    m_acceptedKinds.reset();
    if (m_split->isChecked()) {
        model::SavingsKinds kinds;
        for (int k = 0; k < model::kReducedRowCount; ++k)
            kinds.hard[std::size_t(k)] = m_hard[std::size_t(k)]->isChecked();
        kinds.freedHoursTo = m_freedHoursTo->text().trimmed();
        m_acceptedKinds = kinds;
    }
    QDialog::accept();
}
