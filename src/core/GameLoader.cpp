// The load sequence, from the open dialog to the last file read.
#include "core/GameLoader.h"

#include "core/DataFiles.h"
#include "core/GameFiles.h"
#include "core/TableText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <array>
#include <utility>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameLoader)
};

} // namespace

namespace loading {
namespace {

// Asked for at each use: a translator is installed after static initialisation.
QString Done()
{
    return Text::tr("DONE!    ");
}

QString GeodataFolder(const QString& dataRoot)
{
    return gamefiles::FindEntry(dataRoot, QStringLiteral("geodata"));
}

QString ByteCount(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

// Why a game file cannot be read though something stands at or on its path: the
// documented texts cover only a file that is missing, empty or of the wrong size, and
// without a reason lblComp would still name the last step as if it were running.
// Empty when nothing stands in the way.
QString ObstacleText(const QString& path)
{
    const QString name = gamefiles::UndecodableName(path);
    if (!name.isEmpty()) {
        return Text::tr("The path %1 cannot be read as text: the name \"%2\" in it is not valid UTF-8. "
                        "Rename it and load again.")
            .arg(QDir::toNativeSeparators(path), name);
    }
    const QString reason = gamefiles::NotAFileReason(path);
    if (!reason.isEmpty())
        return Text::tr("The file %1 could not be read: %2.").arg(QFileInfo(path).fileName(), reason);
    return {};
}

// Ends the load with text in lblComp when it is not empty.
bool StopsWith(const QString& text, LoadReporter& reporter)
{
    if (text.isEmpty())
        return false;
    reporter.SetStatus(text);
    return true;
}

// A data file as the load takes it, or what stops the load at it: the outcome and,
// where the user is told, the text for lblComp. Nothing but a regular file is opened.
struct Examined {
    std::optional<QByteArray> bytes;
    LoadOutcome outcome = LoadOutcome::Failed;
    std::optional<QString> status;
};

Examined Examine(const QString& path, const DataFileSpec& step)
{
    if (const QString obstacle = ObstacleText(path); !obstacle.isEmpty())
        return {std::nullopt, LoadOutcome::Failed, obstacle};
    const std::optional<qint64> size = gamefiles::Measure(path);
    if (!size)
        return {};
    if (*size == 0)
        return {std::nullopt, step.missingOutcome, Translated("GameLoader", step.missingText)};
    if (step.requiredSize && *size != *step.requiredSize) {
        // The item file is the only one of a fixed size.
        return {std::nullopt, LoadOutcome::ItemsWrongSize,
                Text::tr("The file %1 is not the right size").arg(step.fileName)};
    }
    if (step.maxSize && *size > *step.maxSize) {
        return {std::nullopt, LoadOutcome::Failed,
                Text::tr("The file %1 is too large to load: it is %2 bytes, and a string file can be at most "
                         "%3 bytes (%4 MiB).")
                    .arg(QFileInfo(path).fileName(), ByteCount(*size), ByteCount(*step.maxSize),
                         QString::number(*step.maxSize / (1024 * 1024)))};
    }
    return {gamefiles::ReadWhole(path, *size), LoadOutcome::Failed, std::nullopt};
}

// The data files the contents check read before the load went on: each file is read once.
using ReadAhead = std::array<std::optional<QByteArray>, 8>;

std::optional<QByteArray>& AheadOf(ReadAhead& ahead, GameFile file)
{
    return ahead.at(std::size_t(file));
}

// Measures and reads one data file into its buffer. Returns the outcome that ends the
// load, or nullopt when the file was accepted.
std::optional<LoadOutcome> LoadDataFile(GameFileSet& files, const DataFileSpec& step, LoadReporter& reporter,
                                        ReadAhead& ahead)
{
    reporter.Append(step.progressText);
    const QString path = gamefiles::FindEntry(GeodataFolder(files.DataRoot), step.fileName);
    std::optional<QByteArray>& early = AheadOf(ahead, step.file);
    const Examined examined = early ? Examined{std::exchange(early, std::nullopt)} : Examine(path, step);
    if (!examined.bytes) {
        if (examined.status)
            reporter.SetStatus(*examined.status);
        return examined.outcome;
    }
    files.Buffer(step.file).Accept(*examined.bytes, path, files.DataRoot);
    reporter.Append(Done());
    return std::nullopt;
}

// The data file of a step as the load would take it, or nullopt when its own step would
// stop the load anyway.
std::optional<QByteArray> ReadEarly(const QString& dataRoot, const DataFileSpec& step)
{
    return Examine(gamefiles::FindEntry(GeodataFolder(dataRoot), step.fileName), step).bytes;
}

// The tables are checked before anything of an earlier load is replaced, those of the
// data files included, so that declining leaves everything as a cancelled dialog does.
bool MayLoad(GameVersion version, const QString& exePath, const QByteArray& exe, const ContentsGate& gate,
             ReadAhead& ahead)
{
    if (!gate.reasons)
        return true;
    QStringList reasons = gate.reasons(GameFile::Executable, version, exe);
    const QString dataRoot = DataRootFor(exePath, version);
    for (const DataFileSpec* step : datafiles::LoadOrder()) {
        if (gate.checks && !gate.checks(step->file))
            continue;
        std::optional<QByteArray>& bytes = AheadOf(ahead, step->file);
        bytes = ReadEarly(dataRoot, *step);
        if (bytes)
            reasons += gate.reasons(step->file, version, *bytes);
    }
    return reasons.isEmpty() || (gate.loadAnyway && gate.loadAnyway(reasons));
}

// Why one file of a language pair cannot be read, or nullopt with its bytes in bytes.
std::optional<QString> ReadLanguageFile(const QString& path, QByteArray& bytes)
{
    const std::optional<qint64> size = gamefiles::Measure(path);
    if (!size)
        return Text::tr("is not a file");
    if (*size == 0)
        return Text::tr("is empty");
    if (*size > StringFileLimit)
        return Text::tr("is larger than a string file can be (16 MiB)");
    std::optional<QByteArray> read = gamefiles::ReadWhole(path, *size);
    if (!read)
        return Text::tr("could not be read");
    bytes = std::move(*read);
    return std::nullopt;
}

// A language is read only as a whole pair, since the string editor shows its two files
// side by side: a pair with a missing, empty or unreadable file is left out, named once.
// None of this is reported in the progress window, whose texts are those of the four
// files every install has; the caller tells the user after the load instead.
std::optional<QString> LoadLanguage(GameFileSet& files, const StringLanguage& language)
{
    const QString geodata = GeodataFolder(files.DataRoot);
    const DataFileSpec* dataFileRows[] = {datafiles::Find(language.first), datafiles::Find(language.second)};
    QString paths[2];
    bool present[2];
    for (int i = 0; i < 2; ++i) {
        paths[i] = gamefiles::FindEntry(geodata, dataFileRows[i]->fileName);
        present[i] = QFileInfo::exists(paths[i]);
    }
    if (!present[0] && !present[1])
        return std::nullopt;
    if (present[0] != present[1]) {
        const int missing = present[0] ? 1 : 0;
        return Text::tr("%1 is missing, so %2 was left out too and %3 is not offered.")
            .arg(dataFileRows[missing]->fileName, QFileInfo(paths[1 - missing]).fileName(),
                 Translated("Languages", language.name));
    }
    QByteArray bytes[2];
    for (int i = 0; i < 2; ++i) {
        if (const std::optional<QString> reason = ReadLanguageFile(paths[i], bytes[i])) {
            return Text::tr("%1 %2, so %3 is not offered.")
                .arg(QFileInfo(paths[i]).fileName(), *reason, Translated("Languages", language.name));
        }
    }
    for (int i = 0; i < 2; ++i)
        files.Buffer(dataFileRows[i]->file).Accept(bytes[i], paths[i], files.DataRoot);
    return std::nullopt;
}

// Every language after English, the pair every load has read by now.
QStringList LoadOtherLanguages(GameFileSet& files)
{
    QStringList skipped;
    for (const StringLanguage& language : datafiles::Languages().subspan(1)) {
        if (const std::optional<QString> message = LoadLanguage(files, language))
            skipped.append(*message);
    }
    return skipped;
}

// Steps 3 to 7: choose, measure, recognise and read the executable. The views that need
// only it are rebuilt once the document announces the load.
std::optional<LoadOutcome> LoadExecutable(GameFileSet& files, const ExeChooser& chooseExe, LoadReporter& reporter,
                                          const ContentsGate& gate, ReadAhead& ahead)
{
    const std::optional<QString> chosen = chooseExe();
    if (!chosen || chosen->isEmpty())
        return LoadOutcome::Failed;
    const QString exePath = QFileInfo(*chosen).absoluteFilePath();
    if (StopsWith(ObstacleText(exePath), reporter))
        return LoadOutcome::Failed;
    const std::optional<qint64> size = gamefiles::Measure(exePath);
    if (!size)
        return LoadOutcome::Failed;
    if (*size == 0) {
        reporter.SetStatus(Text::tr("Unable to load ufo.exe"));
        return LoadOutcome::ExeMissing;
    }
    const std::optional<GameVersion> version = gameversion::FromExeSize(*size);
    if (!version) {
        reporter.SetStatus(Text::tr(
            "Not correct executable file version, currently this only works for Collector's Edition of X-Com."));
        return LoadOutcome::ExeWrongSize;
    }
    std::optional<QByteArray> bytes = gamefiles::ReadWhole(exePath, *size);
    if (!bytes || !MayLoad(*version, exePath, *bytes, gate, ahead))
        return LoadOutcome::Failed;

    const QString dataRoot = DataRootFor(exePath, *version);
    files.Version = *version;
    files.ExePath = exePath;
    files.ExeImage.Accept(*bytes, exePath, dataRoot);
    // Data files of an earlier load must never be shown, edited or saved with this one.
    files.DropDataFiles();
    ++files.AcceptedLoads;

    reporter.SetStatus(QStringLiteral("Enabling All"));
    reporter.SetStatus(QStringLiteral("UpdateItemsList"));
    reporter.SetStatus(QStringLiteral("Update Base"));
    reporter.Append(Done());

    files.DataRoot = dataRoot;
    return std::nullopt;
}

} // namespace

bool AskLoadAnyway(Asker& asker, const QStringList& reasons)
{
    return asker.AskWarningYesNo(Text::tr("Unexpected File Contents"),
                                 Text::tr("The chosen files do not look like this game's:\n\n%1\n\nLoad anyway?")
                                     .arg(reasons.join(QLatin1Char('\n'))));
}

QString DataRootFor(const QString& exePath, GameVersion version)
{
    const QString folder = QFileInfo(exePath).absolutePath();
    if (gameversion::DataRootIsParent(version))
        return QDir::cleanPath(folder + QStringLiteral("/.."));
    return QDir::cleanPath(folder);
}

LoadOutcome LoadGameFiles(GameFileSet& files, const ExeChooser& chooseExe, LoadReporter& reporter,
                          const ContentsGate& gate)
{
    reporter.Begin();
    reporter.Append(QStringLiteral("UFO.EXE...  "));

    LoadOutcome outcome = LoadOutcome::Complete;
    ReadAhead ahead;
    if (const auto stop = LoadExecutable(files, chooseExe, reporter, gate, ahead)) {
        outcome = *stop;
    } else {
        for (const DataFileSpec* step : datafiles::LoadOrder()) {
            if (const auto stop = LoadDataFile(files, *step, reporter, ahead)) {
                outcome = *stop;
                break;
            }
        }
    }

    const QStringList skipped = outcome == LoadOutcome::Complete ? LoadOtherLanguages(files) : QStringList();
    if (outcome == LoadOutcome::Complete) {
        reporter.SetStatus(Text::tr("All files loaded successfully!"));
        reporter.Finish();
        if (!skipped.isEmpty())
            reporter.ShowSkippedFiles(skipped);
    } else {
        reporter.Finish();
    }
    return outcome;
}

} // namespace loading
