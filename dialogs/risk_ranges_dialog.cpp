// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/risk_ranges_dialog.h"

#include "dialogs/dialog_size.h"
#include "model/facility/facility_file.h"
#include "model/finance/risk_text.h"
#include "model/text/message_text.h"
#include "model/text/numeric_text.h"
#include "model/text/regional_digits.h"
#include "platform/system_seams.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace {

bool isReduction(int input) { return input < model::kReducedRowCount; }

} // namespace

RiskRangesDialog::RiskRangesDialog(const model::RiskRanges &ranges, const model::RiskRanges &defaults,
                                   const model::InputValues &values, const model::Assumptions &assumptions,
                                   const QLocale &locale, qreal zoom, QWidget *parent, QStringView symbol,
                                   const std::array<QString, model::kRiskInputCount> &recordsTexts)
    : QDialog(parent), m_locale(locale), m_symbol(symbol.toString()), m_values(values), m_assumptions(assumptions),
      m_defaults(defaults)
{
    setObjectName(QStringLiteral("riskRangesDialog"));
    setWindowTitle(tr("Risk Ranges"));
    setLocale(locale);
    dialogs::zoomFont(this, zoom);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Each input varies from its low to its high value, most often near the most likely "
                                "one. An input whose three fields are empty stays at its figure, shown in gray."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *grid = new QGridLayout;
    const QString headings[] = {model::riskCaption(model::RiskCaption::Low),
                                model::riskCaption(model::RiskCaption::MostLikely),
                                model::riskCaption(model::RiskCaption::High)};
    for (int c = 0; c < 3; ++c) {
        auto *heading = new QLabel(headings[c]);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid->addWidget(heading, 0, c + 1, Qt::AlignRight);
    }
    int row = 1;
    for (int i = 0; i < model::kRiskInputCount; ++i, ++row) {
        const auto input = model::RiskInput(i);
        auto *name = new QLabel(model::riskInputName(input, m_symbol));
        grid->addWidget(name, row, 0);
        for (int c = 0; c < 3; ++c) {
            auto *field = new QLineEdit;
            field->setObjectName(QStringLiteral("risk_%1_%2").arg(i).arg(c));
            field->setMaxLength(int(model::kReportDetailMaxLength));
            field->setAlignment(Qt::AlignRight);
            field->setMinimumWidth(int(80 * zoom));
            if (c == Likely)
                field->setPlaceholderText(
                    model::riskValueText(input, model::riskInputValue(input, values, assumptions), locale));
            grid->addWidget(field, row, c + 1);
            m_fields[std::size_t(i)][std::size_t(c)] = field;
        }
        name->setBuddy(m_fields[std::size_t(i)][Low]);
        if (!defaults.fromRecords[std::size_t(i)])
            continue;
        auto *fromRecords = new QCheckBox(tr("From the records"));
        fromRecords->setObjectName(QStringLiteral("riskFromRecords_%1").arg(i));
        grid->addWidget(fromRecords, row, 4);
        m_fromRecords[std::size_t(i)] = fromRecords;
        connect(fromRecords, &QCheckBox::toggled, this, [this, i](bool checked) {
            if (checked)
                showRange(i, m_defaults, true);
            else
                for (QLineEdit *field : m_fields[std::size_t(i)])
                    field->setReadOnly(false);
        });
        const QString how = recordsTexts[std::size_t(i)];
        auto *said = new QLabel(defaults.draws[std::size_t(i)]
                                    ? tr("The records give %1, shown as its P10, P50 and P90.").arg(how)
                                    : tr("The records give %1.").arg(how));
        said->setObjectName(QStringLiteral("riskRecordsText_%1").arg(i));
        said->setWordWrap(true);
        grid->addWidget(said, ++row, 1, 1, 4);
    }
    const int runsRow = row;
    auto *seedLabel = new QLabel(tr("Seed:"));
    m_seed = new QLineEdit;
    m_seed->setObjectName(QStringLiteral("riskSeed"));
    m_seed->setMaxLength(20);
    m_seed->setAlignment(Qt::AlignRight);
    seedLabel->setBuddy(m_seed);
    auto *runsLabel = new QLabel(tr("Runs:"));
    m_runs = new QSpinBox;
    m_runs->setObjectName(QStringLiteral("riskRuns"));
    m_runs->setLocale(locale);
    m_runs->setGroupSeparatorShown(true);
    m_runs->setRange(kMinRuns, kMaxRuns);
    m_runs->setSingleStep(1000);
    m_runs->setAlignment(Qt::AlignRight);
    runsLabel->setBuddy(m_runs);
    grid->addWidget(seedLabel, runsRow, 0);
    grid->addWidget(m_seed, runsRow, 1, 1, 3);
    grid->addWidget(runsLabel, runsRow + 1, 0);
    grid->addWidget(m_runs, runsRow + 1, 1, 1, 3);
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton *restore = buttons->addButton(tr("Restore Defaults"), QDialogButtonBox::ResetRole);
    restore->setObjectName(QStringLiteral("restoreDefaults"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &RiskRangesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restore, &QPushButton::clicked, this, [this] { show(m_defaults); });
    show(ranges);
}

void RiskRangesDialog::setInvestment(const std::optional<model::Investment> &investment,
                                     const model::CapitalInputs &capital)
{
    m_investment = investment;
    m_capital = capital;
}

void RiskRangesDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The wrapped introduction counts one line in the minimum size.
    dialogs::growToContents(this);
}

void RiskRangesDialog::show(const model::RiskRanges &ranges)
{
    for (int i = 0; i < model::kRiskInputCount; ++i) {
        QCheckBox *fromRecords = m_fromRecords[std::size_t(i)];
        const bool recorded = fromRecords && ranges.fromRecords[std::size_t(i)];
        if (fromRecords) {
            const QSignalBlocker blocked(fromRecords);
            fromRecords->setChecked(recorded);
        }
        showRange(i, recorded ? m_defaults : ranges, recorded);
    }
    m_seed->setText(model::regionalDigits(QString::number(ranges.seed), m_locale));
    m_runs->setValue(ranges.runs);
}

void RiskRangesDialog::showRange(int input, const model::RiskRanges &ranges, bool fromRecords)
{
    const std::optional<model::GammaDraw> &draw = ranges.draws[std::size_t(input)];
    const std::optional<model::PertRange> range =
        draw ? model::PertRange{draw->quantile(0.1), draw->quantile(0.5), draw->quantile(0.9)}
             : ranges.ranges[std::size_t(input)];
    const double shown[] = {range ? range->low : 0, range ? range->likely : 0, range ? range->high : 0};
    for (int c = 0; c < 3; ++c) {
        const QString text = range ? model::riskValueText(model::RiskInput(input), shown[c], m_locale) : QString();
        QLineEdit *field = m_fields[std::size_t(input)][std::size_t(c)];
        field->setText(text);
        field->setReadOnly(fromRecords);
        m_shown[std::size_t(input)][std::size_t(c)] = {text, shown[c]};
    }
}

std::optional<double> RiskRangesDialog::valueOf(int input, Column column) const
{
    const QString text = m_fields[std::size_t(input)][column]->text();
    const auto &[shownText, shownValue] = m_shown[std::size_t(input)][column];
    if (!text.isEmpty() && text == shownText)
        return shownValue;
    return model::readFigure(text, m_locale);
}

bool RiskRangesDialog::refuse(QLineEdit *field, const QString &message)
{
    platform::reportRuntimeError(this, message);
    field->setFocus();
    field->selectAll();
    return false;
}

void RiskRangesDialog::accept()
{
    model::RiskRanges read;
    for (int i = 0; i < model::kRiskInputCount; ++i) {
        const auto &fields = m_fields[std::size_t(i)];
        if (const QCheckBox *fromRecords = m_fromRecords[std::size_t(i)]; fromRecords && fromRecords->isChecked()) {
            read.ranges[std::size_t(i)] = m_defaults.ranges[std::size_t(i)];
            read.draws[std::size_t(i)] = m_defaults.draws[std::size_t(i)];
            read.fromRecords[std::size_t(i)] = true;
            continue;
        }
        const QString name = model::quotedForMessage(model::riskInputName(model::RiskInput(i), m_symbol));
        int empty = 0;
        for (const QLineEdit *field : fields)
            empty += field->text().trimmed().isEmpty();
        if (empty == 3)
            continue;
        std::array<double, 3> values{};
        for (int c = 0; c < 3; ++c) {
            QLineEdit *field = fields[std::size_t(c)];
            if (empty > 0 && field->text().trimmed().isEmpty())
                return void(refuse(field, tr("Give the low, most likely and high value of %1, or leave all three "
                                             "empty to keep it at its figure.")
                                              .arg(name)));
            const std::optional<double> value = valueOf(i, Column(c));
            if (!value)
                return void(refuse(
                    field, tr("The value %1 of %2 is no number.").arg(model::quotedForMessage(field->text()), name)));
            values[std::size_t(c)] = *value;
        }
        if (values[Low] > values[Likely] || values[Likely] > values[High])
            return void(refuse(fields[values[Low] > values[Likely] ? Low : High],
                               tr("The values of %1 are out of order: the low value may not exceed the most likely "
                                  "one, nor the most likely the high one.")
                                   .arg(name)));
        if (isReduction(i) && (values[Low] < model::kMinReductionPercent || values[High] > model::kMaxReductionPercent))
            return void(refuse(fields[values[Low] < model::kMinReductionPercent ? Low : High],
                               tr("The values of %1 are reductions: each from 0 to 100.").arg(name)));
        if (!isReduction(i) && values[Low] < 0)
            return void(refuse(fields[Low], tr("The values of %1 may not be negative.").arg(name)));
        read.ranges[std::size_t(i)] = model::PertRange{values[Low], values[Likely], values[High]};
    }
    if (const std::optional<model::RiskInput> input =
            model::overflowingRiskInput(m_values, m_assumptions, m_investment, m_capital, read))
        return void(refuse(m_fields[std::size_t(*input)][High], model::riskOverflowText(*input, m_symbol)));
    bool seedRead = false;
    // Written in the region's digits, the seed is read in either system.
    const std::optional<QString> seedDigits = model::asciiDigits(m_seed->text().trimmed(), m_locale);
    read.seed = seedDigits ? seedDigits->toULongLong(&seedRead) : 0;
    if (!seedRead)
        return void(refuse(m_seed, tr("The seed %1 is no whole number from 0 to %2.")
                                       .arg(model::quotedForMessage(m_seed->text()))
                                       .arg(std::numeric_limits<std::uint64_t>::max())));
    read.runs = m_runs->value();
    if (read == m_defaults)
        m_accepted.reset();
    else
        m_accepted = read;
    QDialog::accept();
}
