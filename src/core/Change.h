// A change of the game files as a value: which bytes of which file became what, and what
// the user edited to make it so. The edit history undoes it, the Changes panel lists it
// and a change-set file carries it.
#pragma once

#include "core/FieldRef.h"
#include "core/GameFile.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct Change {
    GameFile file = GameFile::Executable;
    qsizetype offset = 0;
    // The bytes at offset before and after. A string entry's text may change length;
    // every other change keeps its size.
    QByteArray before;
    QByteArray after;
    // The value written, by key; empty for bytes in no field (a revert of a stray byte).
    FieldRef ref;

    [[nodiscard]] Change Inverse() const;
    [[nodiscard]] bool ChangesNothing() const { return before == after; }
};

// One step of the edit history: the changes a single user action made, in order.
struct Edit {
    QString text;  // "Sectoid Soldier: Time Units 54 → 80"
    std::vector<Change> changes;

    [[nodiscard]] Edit Inverse() const;
    [[nodiscard]] bool ChangesNothing() const;
    [[nodiscard]] bool Touches(const QString& table) const;
    [[nodiscard]] bool TouchesField(const QString& table, const QString& field) const;
};

namespace changes {

// One step of several changes, ordered so that each offset still holds when its turn
// comes: a string entry that changes length moves every entry after it, so the later
// entries of a file go first.
[[nodiscard]] Edit InApplyOrder(QString text, std::vector<Change> changes);

// A step's name, as the form and the table both give it: "Sectoid Soldier: Time Units
// 54 → 80", and for a name "Rename RIFLE CLIP to Rifle Clip".
[[nodiscard]] QString StepText(const QString& subject, const QString& field, const QString& before,
                               const QString& after);
[[nodiscard]] QString RenameText(const QString& subject, const QString& name);

} // namespace changes
