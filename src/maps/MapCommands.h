#pragma once

#include "rcon/Plan.h"

// What the map buttons send. The server is busy loading after each of these and answers late
// or not at all, so none waits for a reply.
namespace mapcommands {

Plan loadPlan(const QString& map);
Plan restartPlan();
Plan rotatePlan();

// The edited rotation as the server's current one (one console line: the client sends a line
// break in it as a blank).
Plan setRotationPlan(const QString& rotation);
// Executes a CFG file of the server, named without its ".cfg".
Plan execPlan(const QString& cfgName);

// The listing of the maps the server has; its reply shows only the echo line in the pane.
Request listRequest();
// How often the listing is asked for when its reply comes without the list.
inline constexpr int kListTries = 3;

} // namespace mapcommands
