// A sample install in a temporary folder.
#include "support/InstallFixture.h"

#include <QDir>

InstallFixture::InstallFixture(GameVersion version, const SampleOptions& options)
{
    if (m_dir.isValid())
        m_paths = AddInstall(QStringLiteral("install"), version, options);
}

std::optional<SamplePaths> InstallFixture::AddInstall(const QString& name, GameVersion version,
                                                      const SampleOptions& options) const
{
    return sample::WriteInstall(QDir(m_dir.path()).filePath(name), version, options);
}
