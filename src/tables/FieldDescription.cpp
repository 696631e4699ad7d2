// How each kind of field reads: the one place a stored value becomes the text a view shows.
#include "tables/FieldDescription.h"

#include "core/ByteAccess.h"
#include "core/CodePage.h"
#include "core/TableText.h"
#include "core/TextRoutines.h"
#include "tables/DamageTypes.h"
#include "tables/FacilityCodes.h"

namespace fields {
namespace {

QString FlagShown(const FieldDescription& field, int record, std::uint8_t stored)
{
    return FlagText(stored, field.flagValue(record, true), field.flagValue(record, false));
}

QString FacilityShown(std::uint8_t code)
{
    const QString name = facilitycodes::OneLineName(code);
    return name.isEmpty() ? QString::number(code) : name;
}

} // namespace

QString Shown(const FieldDescription& field, int record, const QByteArray& bytes, qsizetype offset, qsizetype width)
{
    const std::uint8_t byte = width >= 1 ? bytes::ReadU8(bytes, offset) : 0;
    switch (field.kind) {
    case FieldKind::Byte:
    case FieldKind::BaseDays: return QString::number(byte);
    case FieldKind::Word: return QString::number(bytes::ReadU16LE(bytes, offset));
    case FieldKind::StoresAmount: return QString::number(width == 2 ? bytes::ReadU16LE(bytes, offset) : byte);
    case FieldKind::Bravery: return field.prompt.shown ? field.prompt.shown(byte) : QString::number(byte);
    case FieldKind::Flag: return FlagShown(field, record, byte);
    case FieldKind::DamageType: return damagetypes::Text(byte);
    case FieldKind::BaseFacility: return FacilityShown(byte);
    case FieldKind::Name: return codepage::FieldText(bytes::ReadField(bytes, offset, width));
    case FieldKind::StringEntry: return codepage::Decode(bytes.mid(offset, width));
    }
    return {};
}

QString ShownValue(const FieldDescription& field, int record, const QByteArray& value)
{
    return Shown(field, record, value, 0, value.size());
}

QString Caption(const FieldDescription& field, int record, const QByteArray& bytes, qsizetype offset)
{
    if (field.kind == FieldKind::Word)
        return modEdit::GroupThousands(QString::number(modEdit::ToSigned16(bytes::ReadU16LE(bytes, offset))));
    const qsizetype width = field.rename ? field.rename->shownWidth : field.width;
    return Shown(field, record, bytes, offset, width);
}

bool IsYes(const FieldDescription& field, int record, std::uint8_t stored)
{
    return stored == field.flagValue(record, true);
}

} // namespace fields
