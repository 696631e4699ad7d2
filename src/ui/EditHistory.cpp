// Steps of the edit history over the game document.
#include "ui/EditHistory.h"

#include "core/GameDocument.h"

class EditHistory::Step final : public QUndoCommand {
public:
    Step(EditHistory& history, Edit edit)
        : QUndoCommand(edit.text)
        , m_history(history)
        , m_edit(std::move(edit))
    {
    }

    void redo() override
    {
        if (!m_history.m_document.Apply(m_edit)) {
            setObsolete(true);
            return;
        }
        if (m_pushed)
            emit m_history.Revisited(m_edit);
        m_pushed = true;
    }

    void undo() override
    {
        // Inverted when needed rather than kept: a long history holds only what changed.
        if (m_history.m_document.Apply(m_edit.Inverse()))
            emit m_history.Revisited(m_edit);
    }

private:
    EditHistory& m_history;
    Edit m_edit;
    bool m_pushed = false;
};

EditHistory::EditHistory(GameDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
{
    // A load or Close starts the history anew: its steps belong to files no longer there.
    connect(&m_document, &GameDocument::Reset, &m_stack, &QUndoStack::clear);
}

bool EditHistory::Submit(Edit edit)
{
    if (edit.changes.empty() || edit.ChangesNothing())
        return false;
    if (m_guard && !m_guard(edit))
        return false;
    // The index, not the count: a step pushed after an undo replaces the one undone.
    const int before = m_stack.index();
    m_stack.push(new Step(*this, std::move(edit)));
    return m_stack.index() > before;
}
