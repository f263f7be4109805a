#include "CyclerPlan.h"

#include "CyclerLogic.h"
#include "app/SayPrefix.h"
#include "rcon/ReplyText.h"

#include <QCoreApplication>

namespace cycler {

namespace {

// A placeholder whose value the server is asked for before the broadcast.
struct LiveValue {
    QString listing;
    QString variable;
    QString PlaceholderValues::*field;
};

Step sayStep(const QString& message, const PlaceholderValues& values) {
    return Step{
        Request::shown(sayCommand(fillPlaceholders(message, values)))
            .from(QCoreApplication::translate("cycler", "cycled message (with the user prefix)"))};
}

// The say is built by the last reader, once every value it needs has come.
Plan readThenSay(const QString& message, const PlaceholderValues& values,
                 QList<LiveValue> listings) {
    if (listings.isEmpty())
        return {sayStep(message, values)};
    const LiveValue next = listings.takeFirst();
    // Its reply shows in the pane, as the operator's listings do, without an echo line.
    return {readStep(Request::unechoed(next.listing),
                     [message, values, listings, next](const Reply& reply, const Outcome&) {
                         PlaceholderValues read = values;
                         // Unanswered: the placeholder stays blank and the message still goes.
                         read.*next.field = getquoted(reply.text, next.variable);
                         return ReadResult::goOn(readThenSay(message, read, listings));
                     })};
}

} // namespace

Plan broadcastPlan(const QString& message, const QString& ipPort) {
    const Placeholders needed = placeholdersIn(message);
    PlaceholderValues values;
    if (needed.ipPort)
        values.ipPort = ipPort;
    QList<LiveValue> listings;
    if (needed.serverName)
        listings << LiveValue{serverNameListing(), serverNameVariable(),
                              &PlaceholderValues::serverName};
    if (needed.friendlyFire)
        listings << LiveValue{friendlyFireListing(), friendlyFireVariable(),
                              &PlaceholderValues::friendlyFire};
    return readThenSay(message, values, listings);
}

} // namespace cycler
