// The common ground of the editor tabs.
#include "ui/tabs/EditorTab.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "core/ValuePrompt.h"

using namespace Qt::StringLiterals;

EditorTab::EditorTab(EditorContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    connect(&m_context.document, &GameDocument::Settled, this, [this](const Edit& edit) { DocumentChanged(edit); });
}

bool EditorTab::Submit(Edit edit)
{
    return m_context.history.Submit(std::move(edit));
}

std::optional<catalogue::Slot> EditorTab::Locate(const ShownRecord& record, const FieldDescription& field) const
{
    if (!record.table || !Document().IsLoaded(record.table->file))
        return std::nullopt;
    return catalogue::Locate(*record.table, record.number, field, Document().Version(),
                             Document().Working(record.table->file));
}

std::optional<QByteArray> EditorTab::AskValue(const ShownRecord& record, const FieldDescription& field) const
{
    const std::optional<catalogue::Slot> slot = Locate(record, field);
    if (!slot)
        return std::nullopt;
    const QByteArray& file = Document().Working(record.table->file);
    if (field.kind == FieldKind::Word) {
        if (const std::optional<std::uint16_t> word = PromptWord(m_context.asker, bytes::ReadU16LE(file, slot->offset)))
            return bytes::U16LE(*word);
        return std::nullopt;
    }
    if (field.kind == FieldKind::Name)
        return PromptName(m_context.asker, bytes::ReadField(file, slot->offset, slot->shownWidth), *field.rename);
    if (const std::optional<std::uint8_t> byte =
            PromptByte(m_context.asker, bytes::ReadU8(file, slot->offset), field.prompt))
        return QByteArray(1, char(*byte));
    return std::nullopt;
}

bool EditorTab::SubmitField(const ShownRecord& record, const FieldDescription& field, const QByteArray& after)
{
    const std::optional<catalogue::Slot> slot = Locate(record, field);
    if (!slot)
        return false;
    const QByteArray& file = Document().Working(record.table->file);
    Change change = catalogue::ChangeAt(*slot, file, after);
    QString text = catalogue::StepText(change, Document().Version(), file);
    return Submit({std::move(text), {std::move(change)}});
}
