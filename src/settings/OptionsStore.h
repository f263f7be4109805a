#pragma once

#include "Options.h"

#include <QStringList>

class ProfileFile;

namespace optionkeys {
inline const QString section = QStringLiteral("options");
}

// Reads the eighteen keys of section "options" with the settings file's rules.
Options loadOptions(const ProfileFile& file);
// Writes one switch of section "options" as "1" or "0"; false when the file could not be
// written.
bool writeOptionSwitch(ProfileFile& file, const QString& key, bool on);

// The say-prefix user name of section "Remoteuser", key "user".
QString readRemoteUser(const ProfileFile& file);
bool writeRemoteUser(ProfileFile& file, const QString& user);
