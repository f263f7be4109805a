#pragma once

#include "HistoryTypes.h"

// One sighting as a search reads it.
struct SightingRow {
    qint64 id = 0;
    QString server, address, guid, cleanName;
    QDateTime firstSeen, lastSeen;
};

// The rows joined into players: rows that share an address or a guid are one player, so far as
// the rows show it; a row with neither is its name's. Newest player first, and within one the
// newest name, address and guid first. A row given twice counts once.
QList<AliasGroup> groupAliases(const QList<SightingRow>& rows);
