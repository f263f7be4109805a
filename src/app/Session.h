#pragma once

#include "ActionAudit.h"
#include "SharedState.h"
#include "rcon/OutputSink.h"
#include "rcon/PlanRunner.h"
#include "rcon/RconClient.h"

#include <QObject>

class Dialogs;

enum class ConnectionState { Disconnected, Connecting, Connected };

// One server as every page of its workspace works with it: its command client and connection
// state, its own state and the one all servers share, the dialogs and its outputs.
class Session : public QObject {
    Q_OBJECT
public:
    Session(Dialogs& dialogs, OutputSink& out, SharedState& shared, QObject* parent = nullptr);

    // What all servers share.
    SharedState& state() { return m_shared; }
    // What is this server's own.
    ServerState& server() { return m_server; }
    RconClient& client() { return m_client; }
    Dialogs& dialogs() { return m_dialogs; }
    OutputSink& out() { return m_out; }

    // The server as the operator typed it, "address:port", from the start of its connect on.
    QString serverName() const { return m_serverName; }
    void setServerName(const QString& name) { m_serverName = name; }

    ConnectionState connection() const { return m_connection; }
    bool isConnected() const { return m_connection == ConnectionState::Connected; }
    void setConnection(ConnectionState state);

    void addMessage(const QString& text);
    void appendRcon(const QString& text);
    void showProgress(const QString& text, ProgressMode mode = ProgressMode::Replace);
    void hideProgress();

    // Queues one request for context; see RconClient::send.
    void send(const Request& request, QObject* context, ReplyHandler done = {}) {
        m_client.send(request, context, std::move(done));
    }
    // Sends a plan for context; see runPlan. A map load or restart of the plan (a game-type
    // switch ends with one) that the server took is told by mapLoaded().
    // Every step that went is kept in the audit log with its outcome; `note` names the player
    // it was aimed at and the operator's reason.
    void run(const Plan& plan, QObject* context, PlanHandler done = {}, StepHandler onStep = {},
             const AuditNote& note = {});
    // Keeps an action in the audit log (when a history is kept): `kind` empty files it by its
    // command, and a read is not kept.
    void record(const Request& request, const Outcome& outcome, const AuditNote& note = {},
                const QString& kind = {});
    // Keeps the players of a status report in the history.
    void recordSightings(const QList<Sighting>& seen);

signals:
    void connectionChanged(ConnectionState state);
    // The server took the password: the connect goes on to read its details.
    void connected();
    // A connection that was made has ended (a connect that failed never made one).
    void disconnected();
    // What the connect read of the server: its rotation, its CFG files, then the end of it.
    void rotationRead(const QString& rotation);
    void cfgNamesRead(const QStringList& names);
    void detailsRead();
    // The server began to load a map: what was read of its game type and map is out of date.
    void mapLoaded();

private:
    void passwordRefused();

    Dialogs& m_dialogs;
    OutputSink& m_out;
    SharedState& m_shared;
    ServerState m_server;
    RconClient m_client;
    QString m_serverName;
    ConnectionState m_connection = ConnectionState::Disconnected;
    bool m_passwordRefusalSaid = false; // once a connection
};
