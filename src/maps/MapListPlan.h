#pragma once

#include "rcon/Plan.h"

#include <QStringList>

#include <functional>

// How the read of the server's map list ended.
struct MapListResult {
    enum class Kind {
        Read,       // `names` holds the maps (none when no folder holds any)
        Refused,    // the server refused the listing: `detail` holds its words
        Unreadable, // every try came back without the list: `detail` holds its first line
        Unanswered, // the server did not answer
    };
    Kind kind = Kind::Unanswered;
    QStringList names;
    QString detail;
};

namespace mapcommands {

// Reads the map list: the stock folder first, the next one when it holds no maps, each asked
// again (up to kListTries in all) while its reply comes without the list. `done` hears how it
// ended, unless the plan was cancelled.
Plan listPlan(std::function<void(const MapListResult&)> done);

} // namespace mapcommands
