#pragma once

#include "rcon/LogFiles.h"

#include <QObject>

class Session;
class QPlainTextEdit;
class QListWidget;

// Clearing and saving the RCON pane and the message log. While the shared `automode` is
// raised a save asks nothing, writes the dated file in the data folder and stays silent
// on failure.
class LogActions : public QObject {
    Q_OBJECT
public:
    LogActions(Session& session, QPlainTextEdit* rconPane, QListWidget* messageLog,
               QObject* parent = nullptr);

    void clearRcon();
    void clearMessages();
    void saveRcon() { save(logfiles::Kind::Rcon); }
    void saveMessages() { save(logfiles::Kind::Messages); }

    // The pane's text with its lines ended by CR LF, as it is saved.
    QString rconText() const;
    QString messageLogText() const;

private:
    void save(logfiles::Kind kind);

    Session& m_session;
    QPlainTextEdit* m_rconPane;
    QListWidget* m_messageLog;
};
