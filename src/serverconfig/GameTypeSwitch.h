#pragma once

#include "rcon/Plan.h"

#include <QList>
#include <QString>

// Switching the server's game type and restarting the map so that it takes effect at once.
namespace gametypes {

// One switchable game type: the button caption, the word the server knows it by and the
// message-log line written after the change. The caption and the line are in English:
// shown() translates them.
struct GameType {
    QString caption;
    QString word;
    QString logText;
};

// A text of the tables in the operator's language.
QString shown(const QString& text);

// The base game's types in button order (0 sd, 1 bel, 2 tdm, 3 re, 4 dm, 5 hq).
const QList<GameType>& codTypes();
// The United Offensive types in button order (0 dom, 1 ctf, 2 bas).
const QList<GameType>& uoTypes();
// The Heat of Battle mod's type.
const GameType& hobType();
// The command that sets the type.
QString command(const GameType& type);

// Seconds the server needs after the change before the map restart.
inline constexpr double kSecondsBeforeRestart = 1;

// The change, logged, then the map restart, which the loading server does not answer.
Plan switchPlan(const GameType& type);

} // namespace gametypes
