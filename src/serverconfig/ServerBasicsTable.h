#pragma once

#include "VariableCommand.h"
#include "rcon/Plan.h"

#include <QList>
#include <QString>

// The server basics of the "Server" page: host name, message of the day, client limits,
// viewing options, voting and the temporary-ban time.
namespace serverbasics {

enum class Kind { Text, Check };
enum class Frame { Common, View };

// The texts of the table are in English: shown() translates them.
struct Field {
    QString control;
    Kind kind;
    QString tag;
    QString label;
    QString toolTip; // of the label
    QString listing; // the cvarlist command whose reply holds the variable
    varcommand::Form form;
    QString logLine;
    Frame frame;
    QString initialText; // text fields only
    QString secondTag;   // sent with the same value right after the first, when not empty
};

// A text of the table in the operator's language.
QString shown(const QString& text);

// The twelve fields in the order they are sent.
const QList<Field>& fields();
// The listings in the order they are read; fields() gives each field's listing.
QStringList listings();
// Positions in fields() in the order they are read: listing by listing, in table order
// within each listing.
QList<int> readOrder();

// The listing and the variable that give the friendly-fire mode.
QString friendlyFireListing();
QString friendlyFireVariable();

// What sending one field's value takes: its assignment, and for voting the engine's
// variable right after the game script's; each logged.
Plan fieldPlan(const Field& field, const QString& value);

// Seconds the server needs after a new join password before the map restart.
inline constexpr double kSecondsBeforeRestart = 3;
// A new join password, then the map restart that makes it take effect.
Plan setPasswordPlan(const QString& password);
Plan removePasswordPlan();

QString commonFrameCaption();
QString viewFrameCaption();

} // namespace serverbasics
