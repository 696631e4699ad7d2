// Fuzz target for string table splitting and the one-entry edit.
//
// Input: two bytes of entry index (little-endian), one byte of text length L, L bytes
// of new text (zeros allowed, to exercise the refusal), and the table as the rest.
#include "tables/StringTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "string table property violated: %s\n", what);
    std::abort();
}

bool HoldsZero(QByteArrayView bytes)
{
    return !bytes.isEmpty() && std::memchr(bytes.data(), 0, static_cast<std::size_t>(bytes.size())) != nullptr;
}

void CheckSplit(const strings::StringTable& table)
{
    const QByteArray& bytes = table.Bytes();
    qsizetype expectedStart = 0;
    for (const strings::StringEntry& entry : table.Entries()) {
        Require(entry.start == expectedStart, "entries are contiguous from offset 0");
        Require(entry.length >= 0 && entry.start + entry.length < bytes.size(), "entry inside the table");
        Require(bytes.at(entry.start + entry.length) == '\0', "entry ends at a zero");
        Require(!HoldsZero(QByteArrayView(bytes).sliced(entry.start, entry.length)), "no zero inside a text");
        expectedStart = entry.start + entry.length + 1;
    }
    Require(table.TrailingStart() == expectedStart, "trailing bytes follow the last terminator");
    Require(!HoldsZero(table.Trailing()), "no zero among trailing bytes");
    Require(strings::CountEntries(bytes) == table.Count(), "count agrees with the split");
    const std::vector<qsizetype> bounds = table.StringBounds();
    Require(bounds.size() == table.Entries().size() + 1 && bounds.front() == 0, "bounds start at 0");
    for (std::size_t i = 0; i < table.Entries().size(); ++i) {
        const strings::StringEntry& entry = table.Entries()[i];
        Require(bounds[i + 1] == entry.start + entry.length, "a bound per terminator");
    }
}

void CheckEdit(const strings::StringTable& before, qsizetype index, QByteArrayView text)
{
    const std::optional<QByteArray> result = strings::ReplaceEntry(before.Bytes(), index, text);
    if (index >= before.Count() || HoldsZero(text)) {
        Require(!result.has_value(), "missing entry or zero in text refused");
        return;
    }
    Require(result.has_value(), "valid edit accepted");
    Require(strings::FindEntry(before.Bytes(), index) == before.Entries()[static_cast<std::size_t>(index)],
            "lookup agrees with the split");
    const strings::StringTable after(*result);
    CheckSplit(after);
    Require(after.Count() == before.Count(), "entry count unchanged");
    for (qsizetype i = 0; i < before.Count(); ++i)
        Require(after.Text(i) == (i == index ? text : before.Text(i)), "only the edited entry changes");
    Require(after.Trailing() == before.Trailing(), "trailing bytes unchanged");
    Require(result->size() == before.Bytes().size() - before.Text(index).size() + text.size(),
            "length changes by the difference");
    Require(strings::ReplaceEntry(before.Bytes(), index, before.Text(index)) == before.Bytes(),
            "own text restores the table byte for byte");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const qsizetype index = data[0] | (data[1] << 8);
    const std::size_t textLength = std::min<std::size_t>(data[2], size - 3);
    const auto* chars = reinterpret_cast<const char*>(data);
    const QByteArrayView text(chars + 3, static_cast<qsizetype>(textLength));
    const QByteArray bytes(chars + 3 + textLength, static_cast<qsizetype>(size - 3 - textLength));

    const strings::StringTable table(bytes);
    CheckSplit(table);
    // Fold large indexes onto the entries, keeping one value past the end in play.
    CheckEdit(table, index % (table.Count() + 1), text);
    return 0;
}
