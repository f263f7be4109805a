#pragma once

#include "rcon/Plan.h"

#include <QString>

// What the Players page sends for one player by slot. Each step is logged as the server
// answered it: today's line when taken, "<what> not done: ..." when refused.
namespace playeractions {

enum class Removal { Kick, Ban, TempBan };

// The kick, ban or temp ban of the player in `slot`, named in the log as `name`.
Plan removalPlan(Removal removal, const QString& slot, const QString& name);
// The question asked before it, and its title.
QString removalQuestion(Removal removal, const QString& slot, const QString& name);
QString removalTitle(Removal removal);

// A private message; a text the server's code page cannot hold is refused as the private
// message's.
Plan privateMessagePlan(const QString& slot, const QString& name, const QString& message);

// The kick of a player held at ping 999.
Step autoKickStep(const QString& slot, const QString& name);

} // namespace playeractions
