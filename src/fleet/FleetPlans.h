#pragma once

#include "rcon/PlanRunner.h"

#include <QString>

// What goes to every ticked server at once, and how each server's outcome reads.
namespace fleetplans {

enum class Kind { ConsoleLine, Message, MapRestart };

// The plan one server gets: a console line as typed, a message ("say" with the user prefix in
// front of the text, as the one-off message has it) or a map restart.
Plan plan(Kind kind, const QString& text, const QString& userPrefix);

// What the fleet log names the command by: the console line, the message, "Map restart".
QString commandName(Kind kind, const QString& text);

// "<server>: <command>: taken" (or "refused: <the server's words>", "no answer (it may have
// been applied)", "not sent").
QString outcomeLine(const QString& server, const QString& command, const PlanOutcome& outcome);
// For a ticked server without a connection in the window.
QString notConnectedLine(const QString& server, const QString& command);

} // namespace fleetplans
