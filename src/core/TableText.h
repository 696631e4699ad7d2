// The texts of the tables are constexpr UTF-16 views; the windows and prompts need QStrings.
#pragma once

#include <QString>

#include <string_view>

[[nodiscard]] inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
