#pragma once

#include "rcon/Plan.h"

#include <QString>
#include <QStringList>

// The settings the Clanbase league prescribes for its matches, and the rules text the
// "Mods" page shows. The commands sent differ from the text in the friendly-fire variable
// and in the order of the last three settings.
namespace clanbase {

// Shown before anything is sent; the operator texts here are translated.
QString question();
QString questionTitle();
// The commands, in the order they are sent.
QStringList commands();
// The say command sent after the commands.
QString announcement();
// The league's rules, lines ending in CR LF.
QString rulesText();

// Logged once the first command went.
QString startLine();
// Every command, then the announcement.
Plan plan();

} // namespace clanbase
