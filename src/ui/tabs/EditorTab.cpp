// The common ground of the editor tabs.
#include "ui/tabs/EditorTab.h"

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
