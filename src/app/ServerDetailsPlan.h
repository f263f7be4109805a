#pragma once

#include "rcon/Plan.h"

#include <functional>

class Session;

// What a connect reads once the server took the password: its game type and map (from the
// public status), its rotation and its CFG files. Each read is told through the session's
// signals; the last one ends with detailsRead(). Without the public status the reads end there.
// `quietly`: the start-up connects, with nothing in the status bar.
Plan serverDetailsPlan(Session& session, bool quietly,
                       std::function<void(const QString& gametype, const QString& map)> statusRead);
