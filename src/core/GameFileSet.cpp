// The game file set's buffers and the rule of which of them belong to the loaded install.
#include "core/GameFileSet.h"

#include "core/DataFiles.h"
#include "core/DiskCheck.h"

void GameBuffer::Accept(const QByteArray& bytes, const QString& path, const QString& root)
{
    pristine = bytes;
    working = bytes;
    onDisk = diskcheck::StampOf(path, bytes);
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

// Row by row, so a language added to the table can never outlive the load that read it.
void GameFileSet::DropDataFiles()
{
    for (const DataFileSpec& dataFile : datafiles::All())
        Buffer(dataFile.file) = {};
}

GameBuffer& GameFileSet::Buffer(GameFile file)
{
    switch (file) {
    case GameFile::Executable: return ExeImage;
    case GameFile::Items: return ItemTable;
    case GameFile::English: return EnglishTable;
    case GameFile::English2: return English2Table;
    case GameFile::German: return GermanTable;
    case GameFile::German2: return German2Table;
    case GameFile::French: return FrenchTable;
    case GameFile::French2: return French2Table;
    }
    Q_UNREACHABLE();
    return ExeImage;
}

const GameBuffer& GameFileSet::Buffer(GameFile file) const
{
    return const_cast<GameFileSet*>(this)->Buffer(file);
}
