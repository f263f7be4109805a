#pragma once

#include <QList>
#include <QString>

// One saved server as the operator keeps it in the server list.
struct ServerRecord {
    QString address;  // a host name or an IP address, as typed
    QString port;     // as typed; checked when the server is opened
    QString password; // the RCON password
    QString name;     // the operator's own name for it; may be empty
    bool connectAtStart = false;

    // "address:port", the key the rest of the program knows a server by.
    QString entry() const { return address + QLatin1Char(':') + port; }
    // What the list shows when the server has not answered yet.
    QString title() const { return name.isEmpty() ? entry() : name; }

    friend bool operator==(const ServerRecord&, const ServerRecord&) = default;
};

using ServerRecords = QList<ServerRecord>;
