#pragma once

#include "rcon/LogFiles.h"

#include <QObject>

class Session;
class QPlainTextEdit;
class QListWidget;

// Clearing and saving the RCON pane and the message log. A save that is not interactive asks
// nothing, writes the dated file in the data folder and stays silent on failure.
class LogActions : public QObject {
    Q_OBJECT
public:
    LogActions(Session& session, QPlainTextEdit* rconPane, QListWidget* messageLog,
               QObject* parent = nullptr);

    void clearRcon();
    void clearMessages();
    void saveRcon(bool interactive = true) { save(logfiles::Kind::Rcon, interactive); }
    void saveMessages(bool interactive = true) { save(logfiles::Kind::Messages, interactive); }

    // The pane's text with its lines ended by CR LF, as it is saved.
    QString rconText() const;
    QString messageLogText() const;

private:
    void save(logfiles::Kind kind, bool interactive);

    Session& m_session;
    QPlainTextEdit* m_rconPane;
    QListWidget* m_messageLog;
};
