// File helpers for tests.
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace testfiles {

std::optional<QByteArray> Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool Overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool Truncate(const QString& path, qint64 size)
{
    return QFile::resize(path, size);
}

bool Remove(const QString& path)
{
    return QFile::remove(path);
}

Snapshot Take(const QString& folder)
{
    Snapshot snapshot;
    const QDir root(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        snapshot[root.relativeFilePath(path)] = Read(path).value_or(QByteArrayLiteral("<unreadable>"));
    }
    return snapshot;
}

} // namespace testfiles
