#pragma once

#include <QWidget>

class Session;

// The "Maps" page: map list, load, restart and rotate.
class MapsPage : public QWidget {
    Q_OBJECT
public:
    explicit MapsPage(Session& session, QWidget* parent = nullptr);

    // The Common Tasks menu items "Restart Map" and "Next Map in Cycle".
    void commmap_restart_Click();
    void commmap_rotate_Click();

private:
    Session& m_session;
};
