#pragma once

#include <QWidget>

class Session;
class QListWidget;
class QPushButton;

// The "Maps" page: map list, load, restart and rotate.
class MapsPage : public QWidget {
    Q_OBJECT
public:
    explicit MapsPage(Session& session, QWidget* parent = nullptr);

    // The Common Tasks menu items "Restart Map" and "Next Map in Cycle".
    void commmap_restart_Click();
    void commmap_rotate_Click();

    void cmddefmaps_Click();
    void cmdpopmaps_Click();
    void cmdmapload_Click();

private:
    Session& m_session;
    QListWidget* m_lstmaps = nullptr;
    QPushButton* m_cmdmapload = nullptr;
    QPushButton* m_cmddefmaps = nullptr;
    QPushButton* m_cmdpopmaps = nullptr;
    QPushButton* m_cmdrestartmap = nullptr;
    QPushButton* m_cmdrotatemap = nullptr;
    bool m_populating = false;
};
