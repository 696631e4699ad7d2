// The load sequence, from the open dialog to the rebuilt views.
#include "core/GameLoader.h"

#include "core/DataFiles.h"
#include "core/GameFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace loading {
namespace {

const QString Done = QStringLiteral("DONE!    ");

QString GeodataFolder(const QString& dataRoot)
{
    return gamefiles::FindEntry(dataRoot, QStringLiteral("geodata"));
}

// Measures and reads one data file into its buffer. Returns the outcome that ends the
// load, or nullopt when the file was accepted.
std::optional<LoadOutcome> LoadDataFile(GameFileSet& files, const DataFileSpec& step, LoadReporter& reporter)
{
    reporter.Append(step.progressText);
    const QString path = gamefiles::FindEntry(GeodataFolder(files.DataRoot), step.fileName);
    const std::optional<qint64> size = gamefiles::Measure(path);
    if (!size)
        return LoadOutcome::Failed;
    if (*size == 0) {
        reporter.SetStatus(step.missingText);
        return step.missingOutcome;
    }
    if (step.requiredSize && *size != *step.requiredSize) {
        reporter.SetStatus(QStringLiteral("The file %1 is not the right size").arg(step.fileName));
        return LoadOutcome::ItemsWrongSize;  // the item file is the only one of a fixed size
    }
    std::optional<QByteArray> bytes = gamefiles::ReadWhole(path, *size);
    if (!bytes)
        return LoadOutcome::Failed;
    files.Buffer(step.file).Accept(*bytes, path, files.DataRoot);
    reporter.Append(Done);
    return std::nullopt;
}

// Why one file of a language pair cannot be read, or nullopt with its bytes in bytes.
std::optional<QString> ReadLanguageFile(const QString& path, QByteArray& bytes)
{
    const std::optional<qint64> size = gamefiles::Measure(path);
    if (!size)
        return QStringLiteral("is not a file");
    if (*size == 0)
        return QStringLiteral("is empty");
    std::optional<QByteArray> read = gamefiles::ReadWhole(path, *size);
    if (!read)
        return QStringLiteral("could not be read");
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
    const DataFileSpec* specs[] = {datafiles::Find(language.first), datafiles::Find(language.second)};
    QString paths[2];
    bool present[2];
    for (int i = 0; i < 2; ++i) {
        paths[i] = gamefiles::FindEntry(geodata, specs[i]->fileName);
        present[i] = QFileInfo::exists(paths[i]);
    }
    if (!present[0] && !present[1])
        return std::nullopt;
    if (present[0] != present[1]) {
        const int missing = present[0] ? 1 : 0;
        return QStringLiteral("%1 is missing, so %2 was left out too and %3 is not offered.")
            .arg(specs[missing]->fileName, QFileInfo(paths[1 - missing]).fileName(), language.name);
    }
    QByteArray bytes[2];
    for (int i = 0; i < 2; ++i) {
        if (const std::optional<QString> reason = ReadLanguageFile(paths[i], bytes[i])) {
            return QStringLiteral("%1 %2, so %3 is not offered.")
                .arg(QFileInfo(paths[i]).fileName(), *reason, language.name);
        }
    }
    for (int i = 0; i < 2; ++i)
        files.Buffer(specs[i]->file).Accept(bytes[i], paths[i], files.DataRoot);
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

// Steps 3 to 7: choose, measure, recognise and read the executable, then rebuild the
// views that need only it.
std::optional<LoadOutcome> LoadExecutable(GameFileSet& files, const ExeChooser& chooseExe, LoadReporter& reporter,
                                          LoadViews& views)
{
    const std::optional<QString> chosen = chooseExe();
    if (!chosen || chosen->isEmpty())
        return LoadOutcome::Failed;
    const QString exePath = QFileInfo(*chosen).absoluteFilePath();
    const std::optional<qint64> size = gamefiles::Measure(exePath);
    if (!size)
        return LoadOutcome::Failed;
    if (*size == 0) {
        reporter.SetStatus(QStringLiteral("Unable to load ufo.exe"));
        return LoadOutcome::ExeMissing;
    }
    const std::optional<GameVersion> version = gameversion::FromExeSize(*size);
    if (!version) {
        reporter.SetStatus(QStringLiteral(
            "Not correct executable file version, currently this only works for Collector's Edition of X-Com."));
        return LoadOutcome::ExeWrongSize;
    }
    std::optional<QByteArray> bytes = gamefiles::ReadWhole(exePath, *size);
    if (!bytes)
        return LoadOutcome::Failed;

    const QString dataRoot = DataRootFor(exePath, *version);
    files.Version = *version;
    views.ShowVersion(gameversion::Caption(*version));
    files.ExePath = exePath;
    files.ExeImage.Accept(*bytes, exePath, dataRoot);
    // Data files of an earlier load must never be shown, edited or saved with this one.
    files.DropDataFiles();
    ++files.AcceptedLoads;

    reporter.SetStatus(QStringLiteral("Enabling All"));
    views.EnableAll();
    reporter.SetStatus(QStringLiteral("UpdateItemsList"));
    views.UpdateItemsList();
    reporter.SetStatus(QStringLiteral("Update Base"));
    views.UpdateBase();
    reporter.Append(Done);

    files.DataRoot = dataRoot;
    return std::nullopt;
}

} // namespace

QString DataRootFor(const QString& exePath, GameVersion version)
{
    const QString folder = QFileInfo(exePath).absolutePath();
    if (gameversion::DataRootIsParent(version))
        return QDir::cleanPath(folder + QStringLiteral("/.."));
    return QDir::cleanPath(folder);
}

LoadOutcome LoadGameFiles(GameFileSet& files, const ExeChooser& chooseExe, LoadReporter& reporter, LoadViews& views)
{
    reporter.Begin();
    reporter.Append(QStringLiteral("UFO.EXE...  "));

    LoadOutcome outcome = LoadOutcome::Complete;
    if (const auto stop = LoadExecutable(files, chooseExe, reporter, views)) {
        outcome = *stop;
    } else {
        for (const DataFileSpec* step : datafiles::LoadOrder()) {
            if (const auto stop = LoadDataFile(files, *step, reporter)) {
                outcome = *stop;
                break;
            }
        }
    }

    const QStringList skipped = outcome == LoadOutcome::Complete ? LoadOtherLanguages(files) : QStringList();
    if (outcome == LoadOutcome::Complete) {
        reporter.SetStatus(QStringLiteral("All files loaded successfully!"));
        reporter.Finish();
        views.EnableTabs();
        views.FillItemList();
        views.FillStringLists();
        views.FillFirstNames();
        views.FillLastNames();
        if (!skipped.isEmpty())
            views.ShowSkippedFiles(skipped);
    } else {
        reporter.Finish();
    }
    return outcome;
}

} // namespace loading
