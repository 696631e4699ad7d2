// The one reader of files from outside the install.
#include "core/OutsideFile.h"

#include "core/GameFiles.h"
#include "core/TextRoutines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace outsidefile {
namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("OutsideFile", text);
}

QString NameOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return modEdit::Excerpt(name.isEmpty() ? path : name);
}

QString TooLarge(const QString& path, qint64 cap)
{
    if (cap % (1024 * 1024) == 0)
        return Tr("%1 is larger than %2 MiB.").arg(NameOf(path)).arg(cap / (1024 * 1024));
    return Tr("%1 is larger than %2 bytes.").arg(NameOf(path)).arg(cap);
}

} // namespace

QString Refusal(const QString& path, qint64 cap)
{
    // QFileInfo follows a link and asks the system about the file without opening it.
    const QFileInfo info(path);
    if (!info.exists())
        return Tr("%1 does not exist.").arg(NameOf(path));
    if (!info.isFile())
        return Tr("%1 is not a regular file: %2.").arg(NameOf(path), gamefiles::NotAFileReason(path));
    if (info.size() > cap)
        return TooLarge(path, cap);
    return {};
}

} // namespace outsidefile

std::optional<QByteArray> ReadOutsideFile(const QString& path, qint64 cap, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (const QString refusal = outsidefile::Refusal(path, cap); !refusal.isEmpty())
        return fail(refusal);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(outsidefile::Tr("%1 could not be read: %2.").arg(outsidefile::NameOf(path), file.errorString()));
    // The file may have grown since it was looked at; one byte past the cap tells.
    std::optional<QByteArray> bytes = ReadUpTo(file, cap);
    if (file.error() != QFileDevice::NoError)
        return fail(outsidefile::Tr("%1 could not be read: %2.").arg(outsidefile::NameOf(path), file.errorString()));
    if (!bytes)
        return fail(outsidefile::TooLarge(path, cap));
    return bytes;
}

std::optional<QByteArray> ReadUpTo(QIODevice& device, qint64 cap)
{
    QByteArray bytes;
    // A pipe hands its bytes over in pieces; a file in one.
    while (bytes.size() <= cap) {
        const QByteArray chunk = device.read(cap + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > cap)
        return std::nullopt;
    return bytes;
}
