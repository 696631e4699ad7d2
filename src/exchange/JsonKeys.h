// The keys of a JSON text as written, with their lines. A parsed document keeps only the
// last of two equal keys and no positions; a change set must refuse the first and name
// the line of either.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace jsonkeys {

struct Key {
    QString path;  // of the object holding it: "" for the top, "/mod", "/changes/3"
    QString name;
    int line = 1;
};

// Every key of every object in document order. The text must already have parsed as JSON.
[[nodiscard]] std::vector<Key> All(const QByteArray& json);

// " (did you mean "was"?)" for a near miss among known, else " (one of: a, b, c)" where
// there are few, else nothing.
[[nodiscard]] QString Suggestion(const QString& given, const QStringList& known);

} // namespace jsonkeys
