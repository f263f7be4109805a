#pragma once

#include <QString>

// What the game-mode settings pages share: the refusal title, the question before a send
// and the plain assignment they send.
namespace modesettings {

// The title of the box that reports a field the server would not accept.
QString invalidValueTitle();
// The question before a send, and its title.
QString setServerQuestion();
QString setServerTitle();

// "variable value", the value exactly as typed, echoed in the RCON pane.
QString plainCommand(const QString& variable, const QString& value);

} // namespace modesettings
