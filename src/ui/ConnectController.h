#pragma once

#include "rcon/Exchange.h"
#include "rcon/OutputSink.h"
#include "rcon/Plan.h"

#include <QHostAddress>
#include <QObject>
#include <QTimer>

class QHostInfo;

class Session;
class LogActions;
struct MainWidgets;
struct Pages;

// The connect button: connects to the server typed in the connection row and disconnects.
// What it reads of the server it tells through the session's signals, which the pages hear.
class ConnectController : public QObject {
    Q_OBJECT
public:
    ConnectController(Session& session, MainWidgets& widgets, LogActions& logs,
                      QObject* parent = nullptr);

    // Connects to the server of the connection row, or disconnects.
    void connectClicked();

    // The connection fields cannot be changed by the operator.
    bool fieldsLocked() const { return m_locked; }

signals:
    // A connect sequence ended: connected, refused, or cut short by a disconnect.
    void connectEnded();
    // The connect, or the read after a map load, read the server's game type and map; both
    // are empty while a map loads (what was read before no longer holds).
    void gameStatusRead(const QString& gametype, const QString& map);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a connect stands once the fields are read.
    struct Target {
        QString server;
        QString portText;
        quint16 port = 0;
        bool quietly = false; // the start-up connects: no notices, no replies in the pane
    };

    // A retry follows a connect that found no remote console: the logs stay as they are.
    void connectToServer(bool retry = false);
    void lookedUp(const Target& target, const QHostInfo& info);
    void openAndProbe(const Target& target, const QHostAddress& address);
    ReadResult probeRead(const Target& target, const Reply& reply, const Outcome& outcome);
    Step publicStatusStep(const Target& target);
    void offerRetry(const Target& target, bool publicQueryAnswered);
    void mapLoaded();
    void rereadGameStatus();
    void finishConnect(bool quietly);
    void disconnectFromServer();
    void onClosedByError(const QString& description);
    void saveAndClearLogs();
    void refuse(const QString& text, const QString& title);
    void closeAndStop();
    // Ends the connect sequence under way, if any, with connectEnded().
    void endSequence();
    void setFieldsLocked(bool locked);
    void progress(const QString& text, ProgressMode mode, bool quietly);

    Session& m_session;
    MainWidgets& m_widgets;
    LogActions& m_logs;
    bool m_locked = false;
    // From the first request of a connect (after the field checks) to its end.
    bool m_sequenceRunning = false;
    // Counts the connects, so that the end of one a retry replaced is told apart.
    int m_connectRuns = 0;
    // After a map load: the wait for the server to load, and the work of the read that
    // follows (a context of its own, so that a connect's work is not taken for it).
    QTimer m_reloadWait;
    QObject m_rereadWork;
};
