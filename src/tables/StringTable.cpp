// Splitting and editing string tables without copying a text per entry, under a sparse index.
#include "tables/StringTable.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace strings {

namespace {

// How far apart the index's checkpoints may lie, in entries and in bytes.
constexpr qsizetype CheckpointEntries = 64;
constexpr qsizetype CheckpointBytes = 4096;

// Offset of the next zero byte at or after from, or -1.
qsizetype NextZero(QByteArrayView table, qsizetype from)
{
    if (from >= table.size())
        return -1;
    const char* begin = table.data();
    const void* found = std::memchr(begin + from, 0, static_cast<std::size_t>(table.size() - from));
    return found ? static_cast<const char*>(found) - begin : -1;
}

bool HoldsZero(QByteArrayView bytes)
{
    return !bytes.isEmpty() && std::memchr(bytes.data(), 0, static_cast<std::size_t>(bytes.size()));
}

void Append(char*& out, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    std::memcpy(out, bytes.data(), static_cast<std::size_t>(bytes.size()));
    out += bytes.size();
}

} // namespace

StringTable::StringTable(const QByteArray& bytes)
    : m_bytes(bytes)
{
    // Room for the most checkpoints a table of this size can need, so the index is
    // never reallocated and never holds more than a quarter of a byte per table byte.
    m_checkpoints.reserve(static_cast<std::size_t>(m_bytes.size() / CheckpointEntries
                                                   + m_bytes.size() / CheckpointBytes + 1));
    qsizetype start = 0;
    Checkpoint last{0, 0};
    for (qsizetype zero = NextZero(m_bytes, 0); zero >= 0; zero = NextZero(m_bytes, start)) {
        if (m_count == 0 || m_count - last.entry >= CheckpointEntries || start - last.start >= CheckpointBytes) {
            last = {m_count, start};
            m_checkpoints.push_back(last);
        }
        ++m_count;
        start = zero + 1;
    }
    m_trailingStart = start;
}

StringEntry StringTable::Entry(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < m_count);
    if (index < 0 || index >= m_count)
        return {};
    // Rows are drawn and entries filtered in order: the entry after the one looked up last
    // starts right behind its terminator.
    if (index == m_lastIndex)
        return m_lastEntry;
    if (m_lastIndex >= 0 && index == m_lastIndex + 1)
        return Remember(index, m_lastEntry.start + m_lastEntry.length + 1);
    const auto after = std::upper_bound(m_checkpoints.cbegin(), m_checkpoints.cend(), index,
                                        [](qsizetype wanted, const Checkpoint& point) { return wanted < point.entry; });
    const Checkpoint& from = *std::prev(after);
    qsizetype start = from.start;
    for (qsizetype passed = from.entry; passed < index; ++passed)
        start = NextZero(m_bytes, start) + 1;
    return Remember(index, start);
}

StringEntry StringTable::Remember(qsizetype index, qsizetype start) const
{
    m_lastIndex = index;
    m_lastEntry = {start, NextZero(m_bytes, start) - start};
    return m_lastEntry;
}

StringTable::EntryList StringTable::Entries() const
{
    return EntryList(*this);
}

QByteArrayView StringTable::Text(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < Count());
    if (index < 0 || index >= Count())
        return {};
    const StringEntry entry = Entry(index);
    return QByteArrayView(m_bytes).sliced(entry.start, entry.length);
}

QByteArrayView StringTable::Trailing() const
{
    return QByteArrayView(m_bytes).sliced(m_trailingStart);
}

std::vector<qsizetype> StringTable::StringBounds() const
{
    std::vector<qsizetype> bounds;
    bounds.reserve(static_cast<std::size_t>(m_count) + 1);
    bounds.push_back(0);
    for (const StringEntry entry : Entries())
        bounds.push_back(entry.start + entry.length);
    return bounds;
}

StringTable::EntryList::Iterator::Iterator(QByteArrayView bytes, qsizetype index, StringEntry entry)
    : m_bytes(bytes)
    , m_index(index)
    , m_entry(entry)
{
}

StringTable::EntryList::Iterator& StringTable::EntryList::Iterator::operator++()
{
    ++m_index;
    const qsizetype start = m_entry.start + m_entry.length + 1;
    const qsizetype zero = NextZero(m_bytes, start);
    m_entry = zero < 0 ? StringEntry{} : StringEntry{start, zero - start};
    return *this;
}

StringTable::EntryList::Iterator StringTable::EntryList::Iterator::operator++(int)
{
    Iterator before = *this;
    ++*this;
    return before;
}

StringEntry StringTable::EntryList::operator[](std::size_t index) const
{
    return m_table->Entry(static_cast<qsizetype>(index));
}

StringTable::EntryList::Iterator StringTable::EntryList::begin() const
{
    if (empty())
        return end();
    return Iterator(m_table->Bytes(), 0, m_table->Entry(0));
}

StringTable::EntryList::Iterator StringTable::EntryList::end() const
{
    return Iterator(m_table->Bytes(), m_table->Count(), {});
}

qsizetype CountEntries(QByteArrayView table)
{
    qsizetype count = 0;
    for (qsizetype zero = NextZero(table, 0); zero >= 0; zero = NextZero(table, zero + 1))
        ++count;
    return count;
}

std::optional<StringEntry> FindEntry(QByteArrayView table, qsizetype index)
{
    if (index < 0)
        return std::nullopt;
    qsizetype start = 0;
    for (qsizetype passed = 0;; ++passed) {
        const qsizetype zero = NextZero(table, start);
        if (zero < 0)
            return std::nullopt;
        if (passed == index)
            return StringEntry{start, zero - start};
        start = zero + 1;
    }
}

QByteArrayView EditHead(QByteArrayView table, StringEntry entry)
{
    return table.first(entry.start);
}

QByteArrayView EditTail(QByteArrayView table, StringEntry entry)
{
    return table.sliced(entry.start + entry.length + 1);
}

std::optional<QByteArray> JoinEntry(QByteArrayView head, QByteArrayView text, QByteArrayView tail)
{
    if (HoldsZero(text))
        return std::nullopt;
    QByteArray joined(head.size() + text.size() + 1 + tail.size(), Qt::Uninitialized);
    char* out = joined.data();
    Append(out, head);
    Append(out, text);
    *out++ = '\0';
    Append(out, tail);
    return joined;
}

std::optional<QByteArray> ReplaceEntry(const QByteArray& table, qsizetype index, QByteArrayView text)
{
    const std::optional<StringEntry> entry = FindEntry(table, index);
    if (!entry)
        return std::nullopt;
    return JoinEntry(EditHead(table, *entry), text, EditTail(table, *entry));
}

} // namespace strings
