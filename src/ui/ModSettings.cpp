// One QSettings key per executable under "Mods"; each entry its tick, then its path.
#include "ui/ModSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace modsettings {
namespace {

// A path holds '/', which QSettings takes for a group: the key is the path percent-encoded.
QString KeyOf(const QString& exePath)
{
    return u"Mods/"_s + QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(exePath).absoluteFilePath()));
}

} // namespace

std::vector<Listed> Load(const QString& exePath)
{
    std::vector<Listed> mods;
    if (exePath.isEmpty())
        return mods;
    for (const QString& entry : QSettings().value(KeyOf(exePath)).toStringList()) {
        // "+path" ticked, "-path" not; anything else is not ours and is dropped.
        if (entry.size() > 1 && (entry.front() == u'+' || entry.front() == u'-'))
            mods.push_back({entry.mid(1), entry.front() == u'+'});
    }
    return mods;
}

void Store(const QString& exePath, const std::vector<Listed>& mods)
{
    if (exePath.isEmpty())
        return;
    QStringList entries;
    for (const Listed& mod : mods)
        entries.append((mod.enabled ? u"+"_s : u"-"_s) + mod.path);
    QSettings settings;
    if (entries.isEmpty())
        settings.remove(KeyOf(exePath));
    else
        settings.setValue(KeyOf(exePath), entries);
}

} // namespace modsettings
