// Steps of the edit history over the game document.
#include "ui/EditHistory.h"

#include "core/GameDocument.h"

#include <utility>

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
            m_history.NoteRevisited(m_edit);
        m_pushed = true;
    }

    void undo() override
    {
        // Inverted when needed rather than kept: a long history holds only what changed.
        if (m_history.m_document.Apply(m_edit.Inverse()))
            m_history.NoteRevisited(m_edit);
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
    connect(&m_document, &GameDocument::Reset, this, [this] {
        m_revisited.reset();
        m_stack.clear();
    });
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
    // The user's own edit shows at once: the handler that made it may read a view next.
    m_document.Settle();
    return m_stack.index() > before;
}

// Posted after the document's own notice of the same turn, so the views have refreshed
// before the last step revisited is brought into sight, once however many were.
void EditHistory::NoteRevisited(const Edit& edit)
{
    m_revisited = edit;
    if (m_revealPosted)
        return;
    m_revealPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_revealPosted = false;
            if (std::optional<Edit> edit = std::exchange(m_revisited, std::nullopt))
                emit Revisited(*edit);
        },
        Qt::QueuedConnection);
}
