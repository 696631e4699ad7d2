// The edit history: every change the user makes is one step on Qt's undo stack, applied
// to the game document when pushed, undone and redone from there.
#pragma once

#include "core/Change.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <optional>

class GameDocument;

class EditHistory final : public QObject {
    Q_OBJECT
public:
    explicit EditHistory(GameDocument& document, QObject* parent = nullptr);

    // Applies the edit as one step. An edit that changes no byte adds none; neither does
    // one the document or the guard refuses. Returns whether the files changed.
    bool Submit(Edit edit);

    // Asked before each new edit is applied; it tells the user why when it says no.
    using Guard = std::function<bool(const Edit& edit)>;
    void SetGuard(Guard guard) { m_guard = std::move(guard); }

    [[nodiscard]] QUndoStack& Stack() { return m_stack; }
    [[nodiscard]] bool HasUnsavedChanges() const { return !m_stack.isClean(); }
    void MarkSaved() { m_stack.setClean(); }

signals:
    // A step was undone or redone: the views bring its record into sight. Told once per
    // turn of the event loop, of the last step revisited in it.
    void Revisited(const Edit& edit);

private:
    class Step;

    void NoteRevisited(const Edit& edit);

    GameDocument& m_document;
    QUndoStack m_stack;
    Guard m_guard;
    std::optional<Edit> m_revisited;
    bool m_revealPosted = false;
};
