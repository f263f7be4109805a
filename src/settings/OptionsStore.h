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

// One entry of the saved-server list.
struct SavedServer {
    QString address;
    QString port;
    QString password;
    QString entry() const { return address + QLatin1Char(':') + port; }
};

// Servers 1, 2, ... up to the first without an address.
QList<SavedServer> readSavedServers(const ProfileFile& file);

// The outcome of writing the saved-server list: on failure nothing was written; failedPart
// names the first key not written ("Server"), with the file's error code and description.
struct ServerListWriteResult {
    bool ok = true;
    QString failedPart;
    int errorCode = 0;
    QString errorDescription;
};

// Writes entries ("address:port") and passwords as keys 1..n and blanks the keys up to
// previousCount so that removed servers are gone at the next start-up, all in one replace of
// the file. An entry whose address is blank is left out.
ServerListWriteResult writeSavedServers(ProfileFile& file, const QStringList& entries,
                                        const QStringList& passwords, int previousCount);

// The say-prefix user name of section "Remoteuser", key "user".
QString readRemoteUser(const ProfileFile& file);
bool writeRemoteUser(ProfileFile& file, const QString& user);
