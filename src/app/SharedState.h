#pragma once

#include "history/HistoryStore.h"
#include "settings/FileLocations.h"
#include "settings/Options.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class MessageSets;

// One entry of the watch list of players seen at ping 999.
struct Player999Entry {
    qint16 count = 0;
    QString name;
    QString num;
    bool seen = false;
};

// What every server's workspace shares: the files, the options and the message sets. The
// window owns one; each server's session refers to it.
struct SharedState {
    bool loading = false; // the start-up runs

    FileLocations files;
    Options options;
    // The prefix of the operator's messages, as typed beside the message button.
    QString userPrefix;
    // The team's memory of players and actions; null or off: nothing is kept.
    QPointer<HistoryStore> history;

    // The message sets, one for all servers; MessageSets::of makes them when first asked for.
    std::shared_ptr<MessageSets> messageSets;
};

// What belongs to one server: its cycler's place.
struct ServerState {
    qint16 cycleSet = 0;
    qint16 cycleMinutes = 0;
    qint16 cyclePosition = 0;
};
