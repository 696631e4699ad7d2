// english.dat and english2.dat: zero-terminated single-byte texts, no header or index.
#pragma once

#include "tables/FieldDescription.h"
#include "tables/TableLayout.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <vector>

namespace strings {

// An entry is one field, its text, as long as the entry is.
inline constexpr std::array<FieldDescription, 1> TextFields = {{{KESTREL_TR_NOOP("Tables", "Text"), KESTREL_TR_NOOP("Tables", "Text"), FieldKind::StringEntry, 0, 0}}};
inline constexpr const FieldDescription& TextField = TextFields[0];

// A string file is a table named by its file name; its entries are numbered and counted
// from the file.
[[nodiscard]] constexpr TableLayout FileLayout(std::u16string_view fileName, GameFile file)
{
    return {fileName, file, SameInEveryBuild(0), 0, 0, 0, TextFields};
}
inline constexpr std::array<TableLayout, 6> Layouts = {{
    FileLayout(u"english.dat", GameFile::English),
    FileLayout(u"english2.dat", GameFile::English2),
    FileLayout(u"german.dat", GameFile::German),
    FileLayout(u"german2.dat", GameFile::German2),
    FileLayout(u"french.dat", GameFile::French),
    FileLayout(u"french2.dat", GameFile::French2),
}};

// One entry of a table. Its terminator is the byte at start + length.
struct StringEntry {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const StringEntry&, const StringEntry&) = default;
};

// A table split into its entries in one pass. Keeps an implicitly shared copy of the
// bytes, so the texts it hands out stay valid whatever later happens to the caller's
// buffer, without copying the table.
//
// The index holds where every 64th entry starts, and more often where entries are long,
// not every entry: a file of nothing but zero bytes is one entry per byte, and a full
// index would cost many times the file. A lookup passes fewer than 64 entries and 4 KiB
// before the one it wants.
class StringTable {
public:
    class EntryList;

    explicit StringTable(const QByteArray& bytes);

    [[nodiscard]] const QByteArray& Bytes() const { return m_bytes; }
    [[nodiscard]] qsizetype Count() const { return m_count; }
    // Entry index (from 0), which must exist.
    [[nodiscard]] StringEntry Entry(qsizetype index) const;
    // Every entry in order, walked without lookups; indexed, each costs one lookup. Valid
    // while the table lives.
    [[nodiscard]] EntryList Entries() const;
    [[nodiscard]] QByteArrayView Text(qsizetype index) const;

    // Bytes after the last terminator belong to no entry; every edit keeps them as they are.
    [[nodiscard]] qsizetype TrailingStart() const { return m_trailingStart; }
    [[nodiscard]] QByteArrayView Trailing() const;

    // 0, then the offset of every terminator: Count() + 1 values. For display and lookup
    // only; an edit goes by the entry's own start so the first entry is no special case.
    [[nodiscard]] std::vector<qsizetype> StringBounds() const;

private:
    StringEntry Remember(qsizetype index, qsizetype start) const;

    struct Checkpoint {
        qsizetype entry;
        qsizetype start;
    };

    QByteArray m_bytes;
    std::vector<Checkpoint> m_checkpoints;  // by entry, the first one entry 0 when there is any
    // The entry of the last lookup: a cache only, so lookups stay const. The tables live in
    // the window's thread alone.
    mutable qsizetype m_lastIndex = -1;
    mutable StringEntry m_lastEntry;
    qsizetype m_count = 0;
    qsizetype m_trailingStart = 0;
};

class StringTable::EntryList {
public:
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using iterator_concept = std::forward_iterator_tag;
        using value_type = StringEntry;
        using difference_type = std::ptrdiff_t;
        using reference = StringEntry;

        Iterator() = default;
        Iterator(QByteArrayView bytes, qsizetype index, StringEntry entry);

        [[nodiscard]] StringEntry operator*() const { return m_entry; }
        Iterator& operator++();
        Iterator operator++(int);
        [[nodiscard]] bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        QByteArrayView m_bytes;
        qsizetype m_index = 0;
        StringEntry m_entry;
    };

    explicit EntryList(const StringTable& table) : m_table(&table) {}

    [[nodiscard]] std::size_t size() const { return static_cast<std::size_t>(m_table->Count()); }
    [[nodiscard]] bool empty() const { return m_table->Count() == 0; }
    [[nodiscard]] StringEntry operator[](std::size_t index) const;
    [[nodiscard]] Iterator begin() const;
    [[nodiscard]] Iterator end() const;

private:
    const StringTable* m_table;
};

// The number of entries, which is the number of zero bytes.
[[nodiscard]] qsizetype CountEntries(QByteArrayView table);

// Entry index (from 0) without splitting the whole table; nullopt when out of range.
[[nodiscard]] std::optional<StringEntry> FindEntry(QByteArrayView table, qsizetype index);

// Everything before the entry, and everything after its terminator (trailing bytes included).
[[nodiscard]] QByteArrayView EditHead(QByteArrayView table, StringEntry entry);
[[nodiscard]] QByteArrayView EditTail(QByteArrayView table, StringEntry entry);

// head + text + one zero + tail, in one allocation. A zero byte inside text would split
// the entry in two and shift the number of every entry after it, so such a text is
// refused (nullopt) rather than cut short behind the user's back. An empty text is a
// lone terminator: an empty entry.
[[nodiscard]] std::optional<QByteArray> JoinEntry(QByteArrayView head, QByteArrayView text,
                                                  QByteArrayView tail);

// The table with entry index replaced by text; every other byte, the trailing ones
// included, kept. nullopt for an index out of range or a text holding a zero byte.
[[nodiscard]] std::optional<QByteArray> ReplaceEntry(const QByteArray& table, qsizetype index,
                                                     QByteArrayView text);

} // namespace strings
