// english.dat and english2.dat: zero-terminated single-byte texts, no header or index.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

namespace strings {

// One entry of a table. Its terminator is the byte at start + length.
struct StringEntry {
    qsizetype start = 0;
    qsizetype length = 0;

    friend bool operator==(const StringEntry&, const StringEntry&) = default;
};

// A table split into its entries in one pass. Keeps an implicitly shared copy of the
// bytes, so the texts it hands out stay valid whatever later happens to the caller's
// buffer, without copying the table.
class StringTable {
public:
    explicit StringTable(const QByteArray& bytes);

    [[nodiscard]] const QByteArray& Bytes() const { return m_bytes; }
    [[nodiscard]] qsizetype Count() const { return static_cast<qsizetype>(m_entries.size()); }
    [[nodiscard]] const std::vector<StringEntry>& Entries() const { return m_entries; }
    [[nodiscard]] QByteArrayView Text(qsizetype index) const;

    // Bytes after the last terminator belong to no entry; every edit keeps them as they are.
    [[nodiscard]] qsizetype TrailingStart() const;
    [[nodiscard]] QByteArrayView Trailing() const;

    // 0, then the offset of every terminator: Count() + 1 values. For display and lookup
    // only; an edit goes by the entry's own start so the first entry is no special case.
    [[nodiscard]] std::vector<qsizetype> StringBounds() const;

private:
    QByteArray m_bytes;
    std::vector<StringEntry> m_entries;
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
