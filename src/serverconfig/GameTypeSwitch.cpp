#include "GameTypeSwitch.h"

#include "app/Session.h"
#include "rcon/WaitClock.h"

const QList<GameTypeSwitch::GameType>& GameTypeSwitch::codTypes() {
    static const QList<GameType> types{
        {QStringLiteral("Search && Destroy"), QStringLiteral("sd"),
         QStringLiteral("Mode changed to SD")},
        {QStringLiteral("Behind enemy lines"), QStringLiteral("bel"),
         QStringLiteral("Mode changed to BEL")},
        {QStringLiteral("Team Death Match"), QStringLiteral("tdm"),
         QStringLiteral("Mode changed to TDM")},
        {QStringLiteral("Retrieval"), QStringLiteral("re"), QStringLiteral("Mode changed to RE")},
        {QStringLiteral("Death Match"), QStringLiteral("dm"), QStringLiteral("Mode changed to DM")},
        {QStringLiteral("Headquarters"), QStringLiteral("hq"),
         QStringLiteral("Mode changed to HeadQuarters")}};
    return types;
}

const QList<GameTypeSwitch::GameType>& GameTypeSwitch::uoTypes() {
    static const QList<GameType> types{{QStringLiteral("Domination"), QStringLiteral("dom"),
                                        QStringLiteral("Mode changed to Domination")},
                                       {QStringLiteral("Capture the flag"), QStringLiteral("ctf"),
                                        QStringLiteral("Mode changed to Capture the flag")},
                                       {QStringLiteral("Base Assault"), QStringLiteral("bas"),
                                        QStringLiteral("Mode changed to Base Assault")}};
    return types;
}

const GameTypeSwitch::GameType& GameTypeSwitch::hobType() {
    static const GameType type{QStringLiteral("Set Gametype to HOB"), QStringLiteral("hob"),
                               QStringLiteral("Mode changed to HOB")};
    return type;
}

QString GameTypeSwitch::command(const GameType& type) {
    return QLatin1String("set g_gametype ") + type.word;
}

void GameTypeSwitch::cmdcod_Click(int index) {
    if (index >= 0 && index < codTypes().size())
        switchTo(codTypes().at(index));
}

void GameTypeSwitch::cmdUOmode_Click(int index) {
    if (index >= 0 && index < uoTypes().size())
        switchTo(uoTypes().at(index));
}

void GameTypeSwitch::cmdsethob_Click() {
    switchTo(hobType());
}

void GameTypeSwitch::switchTo(const GameType& type) {
    m_session.sendinfo(command(type), true);
    if (m_session.sendRefused())
        return;
    pausesecs(1);
    m_session.addmessage(type.logText);
    // The server is busy restarting the map and does not answer in time.
    m_session.state().nowait = true;
    m_session.sendinfo(QStringLiteral("map_restart"), true);
}
