#include "StatusQuery.h"

#include <QCoreApplication>

namespace statusquery {

QString value(const QString& reply, const QString& name) {
    const qsizetype found = reply.indexOf(name, 0, Qt::CaseInsensitive);
    if (found < 0 || name.isEmpty())
        return {};
    const qsizetype start = found + name.size() + 1;
    if (start >= reply.size())
        return {};
    qsizetype end = start;
    while (end < reply.size() && reply[end] != QLatin1Char('\\') && reply[end] != QLatin1Char('\n'))
        ++end;
    return reply.mid(start, end - start);
}

GameStatus readGameStatus(const QString& reply) {
    return {value(reply, QStringLiteral("g_gametype")), value(reply, QStringLiteral("mapname"))};
}

QString gameModeLine(const GameStatus& status) {
    return QCoreApplication::translate("statusquery", "Server running game mode [%1] on map [%2]")
        .arg(status.gametype, status.map);
}

} // namespace statusquery
