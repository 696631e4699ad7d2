// The Mods panel's list, kept with the window's settings for each executable: which
// files, in which order, and which are ticked.
#pragma once

#include <QString>

#include <vector>

namespace modsettings {

struct Listed {
    QString path;
    bool enabled = true;
    bool operator==(const Listed&) const = default;
};

[[nodiscard]] std::vector<Listed> Load(const QString& exePath);
void Store(const QString& exePath, const std::vector<Listed>& mods);

} // namespace modsettings
