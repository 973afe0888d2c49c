// SPDX-FileCopyrightText: 2026 Velmor Calculator developers
#pragma once

#include "document/facility_document.h"

#include <QObject>
#include <QUndoStack>

QT_BEGIN_NAMESPACE
class QAction;
QT_END_NAMESPACE

// The facility's history of changes, for Undo and Redo: each change the
// document makes is a step that goes back to the facts before it, named for
// what it changed ("Typing in Lubrication Points", "Change of the
// Investment", "Open “Plant.velmor”"). A figure's keystrokes are one step
// until another change comes or sealTyping() ends the field's edit. The
// document's modified mark follows the history's clean state: undoing back
// to the state last saved or opened clears it. Facts shown in other
// settings (a language or regional change) start the history afresh.
class DocumentHistory : public QObject {
    Q_OBJECT
public:
    explicit DocumentHistory(document::FacilityDocument &document, QObject *parent = nullptr);
    // The stack's last signals, as it is cleared, reach no document that may be gone.
    ~DocumentHistory() override { m_stack.disconnect(this); }

    QUndoStack &stack() { return m_stack; }
    // "Undo …" and "Redo …", with the platform's keys, named for the step.
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }

    // The next figure typed begins a step of its own.
    void sealTyping() { m_typingField = -1; }

private:
    void record(document::FacilityDocument::Changes what);
    void restore(const document::FacilityDocument::State &state);

    friend class StateStep;

    document::FacilityDocument &m_document;
    QUndoStack m_stack;
    document::FacilityDocument::State m_last;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    bool m_restoring = false;
    int m_typingField = -1; // the figure whose typing the last step holds
};
