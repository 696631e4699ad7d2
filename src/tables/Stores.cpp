// Reading the starting stores the list shows.
#include "tables/Stores.h"

#include "core/ByteAccess.h"

namespace stores {

int StoredAmount(const QByteArray& exe, GameVersion version, const StoresEntry& entry)
{
    const qsizetype offset = Offset(entry, version);
    return entry.width == 1 ? bytes::ReadU8(exe, offset) : bytes::ReadU16LE(exe, offset);
}

QString LineText(const QByteArray& exe, GameVersion version, const StoresEntry& entry)
{
    return QString::fromUtf16(entry.label.data(), qsizetype(entry.label.size()))
           + QString::number(StoredAmount(exe, version, entry));
}

} // namespace stores
