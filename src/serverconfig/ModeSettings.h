#pragma once

#include <QString>

class Dialogs;
class Session;

// What the game-mode settings pages share: the refusal title, the question before a send
// and the plain assignment they send.
namespace modesettings {

// The title of the box that reports a field the server would not accept.
QString invalidValueTitle();

// Asks "Set server with values in display?"; true when the operator chose OK.
bool confirmSetServer(Dialogs& dialogs);

// "variable value", the value exactly as typed, echoed in the RCON pane.
QString plainCommand(const QString& variable, const QString& value);

// Sends one plain assignment; false when there was no connection to send it on.
bool sendPlain(Session& session, const QString& variable, const QString& value);

} // namespace modesettings
