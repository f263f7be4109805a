#pragma once

#include "SharedState.h"
#include "rcon/RconChannel.h"

#include <QObject>

class Dialogs;
class OutputSink;

// What every page works with: the shared state, the command channel, the dialogs and the
// three outputs, and the connected state (the tag of the connect button).
class Session : public QObject {
    Q_OBJECT
public:
    Session(Dialogs& dialogs, OutputSink& out, QObject* parent = nullptr);

    SharedState& state() { return m_state; }
    RconChannel& channel() { return m_channel; }
    Dialogs& dialogs() { return m_dialogs; }
    OutputSink& out() { return m_out; }

    // "YES" while connected, "NO" otherwise.
    QString connectTag() const { return m_connectTag; }
    bool isConnected() const { return m_connectTag == QLatin1String("YES"); }
    void setConnectTag(const QString& tag);

    // Shortcuts to the channel and outputs.
    void sendinfo(const QString& comm, bool quietmode = false) {
        m_channel.sendinfo(comm, quietmode);
    }
    void addmessage(const QString& text);
    void addrcon(const QString& text);
    void showprogress(const QString& text, const QString& mode);
    QString getquoted(const QString& key) const { return ::getquoted(m_state.response, key); }
    // The last send never left: no open socket, or no route to the server. Sequences stop
    // there, so nothing is logged as done that was not sent.
    bool sendRefused() const { return m_state.notconnected || m_state.noroute; }

signals:
    void connectTagChanged(const QString& tag);

private:
    Dialogs& m_dialogs;
    OutputSink& m_out;
    SharedState m_state;
    RconChannel m_channel;
    QString m_connectTag = QStringLiteral("NO");
};
