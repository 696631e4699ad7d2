// Fuzz target: the whole load on an install whose four files hold fuzzed bytes and sizes,
// then a save without backups and a second load. The load must never crash, never keep
// a buffer that differs from its file, and saving must give back exactly the buffers.
#include "core/Asker.h"
#include "core/GameFileSet.h"
#include "core/GameLoader.h"
#include "core/GameSaver.h"
#include "tables/Plausibility.h"
#include "tables/StringTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

class SilentReporter final : public LoadReporter {
public:
    void Begin() override {}
    void Append(const QString&) override {}
    void SetStatus(const QString&) override {}
    void Finish() override {}
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// A save of a loaded install into a writable temporary folder has nothing to ask.
class NoQuestions final : public Asker {
public:
    QString AskText(const QString&, const QString&, const QString&) override { std::abort(); }
    bool AskYesNo(const QString&, const QString&) override { std::abort(); }
    std::optional<QString> AskOpenFile(const QString&, const QString&) override { std::abort(); }
    std::optional<QString> AskSaveFile(const QString&, const QString&) override { std::abort(); }
    std::optional<QString> AskFolder(const QString&) override { std::abort(); }
    Choice AskSaveDiscardCancel(const QString&, const QString&, const QString&) override { std::abort(); }
    int AskThreeWay(const QString&, const QString&, const QString&, const std::array<QString, 3>&) override
    {
        std::abort();
    }
    bool AskWarningYesNo(const QString&, const QString&) override { std::abort(); }
    void ShowMessage(const QString&, const QString&) override { std::abort(); }
    void ShowError(const QString&, const QString&) override { std::abort(); }
    void ShowRefusal(const QString&) override { std::abort(); }
};

// Cycles the fuzzed bytes over a file of the given size, so a short input still yields
// files of the exact sizes the load looks for.
QByteArray Filled(const std::uint8_t* data, std::size_t size, qsizetype length)
{
    QByteArray bytes(length, '\0');
    for (qsizetype i = 0; i < length && size > 0; ++i)
        bytes[i] = static_cast<char>(data[static_cast<std::size_t>(i) % size]);
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(file.write(bytes) == bytes.size());
}

qsizetype ExeLength(std::uint8_t choice, std::uint8_t extra)
{
    switch (choice % 5) {
    case 0: return 495616;
    case 1: return 415271;
    case 2: return 382957;
    case 3: return 495616 + (extra % 3) - 1;  // one byte either side, or exact
    default: return extra;                     // small, often empty
    }
}

void ExpectBuffersMatchFiles(const GameFileSet& files)
{
    for (const GameBuffer* buffer : {&files.ExeImage, &files.ItemTable, &files.EnglishTable, &files.English2Table}) {
        if (!buffer->IsLoaded())
            continue;
        QFile file(buffer->sourcePath);
        Check(file.open(QIODevice::ReadOnly));
        Check(file.readAll() == buffer->working);
        Check(buffer->working == buffer->pristine);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::uint8_t exeChoice = data[0], exeExtra = data[1], itemChoice = data[2], split = data[3];
    data += 4;
    size -= 4;

    static QTemporaryDir root;
    Check(root.isValid());
    const QString folder = root.filePath(QStringLiteral("install"));
    QDir(folder).removeRecursively();
    Check(QDir().mkpath(folder + QStringLiteral("/ufo/geodata")));
    // A Collector's Edition finds geodata beside the executable, a DOS build one level up.
    const QString exePath = folder + QStringLiteral("/ufo/ufo.exe");
    QDir().mkpath(folder + QStringLiteral("/geodata"));

    Write(exePath, Filled(data, size, ExeLength(exeChoice, exeExtra)));
    const qsizetype itemLength = itemChoice % 2 ? 4320 : itemChoice;
    const std::size_t englishSize = size * split / 256;
    for (const QString& geodata : {folder + QStringLiteral("/ufo/geodata"), folder + QStringLiteral("/geodata")}) {
        Write(geodata + QStringLiteral("/obdata.dat"), Filled(data, size, itemLength));
        Write(geodata + QStringLiteral("/english.dat"), QByteArray(reinterpret_cast<const char*>(data), englishSize));
        Write(geodata + QStringLiteral("/english2.dat"),
              QByteArray(reinterpret_cast<const char*>(data + englishSize), size - englishSize));
    }

    GameFileSet files;
    SilentReporter reporter;
    const auto chooser = [&]() -> std::optional<QString> { return exePath; };
    // Fuzzed tables rarely look like the game's; loading them anyway keeps the rest in reach.
    const ContentsGate loadAnyway = plausibility::Gate([](const QStringList&) { return true; });
    const LoadOutcome outcome = loading::LoadGameFiles(files, chooser, reporter, loadAnyway);
    ExpectBuffersMatchFiles(files);
    if (outcome != LoadOutcome::Complete)
        return 0;

    for (const GameBuffer* table : {&files.EnglishTable, &files.English2Table}) {
        const strings::StringTable split(table->working);
        Check(split.Count() == strings::CountEntries(table->working));
    }

    NoQuestions asker;
    Check(saving::Save(files, false, asker));
    GameFileSet again;
    Check(loading::LoadGameFiles(again, chooser, reporter, loadAnyway) == LoadOutcome::Complete);
    Check(again.ExeImage.working == files.ExeImage.working);
    Check(again.EnglishTable.working == files.EnglishTable.working);
    Check(again.English2Table.working == files.English2Table.working);
    return 0;
}
