// Inverting changes and asking what a step touched.
#include "core/Change.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The texts the window shows, in the interface's language (kestrel-cli never installs a translator).
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Change)
};

} // namespace

Change Change::Inverse() const
{
    Change inverse = *this;
    std::swap(inverse.before, inverse.after);
    return inverse;
}

Edit Edit::Inverse() const
{
    Edit inverse{text, {}};
    inverse.changes.reserve(changes.size());
    for (auto it = changes.rbegin(); it != changes.rend(); ++it)
        inverse.changes.push_back(it->Inverse());
    return inverse;
}

bool Edit::ChangesNothing() const
{
    return std::all_of(changes.begin(), changes.end(), [](const Change& change) { return change.ChangesNothing(); });
}

bool Edit::Touches(const QString& table) const
{
    return std::any_of(changes.begin(), changes.end(),
                       [&](const Change& change) { return change.ref.table == table || change.ref.IsEmpty(); });
}

bool Edit::TouchesField(const QString& table, const QString& field) const
{
    return std::any_of(changes.begin(), changes.end(), [&](const Change& change) {
        return change.ref.IsEmpty() || (change.ref.table == table && change.ref.field == field);
    });
}

namespace changes {

Edit InApplyOrder(QString text, std::vector<Change> changes)
{
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.file == b.file ? a.offset > b.offset : a.file < b.file;
    });
    return {std::move(text), std::move(changes)};
}

QString StepText(const QString& subject, const QString& field, const QString& before, const QString& after)
{
    return QStringLiteral("%1: %2 %3 \u2192 %4").arg(subject, field, before, after);
}

QString RenameText(const QString& subject, const QString& name)
{
    return Text::tr("Rename %1 to %2").arg(subject, name);
}

} // namespace changes
