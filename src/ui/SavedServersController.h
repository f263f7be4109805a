#pragma once

#include <QObject>

class Session;
class QComboBox;
struct MainWidgets;

// The saved-server list: add, remove, select, and the typed values the address and port
// boxes remember for the running program.
class SavedServersController : public QObject {
    Q_OBJECT
public:
    SavedServersController(Session& session, MainWidgets& widgets, QObject* parent = nullptr);

    void Saveserver_Click();
    void removeserver_Click();
    // A click on an entry of the saved list.
    void lstservers_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Focus left the address or port box.
    void remember(QComboBox* box);

    Session& m_session;
    MainWidgets& m_widgets;
};
