// The shared text routines of the editors' views.
#include "core/TextRoutines.h"

#include "core/CodePage.h"
#include "core/NumberReader.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TextRoutines)
};

} // namespace

namespace modEdit {

namespace {

QString GroupDigits(QStringView digits)
{
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.append(u',');
        grouped.append(digits[i]);
    }
    return grouped;
}

} // namespace

QString GroupThousands(const QString& text)
{
    const double value = numbers::ReadLeadingNumber(text).value;
    const qsizetype length = text.size();
    if (value > 0 && length >= 4 && length <= 10)
        return GroupDigits(text);
    if (value <= 0 && length >= 5 && length <= 11 && text.startsWith(u'-'))
        return u'-' + GroupDigits(QStringView(text).mid(1));
    return text;
}

QString PadHex2(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("00");
    if (text.size() == 1)
        return u'0' + text;
    return text;
}

int CharCode(QStringView text)
{
    return text.size() == 1 ? codepage::FromChar(text.front()) : 0;
}

int ToSigned16(int value)
{
    return value > 32767 ? value - 65536 : value;
}

QString Excerpt(QStringView text)
{
    constexpr qsizetype Kept = 60;
    if (text.size() <= Kept)
        return text.toString();
    // Never half a surrogate pair.
    const qsizetype cut = text.at(Kept - 1).isHighSurrogate() ? Kept - 1 : Kept;
    return text.first(cut).toString() + u'\u2026';
}

QString Listed(const QStringList& lines)
{
    constexpr qsizetype Shown = 20;
    QString text = lines.first(std::min(Shown, lines.size())).join(u'\n');
    if (lines.size() > Shown)
        text += Text::tr("\n… and %1 more").arg(lines.size() - Shown);
    return text;
}

} // namespace modEdit
