// Reading the starting stores the list shows.
#include "tables/Stores.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"

namespace stores {

int StoredAmount(const QByteArray& exe, GameVersion version, const StoresEntry& entry)
{
    const qsizetype offset = Offset(entry, version);
    return entry.width == 1 ? bytes::ReadU8(exe, offset) : bytes::ReadU16LE(exe, offset);
}

QString RecordName(const StoresEntry& entry)
{
    QString name = ToQString(entry.label);
    if (name.endsWith(u" - "))
        name.chop(3);
    return name;
}

QString LineText(const QByteArray& exe, GameVersion version, const StoresEntry& entry)
{
    return ToQString(entry.label) + QString::number(StoredAmount(exe, version, entry));
}

} // namespace stores
