#pragma once

#include "ServerRecord.h"

class ProfileFile;

// The outcome of writing the saved-server list: on failure nothing was written; failedPart
// names the first key not written ("Server"), with the file's error code and description.
struct ServerListWriteResult {
    bool ok = true;
    QString failedPart;
    int errorCode = 0;
    QString errorDescription;
};

// The saved servers of the settings file as records. The address, port and password keep the
// sections every version reads ([servers] server1.., [ports] port1.., [rcon] rcon1..); the
// operator's name and the connect-at-start switch sit beside them, numbered the same way
// ([names] name1.., [startup] connect1..), so an older version still finds its list.
//
// A file no version with records has written yet (no [startup] section) keeps its single
// start-up server in the options autoconnect, autoconnectserv, autoconnectport and
// autoconnectrcon: that server, matched by address (any letter case) and port, connects at
// start; when the list does not hold it, it is added at the end.
ServerRecords readServerRecords(const ProfileFile& file);

// The records with the start-up server of the options (an automatic connect to address and
// port) marked: the listed server, matched by address in any letter case and by port, connects
// at start or no longer does; an unlisted one is added at the end when it is to connect.
ServerRecords withStartupServer(ServerRecords records, bool connect, const QString& address,
                                const QString& port, const QString& password);

// Writes the records as keys 1..n and blanks the keys up to previousCount, all in one replace
// of the file, so a server never goes without its port and password and a removed one is gone
// at the next start-up. A record whose address is blank is left out (it would end the list for
// the reader). On failure nothing was written.
ServerListWriteResult writeServerRecords(ProfileFile& file, const ServerRecords& records,
                                         int previousCount);
