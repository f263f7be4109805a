#pragma once

#include <QWidget>

class Session;
struct Options;

// The "Players" page: player list, actions, auto update with the 999 watch, export, sort.
class PlayersPage : public QWidget {
    Q_OBJECT
public:
    explicit PlayersPage(Session& session, QWidget* parent = nullptr);

    // Start-up: ticks "Remove colour id", "Query Mode" and "Auto Update" as the options say
    // (ticking Auto Update runs its click handler).
    void applyStartupOptions(const Options& options);
    // Connect: ticks Auto Update, which starts the automatic refresh.
    void startAutoUpdate();
    // Disconnect: when the refresh timer runs, unticks Auto Update, clears the option in
    // memory and stops the timer.
    void stopAutoUpdateForDisconnect();

private:
    Session& m_session;
};
