// The hostile files, made fresh for each test.
#include "support/HostileFiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

bool MakeSparse(const QString& path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

QString HugeName()
{
    return QString(5000000, u'n');
}

QString HugeNameQuoted()
{
    return QString(60, u'n') + u'\u2026';
}

HostileFiles::HostileFiles(const QString& fileName, const QByteArray& longName, const QString& longNameMessage)
{
    const auto in = [this, &fileName](std::size_t folder) { return QDir(m_folders[folder].path()).filePath(fileName); };
    m_valid = std::all_of(m_folders.begin(), m_folders.end(), [](const QTemporaryDir& dir) { return dir.isValid(); })
              && ::mkfifo(QFile::encodeName(in(0)).constData(), 0600) == 0 && QDir().mkdir(in(1))
              && MakeSparse(in(2), 17 * 1024 * 1024) && Write(in(3), longName);
    m_cases = {
        {"a device", u"/dev/zero"_s, u"zero is not a regular file: it is a device."_s},
        {"a named pipe", in(0), fileName + u" is not a regular file: it is a named pipe (FIFO)."_s},
        {"a folder", in(1), fileName + u" is not a regular file: it is a folder."_s},
        {"a sparse 17 MiB file", in(2), fileName + u" is larger than 16 MiB."_s},
        {"a 5,000,000-character name", in(3), longNameMessage},
    };
}
