#pragma once

#include "rcon/Plan.h"

#include <QList>
#include <QString>

// The server's friendly-fire mode, the variable setfriendlyfire: 0 Off, 1 On, 2 Reflective,
// 3 Shared. A change is announced to the players.
namespace friendlyfire {

// The option, the menu caption and the log text are in English: shown() translates them.
struct Mode {
    int value = 0;
    QString option;   // the option button's caption
    QString menuItem; // the Common Tasks item's name
    QString menuCaption;
    QString word;    // announced, with its colour code
    QString logText; // the message-log line
};

// A text of the table in the operator's language.
QString shown(const QString& text);

// By value, 0 to 3.
const QList<Mode>& modes();
// The variable, kept in the tag of the "Set Friendly Fire >>" button.
QString variable();
// "setfriendlyfire" and the value.
QString command(int value);
// The say command that tells the players about the new mode.
QString announcement(int value);

// Sets the mode, then announces it to the players and logs it. A value outside 0 to 3
// sends nothing.
Plan changePlan(int value);

} // namespace friendlyfire
