#pragma once

#include <QObject>

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

private:
    Session& m_session;
    MainWidgets& m_widgets;
    Pages& m_pages;
    LogActions& m_logs;
};
