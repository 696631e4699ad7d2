// Sample installs: the pattern, the executable and item file, and their layout on disk.
#include "sample/SampleInstall.h"

#include "core/ByteAccess.h"
#include "sample/SampleExeTables.h"
#include "sample/SampleFacts.h"
#include "tables/Items.h"

#include <QDir>
#include <QFile>

namespace sample {
namespace {

QByteArray PatternFilled(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(PatternByte(i));
    return bytes;
}

void WriteItem(QByteArray& file, qsizetype record, const facts::ItemFacts& item)
{
    bytes::WriteFieldPadded(file, record + items::NamePosition, items::NameLength, QByteArray(item.name));
    bytes::WriteU8(file, record + items::DamagePosition, item.damage);
    bytes::WriteU8(file, record + items::DamageTypePosition, item.damageType);
    for (std::size_t i = 0; i < 3; ++i) {
        bytes::WriteU8(file, record + items::AmmoPositions[i], item.ammo[i]);
        bytes::WriteU8(file, record + items::AccuracyPositions[i], item.accuracy[i]);
        bytes::WriteU8(file, record + items::TuPercentPositions[i], item.tuPercent[i]);
    }
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

QString Named(const QString& lowerName, const SampleOptions& options)
{
    return options.upperCaseNames ? lowerName.toUpper() : lowerName;
}

} // namespace

std::uint8_t PatternByte(qsizetype position)
{
    // Steps of 151 within each 256-byte run and 208 across runs: no two neighbouring
    // bytes are equal, and every byte value, 0x80-0xFF included, occurs.
    return static_cast<std::uint8_t>((position * 151 + (position >> 8) * 57 + 0x3C) & 0xFF);
}

QByteArray Executable(GameVersion version)
{
    QByteArray exe = PatternFilled(gameversion::ExeSize(version));
    // Every DOS program starts with these two bytes; the load's contents check asks for them.
    bytes::WriteU8(exe, 0, 'M');
    bytes::WriteU8(exe, 1, 'Z');
    WriteBaseGrid(exe, version);
    WriteStores(exe, version);
    WriteFacilities(exe, version);
    WriteUnits(exe, version);
    WriteSoldierNames(exe, version);
    return exe;
}

QByteArray ItemFile()
{
    QByteArray file = PatternFilled(items::FileSize);
    for (int record = 0; record < items::RecordCount; ++record)
        WriteItem(file, items::RecordSize * record, facts::Items[std::size_t(record)]);
    return file;
}

std::optional<SamplePaths> WriteInstall(const QString& folder, GameVersion version, const SampleOptions& options)
{
    if (version == GameVersion::None)
        return std::nullopt;
    SamplePaths paths;
    paths.dataRoot = QDir::cleanPath(QDir(folder).absolutePath());
    const QDir root(paths.dataRoot);
    const QString exeFolder = gameversion::DataRootIsParent(version)
                                  ? root.filePath(Named(QStringLiteral("ufo"), options))
                                  : paths.dataRoot;
    paths.exePath = QDir(exeFolder).filePath(Named(QStringLiteral("ufo.exe"), options));
    paths.geodata = root.filePath(Named(QStringLiteral("geodata"), options));
    const QDir geodata(paths.geodata);
    paths.items = geodata.filePath(Named(QStringLiteral("obdata.dat"), options));
    paths.english = geodata.filePath(Named(QStringLiteral("english.dat"), options));
    paths.english2 = geodata.filePath(Named(QStringLiteral("english2.dat"), options));

    if (!root.mkpath(exeFolder) || !root.mkpath(paths.geodata))
        return std::nullopt;
    bool written = WriteFile(paths.exePath, Executable(version)) && WriteFile(paths.items, ItemFile())
                   && WriteFile(paths.english, EnglishFile()) && WriteFile(paths.english2, English2File());
    if (options.german) {
        paths.german = geodata.filePath(Named(QStringLiteral("german.dat"), options));
        paths.german2 = geodata.filePath(Named(QStringLiteral("german2.dat"), options));
        written = written && WriteFile(paths.german, GermanFile()) && WriteFile(paths.german2, German2File());
    }
    if (options.french) {
        paths.french = geodata.filePath(Named(QStringLiteral("french.dat"), options));
        paths.french2 = geodata.filePath(Named(QStringLiteral("french2.dat"), options));
        written = written && WriteFile(paths.french, FrenchFile()) && WriteFile(paths.french2, French2File());
    }
    if (!written)
        return std::nullopt;
    return paths;
}

QByteArray File(GameFile file, GameVersion version)
{
    switch (file) {
    case GameFile::Executable: return Executable(version);
    case GameFile::Items: return ItemFile();
    case GameFile::English: return EnglishFile();
    case GameFile::English2: return English2File();
    case GameFile::German: return GermanFile();
    case GameFile::German2: return German2File();
    case GameFile::French: return FrenchFile();
    case GameFile::French2: return French2File();
    }
    return {};
}

GameFileSet LoadedFiles(GameVersion version)
{
    GameFileSet files;
    files.Version = version;
    files.ExeImage.Accept(Executable(version), QStringLiteral("ufo.exe"), QStringLiteral("."));
    files.ItemTable.Accept(ItemFile(), QStringLiteral("obdata.dat"), QStringLiteral("."));
    files.EnglishTable.Accept(EnglishFile(), QStringLiteral("english.dat"), QStringLiteral("."));
    files.English2Table.Accept(English2File(), QStringLiteral("english2.dat"), QStringLiteral("."));
    return files;
}

} // namespace sample
