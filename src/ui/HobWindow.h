#pragma once

#include <QWidget>

class Session;
class GameTypeSwitch;

// "Heat of Battle server variables": the mod's settings.
class HobWindow : public QWidget {
    Q_OBJECT
public:
    HobWindow(Session& session, GameTypeSwitch& gameTypes, QWidget* parent = nullptr);

private:
    Session& m_session;
    GameTypeSwitch& m_gameTypes;
};
