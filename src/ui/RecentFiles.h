// The "Open &Recent" submenu: the executables loaded last, newest first, kept with QSettings.
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

class RecentFiles final : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxEntries = 5;

    // Fills the menu and keeps it current; the menu owns this object.
    explicit RecentFiles(QMenu& menu);

    // Puts the executable first, dropping an older entry for the same file and the oldest
    // past MaxEntries.
    void Add(const QString& exePath);
    void Clear();
    [[nodiscard]] QStringList Paths() const;

signals:
    void Chosen(const QString& exePath);

private:
    void Store(const QStringList& paths);
    // Rebuilt whenever the menu opens, so an entry whose file has gone since is disabled.
    void Refill();

    QMenu& m_menu;
};
