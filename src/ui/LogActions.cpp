#include "LogActions.h"

#include "app/Session.h"
#include "base/Dialogs.h"
#include "base/PrivateFiles.h"

#include <QDate>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>

LogActions::LogActions(Session& session, QPlainTextEdit* rconPane, QListWidget* messageLog,
                       QObject* parent)
    : QObject(parent), m_session(session), m_rconPane(rconPane), m_messageLog(messageLog) {}

void LogActions::clearRcon() {
    if (m_session.dialogs().message(tr("Clear the RCON window?"), tr("Clear"),
                                    Dialogs::Icon::Question,
                                    Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        m_rconPane->clear();
}

void LogActions::clearMessages() {
    if (m_session.dialogs().message(tr("Clear the message window?"), tr("Clear"),
                                    Dialogs::Icon::Question,
                                    Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        m_messageLog->clear();
}

QString LogActions::rconText() const {
    return m_rconPane->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString LogActions::messageLogText() const {
    QString text;
    for (int i = 0; i < m_messageLog->count(); ++i)
        text += m_messageLog->item(i)->text() + QLatin1String("\r\n");
    return text;
}

void LogActions::save(logfiles::Kind kind, bool interactive) {
    const ProgressMode mode = interactive ? ProgressMode::Replace : ProgressMode::Add;
    const QString name = QDir(m_session.state().files.dataFolder)
                             .filePath(logfiles::baseName(kind, QDate::currentDate()));
    QString path = name + QLatin1String(".log");
    // The data folder, where the save dialog opens too.
    privatefiles::makePrivateFolderFor(path);
    if (interactive) {
        path = m_session.dialogs().saveFileName(tr("Save file as..."), name, QStringLiteral("log"));
        if (path.isEmpty()) {
            m_session.hideProgress();
            return;
        }
    }
    m_session.showProgress(logfiles::progressText(kind), mode);
    // Every server's log goes into the same dated file: each part says whose it is.
    const QString server = m_session.serverName();
    const QString text =
        (server.isEmpty() ? QString() : tr("Server: %1").arg(server) + QLatin1String("\r\n")) +
        (kind == logfiles::Kind::Rcon ? rconText() + QLatin1String("\r\n") : messageLogText());
    int code = 0;
    QString description;
    if (!logfiles::append(path, text, &code, &description)) {
        if (!interactive)
            return;
        m_session.dialogs().message(tr("Error writing file, err %1\r%2")
                                        .arg(QString::number(code), logfiles::failureText(kind)),
                                    tr("Failed to Save"), Dialogs::Icon::Exclamation);
    }
    if (interactive)
        m_session.hideProgress();
}
