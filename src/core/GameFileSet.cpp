// The game file set's buffers and the rule of which of them belong to the loaded install.
#include "core/GameFileSet.h"

void GameBuffer::Accept(const QByteArray& bytes, const QString& path, const QString& root)
{
    pristine = bytes;
    working = bytes;
    sourcePath = path;
    installRoot = root;
}

bool GameFileSet::BelongsToCurrentInstall(const GameBuffer& buffer) const
{
    if (!buffer.IsLoaded() || DataRoot.isEmpty() || buffer.installRoot != DataRoot)
        return false;
    if (&buffer == &ExeImage)
        return buffer.sourcePath == ExePath;
    return true;
}

void GameFileSet::DropDataFiles()
{
    ItemTable = {};
    EnglishTable = {};
    English2Table = {};
}
