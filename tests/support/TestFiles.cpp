// File helpers for tests.
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

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
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        // A link is kept as where it points, and a pipe or device is never opened: reading
        // one would hang the test or follow the link out of the folder.
        if (info.isSymLink())
            snapshot[root.relativeFilePath(path)] = "<link to " + info.symLinkTarget().toUtf8() + '>';
        else if (info.isFile())
            snapshot[root.relativeFilePath(path)] = Read(path).value_or(QByteArrayLiteral("<unreadable>"));
        else if (!info.isDir())
            snapshot[root.relativeFilePath(path)] = QByteArrayLiteral("<not a file>");
    }
    return snapshot;
}

} // namespace testfiles
