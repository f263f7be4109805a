#pragma once

#include "history/HistoryStore.h"
#include "settings/FileLocations.h"
#include "settings/Options.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

// One entry of the watch list of players seen at ping 999.
struct Player999Entry {
    qint16 count = 0;
    QString name;
    QString num;
    bool seen = false;
};

inline constexpr int kMessageSetSlots = 10;

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

    // Message sets: ten slots, the saved copy (as in the file) and the working copy.
    QList<QStringList> savedSets = QList<QStringList>(kMessageSetSlots);
    QList<QStringList> workingSets = QList<QStringList>(kMessageSetSlots);
    QStringList savedSetNames = QStringList(kMessageSetSlots);
    QStringList workingSetNames = QStringList(kMessageSetSlots);
    qint16 setCount = 0;
    qint16 shownSet = 0;
    bool messageEditing = false;
    // The working copy holds changes the file has not.
    bool setsPending = false;
    // The Messages page (of whichever server's workspace) that last changed the working copy
    // or the set shown: another page shows the copy afresh when it comes into view.
    const void* setsEditor = nullptr;
};

// What belongs to one server: its cycler's place.
struct ServerState {
    qint16 cycleSet = 0;
    qint16 cycleMinutes = 0;
    qint16 cyclePosition = 0;
};
