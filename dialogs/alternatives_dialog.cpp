// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "dialogs/alternatives_dialog.h"

#include "dialogs/alternatives_table.h"
#include "dialogs/dialog_size.h"
#include "model/case_alternatives.h"
#include "model/facility/case_options.h"
#include "model/text/list_text.h"
#include "model/text/message_text.h"
#include "platform/system_seams.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AlternativesDialog::AlternativesDialog(const model::FacilityFigures &facts,
                                       const std::array<bool, model::kInputCount> &heldAsNoNumber,
                                       const QLocale &locale, qreal zoom, QWidget *parent)
    : QDialog(parent), m_facts(facts), m_held(heldAsNoNumber), m_locale(locale)
{
    setObjectName(QStringLiteral("alternativesDialog"));
    setWindowTitle(tr("Alternatives"));
    setLocale(locale);
    dialogs::zoomFont(this, zoom);

    auto *layout = new QVBoxLayout(this);
    auto *hint = new QLabel(tr("The selected option, in bold, is the one the Business Case window, the tables and the "
                               "report show. To change another option, select it: its investment then stands in the "
                               "Business Case window's fields, and its reductions in Assumptions\u2026 once that "
                               "window is closed with OK."));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    m_table = new AlternativesTable;
    // The dialog opens as wide as every column needs, where the screen has room.
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->addWidget(m_table, 1);
    m_sentences = new QLabel;
    m_sentences->setObjectName(QStringLiteral("alternativesSentences"));
    m_sentences->setTextFormat(Qt::PlainText);
    m_sentences->setWordWrap(true);
    m_sentences->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_sentences);

    auto *actions = new QHBoxLayout;
    m_add = new QPushButton(tr("&Add Option\u2026"));
    m_rename = new QPushButton(tr("&Rename\u2026"));
    m_remove = new QPushButton(tr("Re&move"));
    m_select = new QPushButton(tr("&Select"));
    for (QPushButton *button : {m_add, m_rename, m_remove, m_select}) {
        button->setAutoDefault(false);
        actions->addWidget(button);
    }
    actions->addStretch(1);
    layout->addLayout(actions);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_add, &QPushButton::clicked, this, &AlternativesDialog::addOption);
    connect(m_rename, &QPushButton::clicked, this, &AlternativesDialog::renameOption);
    connect(m_remove, &QPushButton::clicked, this, &AlternativesDialog::removeOption);
    connect(m_select, &QPushButton::clicked, this, &AlternativesDialog::selectChosen);
    connect(m_table, &QTableWidget::currentCellChanged, this, &AlternativesDialog::updateButtons);

    refresh(model::selectedOptionName(m_facts));
    resize(sizeHint().expandedTo(QSize(760, 360) * zoom).boundedTo(dialogs::roomOnScreen(this)));
}

model::CaseOption AlternativesDialog::selected() const { return model::selectedOption(m_facts); }

void AlternativesDialog::refresh(const QString &chosenName)
{
    m_comparison = model::compareAlternatives(m_facts, m_locale, m_held);
    m_table->showComparison(m_comparison, m_locale, m_facts.currency.symbol);
    if (m_comparison.rows.empty()) {
        m_sentences->setText(tr("The case weighs one option against doing nothing. Add an option to set others "
                                "beside it."));
    } else {
        m_sentences->setText(
            model::sentencesText(model::alternativesSentences(m_comparison, m_locale, m_facts.currency.symbol)));
        for (int r = 0; r < int(m_comparison.rows.size()); ++r) {
            if (m_comparison.rows[std::size_t(r)].name == chosenName)
                m_table->selectRow(r);
        }
    }
    updateButtons();
}

std::optional<int> AlternativesDialog::chosenOption() const
{
    const int r = m_table->currentRow();
    if (r < 0 || r >= int(m_comparison.rows.size()) || m_comparison.rows[std::size_t(r)].doNothing)
        return std::nullopt;
    return m_comparison.rows[std::size_t(r)].other.value_or(-1);
}

void AlternativesDialog::updateButtons()
{
    const std::optional<int> chosen = chosenOption();
    m_add->setEnabled(int(m_facts.otherOptions.size()) < model::kMaxOtherOptions);
    m_rename->setEnabled(chosen.has_value() || m_comparison.rows.empty());
    m_remove->setEnabled(chosen && *chosen >= 0);
    m_select->setEnabled(chosen && *chosen >= 0);
}

std::optional<QString> AlternativesDialog::askName(const QString &title, const QString &name)
{
    bool ok = false;
    const QString typed =
        QInputDialog::getText(this, title, tr("Name of the option:"), QLineEdit::Normal, name, &ok).trimmed();
    if (!ok)
        return std::nullopt;
    QStringList taken{model::selectedOptionName(m_facts)};
    for (const model::CaseOption &option : m_facts.otherOptions)
        taken << option.name;
    taken.removeOne(name);
    QString refusal;
    if (typed.isEmpty())
        refusal = tr("An option needs a name.");
    else if (typed.size() > model::kMaxOptionNameLength)
        refusal = tr("An option's name holds at most %1 characters.").arg(model::kMaxOptionNameLength);
    else if (taken.contains(typed) || typed == model::doNothingName())
        refusal = tr("The case already has an option named %1.").arg(model::quotedForMessage(typed));
    if (!refusal.isEmpty()) {
        platform::reportRuntimeError(this, refusal);
        return std::nullopt;
    }
    return model::withControlsBlanked(typed);
}

void AlternativesDialog::addOption()
{
    const QString suggested = tr("Option %1").arg(m_facts.otherOptions.size() + 2);
    const std::optional<QString> name = askName(tr("Add Option"), suggested);
    if (!name)
        return;
    // The selected option goes by its shown name from now on.
    m_facts.optionName = model::selectedOptionName(m_facts);
    model::CaseOption copy = model::selectedOption(m_facts);
    copy.name = *name;
    m_facts.otherOptions.push_back(copy);
    refresh(*name);
}

void AlternativesDialog::renameOption()
{
    const std::optional<int> chosen = chosenOption();
    QString &name = chosen && *chosen >= 0 ? m_facts.otherOptions[std::size_t(*chosen)].name : m_facts.optionName;
    const std::optional<QString> renamed =
        askName(tr("Rename Option"), name.isEmpty() ? model::selectedOptionName(m_facts) : name);
    if (!renamed)
        return;
    name = *renamed;
    refresh(*renamed);
}

void AlternativesDialog::removeOption()
{
    const std::optional<int> chosen = chosenOption();
    if (!chosen || *chosen < 0)
        return;
    m_facts.otherOptions.erase(m_facts.otherOptions.begin() + *chosen);
    refresh(model::selectedOptionName(m_facts));
}

void AlternativesDialog::selectChosen()
{
    const std::optional<int> chosen = chosenOption();
    if (!chosen || *chosen < 0)
        return;
    model::selectOption(m_facts, *chosen);
    refresh(model::selectedOptionName(m_facts));
}
