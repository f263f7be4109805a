#pragma once

#include "rcon/Plan.h"

// What the map buttons send. The server answers a map load, restart or rotation only to refuse
// it: after that it is busy loading.
namespace mapcommands {

Plan loadPlan(const QString& map);
Plan restartPlan();
Plan rotatePlan();

// The edited rotation as the server's current one (one console line: the client sends a line
// break in it as a blank).
Plan setRotationPlan(const QString& rotation);
// Executes a CFG file of the server, named without its ".cfg".
Plan execPlan(const QString& cfgName);

// The folders that hold the multiplayer maps: the stock game's, then that of ioquake3-based
// servers, asked when the first lists nothing.
inline const QStringList kMapFolders{QStringLiteral("maps/mp"), QStringLiteral("maps")};
// The listing of the maps in a folder; its reply shows only the echo line in the pane.
Request listRequest(const QString& folder = kMapFolders.first());
// How often the listing is asked for when its reply comes without the list.
inline constexpr int kListTries = 3;

} // namespace mapcommands
