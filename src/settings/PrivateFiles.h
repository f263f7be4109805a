#pragma once

#include <QFile>
#include <QString>

// The program's own files (settings, logs, player list) are readable by their owner only:
// they hold RCON passwords and what was said and done on the server.
namespace privatefiles {

inline constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates the folder that is to hold `filePath`, with every missing folder above it, each
// open to its owner only. True when the folder is there.
bool makeFolderFor(const QString& filePath);

// Opens the file to add to its end; a new file is its owner's only. The folder must exist.
bool openForAppend(QFile& file);

} // namespace privatefiles
