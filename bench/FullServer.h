// The players of a full server for the benchmarks that need one.
#pragma once

#include "simserver/SimServer.h"

// 64 players in 64 slots, coloured names, pings 40 to 103.
inline QList<SimPlayer> fullServer() {
    QList<SimPlayer> players;
    for (int i = 0; i < 64; ++i) {
        SimPlayer p;
        p.num = i;
        p.score = i;
        p.ping = QString::number(40 + i);
        p.guid = QString::number(100000 + i);
        p.name = QStringLiteral("^1Player^7 %1").arg(i);
        p.address = QStringLiteral("192.0.2.%1:28960").arg(i + 1);
        players << p;
    }
    return players;
}
