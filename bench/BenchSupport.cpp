// The offscreen application shared by the window benchmarks.
#include "BenchSupport.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kestrel-bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    // Every load adds to the recent-files list; keep the user's own settings out of reach.
    static const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}
