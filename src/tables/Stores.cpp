// Reading the starting stores the list shows.
#include "tables/Stores.h"

#include "core/ByteAccess.h"
#include "core/TableText.h"
#include "tables/Catalogue.h"

namespace stores {

int StoredAmount(const QByteArray& exe, GameVersion version, const StoresEntry& entry)
{
    const std::optional<catalogue::Slot> slot = catalogue::Locate(Layout, entry.index, AmountField, version, exe);
    if (!slot)
        return 0;
    return slot->width == 1 ? bytes::ReadU8(exe, slot->offset) : bytes::ReadU16LE(exe, slot->offset);
}

QString RecordName(const StoresEntry& entry)
{
    QString name = ToQString(entry.label);
    if (name.endsWith(u" - "))
        name.chop(3);
    return name;
}

QString LineName(int line)
{
    return RecordName(StartingStoresTable[std::size_t(line)]);
}

QString LineText(const QByteArray& exe, GameVersion version, const StoresEntry& entry)
{
    return Translated("Stores", entry.label) + QString::number(StoredAmount(exe, version, entry));
}

} // namespace stores
