#pragma once

#include <QWidget>

struct MapListResult;

class Session;
class QListWidget;
class QPushButton;

// The "Maps" page: map list, load, restart and rotate.
class MapsPage : public QWidget {
    Q_OBJECT
public:
    explicit MapsPage(Session& session, QWidget* parent = nullptr);

    // Also the Common Tasks menu items "Restart Map" and "Next Map in Cycle".
    void restartClicked();
    void rotateClicked();

    void defaultMapsClicked();
    void populateClicked();
    void loadClicked();

private:
    void showList(const MapListResult& result);

    Session& m_session;
    QListWidget* m_mapList = nullptr;
    QPushButton* m_loadMap = nullptr;
    QPushButton* m_defaultMaps = nullptr;
    QPushButton* m_populateMaps = nullptr;
    QPushButton* m_restartMap = nullptr;
    QPushButton* m_rotateMap = nullptr;
};
