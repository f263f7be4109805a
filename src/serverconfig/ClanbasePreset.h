#pragma once

#include <QString>
#include <QStringList>

class Session;

// The settings the Clanbase league prescribes for its matches, and the rules text the
// "Mods" page shows. The commands sent differ from the text in the friendly-fire variable
// and in the order of the last three settings.
namespace clanbase {

// Shown before anything is sent.
QString question();
QString questionTitle();
// The commands, in the order they are sent.
QStringList commands();
// The say command sent after the commands.
QString announcement();
// The league's rules, lines ending in CR LF.
QString rulesText();

// Asks, then logs the start, sends every command and announces the result. Cancel sends
// nothing. Without a connection the first send says so and the rest is not tried; returns
// whether every command went out.
bool apply(Session& session);

} // namespace clanbase
