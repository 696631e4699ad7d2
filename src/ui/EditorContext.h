// What every editor tab works on: the game document it reads, the history it submits its
// edits to, the user's dialogs, and the two things a tab may do in the main window.
#pragma once

#include "core/Asker.h"
#include "core/GameDocument.h"
#include "ui/EditHistory.h"

#include <functional>

struct EditorContext {
    GameDocument& document;
    EditHistory& history;
    Asker& asker;
    // Makes "&Save" usable, as an accepted edit of the base or its stores does.
    std::function<void()> enableSave;
    // Brings the first tab, "Base Editor", to the front, as an edit of the stores does.
    std::function<void()> showFirstTab;
};
