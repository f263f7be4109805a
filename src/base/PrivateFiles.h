#pragma once

#include <QFile>
#include <QString>

// The program's own files (settings, logs, player list, window state) are readable by their
// owner only: they hold RCON passwords and what was said and done on the server.
namespace privatefiles {

inline constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates the folder that is to hold `filePath`, with every missing folder above it, each
// open to its owner only. True when the folder is there.
bool makeFolderFor(const QString& filePath);
// The same for a folder of the program's own (the one of the logs and the player list): when
// it was there already, with a wider mode, it is made its owner's only too.
bool makePrivateFolderFor(const QString& filePath);

// Opens the file to add to its end; a new file is its owner's only, and one that was there
// already is made so before anything is written. The folder must exist.
bool openForAppend(QFile& file);

// Makes the file its owner's only before another writer (one that keeps the mode of the file it
// replaces) fills it: an empty one is created when there is none. True when it is so.
bool makeOwnerOnly(const QString& path);

// Removes the lock file ("<path>.lock") that a program killed while it wrote the file left
// beside it; the lock of a program that still runs stays.
void removeStaleLock(const QString& path);

} // namespace privatefiles
