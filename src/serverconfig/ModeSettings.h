#pragma once

#include <QString>
#include <QStringList>

// What the game-mode settings pages share: the refusal title, the question before a send,
// the plain assignment they send and the read of a frame's values from the server.
namespace modesettings {

// The title of the box that reports a field the server would not accept.
QString invalidValueTitle();
// The question before a send, and its title.
QString setServerQuestion();
QString setServerTitle();

// "variable value", the value exactly as typed, echoed in the RCON pane.
QString plainCommand(const QString& variable, const QString& value);

// The one listing that holds every variable of a frame: "cvarlist", the start all their names
// share and "*".
QString listingFor(const QStringList& variables);
// The value the listing gives each variable, in order; empty where it gives none.
QStringList valuesIn(const QString& listing, const QStringList& variables);

// The line under a frame that says where the values in its fields come from: the game's
// defaults until a read (and after "Defaults"); after a read, the server's, but for the
// settings named in notRead, which the server did not list (of `total` in the frame). Both
// translated; notRead holds the captions as shown.
QString defaultsText();
QString readText(const QStringList& notRead, qsizetype total);

} // namespace modesettings
