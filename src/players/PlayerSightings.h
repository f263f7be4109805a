#pragma once

#include "StatusParser.h"
#include "history/HistoryTypes.h"

#include <QList>
#include <QString>

// The players of a status report as the history keeps them. Query Mode rows are never turned
// into sightings: they carry a name and nothing else, and a name alone is anyone's to type, so
// the history could tie it to no player and a look-up by name would mix strangers together.
QList<Sighting> sightingsOf(const StatusReport& report);

// The IP address of a status report's "address:port"; empty for what is no IP address (a
// bot, "loopback"), which would otherwise join unrelated players under one address.
QString playerIp(const QString& address);
