// Reading whole game files, finding them regardless of the case of their names, and
// keeping what the file system knows about a file that is written anew.
#include "core/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameFiles)
};

} // namespace
#endif

namespace gamefiles {
namespace {

// Qt tells a folder from a regular file but not the kinds of special file apart.
QString SpecialFileReason(const QString& path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISFIFO(status.st_mode))
            return Text::tr("it is a named pipe (FIFO)");
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return Text::tr("it is a device");
        if (S_ISSOCK(status.st_mode))
            return Text::tr("it is a socket");
    }
#else
    Q_UNUSED(path);
#endif
    return Text::tr("it is not an ordinary file");
}

#ifdef Q_OS_UNIX
FileKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    return FileKind::Other;
}
#endif

} // namespace

FileKind Examine(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    // Nothing to be seen there (a missing folder on the way among the reasons): the write
    // itself then fails and says why.
    if (::lstat(name.constData(), &status) != 0)
        return FileKind::Absent;
    if (!S_ISLNK(status.st_mode))
        return KindOf(status.st_mode);
    struct stat target {};
    return ::stat(name.constData(), &target) == 0 && S_ISREG(target.st_mode) ? FileKind::LinkToRegular
                                                                              : FileKind::LinkToOther;
#else
    const QFileInfo info(path);
    if (info.isSymLink())
        return info.isFile() ? FileKind::LinkToRegular : FileKind::LinkToOther;
    if (!info.exists())
        return FileKind::Absent;
    if (info.isDir())
        return FileKind::Folder;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
#endif
}

QString KindText(FileKind kind)
{
    switch (kind) {
    case FileKind::Absent: return QStringLiteral("is not there");
    case FileKind::Regular: return QStringLiteral("is a regular file");
    case FileKind::LinkToRegular: return QStringLiteral("is a symbolic link");
    case FileKind::LinkToOther: return QStringLiteral("is a symbolic link to something that is not a regular file");
    case FileKind::Folder: return QStringLiteral("is a folder");
    case FileKind::Device: return QStringLiteral("is a device");
    case FileKind::Fifo: return QStringLiteral("is a named pipe (FIFO)");
    case FileKind::Other: break;
    }
    return QStringLiteral("is not a regular file");
}

std::optional<qint64> Measure(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

QString NotAFileReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return Text::tr("it is a folder");
    return SpecialFileReason(path);
}

QString UndecodableName(const QString& path)
{
    if (QFileInfo::exists(path))
        return {};
    // A name may hold a real U+FFFD; only one that leads nowhere is taken for the cause.
    const QString plain = QDir::fromNativeSeparators(path);
    qsizetype end = 0;
    while (end < plain.size()) {
        const qsizetype start = end;
        end = plain.indexOf(u'/', start + 1);
        if (end < 0)
            end = plain.size();
        const QString name = plain.sliced(start, end - start).remove(u'/');
        if (name.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(plain.first(end)))
            return name;
    }
    return {};
}

std::optional<QString> ReplaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return file.errorString();
    if (const int error = SyncToDisk(file))
        return qt_error_string(error);
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> WriteInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (QByteArrayView rest(bytes); !rest.isEmpty();) {
        errno = 0;
        const qint64 written = file.write(rest.data(), rest.size());
        if (written <= 0)
            return errno != 0 ? qt_error_string(errno) : file.errorString();
        rest = rest.sliced(written);
    }
    return std::nullopt;
}

int SyncToDisk(QFileDevice& file)
{
    if (!file.flush())
        return errno != 0 ? errno : EIO;
#if defined(Q_OS_LINUX)
    return ::fdatasync(file.handle()) == 0 ? 0 : errno;
#elif defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0 ? 0 : errno;
#else
    // QSaveFile flushes the file's buffers to the disk itself as it commits here.
    return 0;
#endif
}

std::optional<QByteArray> ReadWhole(const QString& path, qint64 expectedSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A file that grew since it was measured is refused by its one extra byte, never read whole.
    QByteArray bytes = file.read(expectedSize + 1);
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

bool KeepOwnerAndMode(const QString& existingPath, QFileDevice& file)
{
#ifdef Q_OS_UNIX
    // Followed through a link, as the write itself is.
    struct stat existing {};
    if (::stat(QFile::encodeName(existingPath).constData(), &existing) != 0)
        return true;
    const int handle = file.handle();
    // Only root may give a file away; anyone may keep a group they belong to. Failing
    // both, the file is the saving user's, as every new file is.
    const bool ownerKept = ::fchown(handle, existing.st_uid, existing.st_gid) == 0
                           || ::fchown(handle, static_cast<uid_t>(-1), existing.st_gid) == 0;
    Q_UNUSED(ownerKept);
    return ::fchmod(handle, existing.st_mode & 07777) == 0;
#else
    // QSaveFile copies the permissions itself; owners are not the user's to keep here.
    Q_UNUSED(existingPath);
    Q_UNUSED(file);
    return true;
#endif
}

} // namespace gamefiles
