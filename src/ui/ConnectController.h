#pragma once

#include "rcon/Exchange.h"
#include "rcon/OutputSink.h"

#include <QHostAddress>
#include <QObject>

class QHostInfo;

class Session;
class LogActions;
struct MainWidgets;
struct Pages;

// The connect button: connects to the server typed in the connection row and disconnects.
class ConnectController : public QObject {
    Q_OBJECT
public:
    ConnectController(Session& session, MainWidgets& widgets, Pages& pages, LogActions& logs,
                      QObject* parent = nullptr);

    // Connects to the server of the connection row, or disconnects.
    void connectClicked();

    // The connection fields cannot be changed by the operator.
    bool fieldsLocked() const { return m_locked; }

signals:
    // A connect sequence ended: connected, refused, or cut short by a disconnect.
    void connectEnded();
    // The connect read the server's game type and map.
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

    void connectToServer();
    void lookedUp(const Target& target, const QHostInfo& info);
    void openAndProbe(const Target& target, const QHostAddress& address);
    void probeAnswered(const Target& target, const Reply& reply);
    void readGameStatus(bool quietly);
    void readRotation(bool quietly);
    void readCfgFiles(bool quietly);
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
    Pages& m_pages;
    LogActions& m_logs;
    bool m_locked = false;
    // From the first request of a connect (after the field checks) to its end.
    bool m_sequenceRunning = false;
};
