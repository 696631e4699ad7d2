// The recent executables, kept under one QSettings key, and the submenu that lists them.
#include "ui/RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString SettingsKey = u"RecentFiles"_s;

} // namespace

RecentFiles::RecentFiles(QMenu& menu)
    : QObject(&menu)
    , m_menu(menu)
{
    connect(&m_menu, &QMenu::aboutToShow, this, &RecentFiles::Refill);
    Refill();
}

QStringList RecentFiles::Paths() const
{
    QStringList paths = QSettings().value(SettingsKey).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, MaxEntries);
}

void RecentFiles::Add(const QString& exePath)
{
    const QString path = QFileInfo(exePath).absoluteFilePath();
    QStringList paths = Paths();
    // Loading the file already at the top again changes nothing: the settings file is not
    // written (and synced to disk) on every load.
    if (!paths.isEmpty() && paths.front() == path)
        return;
    paths.removeAll(path);
    paths.prepend(path);
    Store(paths.mid(0, MaxEntries));
}

void RecentFiles::Clear()
{
    Store({});
}

void RecentFiles::Store(const QStringList& paths)
{
    QSettings settings;
    if (paths.isEmpty())
        settings.remove(SettingsKey);
    else
        settings.setValue(SettingsKey, paths);
    Refill();
}

void RecentFiles::Refill()
{
    // Later, not now: the action being triggered may be the one that brought us here.
    for (QAction* old : m_menu.actions()) {
        m_menu.removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    const QStringList paths = Paths();
    for (int index = 0; index < paths.size(); ++index) {
        const QString& path = paths[index];
        // A path may hold '&', which a menu caption would take for a mnemonic.
        const QString shown = QDir::toNativeSeparators(path).replace(u'&', u"&&"_s);
        QAction* entry = m_menu.addAction(u"&%1 %2"_s.arg(index + 1).arg(shown));
        entry->setData(path);
        entry->setEnabled(QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, path] { emit Chosen(path); });
    }
    m_menu.addSeparator();
    QAction* clear = m_menu.addAction(tr("Clear Menu"));
    clear->setObjectName(u"mnuClearRecent"_s);
    clear->setEnabled(!paths.isEmpty());
    connect(clear, &QAction::triggered, this, &RecentFiles::Clear);
}
