#pragma once

#include "rcon/Plan.h"

#include <QString>

namespace messageplans {

// A one-off message to the players: "say" with the broadcast tag, then the user prefix and
// the text; logged as "Message to server>> <prefix> <text>" once the server took it.
Plan oneOffMessage(const QString& userPrefix, const QString& text);

} // namespace messageplans
