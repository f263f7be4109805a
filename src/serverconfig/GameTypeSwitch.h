#pragma once

class Session;

// Switches the server's game type and restarts the map so that it takes effect at once.
class GameTypeSwitch {
public:
    explicit GameTypeSwitch(Session& session) : m_session(session) {}

    // Base game: 0 sd, 1 bel, 2 tdm, 3 re, 4 dm, 5 hq; other indexes do nothing.
    void cmdcod_Click(int index);
    // United Offensive: 0 dom, 1 ctf, 2 bas; other indexes do nothing.
    void cmdUOmode_Click(int index);
    // Heat of Battle: hob.
    void cmdsethob_Click();

private:
    Session& m_session;
};
