// The common ground of the editor tabs.
#include "ui/tabs/EditorTab.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "core/ValuePrompt.h"
#include "ui/tabs/Controls.h"

using namespace Qt::StringLiterals;

EditorTab::EditorTab(EditorContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    connect(&m_context.document, &GameDocument::Changed, this, [this](const Edit& edit) { DocumentChanged(edit); });
}

bool EditorTab::Submit(Edit edit)
{
    return m_context.history.Submit(std::move(edit));
}

std::optional<QByteArray> EditorTab::AskValue(const ShownRecord& record, const FieldDescription& field) const
{
    const QByteArray& file = Document().Working(record.file);
    const qsizetype offset = record.start + field.position;
    if (field.kind == FieldKind::Word) {
        if (const std::optional<std::uint16_t> word = PromptWord(m_context.asker, bytes::ReadU16LE(file, offset)))
            return bytes::U16LE(*word);
        return std::nullopt;
    }
    if (field.kind == FieldKind::Name)
        return PromptName(m_context.asker, bytes::ReadField(file, offset, field.rename->shownWidth), *field.rename);
    if (const std::optional<std::uint8_t> byte = PromptByte(m_context.asker, bytes::ReadU8(file, offset), field.prompt))
        return QByteArray(1, char(*byte));
    return std::nullopt;
}

void EditorTab::ShowFields(const ShownRecord& record, std::span<const FieldDescription> fields,
                           std::span<QPushButton* const> buttons,
                           const std::function<void(const FieldDescription&, std::uint8_t)>& showOptions) const
{
    const QByteArray& file = Document().Working(record.file);
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const FieldDescription& field = fields[index];
        const qsizetype offset = record.start + field.position;
        if (buttons[index])
            controls::ShowValue(buttons[index], fields::Caption(field, record.number, file, offset));
        else
            showOptions(field, bytes::ReadU8(file, offset));
    }
}

Change EditorTab::FieldChange(const ShownRecord& record, const FieldDescription& field, const QByteArray& after) const
{
    return Document().ChangeTo(record.file, record.start + field.position, after, ToQString(record.table),
                               record.name, fields::Name(field));
}

bool EditorTab::SubmitField(const QString& subject, const ShownRecord& record, const FieldDescription& field,
                            const QByteArray& after)
{
    const QString before = fields::Shown(field, record.number, Document().Working(record.file),
                                         record.start + field.position, after.size());
    return Submit({changes::StepText(subject, fields::Name(field), before,
                                     fields::ShownValue(field, record.number, after)),
                   {FieldChange(record, field, after)}});
}
