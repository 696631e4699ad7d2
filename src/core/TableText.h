// The texts of the tables are constexpr UTF-16 views; the windows and prompts need QStrings.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string_view>

[[nodiscard]] inline QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of a table or prompt the window shows in the user's language. The compiler sees a
// UTF-16 literal, as every table text is; lupdate, told that this is QT_TRANSLATE_NOOP
// (scripts/translations), sees the context and the English source.
#define KESTREL_TR_NOOP(context, text) u"" text

// A table text in the interface's language, translated where it is shown: the tables stay
// English for change sets, CSV files and kestrel-cli. Without a translator, the text itself.
[[nodiscard]] inline QString Translated(const char* context, std::u16string_view text)
{
    return QCoreApplication::translate(context, ToQString(text).toUtf8().constData());
}

[[nodiscard]] inline QString Translated(const char* context, const QString& text)
{
    return QCoreApplication::translate(context, text.toUtf8().constData());
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
