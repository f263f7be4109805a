#pragma once

#include "app/SharedState.h"
#include "players/AutoKickPlan.h"
#include "players/StatusParser.h"

#include <QObject>

class QCheckBox;
class QTimer;
class Session;

// Auto Update: the refresh timer ("tmrplayer") behind its box, and the 999 watch it feeds,
// whose players it kicks. Asks for each list through populateDue(); the listing tells it what
// it listed.
class AutoUpdate999 : public QObject {
    Q_OBJECT
public:
    // `listWork`: the context of the list's own exchanges, which a tick waits for.
    AutoUpdate999(Session& session, QCheckBox* box, const QObject* listWork, QObject* parent);

    // The option makes this server's lists come without boxes, until a disconnect ends its
    // auto update; its next connect starts it again. The option stays as it is.
    bool optionHolds() const;
    // A list read by the refresh, or while the option holds, shows no box or progress.
    bool quiet() const;

    // A listing begins: the watch starts a new cycle.
    void listingStarts();
    // A status report was listed (by a populate, or by a slot check that found the slot lost).
    void reportShown(const StatusReport& report);
    // The kicks that the report last shown makes due; the watch is cleaned up.
    DueKicks dueKicks();

    // One refresh: a populate whose listing is followed by the kicks due.
    void tick();

signals:
    // The refresh runs (the buttons that would compete with it are off) or stopped.
    void runningChanged(bool running);
    void populateDue(bool withKicks);

private:
    void toggled();
    // Connect: ticks the box, which starts the refresh.
    void start();
    // Disconnect: when the refresh runs, unticks the box and stops the timer; the shared
    // option stays as it is for the other servers and the next connect.
    void stopForDisconnect();
    int intervalMs() const;

    Session& m_session;
    QCheckBox* m_box;
    const QObject* m_listWork;
    QTimer* m_timer;
    bool m_optionEndedByDisconnect = false;
    // The last listing showed every player at 999: the server is changing maps, and that
    // says nothing about anyone's connection, so its refresh kicks nobody.
    bool m_mapChangeListing = false;
    // The players seen at ping 999, from one populate to the next.
    QList<Player999Entry> m_watched;
    // The report the grid shows: the kicks check their slots against it.
    StatusReport m_shownReport;
};
