// The common ground of the six editor tabs: the files and dialogs they work with.
#pragma once

#include "ui/EditorContext.h"

#include <QWidget>

class EditorTab : public QWidget {
    Q_OBJECT
public:
    explicit EditorTab(EditorContext& context, QWidget* parent = nullptr);

    // A load has just put a new executable into the files; a tab that shows a record it
    // chose earlier shows it again from the new buffer.
    virtual void ExecutableLoaded() {}

protected:
    [[nodiscard]] EditorContext& Context() const { return m_context; }

private:
    EditorContext& m_context;
};
