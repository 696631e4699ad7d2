// Files a hostile mod archive could hand the editor in place of a change set or a table:
// each must be refused at once, with its reason, before anything reads it whole.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <vector>

struct HostileFile {
    const char* what;
    QString path;
    QString message;  // what the refusal says, in part
};

class HostileFiles {
public:
    // The files under the name fileName ("mod.json", "units.csv") in a folder of their
    // own, and longName: a file of that name whose contents name a 5,000,000-character
    // table or field, refused with longNameMessage.
    HostileFiles(const QString& fileName, const QByteArray& longName, const QString& longNameMessage);

    [[nodiscard]] bool IsValid() const { return m_valid; }
    [[nodiscard]] const std::vector<HostileFile>& Cases() const { return m_cases; }

private:
    std::array<QTemporaryDir, 4> m_folders;
    std::vector<HostileFile> m_cases;
    bool m_valid = true;
};

// A name far too long to show, and what a message shows of it: 60 characters and "…".
[[nodiscard]] QString HugeName();
[[nodiscard]] QString HugeNameQuoted();
