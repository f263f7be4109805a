#pragma once

#include <QString>

// Reading the public status reply ("getstatus"): the server variables stand there as
// "\name\value", one after the other on one line.
namespace statusquery {

// The value of the first occurrence of name (any letter case): it starts one character after
// the name and runs up to the next backslash, line feed or the end of the reply. "" when the
// name is absent.
QString value(const QString& reply, const QString& name);

struct GameStatus {
    QString gametype;
    QString map;
};
GameStatus readGameStatus(const QString& reply);

// The line the RCON pane shows after a connect (without a line break).
QString gameModeLine(const GameStatus& status);

} // namespace statusquery
