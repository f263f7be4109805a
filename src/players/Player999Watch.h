#pragma once

#include "app/SharedState.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <utility>

// The watch on players whose ping stands at 999 (not fully in the game). Every populate
// feeds it; the refresh tick kicks the players seen at 999 in enough populates in a row.
// Works on the shared list, so the entries live from one connect to the next.
//
// A watch that sees a whole report costs time in proportion to its rows: from its second
// look-up on it finds entries by name and slot in a hash, and the entries that leave the
// watch leave the shared list all in one pass, when the watch ends or at cleanUp(). Feed a
// report through one watch, not one watch per line.
class Player999Watch {
public:
    explicit Player999Watch(QList<Player999Entry>& entries);
    ~Player999Watch();
    Player999Watch(const Player999Watch&) = delete;
    Player999Watch& operator=(const Player999Watch&) = delete;

    // A new populate cycle begins: nobody has been seen yet.
    void clearSeen();
    // One player line of a populate. An entry is a player in a slot: the same name in
    // another slot is another player (names repeat, and a slot changes hands when a player
    // reconnects). At 999 the entry counts up (a new one starts at 1); any other ping takes
    // the player off the watch.
    void check(const QString& name, const QString& ping, const QString& num);
    // A listing that says nothing about single players (a map change, when every player
    // reads 999): the listed player keeps his entry and count, nobody is added; the refresh
    // of such a listing kicks nobody.
    void hold(const QString& name, const QString& num);

    // The entries seen in this cycle at 999 for `checks` populates or more, in watch order.
    QList<Player999Entry> due(int checks) const;
    // The kick went out: the entry leaves the watch at the clean-up.
    void markKicked(const Player999Entry& entry);
    // Drops every entry not seen in this cycle: kicked, recovered or gone.
    void cleanUp();

    // A populate listing two or more players, all at 999: the server is changing maps.
    static bool isMapChange(const QStringList& pings);

private:
    using Key = std::pair<QString, QString>; // name, slot

    qsizetype find(const QString& name, const QString& num);
    void index();
    bool hasLeft(qsizetype at) const;
    void leave(qsizetype at);
    // Takes the entries that left out of the shared list, keeping the order of the others.
    void compact();

    QList<Player999Entry>& m_entries;
    QHash<Key, qsizetype> m_at; // position of each entry on the watch, once indexed
    bool m_indexed = false;
    int m_lookups = 0;
    QList<bool> m_left; // entries that left, still in the list; empty while none did
};
