// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/assumptions_dialog.h"

#include "model/costs/model_text.h"
#include "model/facility/facility_file.h"
#include "model/text/message_text.h"
#include "model/text/numeric_text.h"
#include "platform/system_seams.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

AssumptionsDialog::AssumptionsDialog(const model::Assumptions &assumptions, const QLocale &locale, qreal zoom,
                                     QWidget *parent)
    : QDialog(parent), m_locale(locale), m_accepted(assumptions)
{
    setObjectName(QStringLiteral("assumptionsDialog"));
    setWindowTitle(tr("Assumptions"));
    QFont zoomedFont = font();
    zoomedFont.setPointSizeF(zoomedFont.pointSizeF() * zoom);
    setFont(zoomedFont);

    auto *form = new QFormLayout(this);
    auto *intro = new QLabel(tr("How much of each yearly cost a Velmor automatic lubrication system is assumed to "
                                "save, in per cent (0 to 100, in tenths):"));
    intro->setWordWrap(true);
    form->addRow(intro);
    for (int k = 1; k <= model::kReducedRowCount; ++k) {
        auto *field = new QLineEdit;
        field->setObjectName(QStringLiteral("reduction_%1").arg(k));
        field->setMaxLength(int(model::kReportDetailMaxLength));
        field->setAlignment(Qt::AlignRight);
        field->setMaximumWidth(90 * zoom);
        form->addRow(tr("%1 (%):").arg(model::costRowText(model::kCostRows[std::size_t(k - 1)].currentCaption)), field);
        m_fields[std::size_t(k - 1)] = field;
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *restore = buttons->addButton(tr("Restore Designed Values"), QDialogButtonBox::ResetRole);
    restore->setObjectName(QStringLiteral("restoreDesigned"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &AssumptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restore, &QPushButton::clicked, this, [this] { show(model::Assumptions::designed()); });
    show(assumptions);
}

void AssumptionsDialog::show(const model::Assumptions &assumptions)
{
    for (int k = 0; k < model::kReducedRowCount; ++k)
        m_fields[std::size_t(k)]->setText(model::percentText(assumptions.reductionPercent[std::size_t(k)], m_locale));
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
    m_accepted = read;
    QDialog::accept();
}
