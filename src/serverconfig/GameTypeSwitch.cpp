#include "GameTypeSwitch.h"

namespace gametypes {

const QList<GameType>& codTypes() {
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

const QList<GameType>& uoTypes() {
    static const QList<GameType> types{{QStringLiteral("Domination"), QStringLiteral("dom"),
                                        QStringLiteral("Mode changed to Domination")},
                                       {QStringLiteral("Capture the flag"), QStringLiteral("ctf"),
                                        QStringLiteral("Mode changed to Capture the flag")},
                                       {QStringLiteral("Base Assault"), QStringLiteral("bas"),
                                        QStringLiteral("Mode changed to Base Assault")}};
    return types;
}

const GameType& hobType() {
    static const GameType type{QStringLiteral("Set Gametype to HOB"), QStringLiteral("hob"),
                               QStringLiteral("Mode changed to HOB")};
    return type;
}

QString command(const GameType& type) {
    return QLatin1String("set g_gametype ") + type.word;
}

Plan switchPlan(const GameType& type) {
    Step change = actionStep(Request::unechoed(command(type)), type.logText,
                             QStringLiteral("Game type change to ") + type.word);
    change.waitAfter = kSecondsBeforeRestart;
    return {change, Step{Request::loading(QStringLiteral("map_restart"))}};
}

} // namespace gametypes
