#pragma once

#include <QWidget>

class AutoUpdate999;
class PlayerGrid;
class PlayerListing;
class QCheckBox;
class QComboBox;
class Session;
struct Options;

// The "Players" page: the list and its options, the actions on the selected player, the
// player's history beside the list, the export of names, and auto update with the 999 watch.
class PlayersPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayersPage(Session& session, QWidget* parent = nullptr);

    // Start-up: ticks "Remove colour id", "Query Mode" and "Auto Update" as the options say
    // (ticking Auto Update starts it).
    void applyStartupOptions(const Options& options);
    // Populate: the player list from the server's status report, or from the public status
    // query in Query Mode. Quiet (no boxes, no progress notice) while the list updates itself.
    void populateClicked();
    // One refresh: populate, then kick the players due and clean the watch up.
    void refreshTick();

private:
    PlayerGrid* m_grid = nullptr;
    QCheckBox* m_removeColours = nullptr;
    QCheckBox* m_useQuery = nullptr;
    QCheckBox* m_autoUpdateBox = nullptr;
    QComboBox* m_sortChooser = nullptr;
    AutoUpdate999* m_autoUpdate = nullptr;
    PlayerListing* m_listing = nullptr;
};
