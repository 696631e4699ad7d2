// Writing and reading RFC 4180 text.
#include "exchange/Csv.h"

#include <QCoreApplication>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Csv)
};

} // namespace

namespace csv {
namespace {

QString Quoted(const QString& field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

// What spreadsheets on Windows save by default. Qt reads it through ICU; a build without
// ICU still gets every letter but the few of 0x80-0x9F right as Latin-1.
QString FromWindows1252(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

QChar Separator(const QString& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar character : text) {
        if (character == u'"')
            quoted = !quoted;
        else if (!quoted && (character == u'\n' || character == u'\r'))
            break;
        else if (!quoted && character == u',')
            ++commas;
        else if (!quoted && character == u';')
            ++semicolons;
    }
    return semicolons > commas ? u';' : u',';
}

} // namespace

QByteArray Write(const Rows& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        fields.reserve(row.size());
        for (const QString& field : row)
            fields.append(Quoted(field));
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text.toUtf8();
}

Parsed Read(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    QStringList notes;
    if (decoder.hasError()) {
        text = FromWindows1252(bytes);
        notes.append(Text::tr("the file is not UTF-8 text; it was read as Windows-1252"));
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QChar separator = Separator(text);
    if (separator == u';')
        notes.append(Text::tr("the fields are separated by semicolons"));

    Rows rows;
    QStringList row;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field began with a quote
    int line = 1;
    const auto endField = [&] {
        row.append(field);
        field.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endField();
        rows.push_back(row);
        row.clear();
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (quoted) {
            if (character == u'"') {
                if (at + 1 < text.size() && text.at(at + 1) == u'"') {
                    field += u'"';
                    ++at;
                } else {
                    quoted = false;
                }
            } else {
                if (character == u'\n')
                    ++line;
                field += character;
            }
            continue;
        }
        if (character == u'"') {
            if (!field.isEmpty() || wasQuoted)
                return {std::nullopt, Text::tr("line %1: a quote inside an unquoted field").arg(line)};
            quoted = wasQuoted = true;
        } else if (character == separator) {
            endField();
        } else if (character == u'\r' || character == u'\n') {
            if (character == u'\r' && at + 1 < text.size() && text.at(at + 1) == u'\n')
                ++at;
            endRow();
            ++line;
        } else {
            if (wasQuoted)
                return {std::nullopt, Text::tr("line %1: text after a closing quote").arg(line)};
            field += character;
        }
    }
    if (quoted)
        return {std::nullopt, Text::tr("line %1: a quoted field is never closed").arg(line)};
    if (!field.isEmpty() || !row.isEmpty() || wasQuoted)
        endRow();
    return {std::move(rows), {}, notes.join(u"; "_s)};
}

} // namespace csv
