// One value of a record as every view knows it: the label beside its control, its kind,
// where it lies in the record, how its prompt limits it and which control edits it. The
// tabs build and refresh their controls from these; the catalogue lists the same ones.
#pragma once

#include "core/TableText.h"
#include "core/ValuePrompt.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string_view>

enum class FieldKind {
    Byte,          // a number 0-255, asked for with its limit
    Word,          // 16 bits, low byte first, 0-28671
    Bravery,       // a code shown as 110 - 10 x code
    Flag,          // Yes/No; a stored value that is neither shows as its number
    DamageType,    // by option caption, "AP" ... "None"
    Name,          // fixed-width text through the code page, zero padded
    BaseFacility,  // a grid cell's facility code, by its name in the choice list
    BaseDays,      // a grid cell's days left
    StoresAmount,  // engineers and scientists one byte up to 250, items a word
    StringEntry,   // one entry of a string file, any length
};

// The tab's control for a field. A grid cell, a list line or a string has none of its own.
struct FieldControl {
    std::u16string_view objectName = {};  // the value button, or the frame of a flag's or damage type's options
    std::u16string_view labelName = {};   // the label beside the button, where the tab names it
    std::u16string_view toolTip = {};
    std::u16string_view yesName = {};     // a flag's two options
    std::u16string_view noName = {};
};

struct FieldDescription {
    // How change-set files, CSV headers and the edit history name the field: "Time Units".
    // Saved mods name fields by it, so it never follows an edit of the label.
    std::u16string_view key;
    std::u16string_view label;  // as shown beside its control: "Time Units:", "Flying Ability?:"
    FieldKind kind;
    qsizetype position = 0;     // within the record; the low byte of a word
    qsizetype width = 1;        // bytes written; a name's shown width may be larger
    BytePrompt prompt = {};     // limits of Byte and Bravery fields
    const NamePrompt* rename = nullptr;
    FieldControl control = {};
    // A flag's stored byte for Yes or No; it may depend on the record.
    std::uint8_t (*flagValue)(int record, bool yes) = nullptr;

    [[nodiscard]] QString Name() const { return ToQString(key); }
};

namespace fields {

// A one-byte number edited through its value button, the most common field.
[[nodiscard]] constexpr FieldDescription Byte(std::u16string_view key, std::u16string_view label, qsizetype position,
                                              const BytePrompt& prompt, FieldControl control)
{
    return {key, label, FieldKind::Byte, position, 1, prompt, nullptr, control};
}

// The value at offset as the user reads and types it: a number (a word unsigned, bravery
// as shown), "Yes"/"No", a damage type's or facility's name, text through the code page.
// width is how many bytes are shown: a stores line's own width, a name's whole slot.
[[nodiscard]] QString Shown(const FieldDescription& field, int record, const QByteArray& bytes, qsizetype offset,
                            qsizetype width);

// As Shown, for bytes of the field alone: a value about to be written.
[[nodiscard]] QString ShownValue(const FieldDescription& field, int record, const QByteArray& value);

// What the field's value button says: as Shown, but a word the way the game reads an
// amount, signed and grouped ("-25,536").
[[nodiscard]] QString Caption(const FieldDescription& field, int record, const QByteArray& bytes, qsizetype offset);

// Whether a flag's byte is exactly its Yes value; any other byte shows the No option.
[[nodiscard]] bool IsYes(const FieldDescription& field, int record, std::uint8_t stored);

} // namespace fields
