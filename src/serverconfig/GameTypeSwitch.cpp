#include "GameTypeSwitch.h"

#include "base/TableText.h"

#include <QCoreApplication>

namespace gametypes {

QString shown(const QString& text) {
    return translatedIn("gametypes", text);
}

const QList<GameType>& codTypes() {
    static const QList<GameType> types{
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Search && Destroy")),
         QStringLiteral("sd"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to SD"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Behind enemy lines")),
         QStringLiteral("bel"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to BEL"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Team Death Match")),
         QStringLiteral("tdm"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to TDM"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Retrieval")), QStringLiteral("re"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to RE"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Death Match")), QStringLiteral("dm"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to DM"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Headquarters")), QStringLiteral("hq"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to HeadQuarters"))}};
    return types;
}

const QList<GameType>& uoTypes() {
    static const QList<GameType> types{
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Domination")), QStringLiteral("dom"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to Domination"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Capture the flag")),
         QStringLiteral("ctf"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to Capture the flag"))},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Base Assault")), QStringLiteral("bas"),
         QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to Base Assault"))}};
    return types;
}

const GameType& hobType() {
    static const GameType type{
        QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Set Gametype to HOB")),
        QStringLiteral("hob"),
        QString::fromLatin1(QT_TRANSLATE_NOOP("gametypes", "Mode changed to HOB"))};
    return type;
}

QString command(const GameType& type) {
    return QLatin1String("set g_gametype ") + type.word;
}

Plan switchPlan(const GameType& type) {
    Step change = actionStep(
        Request::unechoed(command(type)), shown(type.logText),
        QCoreApplication::translate("gametypes", "Game type change to %1").arg(type.word));
    change.waitAfter = kSecondsBeforeRestart;
    return {change, Step{Request::loading(QStringLiteral("map_restart"))}};
}

} // namespace gametypes
