#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// One player as one status report showed them.
struct Sighting {
    int slot = -1;
    QString name;      // as sent, colour codes kept
    QString cleanName; // colour codes removed
    QString address;   // IP without port, may be empty
    QString guid;      // may be empty
};

// One thing an operator did to a server, and what came of it.
struct ActionRecord {
    QDateTime at;
    QString server;         // "host:port"
    QString operatorUser;   // the system user name
    QString operatorPrefix; // the prefix of the operator's messages
    // "kick", "ban", "tempban", "tell", "map", "setting", "cfg", "broadcast", "console",
    // "restart"
    QString kind;
    QString command; // what went on the wire; the password never
    // "taken", "taken at next map", "refused", "no answer", "not sent"
    QString outcome;
    QString serverWords; // the server's words for a refusal
    QString playerName;
    QString playerAddress;
    QString playerGuid;
    QString reason;
};

// What the history knows of one player.
struct PlayerHistory {
    QStringList otherNames;
    QDateTime firstSeen, lastSeen;
    QList<ActionRecord> kicksAndBans; // newest first
};

// The names that one address or one guid played under, on whichever server.
struct AliasGroup {
    QString address;
    QString guid;
    QStringList names;
    QStringList servers;
    QDateTime firstSeen, lastSeen;
};

// Which actions to list; an empty field or an invalid time does not narrow the list.
struct ActionFilter {
    QString server, operatorUser, kind;
    QDateTime from, to;
    int limit = 1000;
};

// Where the history is kept.
struct HistoryConfig {
    enum class Kind { Off, Sqlite, Postgres } kind = Kind::Off;
    QString sqlitePath;
    QString host;
    int port = 5432;
    QString database, user, password;
};

Q_DECLARE_METATYPE(Sighting)
Q_DECLARE_METATYPE(ActionRecord)
Q_DECLARE_METATYPE(PlayerHistory)
Q_DECLARE_METATYPE(AliasGroup)
