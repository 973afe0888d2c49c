// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#include "main_window/document_history.h"

#include "model/costs/input_table.h"
#include "model/costs/model_text.h"
#include "model/text/message_text.h"

#include <QAction>
#include <QFileInfo>
#include <QUndoCommand>

#include <utility>

namespace {

using Change = document::FacilityDocument::Change;
using Changes = document::FacilityDocument::Changes;

// What a change is called in the Menu after "Undo" and "Redo".
QString stepName(Changes what, const document::FacilityDocument &document, int field)
{
    if (what.testFlag(Change::Opened))
        return DocumentHistory::tr("Open %1").arg(model::quotedForMessage(QFileInfo(document.filePath()).fileName()));
    if (field >= 0)
        return DocumentHistory::tr("Typing in %1")
            .arg(model::inputText(model::kInputs[std::size_t(field)].caption).trimmed());
    const std::pair<Change, const char *> names[] = {
        {Change::Records, QT_TRANSLATE_NOOP("DocumentHistory", "Maintenance Records")},
        {Change::Investment, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Investment")},
        {Change::Capital, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Capital Inputs")},
        {Change::Assumptions, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Assumptions")},
        {Change::CurrencyUnits, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Currency and Units")},
        {Change::ReportDetails, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Report Details")},
        {Change::Risk, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Risk Ranges")},
        {Change::FigureTexts, QT_TRANSLATE_NOOP("DocumentHistory", "Change of the Figures")},
    };
    for (const auto &[change, name] : names) {
        if (what.testFlag(change))
            return DocumentHistory::tr(name);
    }
    return DocumentHistory::tr("Change");
}

} // namespace

// One step: the facts before and after a change. Pushed after the change
// is made, so its first redo has nothing to do.
class StateStep : public QUndoCommand {
public:
    StateStep(DocumentHistory &history, document::FacilityDocument::State before,
              document::FacilityDocument::State after, const QString &name, int field)
        : QUndoCommand(name), m_history(history), m_before(std::move(before)), m_after(std::move(after)), m_field(field)
    {
    }

    void undo() override { m_history.restore(m_before); }
    void redo() override
    {
        if (!std::exchange(m_done, true))
            return;
        m_history.restore(m_after);
    }
    // A figure's keystrokes merge into one step.
    int id() const override { return m_field >= 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const StateStep *>(other);
        if (next->m_field != m_field || m_history.m_typingField != m_field)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    DocumentHistory &m_history;
    document::FacilityDocument::State m_before;
    document::FacilityDocument::State m_after;
    int m_field;
    bool m_done = false;
};

DocumentHistory::DocumentHistory(document::FacilityDocument &document, QObject *parent)
    : QObject(parent), m_document(document), m_last(document.state())
{
    m_undo = new QAction(tr("Undo"), this);
    m_undo->setShortcuts(QKeySequence::keyBindings(QKeySequence::Undo));
    m_redo = new QAction(tr("Redo"), this);
    m_redo->setShortcuts(QKeySequence::keyBindings(QKeySequence::Redo));
    connect(m_undo, &QAction::triggered, &m_stack, &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, &m_stack, &QUndoStack::redo);
    // Named for the step, in the words each language puts around it.
    const auto name = [this] {
        m_undo->setEnabled(m_stack.canUndo());
        m_undo->setText(m_stack.canUndo() ? tr("Undo %1").arg(m_stack.undoText()) : tr("Undo"));
        m_redo->setEnabled(m_stack.canRedo());
        m_redo->setText(m_stack.canRedo() ? tr("Redo %1").arg(m_stack.redoText()) : tr("Redo"));
    };
    name();
    connect(&m_stack, &QUndoStack::indexChanged, this, name);
    connect(&m_stack, &QUndoStack::undoTextChanged, this, name);
    connect(&m_stack, &QUndoStack::redoTextChanged, this, name);
    connect(&m_document, &document::FacilityDocument::changed, this, &DocumentHistory::record);
    // Saved: this is the state the file holds.
    connect(&m_document, &document::FacilityDocument::modifiedChanged, this, [this](bool modified) {
        if (!modified && !m_restoring)
            m_stack.setClean();
    });
    // After an undo or a redo the mark says whether the facts are the file's.
    const auto showClean = [this] { m_document.setModified(!m_stack.isClean()); };
    connect(&m_stack, &QUndoStack::indexChanged, this, showClean);
    connect(&m_stack, &QUndoStack::cleanChanged, this, showClean);
}

void DocumentHistory::record(Changes what)
{
    if (m_restoring)
        return;
    const document::FacilityDocument::State now = m_document.state();
    if (what.testFlag(Change::Replaced) && !what.testFlag(Change::Opened)) {
        // Shown in other settings: the steps before would bring the old ones
        // back. Changes not saved stay marked.
        const bool modified = m_document.isModified();
        m_stack.clear();
        if (modified)
            m_stack.resetClean();
        m_last = now;
        return;
    }
    // Each keystroke in a figure's field changes its text alone.
    int field = -1;
    if (what == Changes(Change::FigureTexts)) {
        for (int i = 0; i < model::kInputCount; ++i) {
            if (now.facts.figures[std::size_t(i)] != m_last.facts.figures[std::size_t(i)])
                field = field == -1 ? i : -2;
        }
    }
    if (field < 0 || field != m_typingField)
        m_typingField = -1;
    auto *step =
        new StateStep(*this, m_last, now, stepName(what, m_document, std::max(field, -1)), std::max(field, -1));
    m_last = now;
    m_stack.push(step);
    m_typingField = std::max(field, -1);
    if (what.testFlag(Change::Opened))
        m_stack.setClean();
}

void DocumentHistory::restore(const document::FacilityDocument::State &state)
{
    m_restoring = true;
    m_typingField = -1;
    m_document.restore(state);
    m_last = m_document.state();
    m_restoring = false;
}
