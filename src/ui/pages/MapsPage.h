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

    // Also the Common Tasks menu items "Restart Map" and "Next Map in Cycle".
    void restartClicked();
    void rotateClicked();

    void defaultMapsClicked();
    void populateClicked();
    void loadClicked();

private:
    // Asks for the map list; `triesLeft` more times when a reply lacks it.
    void askForList(int triesLeft);

    Session& m_session;
    QListWidget* m_lstmaps = nullptr;
    QPushButton* m_cmdmapload = nullptr;
    QPushButton* m_cmddefmaps = nullptr;
    QPushButton* m_cmdpopmaps = nullptr;
    QPushButton* m_cmdrestartmap = nullptr;
    QPushButton* m_cmdrotatemap = nullptr;
};
