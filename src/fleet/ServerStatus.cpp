#include "ServerStatus.h"

#include "base/Wire1252.h"
#include "players/GetstatusParser.h"

#include <QStringList>

namespace fleet {

std::optional<ServerStatus> readStatusReply(const QByteArray& datagram) {
    static const QByteArray kHeader = QByteArray(4, '\xff') + "statusResponse";
    if (!datagram.startsWith(kHeader))
        return std::nullopt;
    const QString reply = wire1252::decode(datagram.mid(4));
    // The variable line is read as key/value pairs: a value such as a host name "mapname"
    // must not pass for a key.
    const qsizetype lineStart = reply.indexOf(u'\n') + 1;
    if (lineStart == 0)
        return std::nullopt;
    const qsizetype lineEnd = reply.indexOf(u'\n', lineStart);
    const QStringList fields =
        reply.mid(lineStart, lineEnd < 0 ? -1 : lineEnd - lineStart).split(u'\\');
    const auto value = [&fields](const char* key) {
        // fields[0] is the empty text before the line's first backslash.
        for (qsizetype i = 1; i + 1 < fields.size(); i += 2)
            if (fields[i].compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return fields[i + 1];
        return QString();
    };
    ServerStatus status;
    status.answered = true;
    status.hostName = value("sv_hostname");
    status.map = value("mapname");
    status.gameType = value("g_gametype");
    status.maxPlayers = value("sv_maxclients").toInt();
    status.players = int(parseGetstatusReply(reply).rows.size());
    return status;
}

} // namespace fleet
