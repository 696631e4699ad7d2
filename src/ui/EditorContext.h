// What every editor tab works on: the loaded game files, the user's dialogs, and the
// one thing a tab may change in the main window.
#pragma once

#include "core/Asker.h"
#include "core/GameFileSet.h"

#include <functional>

struct EditorContext {
    GameFileSet& files;
    Asker& asker;
    // Makes "&Save" usable, as an accepted edit of the base or its stores does.
    std::function<void()> enableSave;
    // Brings the first tab, "Base Editor", to the front, as an edit of the stores does.
    std::function<void()> showFirstTab;
};
