#include "MapListPlan.h"

#include "MapCommands.h"
#include "MapListParser.h"

#include <memory>

namespace mapcommands {

namespace {

using Done = std::shared_ptr<std::function<void(const MapListResult&)>>;

Step listStep(const Done& done, int folder, int triesLeft) {
    return readStep(listRequest(kMapFolders.at(folder)),
                    [done, folder, triesLeft](const Reply& reply, const Outcome& outcome) {
                        const auto end = [&done](MapListResult result) {
                            (*done)(result);
                            return ReadResult::stopHere();
                        };
                        if (reply.status != Reply::Status::Replied)
                            return end({MapListResult::Kind::Unanswered});
                        // Asking again would get the same answer.
                        if (outcome.refused())
                            return end({MapListResult::Kind::Refused, {}, outcome.serverWords});
                        const MapListReading reading = readMapList(reply.text);
                        const bool lastFolder = folder + 1 == kMapFolders.size();
                        if (reading.incomplete) {
                            if (triesLeft > 0)
                                return ReadResult::goOn({listStep(done, folder, triesLeft - 1)});
                            return end({MapListResult::Kind::Unreadable,
                                        {},
                                        reply.text.trimmed().section(QLatin1Char('\n'), 0, 0)});
                        }
                        if (reading.names.isEmpty() && !lastFolder)
                            return ReadResult::goOn({listStep(done, folder + 1, kListTries - 1)});
                        return end({MapListResult::Kind::Read, reading.names});
                    });
}

} // namespace

Plan listPlan(std::function<void(const MapListResult&)> done) {
    return {listStep(std::make_shared<std::function<void(const MapListResult&)>>(std::move(done)),
                     0, kListTries - 1)};
}

} // namespace mapcommands
