// The editor's entry point: one optional argument, the path of the game executable.
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/QtAsker.h"
#include "ui/SplashWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int SplashIntervalMs = 3500;

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2) {
        std::fprintf(stderr, "usage: kestrel [path/to/ufo.exe]\n");
        return 2;
    }
    // Dialogs and menus are windows of their own; the application font reaches them too.
    QApplication::setFont(fonts::TerminalFont());

    QtAsker asker;
    MainWindow mainWindow(asker);
    asker.SetParent(&mainWindow);

    SplashWindow splash(SplashIntervalMs);
    QObject::connect(&splash, &SplashWindow::Dismissed, &mainWindow, [&mainWindow, &arguments] {
        mainWindow.show();
        if (arguments.size() == 2) {
            const QString exePath = arguments.at(1);
            QTimer::singleShot(0, &mainWindow, [&mainWindow, exePath] { (void)mainWindow.LoadFrom(exePath); });
        }
    });
    splash.show();
    return QApplication::exec();
}
