// The common ground of the editor tabs.
#include "ui/tabs/EditorTab.h"

EditorTab::EditorTab(EditorContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
}
