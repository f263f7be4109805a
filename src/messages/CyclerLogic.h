#pragma once

#include <QString>
#include <QStringList>

// The decisions of the message cycler, apart from its timer and the server.
namespace cycler {

inline constexpr int kMinInterval = 1;
inline constexpr int kMaxInterval = 10;

// One minute tick. The counter holds the ticks since the last broadcast; a broadcast is due
// when it is 0 (first tick after program start or a new interval) or has reached the
// interval, and then the counter starts again at 1. Otherwise it counts up.
bool tickDue(qint16& minutes, int interval);

// The interval box's text as minutes, or 0 when it is not a whole number from 1 to 10.
int intervalMinutes(const QString& text);

// The position of the message to send: the current one, or the first when the position is
// past the end of the set. -1 for a set without messages.
int pickMessage(const QStringList& messages, qint16& position);

// The placeholders of a message: the first "%IP%", "%SN%" and "%FF%" (any letter case) stand
// for the server's address and port, its name and its friendly-fire mode. They are found in
// that order, each in the text the ones before it left; a value put in is never searched.
struct Placeholders {
    bool ipPort = false;
    bool serverName = false;
    bool friendlyFire = false;
};
Placeholders placeholdersIn(const QString& message);

// The live values the placeholders stand for.
struct PlaceholderValues {
    QString ipPort;
    QString serverName;
    QString friendlyFire; // the raw setfriendlyfire value, shown as its word
};
// The message with its placeholders filled; later occurrences stay as written.
QString fillPlaceholders(const QString& message, const PlaceholderValues& values);

// The listings that read the server name and the friendly-fire mode, and their variables.
QString serverNameListing();
QString serverNameVariable();
QString friendlyFireListing();
QString friendlyFireVariable();

// 0 "Off", 1 "On", 2 "Reflective", 3 "Shared"; anything else, or no value, gives "".
QString friendlyFireWord(const QString& value);

} // namespace cycler
