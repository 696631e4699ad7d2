// A scan of JSON text for its object keys, and near-miss suggestions for names.
#include "exchange/JsonKeys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(JsonKeys)
};

} // namespace

namespace jsonkeys {
namespace {

struct Frame {
    bool isObject = false;
    QString path;
    QString lastKey;
    int index = 0;  // of the element being read, in an array
};

QString Decoded(const QByteArray& quoted)
{
    if (!quoted.contains('\\'))
        return QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
    const QJsonDocument inArray = QJsonDocument::fromJson("[" + quoted + "]");
    return inArray.array().at(0).toString();
}

qsizetype EndOfString(const QByteArray& json, qsizetype quote)
{
    qsizetype at = quote + 1;
    while (at < json.size() && json.at(at) != '"')
        at += json.at(at) == '\\' ? 2 : 1;
    return std::min(at, json.size() - 1);
}

qsizetype NextNonBlank(const QByteArray& json, qsizetype from)
{
    while (from < json.size() && QByteArrayView(" \t\r\n").contains(json.at(from)))
        ++from;
    return from;
}

int Distance(const QString& a, const QString& b)
{
    std::vector<int> row(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[std::size_t(j)];
            const bool same = a.at(i - 1).toCaseFolded() == b.at(j - 1).toCaseFolded();
            row[std::size_t(j)] = std::min({above + 1, row[std::size_t(j - 1)] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

std::vector<Key> All(const QByteArray& json)
{
    std::vector<Key> keys;
    std::vector<Frame> frames;
    int line = 1;
    for (qsizetype at = 0; at < json.size(); ++at) {
        const char c = json.at(at);
        if (c == '\n') {
            ++line;
        } else if (c == '{' || c == '[') {
            QString path;
            if (!frames.empty())
                path = frames.back().path + u'/'
                       + (frames.back().isObject ? frames.back().lastKey : QString::number(frames.back().index));
            frames.push_back({c == '{', path, {}, 0});
        } else if (c == '}' || c == ']') {
            if (!frames.empty())
                frames.pop_back();
        } else if (c == ',') {
            if (!frames.empty() && !frames.back().isObject)
                ++frames.back().index;
        } else if (c == '"') {
            const qsizetype end = EndOfString(json, at);
            const qsizetype next = NextNonBlank(json, end + 1);
            if (!frames.empty() && frames.back().isObject && next < json.size() && json.at(next) == ':') {
                frames.back().lastKey = Decoded(json.mid(at, end - at + 1));
                keys.push_back({frames.back().path, frames.back().lastKey, line});
            }
            line += int(std::count(json.begin() + at, json.begin() + end, '\n'));
            at = end;
        }
    }
    return keys;
}

QString Suggestion(const QString& given, const QStringList& known)
{
    const int near = std::max<int>(2, int(given.size()) / 3);
    int best = near + 1;
    QString closest;
    // A name far longer than any known one is no typo of it, and comparing costs its length.
    for (const QString& name : given.size() > 64 ? QStringList() : known) {
        const int distance = Distance(given, name);
        if (distance < best) {
            best = distance;
            closest = name;
        }
    }
    if (!closest.isEmpty())
        return Text::tr(" (did you mean \"%1\"?)").arg(closest);
    if (!known.isEmpty() && known.size() <= 12)
        return Text::tr(" (one of: %1)").arg(known.join(u", "_s));
    return {};
}

} // namespace jsonkeys
