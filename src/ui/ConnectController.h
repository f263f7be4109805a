#pragma once

#include <QHostAddress>
#include <QObject>

#include <optional>

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

    void cmdconnect_Click();

    // A connect sequence is under way (its waits let other events run).
    bool isConnecting() const { return m_connecting; }
    // The connection fields cannot be changed by the operator.
    bool fieldsLocked() const { return m_locked; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectToServer();
    void disconnectFromServer();
    void readServerDetails();
    void onClosedByError(const QString& description);
    void saveAndClearLogs();
    std::optional<QHostAddress> resolve(const QString& host);
    void refuse(const QString& text, const QString& title);
    void closeAndStop();
    void setFieldsLocked(bool locked);
    void progress(const QString& text, const char* mode);

    Session& m_session;
    MainWidgets& m_widgets;
    Pages& m_pages;
    LogActions& m_logs;
    bool m_connecting = false;
    bool m_locked = false;
};
