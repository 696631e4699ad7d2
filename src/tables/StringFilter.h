// Finding entries of a string table as the user types: by the text they hold, without
// regard to case, or by the index the game refers to them by ("#123").
#pragma once

#include "tables/StringTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <vector>

namespace strings {

class EntryFilter {
public:
    // An empty query accepts every entry. "#" followed by digits names one entry; any
    // other query is a text to look for.
    explicit EntryFilter(QStringView query = {});

    [[nodiscard]] bool AcceptsAll() const { return m_kind == Kind::All; }
    [[nodiscard]] bool Accepts(qsizetype index, QByteArrayView text) const;
    // Accepts for every entry of table at once, one flag per entry. A text is looked for
    // in one pass over the whole table, which is several times faster than entry by entry.
    [[nodiscard]] std::vector<bool> AcceptsEach(const StringTable& table) const;

private:
    enum class Kind { All, Index, Text, Nothing };

    Kind m_kind = Kind::All;
    qsizetype m_index = -1;
    // The query in the game's code page, folded: matched byte by byte against the folded
    // entry, so nothing is decoded per entry while filtering 100,000 of them.
    QByteArray m_needle;
};

} // namespace strings
