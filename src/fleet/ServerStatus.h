#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <optional>

namespace fleet {

// What the public status query tells about one server.
struct ServerStatus {
    bool answered = false;
    QString hostName; // as sent, colour codes kept
    QString map;
    QString gameType;
    int players = 0;
    int maxPlayers = 0;
    int roundTripMs = -1; // -1 without an answer

    friend bool operator==(const ServerStatus&, const ServerStatus&) = default;
};

// Reads one "getstatus" reply datagram (FF FF FF FF "statusResponse", the variable line, a line
// per player); nothing when the datagram is not such a reply. The round trip is left to the
// caller.
std::optional<ServerStatus> readStatusReply(const QByteArray& datagram);

} // namespace fleet

Q_DECLARE_METATYPE(fleet::ServerStatus)
