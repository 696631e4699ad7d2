// Checking the settings file before QSettings opens it.
#include "core/SettingsFile.h"

#include "core/OutsideFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace settingsfile {

QString Refusal(const QString& path)
{
    // A link that leads nowhere is a file QSettings would create anew, as a missing one.
    if (!QFileInfo(path).exists())
        return {};
    return outsidefile::Refusal(path);
}

QStringList UserFiles()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString organization = QCoreApplication::organizationName();
    return {folder + u'/' + organization + u'/' + QCoreApplication::applicationName() + QStringLiteral(".conf"),
            folder + u'/' + organization + QStringLiteral(".conf")};
}

QString Unusable()
{
    for (const QString& path : UserFiles()) {
        if (const QString refusal = Refusal(path); !refusal.isEmpty())
            return QCoreApplication::translate("SettingsFile", "kestrel: %1 Starting with the default settings.")
                .arg(refusal);
    }
    return {};
}

void UseScratchFolder(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace settingsfile
