// kestrel-sample: writes a synthetic installation of one build of the game into a folder.
#include "sample/SampleInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace {

struct Arguments {
    QString folder;
    GameVersion version = GameVersion::CollectorsEdition;
    // An install as sold in Germany or France: the English files and both other pairs.
    SampleOptions options{.german = true, .french = true};
};

const char* const Usage = "usage: kestrel-sample <folder> [--build ce|dos12|dos14] [--upper] [--english-only]";

std::optional<Arguments> Parse(const QStringList& args, QString& error)
{
    Arguments parsed;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--upper")) {
            parsed.options.upperCaseNames = true;
        } else if (arg == QLatin1String("--english-only")) {
            parsed.options.german = false;
            parsed.options.french = false;
        } else if (arg == QLatin1String("--build")) {
            const std::optional<GameVersion> version =
                i + 1 < args.size() ? gameversion::FromShortName(args.at(++i)) : std::nullopt;
            if (!version) {
                error = QStringLiteral("--build needs one of ce, dos12, dos14");
                return std::nullopt;
            }
            parsed.version = *version;
        } else if (arg.startsWith(QLatin1Char('-')) || !parsed.folder.isEmpty()) {
            error = QStringLiteral("unexpected argument: ") + arg;
            return std::nullopt;
        } else {
            parsed.folder = arg;
        }
    }
    if (parsed.folder.isEmpty()) {
        error = QStringLiteral("no folder given");
        return std::nullopt;
    }
    return parsed;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const std::optional<Arguments> args = Parse(QCoreApplication::arguments(), error);
    if (!args) {
        err << "kestrel-sample: " << error << '\n' << Usage << '\n';
        return 2;
    }
    const std::optional<SamplePaths> paths = sample::WriteInstall(args->folder, args->version, args->options);
    if (!paths) {
        err << "kestrel-sample: could not write the install under " << QDir::toNativeSeparators(args->folder)
            << '\n';
        return 1;
    }
    out << QDir::toNativeSeparators(paths->exePath) << '\n';
    return 0;
}
