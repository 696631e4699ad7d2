// Which of the game files a buffer, a change or a backup belongs to.
#pragma once

enum class GameFile { Executable, Items, English, English2, German, German2, French, French2 };
