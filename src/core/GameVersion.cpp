// Sizes, captions and data-root rule of each game build.
#include "core/GameVersion.h"

#include <QCoreApplication>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameVersion)
};

} // namespace

namespace gameversion {

qint64 ExeSize(GameVersion version)
{
    switch (version) {
    case GameVersion::CollectorsEdition: return 495616; // 0x79000
    case GameVersion::Dos12: return 415271;             // 0x65627
    case GameVersion::Dos14: return 382957;             // 0x5D7ED
    case GameVersion::None: break;
    }
    return 0;
}

std::optional<GameVersion> FromExeSize(qint64 size)
{
    for (GameVersion version : All) {
        if (ExeSize(version) == size)
            return version;
    }
    return std::nullopt;
}

QString Caption(GameVersion version)
{
    switch (version) {
    case GameVersion::CollectorsEdition: return Text::tr("Version: Collector's Edition");
    case GameVersion::Dos12: return Text::tr("Version: DOS version 1.2");
    case GameVersion::Dos14: return Text::tr("Version: DOS version 1.4");
    case GameVersion::None: break;
    }
    return {};
}

bool DataRootIsParent(GameVersion version)
{
    return version == GameVersion::Dos12 || version == GameVersion::Dos14;
}

QString ShortName(GameVersion version)
{
    switch (version) {
    case GameVersion::CollectorsEdition: return QStringLiteral("ce");
    case GameVersion::Dos12: return QStringLiteral("dos12");
    case GameVersion::Dos14: return QStringLiteral("dos14");
    case GameVersion::None: break;
    }
    return QStringLiteral("none");
}

std::optional<GameVersion> FromShortName(const QString& name)
{
    for (GameVersion version : All) {
        if (ShortName(version) == name)
            return version;
    }
    return std::nullopt;
}

} // namespace gameversion
