// The editor's entry point: one optional argument, the path of the game executable.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("UFO.EXE Editor"));
    window.setWindowTitle(QStringLiteral("UFO.EXE Editor"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
