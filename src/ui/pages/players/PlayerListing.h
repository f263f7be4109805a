#pragma once

#include "players/StatusParser.h"

#include <QObject>

class AutoUpdate999;
class PlayerGrid;
class QCheckBox;
struct Reply;
class Session;

// Fills the grid: the status report, or the public status query in Query Mode. Every status
// report listed also feeds the 999 watch and goes into the history as sightings.
class PlayerListing : public QObject {
    Q_OBJECT
public:
    struct Switches {
        QCheckBox* plainNames; // "Remove colour id"
        QCheckBox* queryMode;
    };
    // `listWork`: the context of the list's own exchanges, the populate and the kicks of a
    // refresh. A populate waits for these only; a kick or a message the operator sent meanwhile
    // does not hold the list back.
    PlayerListing(Session& session, PlayerGrid& grid, AutoUpdate999& autoUpdate, Switches switches,
                  QObject* listWork, QObject* parent);

    // Asks for the list, then (`withKicks`) kicks the players the 999 watch has due. Quiet (no
    // boxes, no progress notice) while the list updates itself.
    void populate(bool withKicks);

    // Lists a status report in the grid and feeds it to the 999 watch.
    void showReport(const StatusReport& report);
    // Keeps the players of a status report read, for whatever reason, in the history.
    void recordSightings(const StatusReport& report);
    // The box for a status reply that gave no whole list.
    void sayReportFault(const QString& reply, const StatusReport& report);

private:
    // Lists a reply; false when it held no list, which leaves the grid as it was.
    bool list(const Reply& reply, bool queryMode, bool interactive);
    bool listStatusReply(const QString& reply, bool interactive);
    void listQueryReply(const QString& reply);

    Session& m_session;
    PlayerGrid& m_grid;
    AutoUpdate999& m_autoUpdate;
    Switches m_switches;
    QObject* m_listWork;
};
