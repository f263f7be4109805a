#pragma once

#include <QList>
#include <QString>

class Session;

// Switches the server's game type and restarts the map so that it takes effect at once.
class GameTypeSwitch {
public:
    // One switchable game type: the button caption, the word the server knows it by and
    // the message-log line written after the change.
    struct GameType {
        QString caption;
        QString word;
        QString logText;
    };

    explicit GameTypeSwitch(Session& session) : m_session(session) {}

    // The base game's types in button order (0 sd, 1 bel, 2 tdm, 3 re, 4 dm, 5 hq).
    static const QList<GameType>& codTypes();
    // The United Offensive types in button order (0 dom, 1 ctf, 2 bas).
    static const QList<GameType>& uoTypes();
    // The Heat of Battle mod's type.
    static const GameType& hobType();
    // The command that sets the type.
    static QString command(const GameType& type);

    // Base game: 0 sd, 1 bel, 2 tdm, 3 re, 4 dm, 5 hq; other indexes do nothing.
    void cmdcod_Click(int index);
    // United Offensive: 0 dom, 1 ctf, 2 bas; other indexes do nothing.
    void cmdUOmode_Click(int index);
    // Heat of Battle: hob.
    void cmdsethob_Click();

private:
    void switchTo(const GameType& type);

    Session& m_session;
};
