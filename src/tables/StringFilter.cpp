// Case-insensitive search in code-page bytes, and the "#index" query.
#include "tables/StringFilter.h"

#include "core/CodePage.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace strings {
namespace {

// Each byte's character folded as Unicode folds it ('Ä' to 'ä', 'Œ' to 'œ'), when the
// folded character is in the code page too; otherwise the byte itself.
const std::array<std::uint8_t, 256>& FoldTable()
{
    static const std::array<std::uint8_t, 256> table = [] {
        std::array<std::uint8_t, 256> folded{};
        for (unsigned byte = 0; byte < 256; ++byte) {
            const std::uint8_t same = static_cast<std::uint8_t>(byte);
            const std::uint8_t fold = codepage::FromChar(codepage::ToChar(same).toCaseFolded());
            folded[byte] = fold != 0 ? fold : same;
        }
        return folded;
    }();
    return table;
}

bool ContainsFolded(QByteArrayView text, QByteArrayView needle)
{
    const std::array<std::uint8_t, 256>& fold = FoldTable();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto* wanted = reinterpret_cast<const std::uint8_t*>(needle.data());
    const qsizetype length = needle.size();
    for (qsizetype at = 0; at + length <= text.size(); ++at) {
        if (fold[bytes[at]] != wanted[0])
            continue;
        qsizetype matched = 1;
        while (matched < length && fold[bytes[at + matched]] == wanted[matched])
            ++matched;
        if (matched == length)
            return true;
    }
    return false;
}

// Whether the folded needle starts at text[at]; a zero byte never matches a needle byte,
// so a match never runs past the end of its entry.
bool MatchesAt(const std::uint8_t* text, qsizetype size, qsizetype at, QByteArrayView needle)
{
    const std::array<std::uint8_t, 256>& fold = FoldTable();
    if (at + needle.size() > size)
        return false;
    for (qsizetype i = 1; i < needle.size(); ++i) {
        if (fold[text[at + i]] != static_cast<std::uint8_t>(needle[i]))
            return false;
    }
    return true;
}

} // namespace

EntryFilter::EntryFilter(QStringView query)
{
    if (query.isEmpty())
        return;
    const QStringView trimmed = query.trimmed();
    if (trimmed.size() > 1 && trimmed.front() == u'#') {
        bool isNumber = false;
        const qlonglong index = trimmed.sliced(1).toLongLong(&isNumber);
        const bool digitsOnly = trimmed.sliced(1).front().isDigit();
        if (isNumber && digitsOnly) {
            m_kind = Kind::Index;
            m_index = static_cast<qsizetype>(index);
            return;
        }
    }
    // A character the code page cannot hold is in no entry, so nothing matches.
    m_kind = Kind::Text;
    const std::array<std::uint8_t, 256>& fold = FoldTable();
    m_needle.reserve(query.size());
    for (const QChar character : query) {
        const std::uint8_t byte = codepage::FromChar(character);
        if (byte == 0) {
            m_kind = Kind::Nothing;
            return;
        }
        m_needle.append(static_cast<char>(fold[byte]));
    }
}

bool EntryFilter::Accepts(qsizetype index, QByteArrayView text) const
{
    switch (m_kind) {
    case Kind::All: return true;
    case Kind::Index: return index == m_index;
    case Kind::Text: return ContainsFolded(text, m_needle);
    case Kind::Nothing: return false;
    }
    return false;
}

// Every byte whose folded value starts the needle ('l' and 'L') is found with memchr, which
// skips the bytes between at the speed of memory; an entry with a match is passed over.
std::vector<bool> EntryFilter::AcceptsEach(const StringTable& table) const
{
    const qsizetype count = table.Count();
    if (m_kind != Kind::Text) {
        std::vector<bool> accepted(static_cast<std::size_t>(count), m_kind == Kind::All);
        if (m_kind == Kind::Index && m_index >= 0 && m_index < count)
            accepted[static_cast<std::size_t>(m_index)] = true;
        return accepted;
    }
    std::vector<bool> accepted(static_cast<std::size_t>(count), false);
    // One walk of the compact index into plain entries, so each match is a binary search.
    std::vector<StringEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (const StringEntry& entry : table.Entries())
        entries.push_back(entry);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(table.Bytes().constData());
    const qsizetype size = table.Count() > 0 ? entries.back().start + entries.back().length : 0;
    const std::array<std::uint8_t, 256>& fold = FoldTable();
    const auto first = static_cast<std::uint8_t>(m_needle[0]);
    for (unsigned variant = 1; variant < 256; ++variant) {
        if (fold[variant] != first)
            continue;
        qsizetype at = 0;
        while (at < size) {
            const void* found = std::memchr(bytes + at, int(variant), static_cast<std::size_t>(size - at));
            if (!found)
                break;
            at = static_cast<const std::uint8_t*>(found) - bytes;
            if (!MatchesAt(bytes, size, at, m_needle)) {
                ++at;
                continue;
            }
            const auto entry = std::upper_bound(entries.begin(), entries.end(), at,
                                                [](qsizetype offset, const StringEntry& e) { return offset < e.start; })
                               - 1;
            accepted[static_cast<std::size_t>(entry - entries.begin())] = true;
            at = entry->start + entry->length + 1;
        }
    }
    return accepted;
}

} // namespace strings
