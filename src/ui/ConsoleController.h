#pragma once

#include <QObject>

class Session;
struct MainWidgets;

// The console of the main window: "Rcon Direct" with its history, "Get Status" and
// "Get Server Info", and the Enter key that sends.
class ConsoleController : public QObject {
    Q_OBJECT
public:
    ConsoleController(Session& session, MainWidgets& widgets, QObject* parent = nullptr);

    void cmdsend_Click();
    void cmdstatus_Click();
    void cmsserverinfo_Click();

private:
    Session& m_session;
    MainWidgets& m_widgets;
};
