// The texts of the tables are constexpr UTF-16 views; the windows and prompts need QStrings.
#pragma once

#include <QString>

#include <string_view>

[[nodiscard]] inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// How a Yes/No byte reads: a value that is neither is shown as its number.
[[nodiscard]] inline QString FlagText(int stored, int yes, int no)
{
    if (stored == yes)
        return QStringLiteral("Yes");
    if (stored == no)
        return QStringLiteral("No");
    return QString::number(stored);
}
