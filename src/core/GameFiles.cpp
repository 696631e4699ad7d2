// Reading whole game files and finding them regardless of the case of their names.
#include "core/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace gamefiles {

std::optional<qint64> Measure(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

std::optional<QByteArray> ReadWhole(const QString& path, qint64 expectedSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != expectedSize)
        return std::nullopt;
    return bytes;
}

QString FindEntry(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

} // namespace gamefiles
