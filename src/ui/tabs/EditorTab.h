// The common ground of the six editor tabs: the document they show, the history their
// edits go to, and what the main window asks of every tab.
#pragma once

#include "tables/Catalogue.h"
#include "ui/EditorContext.h"

#include <QWidget>

// The record a tab shows: its table and its index there. Where its fields lie is the
// catalogue's to say.
struct ShownRecord {
    const TableLayout* table = nullptr;
    int number = 0;
};

class EditorTab : public QWidget {
    Q_OBJECT
public:
    explicit EditorTab(EditorContext& context, QWidget* parent = nullptr);

    // What the document announced after a load (ExecutableOnly, Complete) or Close (None):
    // each tab enables, fills and empties its own controls. A tab that shows a record it
    // chose earlier shows it again from the new buffers, or nothing when its file was not read.
    virtual void SetFilesState(FilesState state) = 0;

    // Brings the record of a change into sight: chosen, selected and scrolled to. False
    // when this tab does not show the change's table.
    virtual bool Reveal(const Change& change)
    {
        Q_UNUSED(change);
        return false;
    }

protected:
    [[nodiscard]] EditorContext& Context() const { return m_context; }
    [[nodiscard]] const GameDocument& Document() const { return m_context.document; }
    // One user action's changes as one step of the history; false when nothing changed.
    bool Submit(Edit edit);

    // Where the field of the record lies in the loaded bytes; nothing when its file is not
    // loaded or the record lies outside it.
    [[nodiscard]] std::optional<catalogue::Slot> Locate(const ShownRecord& record, const FieldDescription& field) const;
    // Asks for a field's new value the way its kind is asked for; the bytes to write, or
    // nothing when the box was cancelled.
    [[nodiscard]] std::optional<QByteArray> AskValue(const ShownRecord& record, const FieldDescription& field) const;
    // The field's new bytes as one step, named "Sectoid Soldier: Time Units 54 → 80", or
    // for a name "Rename RIFLE CLIP to Rifle Clip".
    bool SubmitField(const ShownRecord& record, const FieldDescription& field, const QByteArray& after);

    // Runs once the document's changes settle, with every change since the last time: right
    // after the tab's own edit, once per turn of the event loop for undo and redo.
    virtual void DocumentChanged(const Edit& edit) { Q_UNUSED(edit); }

private:
    // A form asks, shows and submits for the tab it is made for.
    friend class RecordForm;

    EditorContext& m_context;
};
