#pragma once

#include "StatusParser.h"
#include "app/SharedState.h"
#include "rcon/Plan.h"
#include "settings/Options.h"

#include <QList>
#include <QStringList>

// The kicks a refresh owes the 999 watch, step by step with the slot each one goes to.
struct DueKicks {
    Plan plan;
    QStringList kickedSlots;
};

// Takes the players due off the watch and cleans it up after the report `shown` was listed.
// A kick goes by slot: only to a player that report shows in the slot. A listing taken during
// a map change (`mapChange`) kicks nobody, and with the option off nothing is watched any more.
DueKicks dueAutoKicks(QList<Player999Entry>& watched, const StatusReport& shown,
                      const Options& options, bool mapChange);
