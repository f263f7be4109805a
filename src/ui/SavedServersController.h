#pragma once

#include <QObject>

#include <functional>

class Dialogs;
class ServerListPanel;
class Workspace;

// The File menu's two entries for the server list: save the current workspace's server into
// it, and remove it from it.
class SavedServersController : public QObject {
    Q_OBJECT
public:
    SavedServersController(Dialogs& dialogs, ServerListPanel& list,
                           std::function<Workspace*()> current, QObject* parent = nullptr);

    void saveCurrentServer();
    void removeCurrentServer();

signals:
    // The list changed: it is saved.
    void listChanged();

private:
    Dialogs& m_dialogs;
    ServerListPanel& m_list;
    std::function<Workspace*()> m_current;
};
