#pragma once

#include "rcon/Plan.h"

#include <QString>

namespace cycler {

// The broadcast of one cycled message: the listings its placeholders need (the server name,
// then the friendly-fire mode), each read in turn, then the "say" with the values filled in.
// `ipPort` is what %IP% stands for. The plan completes when the say went.
Plan broadcastPlan(const QString& message, const QString& ipPort);

} // namespace cycler
