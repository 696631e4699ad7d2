// A sample install in a temporary folder that disappears with the test.
#pragma once

#include "sample/SampleInstall.h"

#include <QTemporaryDir>

class InstallFixture {
public:
    // Writes an install of the build into <temporary folder>/install.
    explicit InstallFixture(GameVersion version = GameVersion::CollectorsEdition, const SampleOptions& options = {});

    [[nodiscard]] bool IsValid() const { return m_paths.has_value(); }
    [[nodiscard]] const SamplePaths& Paths() const { return *m_paths; }
    // The temporary folder that holds this install and any added beside it.
    [[nodiscard]] QString Root() const { return m_dir.path(); }

    // Writes another install into <temporary folder>/<name>.
    [[nodiscard]] std::optional<SamplePaths> AddInstall(const QString& name, GameVersion version,
                                                        const SampleOptions& options = {}) const;

private:
    QTemporaryDir m_dir;
    std::optional<SamplePaths> m_paths;
};
