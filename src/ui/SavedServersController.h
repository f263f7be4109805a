#pragma once

#include <QObject>

class Session;
struct MainWidgets;

// The saved-server list: add, remove, select, and the typed values the address and port
// boxes remember for the running program.
class SavedServersController : public QObject {
    Q_OBJECT
public:
    SavedServersController(Session& session, MainWidgets& widgets, QObject* parent = nullptr);

    void Saveserver_Click();
    void removeserver_Click();

private:
    Session& m_session;
    MainWidgets& m_widgets;
};
