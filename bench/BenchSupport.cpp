// The offscreen application shared by the window benchmarks.
#include "BenchSupport.h"

#include <QApplication>

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
}
