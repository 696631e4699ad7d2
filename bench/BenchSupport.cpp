// The offscreen application and the loaded window shared by the window benchmarks.
#include "BenchSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSettings>
#include <QTabWidget>

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

namespace bench {

void Choose(const MainWindow& window, const char* combo, int index)
{
    auto* box = Find<QComboBox>(window, combo);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void ShowTab(const MainWindow& window, int tab)
{
    Find<QTabWidget>(window, "tabFac")->setCurrentIndex(tab);
}

void DoubleClickRow(const MainWindow& window, const char* list, int row)
{
    auto* rows = Find<QListWidget>(window, list);
    rows->setCurrentRow(row);
    emit rows->itemDoubleClicked(rows->item(row));
}

} // namespace bench

void WindowFixture::OpenWindow(GameVersion version)
{
    EnsureApplication();
    m_paths = sample::WriteInstall(m_dir.path(), version);
    m_window = std::make_unique<MainWindow>(m_asker);
    m_window->show();
    m_window->LoadFrom(m_paths->exePath);
    QApplication::processEvents();
}
