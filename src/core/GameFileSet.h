// The one loaded installation of the game: the four files every install has and the
// string files of its other languages, each as a working buffer the editors change and a
// pristine copy kept exactly as read.
#pragma once

#include "core/GameFile.h"
#include "core/GameVersion.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file on disk held when this program last read or wrote it.
struct DiskStamp {
    qint64 size = -1;
    QDateTime modified;
    // The contents themselves, shared with the buffer they were read into or written from:
    // no copy until that buffer is edited, and comparing them costs less than hashing.
    QByteArray contents;
};

struct GameBuffer {
    QByteArray working;
    // The file as the load read it: what the backups write, whatever was saved since.
    QByteArray pristine;
    // The file as it is on disk as far as this program knows: as loaded, then as saved.
    // Saving checks it first, so another program's change is never written over unasked.
    DiskStamp onDisk;
    // The file this buffer was read from, exactly as found on disk (case included);
    // empty until a load read it. Saving writes the buffer back here and nowhere else.
    QString sourcePath;
    // The data root of the load that read this buffer. A later load that stopped early
    // may leave a buffer from another installation behind; this tells them apart.
    QString installRoot;

    [[nodiscard]] bool IsLoaded() const { return !sourcePath.isEmpty(); }
    void Accept(const QByteArray& bytes, const QString& path, const QString& root);
};

struct GameFileSet {
    GameVersion Version = GameVersion::None;
    QString ExePath;
    QString DataRoot;

    // Counts the loads that accepted an executable, so a caller can tell whether a load
    // replaced anything.
    int AcceptedLoads = 0;

    GameBuffer ExeImage;
    GameBuffer ItemTable;
    GameBuffer EnglishTable;
    GameBuffer English2Table;
    // Read only when the install has both files of the language; empty otherwise.
    GameBuffer GermanTable;
    GameBuffer German2Table;
    GameBuffer FrenchTable;
    GameBuffer French2Table;

    // True when the buffer was read from the installation now loaded (ExePath, DataRoot),
    // so writing it back cannot land foreign or empty contents in this installation.
    [[nodiscard]] bool BelongsToCurrentInstall(const GameBuffer& buffer) const;

    [[nodiscard]] bool HasExecutable() const { return Version != GameVersion::None; }

    [[nodiscard]] GameBuffer& Buffer(GameFile file);
    [[nodiscard]] const GameBuffer& Buffer(GameFile file) const;

    // Forgets the data files, so only those the next steps of a load read are ever saved.
    void DropDataFiles();
};
