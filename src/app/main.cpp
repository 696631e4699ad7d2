// The editor's entry point: the command line, the application's identity, and the windows.
#include "core/SettingsFile.h"
#include "core/Version.h"
#include "ui/CommandLine.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/QtAsker.h"
#include "ui/SplashWindow.h"
#include "ui/Translations.h"
#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QIcon>
#include <QTemporaryDir>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int SplashIntervalMs = 3500;

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    // Parsed before the application object exists, so --help, --version and a wrong
    // command line answer without a display and before any window opens; Qt's own
    // options are left to QApplication.
    const CommandLine commandLine = commandline::Parse(commandline::WithoutQtOptions(ArgumentsOf(argc, argv)));
    if (commandLine.action != CommandLine::Action::Run) {
        const QByteArray text = commandLine.text.toLocal8Bit();
        std::fputs(text.constData(), commandLine.action == CommandLine::Action::WrongUsage ? stderr : stdout);
        return commandLine.ExitStatus();
    }

    QApplication app(argc, argv);
    // Settings land in ~/.config/xcom-kestrel/kestrel.conf; the desktop file name lets the
    // desktop match the windows to the installed menu entry and its icon.
    QApplication::setOrganizationName(u"xcom-kestrel"_s);
    QApplication::setApplicationName(u"kestrel"_s);
    QApplication::setApplicationVersion(u"" KESTREL_VERSION ""_s);
    QGuiApplication::setDesktopFileName(u"" KESTREL_APP_ID ""_s);
    // Dialogs and menus are windows of their own; the application font reaches them too.
    QApplication::setFont(fonts::TerminalFont());
    // Checked before anything opens the settings: a named pipe there would hold up the start.
    std::optional<QTemporaryDir> scratchSettings;
    if (const QString unusable = settingsfile::Unusable(); !unusable.isEmpty()) {
        scratchSettings.emplace();
        settingsfile::UseScratchFolder(scratchSettings->path());
        std::fputs((unusable + u'\n').toLocal8Bit().constData(), stderr);
    }
    translations::Install(app, QLocale::system());

    QtAsker asker;
    std::optional<MainWindow> mainWindow;
    const auto ensureMainWindow = [&mainWindow, &asker]() -> MainWindow& {
        if (!mainWindow) {
            mainWindow.emplace(asker);
            asker.SetParent(&*mainWindow);
            placement::Restore(*mainWindow);
        }
        return *mainWindow;
    };
    // Reading the icon looks through every image format plugin Qt has.
    const auto setIcon = [] { QApplication::setWindowIcon(QIcon(u":/icons/kestrel.png"_s)); };
    const auto openMainWindow = [ensureMainWindow, exePath = commandLine.exePath] {
        MainWindow& window = ensureMainWindow();
        window.show();
        if (!exePath.isEmpty())
            QTimer::singleShot(0, &window, [&window, exePath] { window.LoadFromUser(exePath); });
    };
    std::optional<SplashWindow> splash;
    if (commandLine.splash) {
        splash.emplace(SplashIntervalMs);
        QObject::connect(&*splash, &SplashWindow::Dismissed, &app, openMainWindow);
        splash->show();
        // The icon and the main window with its six tabs come while the splash is up, not
        // before it shows: together they took as long as the rest of the start.
        QTimer::singleShot(0, &app, [setIcon, ensureMainWindow] {
            setIcon();
            (void)ensureMainWindow();
        });
    } else {
        setIcon();
        openMainWindow();
    }
    const int status = QApplication::exec();
    if (mainWindow)
        placement::Save(*mainWindow);
    return status;
}
