#pragma once

#include <QString>
#include <QStringList>

#include <functional>

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

// The live values the placeholders stand for; each is asked only when its token is present.
struct PlaceholderValues {
    std::function<QString()> ipPort;       // "%IP%"
    std::function<QString()> serverName;   // "%SN%"
    std::function<QString()> friendlyFire; // "%FF%": the raw setfriendlyfire value
};
// Replaces the first "%IP%", "%SN%" and "%FF%" (any letter case), in that order; later
// occurrences stay as written. The friendly-fire value is shown as its word.
QString fillPlaceholders(const QString& message, const PlaceholderValues& values);

// 0 "Off", 1 "On", 2 "Reflective", 3 "Shared"; anything else, or no value, gives "".
QString friendlyFireWord(const QString& value);

} // namespace cycler
